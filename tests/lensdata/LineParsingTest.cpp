// SPDX-License-Identifier: MIT
#include "LineParsing.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SplitLine, CountsTheLabelAndKeepsExtraBlanksInFront)
{
    // line, items counted with the label, the values
    const std::vector<std::tuple<std::string, int, std::vector<std::string>>> rows = {
        // clang-format off
        { "k 2.8 5.6", 3, { "2.8", "5.6" } }, { "   k 2.8", 2, { "2.8" } }, { "k  2.8   5.6", 3, { " 2.8", "  5.6" } },
        { "k 2.8    ", 2, { "2.8" } }, { "     ", 0, {} }, { "k", 1, {} },
        { "k\t2.8", 1, {} }, // a tab is not a blank
        { "f 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", 16,
          { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15" } },
        // clang-format on
    };
    for (const auto& [line, count, values] : rows) {
        LineTokens tokens;
        splitLine(line, tokens);
        std::vector<std::string> read;
        for (int i = 1; i <= tokens.valueCount(); ++i) {
            read.push_back(tokens.LineToken[i]);
        }
        EXPECT_EQ(tokens.count, count) << '"' << line << '"';
        EXPECT_EQ(read, values) << '"' << line << '"';
    }
}

TEST(ModulationLine, ReadsTheValuesBetweenBoundaries)
{
    const std::vector<std::tuple<std::string, int, std::vector<int>>> rows = {
        // clang-format off
        { "y1 92 85 77 ", 2, { 92, 85 } }, // values beyond the frequency count
        { "y1 92 x ", 1, { 92 } },         // a bad value after the needed ones
        { "y1     92 85 ", 2, { 92, 85 } },
        { "    88 78 ", 2, { 88, 78 } }, // no label
        { "92 85 ", 1, { 85 } },         // "92" is taken as the label
        { "y 0 255 +7 -0 066 ", 5, { 0, 255, 7, 0, 66 } },
        { "y1 1 2 3 4 5 6 7 8 9 ", 9, { 1, 2, 3, 4, 5, 6, 7, 8, 9 } }, // ten boundaries
        { std::string(248, 'x') + " 92 85 ", 2, { 92, 85 } },          // 255 characters
        // clang-format on
    };
    for (const auto& [line, valueCount, values] : rows) {
        EXPECT_EQ(parseModulationLine(line, valueCount), values) << '"' << line << '"';
    }
}

TEST(ParseDecimal, AcceptsAPointAndAnExponentOnly)
{
    const std::vector<std::pair<std::string, double>> numbers = {
        { "21.6", 21.6 },   { "-0.1", -0.1 },  { "  2.8", 2.8 }, { "+5", 5.0 },
        { "-1E20", -1e20 }, { "1e-3", 0.001 }, { ".5", 0.5 },    { "5.", 5.0 },
    };
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(parseDecimal(text), value) << '"' << text << '"';
    }
    for (const char* text : { "2,8", "", "   ", "2.8 ", "inf", "nan", "0x1p3", "1E999", "+-1", "--1", "1e" }) {
        EXPECT_EQ(parseDecimal(text), std::nullopt) << '"' << text << '"';
    }
}

// 0x80..0x9F go through the table, whose unassigned entries stay C1 controls; bytes from the code chart.
TEST(Windows1252, ByteRangesAndTheirEdges)
{
    using namespace std::string_literals;
    EXPECT_EQ(decodeWindows1252("A\0\x7F"s), "A\0\x7F"s);
    EXPECT_EQ(decodeWindows1252("\x80\x81\x8A\x9F"), "\xE2\x82\xAC\xC2\x81\xC5\xA0\xC5\xB8"); // € U+0081 Š Ÿ
    EXPECT_EQ(decodeWindows1252("\xA0\xC4\xFC\xFF"), "\xC2\xA0\xC3\x84\xC3\xBC\xC3\xBF");     // NBSP Ä ü ÿ
}

} // namespace
