// SPDX-License-Identifier: MIT
// lumivex --export-dir: every file as its single export would write it,
// failures reported in order and skipped, the same result in any number of
// threads.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

const std::string FullSize = examplePath("vollformat-objektiv.mtf");
const std::string Small = examplePath("beispiel-testlinse.mtf"); // two f-numbers
const std::string PerFNumber = examplePath("bildhoehe-je-blende.mtf");

ProgramRun exportInto(const std::string& directory, Arguments arguments, const std::string& input = {})
{
    arguments.insert(arguments.begin(), { "--export-dir", directory });
    return runLumivex(arguments, input);
}

std::set<std::string> namesIn(const std::string& directory)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string copyTo(const std::string& directory, const std::string& name, const std::string& from)
{
    fs::create_directories(directory);
    fs::copy_file(from, directory + "/" + name);
    return directory + "/" + name;
}

TEST(BatchExport, WritesTheBytesOfTheSingleExportOfEveryFile)
{
    const struct
    {
        std::string format;
        Arguments options;
    } cases[] = {
        { "png", { "--scale", "2", "--abscissa", "lpmm", "--frequencies", "1,2" } },
        { "csv", { "--abscissa", "k", "--overlay-all" } },
    };
    const TemporaryDirectory directory;
    int number = 0;
    for (const auto& c : cases) {
        const std::string out = directory.file("aus" + std::to_string(++number)); // made by the export
        Arguments arguments = { "--format", c.format, FullSize, Small, PerFNumber };
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const ProgramRun run = exportInto(out, arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "3 geschrieben, 0 fehlerhaft\n");
        EXPECT_EQ(run.out, "");
        for (const std::string& lens : { FullSize, Small, PerFNumber }) {
            const std::string single = directory.file("einzeln." + c.format);
            Arguments one = { "--export", single, lens };
            one.insert(one.end(), c.options.begin(), c.options.end());
            ASSERT_EQ(runLumivex(one).exitCode, 0);
            const std::string name = fs::path(lens).stem().string() + "." + c.format;
            EXPECT_FALSE(fileText(single).empty());
            EXPECT_TRUE(fileText(out + "/" + name) == fileText(single)) << name << ' ' << number;
        }
    }
}

TEST(BatchExport, TakesTheLensFilesOfADirectoryAndNamesFromStandardInput)
{
    const TemporaryDirectory directory;
    const std::string catalogue = directory.file("katalog");
    copyTo(catalogue, "b.mtf", Small);
    copyTo(catalogue, "A.MTF", FullSize);
    copyTo(catalogue, "notiz.txt", Small);
    fs::create_directories(catalogue + "/unter.mtf/tief");
    copyTo(catalogue + "/unter.mtf/tief", "nicht-rekursiv.mtf", Small);
    const std::string listed = copyTo(directory.file("liste"), "c.mtf", PerFNumber);

    const std::string out = directory.file("aus");
    const ProgramRun run = exportInto(out, { "--format", "csv", catalogue, "-" }, PerFNumber + "\n\n" + listed + "\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "4 geschrieben, 0 fehlerhaft\n");
    EXPECT_EQ(namesIn(out), (std::set<std::string> { "A.csv", "b.csv", "bildhoehe-je-blende.csv", "c.csv" }));
}

// Failures of every kind among good files, reported in the order of the
// files (a directory's sorted), each as FILE:LINE: or FILE:; the good
// files are written and nothing else is left in DIR.
TEST(BatchExport, ReportsFailedFilesInOrderSkipsThemAndWritesTheOthers)
{
    const TemporaryDirectory directory;
    const std::string catalogue = directory.file("katalog");
    const std::string busy = copyTo(catalogue, "5-besetzt.mtf", FullSize);
    copyTo(catalogue, "4-gut.mtf", PerFNumber);
    const std::string small = copyTo(catalogue, "3-klein.mtf", Small);
    const std::string malformed = directory.write("katalog/2-falsch.mtf", workedExampleWithLine(24, "y1 92 300 "));
    copyTo(catalogue, "1-gut.mtf", FullSize);
    const std::string out = directory.file("aus");
    fs::create_directories(out + "/5-besetzt.png"); // a directory is never replaced
    const std::string missing = directory.file("gibt-es-nicht.mtf");

    const ProgramRun run = exportInto(out, { "--format", "png", "--f-number", "3", catalogue, missing });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              malformed + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n" + small
                  + ": Option --f-number: 3 liegt außerhalb von 1..2 (Blendenzahlen der Datei)\n" + busy
                  + ": Die Datei „" + out + "/5-besetzt.png“ kann nicht geschrieben werden\n" + missing
                  + ":0: Abbruch beim Dateilesen\n2 geschrieben, 4 fehlerhaft\n");
    EXPECT_EQ(namesIn(out), (std::set<std::string> { "1-gut.png", "4-gut.png", "5-besetzt.png" }));
}

TEST(BatchExport, OneBaseNameTwiceIsAUsageErrorUnlessTheSecondComesOnStandardInput)
{
    const TemporaryDirectory directory;
    const std::string first = copyTo(directory.file("a"), "x.mtf", Small);
    const std::string second = copyTo(directory.file("b"), "x.mtf", FullSize);
    const std::string out = directory.file("aus");

    const ProgramRun given = exportInto(out, { "--format", "png", first, "-", second });
    EXPECT_EQ(given.exitCode, 2);
    EXPECT_EQ(given.err,
              "lumivex: „" + first + "“ und „" + second
                  + "“ haben denselben Namen; jede Ausgabedatei wird nur einmal geschrieben\n");
    EXPECT_FALSE(fs::exists(out));

    const ProgramRun listed = exportInto(out, { "--format", "png", first, "-" }, second + "\n");
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_EQ(listed.err,
              second + ": Eine andere Datei mit demselben Namen wird schon nach „" + out
                  + "“ exportiert\n1 geschrieben, 1 fehlerhaft\n");
    EXPECT_EQ(namesIn(out), std::set<std::string> { "x.png" });
}

// Twelve files, some with spline warnings and one malformed, the quick
// failures right after a slow file: one thread and four write the same
// files and report the same lines in the same order.
TEST(BatchExport, OneThreadAndFourGiveTheSameFilesAndReports)
{
    const TemporaryDirectory directory;
    const std::string catalogue = directory.file("katalog");
    const std::string warns = workedExampleWithLine(16, "y 0 0 21.6");
    const std::string texts[]
        = { fileText(FullSize),  workedExampleWithLine(24, "y1 92 300 "), warns, warns, fileText(Small),
            fileText(PerFNumber) };
    fs::create_directories(catalogue);
    for (int i = 0; i < 12; ++i) {
        directory.write("katalog/linse" + std::to_string(10 + i) + ".mtf", texts[i % 6]);
    }

    const ProgramRun one
        = exportInto(directory.file("eins"), { "--format", "png", "--overlay-all", "--jobs", "1", catalogue });
    const ProgramRun four
        = exportInto(directory.file("vier"), { "--format", "png", "--overlay-all", "--jobs=4", catalogue });
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(four.exitCode, 1);
    EXPECT_EQ(one.err, four.err);
    EXPECT_NE(one.err.find("linse13.mtf: Warnung: Funktion singulär\n"), std::string::npos) << one.err;
    const std::set<std::string> names = namesIn(directory.file("eins"));
    EXPECT_EQ(names.size(), 10U);
    EXPECT_EQ(namesIn(directory.file("vier")), names);
    for (const std::string& name : names) {
        EXPECT_TRUE(fileText(directory.file("eins/" + name)) == fileText(directory.file("vier/" + name))) << name;
    }
}

// As root, permissions stop no write: a path below a regular file cannot be
// made by anyone.
TEST(BatchExport, AnExportDirectoryThatCannotBeMadeFailsBeforeAnyFile)
{
    const TemporaryDirectory directory;
    const std::string blocker = directory.write("datei", "x");
    const ProgramRun run = exportInto(blocker + "/aus", { "--format", "png", FullSize });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "lumivex: Das Verzeichnis „" + blocker + "/aus“ kann nicht angelegt werden\n");
    EXPECT_EQ(fileText(blocker), "x");
}

} // namespace
