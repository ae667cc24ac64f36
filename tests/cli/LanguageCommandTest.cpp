// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;
using testing::StartsWith;

const std::string Lens = examplePath("vollformat-objektiv.mtf");

TEST(CommandLanguage, HelpUsageAndReaderErrorsFollowTheOptionOrTheLocale)
{
    const TemporaryDirectory directory;
    const std::string broken = directory.write("kaputt.mtf", "head\nline2\n");
    const std::string english = broken + ":2: Column 6 of the head line “line2” holds no digit\n";
    const std::tuple<std::vector<std::string>, std::vector<std::string>, int, std::string> cases[] = {
        { { "LANG=de_DE.UTF-8" }, { "--lang=en", "--help" }, 0, "Usage:\n  lumivex [FILE]  " },
        { {}, { "--bogus", "--lang", "en" }, 2, "lumivex: Unknown option “--bogus”\n\nUsage:\n" },
        { {}, { "--bogus", "--lang=en" }, 2, "lumivex: Unknown option “--bogus”\n\nUsage:\n" },
        { {}, { "--lang", "fr" }, 2, "lumivex: Option --lang erwartet de oder en, nicht „fr“\n\nAufruf:\n" },
        { { "LANG=en_US.UTF-8" }, { "--dump", broken }, 1, english },
        { { "LANG=en_GB.UTF-8" },
          { "--dump", Lens, "--magnification", "10" },
          2,
          "lumivex: Option --magnification: 10 is outside 1..9 (the file’s magnifications)\n\nUsage:" },
    };
    for (const auto& [locale, arguments, exitCode, start] : cases) {
        SCOPED_TRACE(::testing::PrintToString(locale) + ' ' + ::testing::PrintToString(arguments));
        const ProgramRun run = runLumivex(arguments, {}, locale);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_THAT(run.out.empty() ? run.err : run.out, StartsWith(start));
    }
    const ProgramRun dump = runLumivex({ "--lang", "en", "--dump", examplePath("beispiel-testlinse.mtf") });
    EXPECT_THAT(dump.out, HasSubstr(R"("DistanceLabels": ["infinity", "604"])"));
}

TEST(CommandLanguage, TheReportSpeaksTheLanguageWithItsDateAndKeepsTheDecimalPoint)
{
    const TemporaryDirectory directory;
    const std::tuple<std::string, std::vector<std::string>, std::vector<std::string>> cases[] = {
        { "en",
          { "--frequencies", "2,4" },
          { "Lumivex for the lens: Lumivex Normal für KB 1.4/50", "F-number : 1.4", "Spatial frequency : 10 30",
            "Image height [%]", "Program: Lumivex / 1/1/26 12:00 PM" } },
        { "de",
          { "--frequencies", "2,7", "--compare", examplePath("vergleich-normal-1.8.mtf") },
          { "Lumivex des Objektivs: Lumivex Normal für KB 1.4/50 / Vergleich: Lumivex Kompakt 1.8/50",
            "Programm: Lumivex / 01.01.26 12:00", "Vergleichsobjektiv: keine Ortsfrequenz 60 LP/mm" } },
    };
    for (const auto& [language, options, lines] : cases) {
        const std::string pdf = directory.file(language + ".pdf");
        const ProgramRun run = runLumivex(joined({ "--lang", language, "--export", pdf, Lens }, options), {},
                                          { "SOURCE_DATE_EPOCH=1767268800", "TZ=UTC", "LANG=de_DE.UTF-8" });
        ASSERT_EQ(run.exitCode, 0) << run.err;
        QProcess text;
        text.start("pdftotext", { "-layout", QString::fromStdString(pdf), "-" });
        ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
        // Runs of blanks are layout, not text.
        const std::string page = QString::fromUtf8(text.readAllStandardOutput()).simplified().toStdString();
        for (const std::string& line : lines) {
            EXPECT_THAT(page, HasSubstr(line)) << language;
        }
    }
}

} // namespace
