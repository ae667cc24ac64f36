// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

const std::string FullSize = examplePath("vollformat-objektiv.mtf");
const std::string Small = examplePath("beispiel-testlinse.mtf"); // two f-numbers
const std::string PerFNumber = examplePath("bildhoehe-je-blende.mtf");

ProgramRun exportInto(const std::string& directory, const Arguments& arguments, const std::string& input = {})
{
    return runLumivex(joined({ "--export-dir", directory }, arguments), input);
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

// A directory gives its *.mtf files (any case) sorted, not those below it;
// standard input gives names, blank lines skipped, a CR at a line's end
// not part of the name.
TEST(BatchExport, ReportsFailedFilesInOrderSkipsThemAndWritesTheOthers)
{
    const TemporaryDirectory directory;
    const std::string catalogue = directory.file("katalog");
    const std::string busy = copyTo(catalogue, "5-besetzt.mtf", FullSize);
    copyTo(catalogue, "4-gut.MTF", PerFNumber);
    const std::string small = copyTo(catalogue, "3-klein.mtf", Small);
    const std::string malformed = directory.write("katalog/2-falsch.mtf", workedExampleWithLine(24, "y1 92 300 "));
    copyTo(catalogue, "1-gut.mtf", FullSize);
    copyTo(catalogue, "notiz.txt", Small);
    copyTo(catalogue + "/unter.mtf/tief", "nicht-rekursiv.mtf", Small);
    const std::string listed = copyTo(directory.file("liste"), "c.mtf", PerFNumber);
    const std::string again = copyTo(directory.file("liste"), "1-gut.mtf", PerFNumber);
    const std::string out = directory.file("aus");
    fs::create_directories(out + "/5-besetzt.png"); // a directory is never replaced
    const std::string missing = directory.file("gibt-es-nicht.mtf");
    const ProgramRun run
        = exportInto(out, { "--format", "png", "--f-number", "3", catalogue, missing, "-" },
                     PerFNumber + "\r\n\r\n" + listed + "\r\n" + again + "\n" + catalogue + "/unter.mtf\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              malformed + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n" + small
                  + ": Option --f-number: 3 liegt außerhalb von 1..2 (Blendenzahlen der Datei)\n" + busy
                  + ": Die Datei „" + out + "/5-besetzt.png“ kann nicht geschrieben werden\n" + missing
                  + ": Datei nicht gefunden\n" + again + ": Eine andere Datei mit demselben Namen wird schon nach „"
                  + out + "“ exportiert\n" + catalogue
                  + "/unter.mtf: ist ein Verzeichnis\n4 geschrieben, 6 fehlerhaft\n");
    EXPECT_EQ(
        namesIn(out),
        (std::set<std::string> { "1-gut.png", "4-gut.png", "5-besetzt.png", "bildhoehe-je-blende.png", "c.png" }));
}

TEST(BatchExport, OneBaseNameTwiceIsAUsageError)
{
    const TemporaryDirectory directory;
    const std::string first = copyTo(directory.file("a"), "x.mtf", Small);
    const std::string second = copyTo(directory.file("b"), "x.mtf", FullSize);
    const ProgramRun run = exportInto(directory.file("aus"), { "--format", "png", first, "-", second });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "lumivex: „" + first + "“ und „" + second
                  + "“ haben denselben Namen; jede Ausgabedatei wird nur einmal geschrieben\n");
    EXPECT_FALSE(fs::exists(directory.file("aus")));
}

// Some files warn, one is malformed, the quick failures follow a slow file.
TEST(BatchExport, OneThreadAndFourGiveTheSameFilesAndReportsAsSingleExports)
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
    const Arguments options = { "--scale", "2", "--overlay-all", "--frequencies", "1,2" };
    const ProgramRun one
        = exportInto(directory.file("eins"), joined({ "--format", "png", "--jobs", "1", catalogue }, options));
    const ProgramRun four
        = exportInto(directory.file("vier"), joined({ "--format", "png", "--jobs=4", catalogue }, options));
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(four.exitCode, 1);
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(one.err, four.err);
    EXPECT_NE(one.err.find("linse13.mtf: Warnung: Funktion singulär\n"), std::string::npos) << one.err;
    const std::set<std::string> names = namesIn(directory.file("eins"));
    EXPECT_EQ(names.size(), 10U);
    EXPECT_EQ(namesIn(directory.file("vier")), names);
    for (const std::string& name : names) {
        EXPECT_TRUE(fileText(directory.file("eins/" + name)) == fileText(directory.file("vier/" + name))) << name;
    }
    runOk(joined({ "--export", directory.file("einzeln.png"), PerFNumber }, options));
    EXPECT_TRUE(fileText(directory.file("vier/linse15.png")) == fileText(directory.file("einzeln.png")));
}

} // namespace
