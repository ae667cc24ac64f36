// SPDX-License-Identifier: MIT
#include "Language.h"
#include "LensFileReader.h"
#include "LoadError.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

TEST(Language, TheOptionOverridesTheSystemAndOnlyAnEnglishSystemGivesEnglish)
{
    using Env = std::map<std::string, std::string>;
    const std::tuple<const char*, Env, Language> cases[] = {
        { nullptr, {}, Language::German },
        { nullptr, { { "LANG", "en_US.UTF-8" } }, Language::English },
        { nullptr, { { "LANG", "fr_FR.UTF-8" } }, Language::German },
        { nullptr, { { "LANGUAGE", "fr:en_GB:de" } }, Language::English }, // the first one we have
        { nullptr, { { "LANGUAGE", "fr" }, { "LANG", "en_US" } }, Language::German },
        { nullptr, { { "LC_ALL", "de_AT" }, { "LANG", "en_US" } }, Language::German },
        { nullptr, { { "LC_MESSAGES", "en_GB" }, { "LANG", "de_DE" } }, Language::English },
        { "de", { { "LANGUAGE", "en" } }, Language::German },
    };
    for (const auto& [option, env, expected] : cases) {
        const EnvironmentLookup lookup = [&env](const char* name) -> const char* {
            const auto found = env.find(name);
            return found == env.end() ? nullptr : found->second.c_str();
        };
        const std::optional<Language> requested = option ? languageNamed(option) : std::nullopt;
        EXPECT_EQ(chooseLanguage(requested, lookup), expected) << (option ? option : "-") << ' ' << env.size();
    }
    EXPECT_EQ(languageNamed("EN"), std::nullopt);
}

LoadError loadErrorOf(const std::string& text)
{
    std::istringstream in(text);
    try {
        readLensData(in, LensData());
    } catch (const LoadError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return LoadError(0, std::string());
}

TEST(Language, AReaderErrorIsGermanUntilTheEnglishTranslationIsInstalled)
{
    const LoadError error = loadErrorOf("head\nline2\n");
    const std::string german = "Zeile 2: Spalte 6 der Kopfzeile „line2“ enthält keine Ziffer";
    EXPECT_EQ(error.what(), german);
    EXPECT_EQ(errorText(error).toStdString(), german);
    QTranslator* english = installTranslations(*QCoreApplication::instance(), Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(errorText(error).toStdString(), "Line 2: Column 6 of the head line “line2” holds no digit");
    EXPECT_EQ(translatedMessage(loadErrorOf("h\n123456\n").messageText()).toStdString(),
              "Unexpected end of file: looking for line 3 (file head)");
    EXPECT_EQ(error.what(), german) << "what() stays German";
    delete english;
    EXPECT_EQ(errorText(error).toStdString(), german);
    EXPECT_EQ(installTranslations(*QCoreApplication::instance(), Language::German), nullptr);
}

} // namespace
