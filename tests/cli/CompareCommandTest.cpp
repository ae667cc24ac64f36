// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

namespace {

const std::string Full = examplePath("vollformat-objektiv.mtf");
const std::string Reference = examplePath("vergleich-normal-1.8.mtf");

// 10 and 60 LP/mm over k: the reference lens has no 60; at k 4 both read
// a support point.
TEST(CompareCommand, MissingValuesAndTheProbeOfTheReferenceLens)
{
    const QJsonObject dump
        = dumpJson(Full, { "--abscissa", "k", "--frequencies", "2,7", "--at", "4", "--compare", Reference });
    const QJsonObject compare = dump["Compare"].toObject();
    EXPECT_EQ(compare["LensName"].toString(), "Lumivex Kompakt 1.8/50 ");
    const QJsonObject missing { { "FrequencyIndex", 7 },
                                { "Variable", "frequency" },
                                { "Value", "60" },
                                { "Text", "Vergleichsobjektiv: keine Ortsfrequenz 60 LP/mm" } };
    EXPECT_EQ(compare["Missing"].toArray(), QJsonArray { missing });
    ASSERT_EQ(compare["Curves"].toArray().size(), 1);
    // 4 is the fourth f-number of FILE, the third of FILE2 (97 on the axis),
    // drawn on FILE's horizontal scale.
    EXPECT_EQ(compare["Curves"][0]["KnotX"][2].toDouble(), 3.0);
    EXPECT_EQ(compare["Curves"][0]["ScaleX"], dump["Curves"][0]["ScaleX"]);
    EXPECT_EQ(dump["Probe"]["CompareCurves"].toArray(),
              QJsonArray({ QJsonObject { { "FrequencyIndex", 2 }, { "Sag", 97 }, { "Tan", 97 }, { "Node", true } } }));
}

// Over k at 10 and 80 LP/mm (FILE2 has no 80): FILE's rows (lens 1), then
// FILE2's table entries at their places on FILE's list: 1.8 lies 0.4 / 0.6
// of the way from 1.4 to 2, 22 beyond 16.
TEST(CompareCommand, CsvRowsOfTheReferenceLensHoldItsTableValuesAtTheirPlacedAbscissae)
{
    const TemporaryDirectory dir;
    const std::string csv = dir.file("vergleich.csv");
    const std::vector<std::string> options = { "--abscissa", "k", "--frequencies", "2,8", "--compare", Reference };
    runOk(joined({ "--export", csv, Full }, options));
    const std::vector<std::string> lines = fileLines(csv);
    ASSERT_EQ(lines.size(), 1 + 4 * (8 + 101) + 2 * (7 + 101));
    EXPECT_EQ(lines[0].rfind("lens;frequency_index;frequency;", 0), 0u) << lines[0];
    EXPECT_EQ(lines[2 * 109 + 1].rfind("1;8;80;;", 0), 0u) << lines[2 * 109 + 1];
    std::vector<std::string> placed;
    for (const std::string& line : lines) {
        if (line.rfind("2;2;10;;0;0;S;node;", 0) == 0) {
            placed.push_back(line.substr(19));
        }
    }
    ASSERT_EQ(placed.size(), 7u);
    EXPECT_EQ(placed[0].substr(0, 16), "1;0.666666666666");
    EXPECT_EQ(placed[0].substr(placed[0].rfind(';')), ";93");
    EXPECT_EQ(std::vector(placed.begin() + 1, placed.end()),
              (std::vector<std::string> { "2;2;96", "3;3;97", "4;4;96", "5;5;94", "6;6;92", "7;7;89" }));
    runLumivex(joined({ "--export-dir", dir.file("katalog"), "--format", "csv", Full }, options));
    EXPECT_EQ(fileText(dir.file("katalog/vollformat-objektiv.csv")), fileText(csv));
}

} // namespace
