// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <gmock/gmock.h>

#include <filesystem>

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string FullSize = examplePath("vollformat-objektiv.mtf");
const std::string Worked = examplePath("beispiel-testlinse.mtf");

// The modulation tables are [f-number][frequency][image height][magnification],
// 0-based, entries read off the file.
TEST(Dump, TheDataSetInItsOrder)
{
    const std::string out = runOk({ "--dump", FullSize });
    EXPECT_EQ(out.substr(0, out.find("  \"SagModulation\": [")), R"({
  "LensName": "Lumivex Normal für KB 1.4/50 ",
  "WavelengthText": "    546    486    656    588    436",
  "WeightText": "1.0 0.6 0.4 0.5 0.2",
  "ImageHeightPerFNumber": 0,
  "FNumberCount": 8,
  "FrequencyCount": 8,
  "ImageHeightCount": 6,
  "MagnificationCount": 9,
  "FNumberText": ["1.4", "2", "2.8", "4", "5.6", "8", "11", "16"],
  "FrequencyText": ["5", "10", "20", "30", "40", "50", "60", "80"],
  "MagnificationText": ["0", "-0.02", "-0.05", "-0.1", "-0.15", "-0.2", "-0.3", "-0.5", "-1"],
  "DistanceText": ["-1E20", "2598.7", "1100.2", "602.7", "438.5", "357.7", "279.4", "222.7", "197.7"],
  "DistanceLabels": ["unendlich", "2599", "1100", "603", "438", "358", "279", "223", "198"],
  "ImageHeightText": [
    ["0", "4", "8", "12", "16", "21.6"]
  ],
  "ImageHeightValidCount": [6],
  "MaxImageHeight": 21.6,
)");
    EXPECT_LT(out.find("\"TanModulation\": ["), out.find("\"Curves\": ["));
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(json.size(), 19);
    const QJsonValue sag = json["SagModulation"];
    const QJsonValue tan = json["TanModulation"];
    EXPECT_EQ((std::vector { sag.toArray().size(), sag[7].toArray().size(), sag[7][7].toArray().size(),
                             sag[7][7][5].toArray().size(), tan.toArray().size() }),
              (std::vector<qsizetype> { 8, 8, 6, 9, 8 }));
    EXPECT_EQ((std::vector { sag[0][2][0][0].toInt(), sag[7][2][5][8].toInt(), tan[2][4][3][1].toInt() }),
              (std::vector { 81, 56, 78 })); // [1/SAGMOD] m1y1 third value, [8/SAGMOD] m9y6, [3/TANMOD] m2y4
}

TEST(Dump, RowsPerFNumberAfterCapping)
{
    const QJsonObject json = dumpJson(examplePath("bildhoehe-je-blende.mtf"));
    EXPECT_EQ(json["ImageHeightPerFNumber"].toInt(), 1);
    EXPECT_EQ(json["ImageHeightText"][1].toArray(), QJsonArray({ "0", "5", "10", "15", "18", "18" }));
    EXPECT_EQ(json["ImageHeightValidCount"].toArray(), QJsonArray({ 4, 5, 6, 6 }));
}

// Over k for frequencies 1 and 2 at height 3 and magnification 2: two
// straight lines, known at every sample.
TEST(DumpCurves, SelectionOptionsPickTheTableEntries)
{
    const QJsonObject json = dumpJson(
        Worked, { "--abscissa", "k", "--frequencies", "2,1", "--image-height", "3", "--magnification", "2" });
    ASSERT_EQ(json["Curves"].toArray().size(), 2);
    const QJsonValue first = json["Curves"][0];
    EXPECT_EQ(first["FrequencyIndex"].toInt(), 1);
    EXPECT_EQ(first["KnotX"].toArray(), QJsonArray({ 0, 1 }));
    EXPECT_EQ(first["SagPointValues"].toArray(), QJsonArray({ 77, 87 }));
    EXPECT_EQ(first["TanPointValues"].toArray(), QJsonArray({ 67, 83 }));
    EXPECT_DOUBLE_EQ(first["CurveSampleX"][50].toDouble(), 0.5 - 1e-8);
    EXPECT_NEAR(first["SagSampleY"][50].toDouble(), 82, 1e-6);
    EXPECT_NEAR(first["TanSampleY"][100].toDouble(), 83, 1e-6);
    EXPECT_DOUBLE_EQ(first["ScaleX"].toDouble(), 170.0 / (1 - 1e-8));
    EXPECT_DOUBLE_EQ(first["ScaleY"].toDouble(), 1.7);
}

// Heights 0 0 21.6: the mirrored point and the first two coincide, so
// intervals 1 and 2 have zero width, for each of the two series.
TEST(SplineWarnings, GoToStderrInOrderAndEveryModeGoesOn)
{
    const TemporaryDirectory directory;
    const std::string lensFile = directory.write("linse.mtf", workedExampleWithLine(16, "y 0 0 21.6"));
    const ProgramRun dump = runLumivex({ "--dump", lensFile });
    EXPECT_EQ(dump.exitCode, 0);
    const std::string pair = "Warnung: Funktion singulär\nWarnung: Funktion nicht monoton\n";
    EXPECT_EQ(dump.err, pair + pair + pair + pair);
    EXPECT_THAT(dump.out, HasSubstr("\"Curves\": [\n    {"));
    for (const char* name : { "c.png", "c.svg", "c.csv", "c.pdf" }) {
        const ProgramRun run = runLumivex({ "--export", directory.file(name), lensFile });
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.err, dump.err) << name;
        EXPECT_FALSE(fileText(directory.file(name)).empty()) << name;
    }
}

TEST(ExitCodes, ErrorsOnStderrAndNothingWrittenHelpAndVersionOnStdout)
{
    const TemporaryDirectory directory;
    const std::string malformed = directory.write("falsch.mtf", workedExampleWithLine(24, "y1 92 300 "));
    const std::string chart = directory.file("chart.png");
    const std::string outOfRange = malformed + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n";
    const std::string unwritable = directory.file("fehlt/chart.svg");
    const std::string blocker = directory.write("datei", "x") + "/aus"; // not even root makes it
    const std::string writeError = "lumivex: Die Datei „" + unwritable + "“ kann nicht geschrieben werden\n";
    const std::string dirError = "lumivex: Das Verzeichnis „" + blocker + "“ kann nicht angelegt werden\n";
    const std::string missing = directory.file("gibt-es-nicht.mtf");
    const std::string folder = directory.file("ordner.mtf");
    std::filesystem::create_directory(folder);
    // clang-format off
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        { { "--dump", malformed }, 1, "", outOfRange },
        { { "--export", chart, malformed }, 1, "", outOfRange },
        { { "--dump", FullSize, "--compare", malformed }, 1, "", outOfRange },
        { { "--export", chart, FullSize, "--compare", malformed }, 1, "", outOfRange },
        { { "--export-dir", directory.file("k"), "--format", "png", FullSize, "--compare", malformed }, 1, "", outOfRange },
        { { "--export", unwritable, Worked }, 1, "", writeError },
        { { "--dump", missing }, 1, "", missing + ": Datei nicht gefunden\n" },
        { { "--lang", "en", "--export", chart, folder }, 1, "", folder + ": is a directory\n" },
        { { "--dump", FullSize, "--compare", folder }, 1, "", folder + ": ist ein Verzeichnis\n" },
        { { "--export-dir", blocker, "--format", "png", Worked }, 1, "", dirError },
        { { "--bogus" }, 2, "", "lumivex: Unbekannte Option „--bogus“\n\nAufruf:\n" },
        { { "--export", chart, FullSize, "--frequencies", "2,9" }, 2, "", "lumivex: Option --frequencies: 9 liegt außerhalb von 1..8" },
        { { "--help" }, 0, "Aufruf:\n", "" },
        { { "--version" }, 0, "lumivex 1.0.0\n", "" },
    };
    // clang-format on
    for (const auto& [arguments, exitCode, out, err] : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const ProgramRun run = runLumivex(arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_THAT(run.out, StartsWith(out));
        EXPECT_EQ(run.out.empty(), out.empty());
        if (exitCode == 2) {
            EXPECT_THAT(run.err, StartsWith(err));
            EXPECT_THAT(run.err, HasSubstr("\nAufruf:\n  lumivex [DATEI]"));
            EXPECT_THAT(run.err, EndsWith("\nAlle Optionen, Formate und Beispiele: lumivex --help\n"));
        } else {
            EXPECT_EQ(run.err, err);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(chart));
}

} // namespace
