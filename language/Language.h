// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string_view>

// The language of the program's own texts. German is the source language
// of every text; English is the one translation.
enum class Language
{
    German,
    English,
};

// "de" or "en", as --lang takes it; nullopt for anything else.
std::optional<Language> languageNamed(std::string_view code);
const char* languageCode(Language language);

// Reads an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The language the desktop asks for. LANGUAGE, a list of languages by
// preference ("en_GB:de"), decides first: its first entry that is English or
// German. Without one, the first of LC_ALL, LC_MESSAGES and LANG that is
// set: English for an English locale ("en_US.UTF-8"). Everything else is
// German, the program's own language.
Language systemLanguage(const EnvironmentLookup& environment);

// The language of this run: the one --lang names, else the system's.
Language chooseLanguage(std::optional<Language> requested, const EnvironmentLookup& environment);
