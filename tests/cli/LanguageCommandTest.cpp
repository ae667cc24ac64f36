// SPDX-License-Identifier: MIT
// The command line in the language that --lang or the locale chooses: the
// help, usage and reader errors and the report.
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using testing::HasSubstr;
using testing::StartsWith;

const std::string Lens = LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf";

struct ProgramResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built lumivex with the locale variables given as NAME=VALUE and
// none of the others.
ProgramResult runIn(const std::vector<std::string>& locale, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY", "QT_QPA_PLATFORM" }) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const std::string& setting : locale) {
        const QString text = QString::fromStdString(setting);
        environment.insert(text.section('=', 0, 0), text.section('=', 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUMIVEX_BINARY), arguments);
    ProgramResult run;
    if (program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit) {
        run.exitCode = program.exitCode();
    }
    run.out = program.readAllStandardOutput().toStdString();
    run.err = program.readAllStandardError().toStdString();
    return run;
}

TEST(CommandLanguage, HelpUsageAndReaderErrorsFollowTheOptionOrTheLocale)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("kaputt.mtf");
    std::ofstream(broken.toStdString()) << "head\nline2\n";
    struct Case
    {
        std::vector<std::string> locale;
        QStringList arguments;
        int exitCode;
        const char* start; // of stdout, or of stderr when stdout is empty
    };
    const std::string file = broken.toStdString();
    const Case cases[] = {
        { { "LANG=en_US.UTF-8" }, { "--help" }, 0, "Usage:\n  lumivex [FILE]  " },
        { { "LANGUAGE=en", "LANG=de_DE.UTF-8" }, { "--help" }, 0, "Usage:\n" },
        { { "LANG=de_DE.UTF-8" }, { "--help" }, 0, "Aufruf:\n  lumivex [DATEI]  " },
        { { "LANG=fr_FR.UTF-8" }, { "--help" }, 0, "Aufruf:\n" },
        { { "LANG=de_DE.UTF-8" }, { "--lang", "en", "--help" }, 0, "Usage:\n" },
        { { "LANG=en_US.UTF-8" }, { "--lang=de", "--help" }, 0, "Aufruf:\n" },
        { { "LANG=en_US.UTF-8" }, { "--bogus" }, 2, "lumivex: Unknown option “--bogus”\n\nUsage:\n" },
        { {}, { "--bogus", "--lang", "en" }, 2, "lumivex: Unknown option “--bogus”\n\nUsage:\n" },
        { {}, { "--lang", "fr" }, 2, "lumivex: Option --lang erwartet de oder en, nicht „fr“\n\nAufruf:\n" },
        { { "LANG=en_US.UTF-8" }, { "--dump", broken }, 1, "" },
        { { "LANG=fr_FR.UTF-8" }, { "--dump", broken }, 1, "" },
        { { "LANG=en_GB.UTF-8" },
          { "--dump", QString::fromStdString(Lens), "--magnification", "10" },
          2,
          "lumivex: Option --magnification: 10 is outside 1..9 (the file’s magnifications)\n\nUsage:" },
    };
    const std::string english = file + ":2: Column 6 of the head line “line2” holds no digit\n";
    const std::string german = file + ":2: Spalte 6 der Kopfzeile „line2“ enthält keine Ziffer\n";
    for (const Case& c : cases) {
        const ProgramResult run = runIn(c.locale, c.arguments);
        const std::string label = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << label;
        if (std::string(c.start).empty()) {
            EXPECT_EQ(run.err, c.locale[0] == "LANG=en_US.UTF-8" ? english : german) << label;
        } else {
            EXPECT_THAT(run.out.empty() ? run.err : run.out, StartsWith(c.start)) << label;
        }
    }
}

TEST(CommandLanguage, TheReportSpeaksTheLanguageWithItsDateAndKeepsTheDecimalPoint)
{
    QTemporaryDir dir;
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        { "en",
          { "Lumivex for the lens: Lumivex Normal für KB 1.4/50", "F-number : 1.4", "Spatial frequency : 10 30",
            "Image height [%]", "Program: Lumivex / 1/1/26 12:00 PM" } },
        { "de",
          { "Lumivex des Objektivs: Lumivex Normal für KB 1.4/50", "Blende : 1.4", "Ortsfrequenz : 10 30",
            "Bildhöhe [%]", "Programm: Lumivex / 01.01.26 12:00" } },
    };
    for (const auto& [language, lines] : cases) {
        const QString pdf = dir.filePath(QString::fromLatin1(language) + ".pdf");
        const ProgramResult run
            = runIn({ "SOURCE_DATE_EPOCH=1767268800", "TZ=UTC", "LANG=de_DE.UTF-8" },
                    { "--lang", language, "--export", pdf, QString::fromStdString(Lens), "--frequencies", "2,4" });
        ASSERT_EQ(run.exitCode, 0) << run.err;
        QProcess text;
        text.start("pdftotext", { "-layout", pdf, "-" });
        ASSERT_TRUE(text.waitForFinished(30000));
        // Runs of blanks are layout, not text.
        const std::string page = QString::fromUtf8(text.readAllStandardOutput()).simplified().toStdString();
        for (const char* line : lines) {
            EXPECT_THAT(page, HasSubstr(line)) << language;
        }
    }
}

} // namespace
