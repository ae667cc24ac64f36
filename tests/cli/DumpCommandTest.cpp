#include "LensFileReader.h"
#include "ProgramRun.h"
#include "TemporaryFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::string examplePath(const std::string& name)
{
    return std::string(LUMIVEX_SOURCE_DIR) + "/examples/" + name;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The worked example with one line (1-based) replaced.
std::string workedExampleWithLine(int number, const std::string& replacement)
{
    std::istringstream in(fileText(examplePath("beispiel-testlinse.mtf")));
    std::string text;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) {
        text += (i == number ? replacement : line) + "\n";
    }
    return text;
}

QJsonObject parseObject(const std::string& text)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

std::vector<double> numbers(const QJsonValue& value)
{
    std::vector<double> out;
    for (const QJsonValue item : value.toArray()) {
        out.push_back(item.toDouble());
    }
    return out;
}

std::vector<std::string> texts(const QJsonValue& value)
{
    std::vector<std::string> out;
    for (const QJsonValue item : value.toArray()) {
        out.push_back(item.toString().toStdString());
    }
    return out;
}

// --- The data set ----------------------------------------------------------

TEST(Dump, FullSizeExamplePrintsTheWholeDataSet)
{
    const std::string path = examplePath("vollformat-objektiv.mtf");
    const ProgramRun run = runLumivex({ "--dump", path });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject json = parseObject(run.out);
    const LensData lens = readLensFile(path, LensData());

    EXPECT_EQ(json["LensName"].toString(), QString::fromUtf8("Lumivex Normal für KB 1.4/50 "));
    EXPECT_EQ(json["WavelengthText"].toString().toStdString(), lens.WavelengthText);
    EXPECT_EQ(json["WeightText"].toString().toStdString(), "1.0 0.6 0.4 0.5 0.2");
    EXPECT_EQ(json["ImageHeightPerFNumber"].toInt(), 0);
    EXPECT_EQ(json["FNumberCount"].toInt(), 8);
    EXPECT_EQ(json["FrequencyCount"].toInt(), 8);
    EXPECT_EQ(json["ImageHeightCount"].toInt(), 6);
    EXPECT_EQ(json["MagnificationCount"].toInt(), 9);
    EXPECT_EQ(texts(json["FNumberText"]),
              (std::vector<std::string> { "1.4", "2", "2.8", "4", "5.6", "8", "11", "16" }));
    EXPECT_EQ(texts(json["FrequencyText"]).size(), 8U);
    EXPECT_EQ(texts(json["MagnificationText"]).front(), "0");
    EXPECT_EQ(texts(json["DistanceText"]).front(), "-1E20");
    const std::vector<std::string> labels = texts(json["DistanceLabels"]);
    ASSERT_EQ(labels.size(), 9U);
    EXPECT_EQ(labels[0], "unendlich");
    EXPECT_EQ(labels[8], "198"); // 197.7
    const QJsonArray rows = json["ImageHeightText"].toArray();
    ASSERT_EQ(rows.size(), 1); // one common row
    EXPECT_EQ(texts(rows[0]), (std::vector<std::string> { "0", "4", "8", "12", "16", "21.6" }));
    EXPECT_EQ(numbers(json["ImageHeightValidCount"]), std::vector<double> { 6 });
    EXPECT_DOUBLE_EQ(json["MaxImageHeight"].toDouble(), 21.6);

    // [FNumber][Frequency][ImageHeight][Magnification], every entry.
    for (const char* key : { "SagModulation", "TanModulation" }) {
        const QJsonArray table = json[key].toArray();
        ASSERT_EQ(table.size(), 8) << key;
        for (int k = 1; k <= 8; ++k) {
            const QJsonArray frequencies = table[k - 1].toArray();
            ASSERT_EQ(frequencies.size(), 8);
            for (int q = 1; q <= 8; ++q) {
                const QJsonArray heights = frequencies[q - 1].toArray();
                ASSERT_EQ(heights.size(), 6);
                for (int h = 1; h <= 6; ++h) {
                    const QJsonArray magnifications = heights[h - 1].toArray();
                    ASSERT_EQ(magnifications.size(), 9);
                    for (int m = 1; m <= 9; ++m) {
                        const int expected = key[0] == 'S' ? lens.sag(k, q, h, m) : lens.tan(k, q, h, m);
                        ASSERT_EQ(magnifications[m - 1].toInt(-1), expected) << key << k << q << h << m;
                    }
                }
            }
        }
    }
}

TEST(Dump, KeysFollowTheContractOrder)
{
    const ProgramRun run = runLumivex({ "--dump", examplePath("beispiel-testlinse.mtf") });
    ASSERT_EQ(run.exitCode, 0);
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
    EXPECT_EQ(parseObject(run.out).size(), 19);
}

TEST(Dump, WorkedExampleValuesAndBlanksArePreserved)
{
    const ProgramRun run = runLumivex({ "--dump", examplePath("beispiel-testlinse.mtf") });
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject json = parseObject(run.out);
    EXPECT_EQ(json["LensName"].toString().toStdString(), "Testlinse 2.8/50 ");
    EXPECT_EQ(json["WavelengthText"].toString().toStdString(), "    546    480    644");
    EXPECT_EQ(texts(json["DistanceLabels"]), (std::vector<std::string> { "unendlich", "604" }));
    // f-number 1, frequency 2, image height 1, magnification 1.
    EXPECT_EQ(json["SagModulation"][0][1][0][0].toInt(), 85);
}

TEST(Dump, RowsPerFNumberAreListedAfterCapping)
{
    const ProgramRun run = runLumivex({ "--dump", examplePath("bildhoehe-je-blende.mtf") });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = parseObject(run.out);
    EXPECT_EQ(json["ImageHeightPerFNumber"].toInt(), 1);
    const QJsonArray rows = json["ImageHeightText"].toArray();
    ASSERT_EQ(rows.size(), json["FNumberCount"].toInt());
    EXPECT_EQ(texts(rows[1]), (std::vector<std::string> { "0", "5", "10", "15", "18", "18" }));
    EXPECT_EQ(numbers(json["ImageHeightValidCount"]), (std::vector<double> { 4, 5, 6, 6 }));
}

// --- Curves ------------------------------------------------------------------

TEST(DumpCurves, OverFNumberForFrequenciesOneAndThreeUseTheTableEntries)
{
    const std::string path = examplePath("vollformat-objektiv.mtf");
    const ProgramRun run = runLumivex({ "--dump", path, "--abscissa", "k", "--frequencies", "1,3" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonArray curves = parseObject(run.out)["Curves"].toArray();
    const LensData lens = readLensFile(path, LensData());
    ASSERT_EQ(curves.size(), 2);

    for (int c = 0; c < 2; ++c) {
        const QJsonObject curve = curves[c].toObject();
        const int q = c == 0 ? 1 : 3;
        EXPECT_EQ(curve["FrequencyIndex"].toInt(), q);
        EXPECT_EQ(curve["CurvePointCount"].toInt(), 8);
        EXPECT_EQ(curve["AbscissaFactor"].toDouble(), 1.0);
        EXPECT_EQ(numbers(curve["KnotX"]), (std::vector<double> { 0, 1, 2, 3, 4, 5, 6, 7 }));
        // Defaults: image height 1, magnification 1.
        std::vector<double> sag;
        std::vector<double> tan;
        for (int k = 1; k <= 8; ++k) {
            sag.push_back(lens.sag(k, q, 1, 1));
            tan.push_back(lens.tan(k, q, 1, 1));
        }
        EXPECT_EQ(numbers(curve["SagPointValues"]), sag);
        EXPECT_EQ(numbers(curve["TanPointValues"]), tan);

        const std::vector<double> x = numbers(curve["CurveSampleX"]);
        const std::vector<double> sagY = numbers(curve["SagSampleY"]);
        const std::vector<double> tanY = numbers(curve["TanSampleY"]);
        ASSERT_EQ(x.size(), 101U);
        ASSERT_EQ(sagY.size(), 101U);
        ASSERT_EQ(tanY.size(), 101U);
        EXPECT_DOUBLE_EQ(x.front(), -1e-8);
        EXPECT_DOUBLE_EQ(x.back(), 7 - 1e-8);
        // The spline passes through the support points at both ends.
        EXPECT_NEAR(sagY.front(), sag.front(), 1e-5);
        EXPECT_NEAR(sagY.back(), sag.back(), 1e-5);
        EXPECT_NEAR(tanY.back(), tan.back(), 1e-5);
        EXPECT_DOUBLE_EQ(curve["ScaleX"].toDouble(), 170.0 / (7 - 1e-8));
        EXPECT_DOUBLE_EQ(curve["ScaleY"].toDouble(), 1.7);
    }
}

TEST(DumpCurves, DefaultIsTheSecondFrequencyOverImageHeight)
{
    const std::string path = examplePath("vollformat-objektiv.mtf");
    const ProgramRun run = runLumivex({ "--dump", path });
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray curves = parseObject(run.out)["Curves"].toArray();
    ASSERT_EQ(curves.size(), 1);
    const QJsonObject curve = curves[0].toObject();
    const LensData lens = readLensFile(path, LensData());
    EXPECT_EQ(curve["FrequencyIndex"].toInt(), 2);
    // Six heights and the second one mirrored at the axis.
    EXPECT_EQ(numbers(curve["KnotX"]), (std::vector<double> { -4, 0, 4, 8, 12, 16, 21.6 }));
    EXPECT_EQ(numbers(curve["SagPointValues"]).front(), lens.sag(1, 2, 2, 1));
    EXPECT_EQ(numbers(curve["SagPointValues"])[1], lens.sag(1, 2, 1, 1));
    EXPECT_EQ(curve["AbscissaFactor"].toDouble(), 1.0);
}

TEST(DumpCurves, SelectionOptionsPickTheFixedValues)
{
    const std::string path = examplePath("vollformat-objektiv.mtf");
    const ProgramRun run = runLumivex(
        { "--dump", path, "--abscissa=m", "--f-number", "3", "--image-height", "5", "--frequencies", "4" });
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject curve = parseObject(run.out)["Curves"][0].toObject();
    const LensData lens = readLensFile(path, LensData());
    EXPECT_EQ(curve["CurvePointCount"].toInt(), 9);
    std::vector<double> tan;
    for (int m = 1; m <= 9; ++m) {
        tan.push_back(lens.tan(3, 4, 5, m));
    }
    EXPECT_EQ(numbers(curve["TanPointValues"]), tan);
}

TEST(DumpCurves, CappedRowEndsAtItsLastUsableHeight)
{
    const ProgramRun run = runLumivex({ "--dump", examplePath("bildhoehe-je-blende.mtf") });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject curve = parseObject(run.out)["Curves"][0].toObject();
    EXPECT_EQ(numbers(curve["KnotX"]), (std::vector<double> { -5, 0, 5, 10, 15 }));
    EXPECT_DOUBLE_EQ(curve["AbscissaFactor"].toDouble(), 15 / 21.6);
}

TEST(DumpCurves, SplineWarningsGoToStderrInOrderAndTheDumpGoesOn)
{
    // Heights 0 0 21.6: the mirrored point and the first two coincide, so
    // intervals 1 and 2 have zero width, for each of the two series.
    const TemporaryFile file(workedExampleWithLine(16, "y 0 0 21.6"));
    const ProgramRun run = runLumivex({ "--dump", file.path() });
    EXPECT_EQ(run.exitCode, 0);
    const std::string pair = "Warnung: Funktion singulär\nWarnung: Funktion nicht monoton\n";
    EXPECT_EQ(run.err, pair + pair + pair + pair);
    EXPECT_EQ(parseObject(run.out)["Curves"].toArray().size(), 1);
}

// --- Errors --------------------------------------------------------------

TEST(DumpErrors, UnopenableFile)
{
    const std::string path = examplePath("gibt-es-nicht.mtf");
    const ProgramRun run = runLumivex({ "--dump", path });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, path + ":0: Abbruch beim Dateilesen\n");
    EXPECT_EQ(run.out, "");
}

TEST(DumpErrors, MalformedFileNamesLineAndProblem)
{
    const TemporaryFile file(workedExampleWithLine(24, "y1 92 300 "));
    const ProgramRun run = runLumivex({ "--dump", file.path() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, file.path() + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n");
    EXPECT_EQ(run.out, "");
}

TEST(DumpErrors, TruncatedFileSaysWhatWasSought)
{
    const TemporaryFile file(fileText(examplePath("beispiel-testlinse.mtf")).substr(0, 200));
    const ProgramRun run = runLumivex({ "--dump", file.path() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, StartsWith(file.path() + ":"));
    EXPECT_THAT(run.err, HasSubstr("Unerwartetes Dateiende"));
}

struct UsageCase
{
    std::vector<std::string> arguments;
    std::string fragment;
};

void PrintTo(const UsageCase& c, std::ostream* out)
{
    for (const std::string& argument : c.arguments) {
        *out << argument << ' ';
    }
}

class UsageErrors : public ::testing::TestWithParam<UsageCase>

{
};

TEST_P(UsageErrors, PrintTheProblemAndTheUsageAndExitWithTwo)
{
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "FULL") {
            argument = examplePath("vollformat-objektiv.mtf");
        }
    }
    const ProgramRun run = runLumivex(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr(GetParam().fragment));
    EXPECT_THAT(run.err, HasSubstr("Aufruf:"));
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageErrors,
    ::testing::Values(
        UsageCase { { "--bogus" }, "Unbekannte Option „--bogus“" },
        UsageCase { { "--dump" }, "Option --dump erwartet einen Wert" },
        UsageCase { { "a.mtf", "b.mtf" }, "Unerwartetes Argument „b.mtf“" },
        UsageCase { { "--f-number", "2" }, "nur zusammen mit --dump" },
        UsageCase { { "--dump", "FULL", "--abscissa", "x" }, "--abscissa erwartet k, lpmm, y oder m" },
        UsageCase { { "--dump", "FULL", "--image-height", "0" }, "--image-height erwartet eine ganze Zahl" },
        UsageCase { { "--dump", "FULL", "--frequencies", "1,,2" }, "--frequencies erwartet" },
        // Indices outside the file's counts name the option and the range.
        UsageCase { { "--dump", "FULL", "--f-number", "9" }, "Option --f-number: 9 liegt außerhalb von 1..8" },
        UsageCase { { "--dump", "FULL", "--frequencies", "1,9" }, "--frequencies: 9 liegt außerhalb von 1..8" },
        UsageCase { { "--dump", "FULL", "--image-height", "7" }, "--image-height: 7 liegt außerhalb von 1..6" },
        UsageCase { { "--dump", "FULL", "--magnification", "10" }, "--magnification: 10 liegt außerhalb von 1..9" }));

TEST(HelpAndVersion, PrintOnStdoutAndSucceed)
{
    const ProgramRun help = runLumivex({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("Aufruf:"));
    EXPECT_THAT(help.out, HasSubstr("--dump DATEI"));
    EXPECT_EQ(help.err, "");

    const ProgramRun version = runLumivex({ "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "lumivex 1.0.0\n");
}

} // namespace
