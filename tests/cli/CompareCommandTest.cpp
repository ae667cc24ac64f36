// SPDX-License-Identifier: MIT
// --compare FILE2 on the command line: the key Compare of --dump, the CSV's
// rows of the reference lens, the report's title line, --export-dir, and a
// reference lens file that cannot be read.
#include "ProgramRun.h"

#include <QProcess>

#include <sstream>

namespace {

const std::string Full = examplePath("vollformat-objektiv.mtf");
const std::string Reference = examplePath("vergleich-normal-1.8.mtf");

TEST(CompareCommand, TheSameLensGivesItsOwnCurvesOnEveryAbscissa)
{
    for (const char* abscissa : { "k", "lpmm", "y", "m" }) {
        const QJsonObject dump = dumpJson(Full, { "--abscissa", abscissa, "--frequencies", "2,5", "--compare", Full });
        const QJsonObject compare = dump["Compare"].toObject();
        EXPECT_EQ(compare["LensName"], dump["LensName"]);
        EXPECT_TRUE(compare["Missing"].toArray().isEmpty());
        ASSERT_EQ(compare["Curves"].toArray().size(), 2) << abscissa;
        for (const qsizetype i : { 0, 1 }) {
            const QJsonObject own = dump["Curves"][i].toObject();
            const QJsonObject other = compare["Curves"][i].toObject();
            for (const char* key : { "KnotX", "SagPointValues", "TanPointValues", "CurveSampleX", "TanSampleY" }) {
                EXPECT_EQ(numbers(other[key]), numbers(own[key])) << abscissa << ' ' << key;
            }
        }
    }
}

TEST(CompareCommand, MissingValuesAndTheProbeOfTheReferenceLens)
{
    // 10 and 60 LP/mm over k: the reference lens has no 60; at k 4 both
    // read a support point.
    const QJsonObject dump
        = dumpJson(Full, { "--abscissa", "k", "--frequencies", "2,7", "--at", "4", "--compare", Reference });
    const QJsonObject compare = dump["Compare"].toObject();
    EXPECT_EQ(compare["LensName"].toString(), "Lumivex Kompakt 1.8/50 ");
    const QJsonObject missing { { "FrequencyIndex", 7 },
                                { "Variable", "frequency" },
                                { "Value", "60" },
                                { "Text", "Vergleichsobjektiv: keine Ortsfrequenz 60 LP/mm" } };
    EXPECT_EQ(compare["Missing"].toArray(), QJsonArray { missing });
    const QJsonObject curve = compare["Curves"][0].toObject();
    const QJsonObject probe = dump["Probe"]["CompareCurves"][0].toObject();
    EXPECT_EQ(numbers(curve["KnotX"])[2], 3.0); // 4 is the fourth f-number of FILE, the third of FILE2
    EXPECT_EQ(probe["Node"], true);
    EXPECT_EQ(probe["Sag"].toDouble(), numbers(curve["SagPointValues"])[2]);
    EXPECT_EQ(dump["Probe"]["CompareCurves"].toArray().size(), 1);
}

TEST(CompareCommand, CsvRowsOfTheReferenceLensHoldItsTableValuesAtTheirPlacedAbscissae)
{
    const TemporaryDirectory dir;
    const std::string csv = dir.file("vergleich.csv");
    runOk({ "--export", csv, Full, "--abscissa", "k", "--frequencies", "2", "--compare", Reference });
    // FILE2's own curve over its own positions: the table's values.
    const QJsonObject own = dumpJson(Reference, { "--abscissa", "k", "--frequencies", "2" })["Curves"][0].toObject();
    const std::vector<double> table = numbers(own["SagPointValues"]);

    const std::vector<std::string> lines = fileLines(csv);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind("lens;frequency_index;frequency;", 0), 0u) << lines[0];
    std::vector<double> abscissae;
    std::vector<double> values;
    int ownRows = 0;
    for (const std::string& line : lines) {
        ownRows += line.rfind("1;2;10;;", 0) == 0 ? 1 : 0;
        if (line.rfind("2;2;10;;0;0;S;node;", 0) == 0) {
            std::istringstream fields(line.substr(19));
            std::string point, x, m;
            std::getline(fields, point, ';');
            std::getline(fields, x, ';');
            std::getline(fields, m, ';');
            abscissae.push_back(std::stod(x));
            values.push_back(std::stod(m));
        }
    }
    EXPECT_EQ(ownRows, 2 * (8 + 101));
    // 1.8 lies 0.4 / 0.6 of the way from 1.4 to 2; 22 lies beyond 16.
    ASSERT_EQ(abscissae.size(), 7u);
    EXPECT_NEAR(abscissae[0], 0.666667, 1e-6);
    EXPECT_EQ(std::vector<double>(abscissae.begin() + 1, abscissae.end()), (std::vector<double> { 2, 3, 4, 5, 6, 7 }));
    EXPECT_EQ(values, std::vector<double>(table.begin(), table.begin() + 7));

    // --export-dir compares every file with FILE2 alike.
    const ProgramRun batch = runLumivex({ "--export-dir", dir.file("katalog"), "--format", "csv", Full, "--abscissa",
                                          "k", "--frequencies", "2", "--compare", Reference });
    EXPECT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_EQ(fileText(dir.file("katalog/vollformat-objektiv.csv")), fileText(csv));
}

TEST(CompareCommand, TheReportNamesTheReferenceLensAndWhatItLacks)
{
    const TemporaryDirectory dir;
    const std::string pdf = dir.file("bericht.pdf");
    runOk({ "--export", pdf, Full, "--frequencies", "2,7", "--f-number", "3", "--compare", Reference });
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { QString::fromStdString(pdf), QStringLiteral("-") });
    ASSERT_TRUE(text.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(
        page.contains("Lumivex des Objektivs: Lumivex Normal für KB 1.4/50 / Vergleich: Lumivex Kompakt 1.8/50"))
        << page.toStdString();
    EXPECT_TRUE(page.contains("Vergleichsobjektiv: keine Ortsfrequenz 60 LP/mm")) << page.toStdString();
}

TEST(CompareCommand, AMalformedReferenceFileIsAnErrorLikeAMalformedFile)
{
    const TemporaryDirectory dir;
    const std::string broken = dir.write("kaputt.mtf", workedExampleWithLine(2, "X1232x"));
    const std::string message = broken + ":2: Spalte 6 der Kopfzeile „X1232x“ enthält keine Ziffer\n";
    for (const std::vector<std::string>& arguments :
         { std::vector<std::string> { "--dump", Full, "--compare", broken },
           std::vector<std::string> { "--export", dir.file("a.png"), Full, "--compare", broken },
           std::vector<std::string> { "--export-dir", dir.file("k"), "--format", "png", Full, "--compare", broken } }) {
        const ProgramRun run = runLumivex(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments[0];
        EXPECT_EQ(run.err, message) << arguments[0];
    }
    const ProgramRun window = runLumivex({ Full, "--compare", Reference });
    EXPECT_EQ(window.exitCode, 2);
    EXPECT_EQ(window.err.rfind("lumivex: Option --compare gilt nur zusammen mit --dump, --export oder --export-dir", 0),
              0u)
        << window.err;
}

} // namespace
