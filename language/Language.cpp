// SPDX-License-Identifier: MIT
#include "Language.h"

#include <string>

namespace {

// The language of a locale or language name: "en", "en_US.UTF-8", "de_AT".
std::optional<Language> languageOf(std::string_view name)
{
    const std::string_view code = name.substr(0, name.find_first_of("_.@-"));
    return languageNamed(code);
}

} // namespace

std::optional<Language> languageNamed(std::string_view code)
{
    if (code == "de") {
        return Language::German;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

const char* languageCode(Language language)
{
    return language == Language::English ? "en" : "de";
}

Language systemLanguage(const EnvironmentLookup& environment)
{
    const auto value = [&environment](const char* name) {
        const char* text = environment(name);
        return std::string_view(text == nullptr ? "" : text);
    };
    if (std::string_view list = value("LANGUAGE"); !list.empty()) {
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (const std::optional<Language> language = languageOf(list.substr(0, colon))) {
                return *language;
            }
            list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
        }
        return Language::German;
    }
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        if (const std::string_view locale = value(name); !locale.empty()) {
            return languageOf(locale).value_or(Language::German);
        }
    }
    return Language::German;
}

Language chooseLanguage(std::optional<Language> requested, const EnvironmentLookup& environment)
{
    return requested ? *requested : systemLanguage(environment);
}
