#include "LineParsing.h"

#include "LineFormatError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

std::vector<std::string> valuesOf(const LineTokens& tokens)
{
    std::vector<std::string> values;
    for (int i = 1; i <= tokens.valueCount(); ++i) {
        values.push_back(tokens.LineToken[i]);
    }
    return values;
}

struct SplitCase
{
    std::string line;
    int count;
    std::vector<std::string> values;
};

void PrintTo(const SplitCase& c, std::ostream* out)
{
    *out << '"' << c.line << '"';
}

class SplitLineCases : public ::testing::TestWithParam<SplitCase>

{
};

TEST_P(SplitLineCases, CountsTheLabelAndKeepsExtraBlanksInFront)
{
    LineTokens tokens;
    SplitLine(GetParam().line, tokens);
    EXPECT_EQ(tokens.count, GetParam().count);
    EXPECT_EQ(valuesOf(tokens), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLineCases,
    ::testing::Values(SplitCase { "k 2.8 5.6", 3, { "2.8", "5.6" } }, SplitCase { "   k 2.8", 2, { "2.8" } },
                      SplitCase { "k  2.8   5.6", 3, { " 2.8", "  5.6" } }, SplitCase { "k 2.8 ", 2, { "2.8" } },
                      SplitCase { "k 2.8    ", 2, { "2.8" } }, SplitCase { "", 0, {} }, SplitCase { "     ", 0, {} },
                      SplitCase { "k", 1, {} }, SplitCase { "k\t2.8", 1, {} }, // a tab is not a blank
                      SplitCase { "1 0 -1E20 -1E20", 4, { "0", "-1E20", "-1E20" } },
                      SplitCase {
                          "f 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15",
                          16,
                          { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15" } }));

TEST(SplitLine, EntriesAboveTheCountKeepTheEarlierLine)
{
    LineTokens tokens;
    SplitLine("k 1 2 3", tokens);
    SplitLine("m 9", tokens);
    EXPECT_EQ(tokens.count, 2);
    EXPECT_EQ(tokens.LineToken[1], "9");
    EXPECT_EQ(tokens.LineToken[2], "2");
    EXPECT_EQ(tokens.LineToken[3], "3");
}

TEST(SplitLine, SixteenthValueIsARangeErrorNamingIt)
{
    LineTokens tokens;
    try {
        SplitLine("f 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 x16", tokens);
        FAIL() << "no error";
    } catch (const LineFormatError& error) {
        EXPECT_THAT(error.what(), HasSubstr("Bereichsfehler"));
        EXPECT_THAT(error.what(), HasSubstr("16. Wert ist „x16“"));
    }
    EXPECT_EQ(tokens.LineToken[15], "15");
}

struct ModulationCase
{
    std::string line;
    int valueCount;
    std::vector<int> values;
};

void PrintTo(const ModulationCase& c, std::ostream* out)
{
    *out << '"' << c.line << '"';
}

class ModulationLines : public ::testing::TestWithParam<ModulationCase>

{
};

TEST_P(ModulationLines, ReadTheValuesBetweenBoundaries)
{
    EXPECT_EQ(ParseModulationLine(GetParam().line, GetParam().valueCount), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ModulationLines,
    ::testing::Values(ModulationCase { "y1 92 85 ", 2, { 92, 85 } }, ModulationCase { "y1 92 85 ", 1, { 92 } },
                      ModulationCase { "y1     92 85 ", 2, { 92, 85 } }, ModulationCase { " 92 85 ", 2, { 92, 85 } },
                      ModulationCase { "92 85 ", 1, { 85 } }, // "92" is taken as a label
                      ModulationCase { "y 0 255 +7 -0 ", 4, { 0, 255, 7, 0 } }, ModulationCase { "y1 92 ", 1, { 92 } },
                      ModulationCase { "y1 1 2 3 4 5 6 7 8 9 ", 9, { 1, 2, 3, 4, 5, 6, 7, 8, 9 } }));

struct BadModulationCase
{
    std::string line;
    int valueCount;
    std::string fragment;
};

void PrintTo(const BadModulationCase& c, std::ostream* out)
{
    constexpr std::size_t Shown = 30;
    *out << '"' << c.line.substr(0, Shown) << (c.line.size() > Shown ? "...\"" : "\"");
}

class BadModulationLines : public ::testing::TestWithParam<BadModulationCase>

{
};

TEST_P(BadModulationLines, AreRejectedWithAMessage)
{
    try {
        ParseModulationLine(GetParam().line, GetParam().valueCount);
        FAIL() << "accepted";
    } catch (const LineFormatError& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetParam().fragment));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, BadModulationLines,
                         ::testing::Values(BadModulationCase { "y1 92 85", 2, "„92 8“ ist keine ganze Zahl" },
                                           // One value without the trailing blank: no second boundary.
                                           BadModulationCase { "y1 92", 1, "enthält nur 0 von 1 Werten" },
                                           BadModulationCase { "y1 92  85 ", 2, "„92 “ ist keine ganze Zahl" },
                                           BadModulationCase { "y1 92 ", 2, "enthält nur 1 von 2 Werten" },
                                           BadModulationCase { "", 1, "kein Leerzeichen" },
                                           BadModulationCase { "y1", 1, "kein Leerzeichen" },
                                           BadModulationCase { "y1 256 ", 1, "„256“ liegt außerhalb von 0..255" },
                                           BadModulationCase { "y1 -1 ", 1, "„-1“ liegt außerhalb von 0..255" },
                                           BadModulationCase { "y1 -5-3 ", 1, "„-5-3“ ist keine ganze Zahl" },
                                           BadModulationCase { "y1 +-5 ", 1, "ist keine ganze Zahl" },
                                           BadModulationCase { "y1 5\t ", 1, "ist keine ganze Zahl" },
                                           BadModulationCase { "y1 1 2 3 4 5 6 7 8 9 10 ", 1,
                                                               "mehr als 10 Wertgrenzen" },
                                           BadModulationCase { std::string(256, ' '), 1, "256 Zeichen lang" }));

TEST(ModulationLines, BadValueAfterTheNeededOnesIsIgnored)
{
    EXPECT_EQ(ParseModulationLine("y1 92 x ", 1), std::vector<int> { 92 });
}

struct DecimalCase
{
    std::string text;
    std::optional<double> value;
};

void PrintTo(const DecimalCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class Decimals : public ::testing::TestWithParam<DecimalCase>

{
};

TEST_P(Decimals, ReadWithAPointAndNothingElse)
{
    EXPECT_EQ(parseDecimal(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, Decimals,
                         ::testing::Values(DecimalCase { "21.6", 21.6 }, DecimalCase { "-0.1", -0.1 },
                                           DecimalCase { "  2.8", 2.8 }, DecimalCase { "+5", 5.0 },
                                           DecimalCase { "-1E20", -1e20 }, DecimalCase { "1e-3", 0.001 },
                                           DecimalCase { ".5", 0.5 }, DecimalCase { "5.", 5.0 },
                                           DecimalCase { "2,8", std::nullopt }, DecimalCase { "", std::nullopt },
                                           DecimalCase { "   ", std::nullopt }, DecimalCase { "2.8 ", std::nullopt },
                                           DecimalCase { "inf", std::nullopt }, DecimalCase { "nan", std::nullopt },
                                           DecimalCase { "0x1p3", std::nullopt }, DecimalCase { "1E999", std::nullopt },
                                           DecimalCase { "+-1", std::nullopt }, DecimalCase { "1e", std::nullopt },
                                           DecimalCase { "--1", std::nullopt }));

} // namespace
