#include "LensFileReader.h"
#include "ProgramRun.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

using Texts = std::vector<std::string>;
using Numbers = std::vector<double>;

const std::string FullSize = examplePath("vollformat-objektiv.mtf");

// A modulation table of the data set as the nested arrays
// [FNumber][Frequency][ImageHeight][Magnification].
QJsonArray modulationArrays(const LensData& lens, bool sagittal)
{
    QJsonArray fNumbers;
    for (int k = 1; k <= lens.FNumberCount; ++k) {
        QJsonArray frequencies;
        for (int q = 1; q <= lens.FrequencyCount; ++q) {
            QJsonArray heights;
            for (int h = 1; h <= lens.ImageHeightCount; ++h) {
                QJsonArray magnifications;
                for (int m = 1; m <= lens.MagnificationCount; ++m) {
                    magnifications.append(sagittal ? lens.sag(k, q, h, m) : lens.tan(k, q, h, m));
                }
                heights.append(magnifications);
            }
            frequencies.append(heights);
        }
        fNumbers.append(frequencies);
    }
    return fNumbers;
}

// Without options: every entry of the data set and the window's start curve.
TEST(Dump, FullSizeExampleWithTheStartCurve)
{
    const QJsonObject json = dumpJson(FullSize);
    const LensData lens = readLensFile(FullSize, LensData());
    EXPECT_EQ(json["LensName"].toString(), QString::fromUtf8("Lumivex Normal für KB 1.4/50 "));
    EXPECT_EQ(json["WavelengthText"].toString().toStdString(), lens.WavelengthText);
    EXPECT_EQ(json["WeightText"].toString().toStdString(), "1.0 0.6 0.4 0.5 0.2");
    const std::vector<int> counts
        = { json["ImageHeightPerFNumber"].toInt(-1), json["FNumberCount"].toInt(), json["FrequencyCount"].toInt(),
            json["ImageHeightCount"].toInt(), json["MagnificationCount"].toInt() };
    EXPECT_EQ(counts, (std::vector<int> { 0, 8, 8, 6, 9 }));
    EXPECT_EQ(texts(json["FNumberText"]), (Texts { "1.4", "2", "2.8", "4", "5.6", "8", "11", "16" }));
    EXPECT_EQ(texts(json["FrequencyText"]), (Texts { "5", "10", "20", "30", "40", "50", "60", "80" }));
    EXPECT_EQ(texts(json["MagnificationText"]),
              (Texts { "0", "-0.02", "-0.05", "-0.1", "-0.15", "-0.2", "-0.3", "-0.5", "-1" }));
    EXPECT_EQ(texts(json["DistanceText"]).front(), "-1E20");
    const Texts labels = texts(json["DistanceLabels"]);
    ASSERT_EQ(labels.size(), 9U);
    EXPECT_EQ(labels[0], "unendlich");
    EXPECT_EQ(labels[8], "198"); // 197.7
    const QJsonArray rows = json["ImageHeightText"].toArray();
    ASSERT_EQ(rows.size(), 1); // one common row
    EXPECT_EQ(texts(rows[0]), (Texts { "0", "4", "8", "12", "16", "21.6" }));
    EXPECT_EQ(numbers(json["ImageHeightValidCount"]), Numbers { 6 });
    EXPECT_DOUBLE_EQ(json["MaxImageHeight"].toDouble(), 21.6);

    // Every entry, against the reader's own data set.
    EXPECT_EQ(json["SagModulation"], modulationArrays(lens, true));
    EXPECT_EQ(json["TanModulation"], modulationArrays(lens, false));

    // Frequency 2 over the image height: six heights, the second mirrored.
    const QJsonArray curves = json["Curves"].toArray();
    ASSERT_EQ(curves.size(), 1);
    const QJsonObject curve = curves[0].toObject();
    EXPECT_EQ(curve["FrequencyIndex"].toInt(), 2);
    EXPECT_EQ(numbers(curve["KnotX"]), (Numbers { -4, 0, 4, 8, 12, 16, 21.6 }));
    EXPECT_EQ(numbers(curve["SagPointValues"]).front(), lens.sag(1, 2, 2, 1));
    EXPECT_EQ(numbers(curve["SagPointValues"])[1], lens.sag(1, 2, 1, 1));
    EXPECT_EQ(curve["AbscissaFactor"].toDouble(), 1.0);
}

TEST(Dump, WorkedExampleKeysInContractOrderWithBlanksKept)
{
    const ProgramRun run = runLumivex({ "--dump", examplePath("beispiel-testlinse.mtf") });
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    std::size_t previous = 0;
    for (const char* key : { "LensName", "WavelengthText", "WeightText", "ImageHeightPerFNumber", "FNumberCount",
                             "FrequencyCount", "ImageHeightCount", "MagnificationCount", "FNumberText", "FrequencyText",
                             "MagnificationText", "DistanceText", "DistanceLabels", "ImageHeightText",
                             "ImageHeightValidCount", "MaxImageHeight", "SagModulation", "TanModulation", "Curves" }) {
        const std::size_t position = run.out.find("\"" + std::string(key) + "\":");
        ASSERT_NE(position, std::string::npos) << key;
        EXPECT_GT(position, previous) << key;
        previous = position;
    }
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(json.size(), 19);
    EXPECT_EQ(json["LensName"].toString().toStdString(), "Testlinse 2.8/50 ");
    EXPECT_EQ(json["WavelengthText"].toString().toStdString(), "    546    480    644");
    EXPECT_EQ(texts(json["DistanceLabels"]), (Texts { "unendlich", "604" }));
    EXPECT_EQ(json["SagModulation"][0][1][0][0].toInt(), 85); // f-number 1, frequency 2, height 1, magnification 1
}

// One row per f-number, capped; the capped row's curve ends at its last
// usable height.
TEST(Dump, RowsPerFNumberAfterCappingAndTheCappedCurve)
{
    const QJsonObject json = dumpJson(examplePath("bildhoehe-je-blende.mtf"));
    EXPECT_EQ(json["ImageHeightPerFNumber"].toInt(), 1);
    const QJsonArray rows = json["ImageHeightText"].toArray();
    ASSERT_EQ(rows.size(), json["FNumberCount"].toInt());
    EXPECT_EQ(texts(rows[1]), (Texts { "0", "5", "10", "15", "18", "18" }));
    EXPECT_EQ(numbers(json["ImageHeightValidCount"]), (Numbers { 4, 5, 6, 6 }));
    const QJsonValue curve = json["Curves"][0];
    EXPECT_EQ(numbers(curve["KnotX"]), (Numbers { -5, 0, 5, 10, 15 }));
    EXPECT_DOUBLE_EQ(curve["AbscissaFactor"].toDouble(), 15 / 21.6);
}

TEST(DumpCurves, OverFNumberForFrequenciesOneAndThreeUseTheTableEntries)
{
    const QJsonArray curves = dumpJson(FullSize, { "--abscissa", "k", "--frequencies", "3,1" })["Curves"].toArray();
    const LensData lens = readLensFile(FullSize, LensData());
    ASSERT_EQ(curves.size(), 2);
    for (int c = 0; c < 2; ++c) {
        const QJsonObject curve = curves[c].toObject();
        const int q = c == 0 ? 1 : 3;
        EXPECT_EQ(curve["FrequencyIndex"].toInt(), q);
        EXPECT_EQ(curve["CurvePointCount"].toInt(), 8);
        EXPECT_EQ(curve["AbscissaFactor"].toDouble(), 1.0);
        EXPECT_EQ(numbers(curve["KnotX"]), (Numbers { 0, 1, 2, 3, 4, 5, 6, 7 }));
        Numbers sag;
        Numbers tan;
        for (int k = 1; k <= 8; ++k) { // defaults: image height 1, magnification 1
            sag.push_back(lens.sag(k, q, 1, 1));
            tan.push_back(lens.tan(k, q, 1, 1));
        }
        EXPECT_EQ(numbers(curve["SagPointValues"]), sag);
        EXPECT_EQ(numbers(curve["TanPointValues"]), tan);

        const Numbers x = numbers(curve["CurveSampleX"]);
        const Numbers sagY = numbers(curve["SagSampleY"]);
        const Numbers tanY = numbers(curve["TanSampleY"]);
        ASSERT_EQ(x.size(), 101U);
        ASSERT_EQ(sagY.size(), 101U);
        ASSERT_EQ(tanY.size(), 101U);
        EXPECT_DOUBLE_EQ(x.front(), -1e-8);
        EXPECT_DOUBLE_EQ(x.back(), 7 - 1e-8);
        // The splines pass through the support points at both ends.
        EXPECT_NEAR(sagY.front(), sag.front(), 1e-5);
        EXPECT_NEAR(sagY.back(), sag.back(), 1e-5);
        EXPECT_NEAR(tanY.back(), tan.back(), 1e-5);
        EXPECT_DOUBLE_EQ(curve["ScaleX"].toDouble(), 170.0 / (7 - 1e-8));
        EXPECT_DOUBLE_EQ(curve["ScaleY"].toDouble(), 1.7);
    }
}

TEST(DumpCurves, SelectionOptionsPickTheFixedValues)
{
    const QJsonValue curve = dumpJson(
        FullSize, { "--abscissa=m", "--f-number", "3", "--image-height", "5", "--frequencies", "4" })["Curves"][0];
    const LensData lens = readLensFile(FullSize, LensData());
    Numbers tan;
    for (int m = 1; m <= 9; ++m) {
        tan.push_back(lens.tan(3, 4, 5, m));
    }
    EXPECT_EQ(curve["CurvePointCount"].toInt(), 9);
    EXPECT_EQ(numbers(curve["TanPointValues"]), tan);
}

// Heights 0 0 21.6: the mirrored point and the first two coincide, so
// intervals 1 and 2 have zero width, for each of the two series. Every
// export reports the same warnings as the dump and still writes its file.
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

// Unreadable and malformed files: FILE:LINE: message, exit 1, nothing
// written, for the dump and the export alike.
TEST(LoadErrors, NameFileLineAndProblem)
{
    const TemporaryDirectory directory;
    const std::string missing = examplePath("gibt-es-nicht.mtf");
    const std::string malformed = directory.write("falsch.mtf", workedExampleWithLine(24, "y1 92 300 "));
    const std::string chart = directory.file("chart.png");
    const std::string outOfRange = malformed + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "--dump", missing }, missing + ":0: Abbruch beim Dateilesen\n" },
        { { "--dump", malformed }, outOfRange },
        { { "--export", chart, malformed }, outOfRange },
    };
    for (const auto& [arguments, err] : cases) {
        const ProgramRun run = runLumivex(arguments);
        EXPECT_EQ(run.exitCode, 1) << err;
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(chart));
}

// The parser's messages are checked in CommandArgumentsTest; here that a
// usage error reaches the user: message, synopsis and help hint on stderr,
// exit 2, nothing on stdout and no file written. Indices are checked
// against the file after it is read, in each mode on its own.
TEST(UsageErrors, PrintTheProblemAndTheUsageAndExitWithTwo)
{
    const TemporaryDirectory directory;
    const std::string chart = directory.file("chart.svg");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "--bogus" }, "lumivex: Unbekannte Option „--bogus“\n\nAufruf:\n" },
        { { "--dump", FullSize, "--magnification", "10" },
          "lumivex: Option --magnification: 10 liegt außerhalb von 1..9" },
        { { "--export", chart, FullSize, "--frequencies", "2,9" },
          "lumivex: Option --frequencies: 9 liegt außerhalb von 1..8" },
    };
    for (const auto& [arguments, start] : cases) {
        const ProgramRun run = runLumivex(arguments);
        EXPECT_EQ(run.exitCode, 2) << start;
        EXPECT_THAT(run.err, StartsWith(start));
        EXPECT_THAT(run.err, HasSubstr("\nAufruf:\n  lumivex [DATEI]"));
        EXPECT_THAT(run.err, EndsWith("\nAlle Optionen, Formate und Beispiele: lumivex --help\n"));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(chart));
}

TEST(HelpAndVersion, PrintOnStdoutAndSucceed)
{
    const ProgramRun help = runLumivex({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    std::istringstream items("Aufruf:;lumivex [DATEI];--dump DATEI;--export AUSGABE DATEI;--help;--version;--abscissa;"
                             "--f-number;--frequencies;--image-height;--magnification;--overlay-all;--scale N;"
                             ".png;.svg;.pdf;.csv;Semikolon;frequency_index;modulation_percent;Beispiele:");
    for (std::string item; std::getline(items, item, ';');) {
        EXPECT_THAT(help.out, HasSubstr(item));
    }
    const ProgramRun version = runLumivex({ "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "lumivex 1.0.0\n");
}

} // namespace
