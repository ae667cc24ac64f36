// SPDX-License-Identifier: MIT
#include "LensFileReader.h"

#include "LineFormatError.h"
#include "LoadError.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

namespace {

using Lines = std::vector<std::string>;
Lines rowTexts(const LensData& lens, int row)
{
    Lines texts;
    for (int c = 1; c <= lens.ImageHeightCount; ++c) {
        texts.push_back(lens.ImageHeightText[row][c]);
    }
    return texts;
}

std::string joinLines(const Lines& lines, const std::string& lineEnd = "\n")
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

// The worked example's lines; line numbers in these tests are the file's.
Lines workedExample()
{
    std::istringstream in(exampleText("beispiel-testlinse.mtf"));
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Files of other shapes in the worked example's layout. Every modulation
// value differs from its neighbours in each index.
struct TestFile
{
    std::string head = "X12320";
    std::string fNumberLine = "k 2.8 5.6";
    std::string magnificationLine = "m 0 -0.1";
    Lines imageHeightLines = { "y 0 10 21.6" };
    std::string frequencyLine = "f 10 20";
    Lines distanceLines = { "1 0 -1E20 -1E20", "2 -0.1 -550 604.5" };
    int fNumbers = 2, magnifications = 2, imageHeights = 3, frequencies = 2; // shape of the blocks
    static int value(int n, int orientation, int m, int h, int q)
    {
        return (n * 41 + orientation * 23 + m * 13 + h * 7 + q * 3) % 101;
    }
    LensData read() const
    {
        Lines out = { "Lens data", head, "Lumivex-Projekt", "Testdatei", "Obj:Testlinse 2.8/50 mm", "[GAUSS]" };
        out.insert(out.end(), { "1", "2", "3", "4", "5", "6", "[PARAM]", fNumberLine, magnificationLine });
        out.insert(out.end(), imageHeightLines.begin(), imageHeightLines.end());
        out.insert(out.end(), { "WL   546 480 644", "GEW 1.0 0.5 0.5", frequencyLine, "[ABB]" });
        out.insert(out.end(), distanceLines.begin(), distanceLines.end());
        for (int n = 1; n <= fNumbers; ++n) {
            for (int orientation = 1; orientation <= 2; ++orientation) {
                out.push_back("[" + std::to_string(n) + (orientation == 1 ? "/SAGMOD]" : "/TANMOD]"));
                for (int m = 1; m <= magnifications; ++m) {
                    for (int h = 1; h <= imageHeights; ++h) {
                        std::string line = "y" + std::to_string(h);
                        for (int q = 1; q <= frequencies; ++q) {
                            line += " " + std::to_string(value(n, orientation, m, h, q));
                        }
                        out.push_back(line + " ");
                    }
                }
            }
        }
        return readText(joinLines(out));
    }
};

TEST(WorkedExample, LoadsToTheDocumentedValues)
{
    const LensData lens = readLensFile(examplePath("beispiel-testlinse.mtf"), {});
    // "/" in column 18: the name is columns 5 to 21, the blank included.
    EXPECT_EQ(lens.LensName, "Testlinse 2.8/50 ");
    EXPECT_EQ(rowTexts(lens, 1), (Lines { "0", "10", "21.6" }));
    EXPECT_EQ((Lines { lens.WavelengthText, lens.WeightText, lens.FNumberText[1], lens.FNumberText[2],
                       lens.MagnificationText[2], lens.FrequencyText[2], lens.DistanceText[1], lens.DistanceText[2],
                       lens.DistanceLabels[1], lens.DistanceLabels[2], lens.DistanceLabels[9] }),
              (Lines { "    546    480    644", "1.0 0.5 0.5", "2.8", "5.6", "-0.1", "20", "-1E20", "604.5",
                       "unendlich", "604", "0" })); // "0": an entry no file has filled
    // Line 24 "y1 92 85 ", and line 50: tangential, f-number 2, magnification 2, height 3.
    EXPECT_EQ((std::array { lens.sag(1, 1, 1, 1), lens.sag(1, 2, 1, 1), lens.tan(2, 1, 3, 2), lens.tan(2, 2, 3, 2) }),
              (std::array { 92, 85, 83, 70 }));
}

TEST(ImageHeights, RowIsCappedAtTheFirstColumnReachingItsLastValue)
{
    // line, usable count, texts after capping, MaxImageHeight
    const std::vector<std::tuple<std::string, int, Lines, double>> rows = {
        { "y 0 5 10 15 20 18", 5, { "0", "5", "10", "15", "18", "18" }, 18 },
        { "y 0 5 10 15 20 15", 4, { "0", "5", "10", "15", "20", "15" }, 15 },
        // Compared as numbers: "15.0" reaches 15, and takes the last text.
        { "y 0 5 10 15.0 20 15", 4, { "0", "5", "10", "15", "20", "15" }, 15 },
        { "y 30 10 20", 1, { "20", "10", "20" }, 20 }, // the last value, not the largest
        { "y  0 1E1  5", 2, { " 0", " 5", " 5" }, 5 }, // extra blanks stay in the text
    };
    for (const auto& [line, validCount, texts, maxImageHeight] : rows) {
        SCOPED_TRACE(line);
        TestFile file;
        file.imageHeightLines = { line };
        file.imageHeights = static_cast<int>(texts.size());
        const LensData lens = file.read();
        EXPECT_EQ(lens.ImageHeightValidCount[1], validCount);
        EXPECT_EQ(rowTexts(lens, 1), texts);
        EXPECT_DOUBLE_EQ(lens.MaxImageHeight, maxImageHeight);
    }
}

TEST(ImageHeights, LayoutDigitAboveZeroInColumnSixGivesOneRowPerFNumber)
{
    TestFile file;
    file.head = "X12329";
    file.fNumberLine = "k 2.8 4 5.6";
    file.imageHeightLines = { "y 0 5 10 15 20 15", "y 0 5 10 15 20 18", "y 0 5 10 15 20 21.6" };
    file.fNumbers = 3;
    file.imageHeights = 6;
    const LensData lens = file.read();
    EXPECT_EQ(lens.ImageHeightPerFNumber, 9);
    EXPECT_EQ(lens.imageHeightRowCount(), 3);
    EXPECT_DOUBLE_EQ(lens.MaxImageHeight, 21.6);
    EXPECT_EQ(
        (std::array { lens.ImageHeightValidCount[1], lens.ImageHeightValidCount[2], lens.ImageHeightValidCount[3] }),
        (std::array { 4, 5, 6 }));
    EXPECT_EQ(rowTexts(lens, 2), (Lines { "0", "5", "10", "15", "18", "18" }));
    // The blocks are found right after the three height lines.
    EXPECT_EQ(lens.tan(3, 2, 6, 2), TestFile::value(3, 2, 2, 6, 2));
    file.head = "123450999";
    file.imageHeightLines = { "y 0 5 10 15 20 21.6" };
    EXPECT_EQ(file.read().ImageHeightPerFNumber, 0);
}

TEST(TextLines, NameWavelengthsAndWeightsAreCutByColumns)
{
    const auto name = &LensData::LensName;
    const std::vector<std::tuple<int, std::string, std::string LensData::*, std::string>> rows = {
        // The name runs from column 5 to the third character after the first
        // "/"; without one to the last non-blank.
        { 5, "Obj:Testlinse ohne Strich  ", name, "Testlinse ohne Strich" },
        { 5, "Obj:  ", name, "" },
        { 5, "Obj:a/b/c/d", name, "a/b/c" },
        { 5, "Obj/Testlinse", name, "Tes" },
        { 5, "/Testlinse", name, "" },
        { 5, "Obj:Gr\xFCn 2.8/50 mm", name, "Grün 2.8/50 " }, // columns count bytes
        // Every complete four-column field after the label's.
        { 17, "WL   546 480 64", &LensData::WavelengthText, "    546    480" },
        // Everything from column 5.
        { 18, "GEW  1.0 \x80 0.5 ", &LensData::WeightText, " 1.0 € 0.5 " },
        { 18, "GEW", &LensData::WeightText, "" },
    };
    for (const auto& [line, text, field, expected] : rows) {
        Lines lines = workedExample();
        lines[static_cast<std::size_t>(line - 1)] = text;
        EXPECT_EQ(readText(joinLines(lines)).*field, expected) << '"' << text << '"';
    }
}

TEST(DistanceLabel, RoundsHalfToEvenAndShowsInfinityOnlyForTheFirst)
{
    // text, first entry, label ({}: LineFormatError); -2147483648.5 goes to the even neighbour, which fits
    const std::vector<std::tuple<std::string, bool, const char*>> rows = {
        // clang-format off
        { "604.5", false, "604" }, { "605.5", false, "606" }, { "604.51", false, "605" }, { "-551.5", false, "-552" },
        { "-1E20", true, "unendlich" }, { "-1e20", true, {} }, { "2147483647.4", false, "2147483647" },
        { "2147483647.5", false, {} }, { "-2147483648.5", false, "-2147483648" }, { "-2147483649", false, {} },
        // clang-format on
    };
    for (const auto& [text, first, label] : rows) {
        SCOPED_TRACE('"' + text + '"' + (first ? " (first)" : ""));
        if (label) {
            EXPECT_EQ(distanceLabel(text, first), label);
        } else {
            EXPECT_THROW(distanceLabel(text, first), LineFormatError);
        }
    }
}

// Distance lines were never counted: a short one takes the third value the line splitter still holds.
TEST(Lines, MarkersLineEndsAndShortDistanceLines)
{
    Lines lines = workedExample();
    std::string crlf = joinLines(lines, "\r\n");
    crlf.resize(crlf.size() - 2);
    EXPECT_EQ(readText(crlf), readText(joinLines(lines)));
    lines.insert(lines.begin() + 36, { "", "[2/SAGMODX] is not the marker", "[1/SAGMOD] neither" });
    lines[36 + 3] = "[2/SAGMOD] text after the marker";
    lines.insert(lines.begin() + 19, { "skipped", "[abb]" });
    EXPECT_EQ(readText(joinLines(lines)).tan(2, 1, 3, 2), 83);
    TestFile file;
    file.distanceLines = { "1 0 -700 700.4 extra", "2 -0.1" };
    const LensData lens = file.read();
    EXPECT_EQ((Lines { lens.DistanceText[1], lens.DistanceLabels[1], lens.DistanceText[2], lens.DistanceLabels[2] }),
              (Lines { "700.4", "700", "700.4", "700" }));
}

// Labels beyond the new magnifications keep the first file's distances, as every entry beyond the new counts.
TEST(RepeatedLoads, EntriesBeyondTheNewCountsKeepTheEarlierFile)
{
    const LensData first = readLensFile(examplePath("vollformat-objektiv.mtf"), {});
    const LensData second = readLensFile(examplePath("beispiel-testlinse.mtf"), first);
    EXPECT_EQ(
        (std::array { second.FNumberCount, second.MagnificationCount, second.ImageHeightCount, second.FrequencyCount }),
        (std::array { 2, 2, 3, 2 }));
    EXPECT_EQ(second.WavelengthText, "    546    480    644"); // rebuilt, not appended
    EXPECT_EQ((Lines { second.FNumberText[2], second.FNumberText[8], second.FrequencyText[3],
                       second.MagnificationText[9], second.ImageHeightText[1][6], second.DistanceLabels[2],
                       second.DistanceLabels[3], second.DistanceLabels[9] }),
              (Lines { "5.6", "16", "20", "-1", "21.6", "604", "1100", "198" }));
    EXPECT_EQ((std::array { second.sag(3, 5, 4, 7), second.sag(1, 1, 1, 1) }), (std::array { 76, 92 }));
    // The largest shape (8 f-numbers, 9 magnifications, 6 heights, 8 frequencies), read off the file:
    // f-number 3 "m9y6 ... 10", f-number 8 tangential "m7y4 ... 57 44 32 20 3", f-number 6 tangential "m9y6 ... 17".
    EXPECT_EQ(
        (std::array { first.sag(3, 8, 6, 9), first.tan(8, 4, 4, 7), first.tan(8, 8, 4, 7), first.tan(6, 8, 6, 9) }),
        (std::array { 10, 57, 3, 17 }));
}

// Missing, a directory, no name: none can be opened.
TEST(FailedLoad, LeavesTheDataSetUntouched)
{
    LensData lens = readLensFile(examplePath("vollformat-objektiv.mtf"), {});
    const LensData before = lens;
    Lines lines = workedExample();
    lines.back() = "y3 83 300 "; // fails on the very last line
    EXPECT_THROW(lens = readText(joinLines(lines), lens), LoadError);
    EXPECT_EQ(lens, before);
    using enum FileOpenError::Cause;
    for (const auto& [path, cause] :
         { std::pair { examplePath("gibt-es-nicht.mtf"), NotFound }, std::pair { examplePath(""), Directory },
           std::pair { std::string(), NotFound }, std::pair { examplePath("beispiel-testlinse.mtf/x"), NotFound } }) {
        try {
            readLensFile(path, lens);
            ADD_FAILURE() << path << " was read";
        } catch (const FileOpenError& error) {
            EXPECT_STREQ(error.what(), "Abbruch beim Dateilesen");
            EXPECT_EQ(error.cause(), cause) << path;
        }
    }
}

TEST(BrokenFile, FailsAtTheLineWithAMessageNamingTheProblem)
{
    using Edit = std::function<void(Lines&)>;
    const auto set = [](int line, std::string text) -> Edit {
        return [line, text](Lines& lines) { lines[static_cast<std::size_t>(line - 1)] = text; };
    };
    const auto keep = [](std::size_t count) -> Edit { return [count](Lines& lines) { lines.resize(count); }; };
    const auto both = [](Edit a, Edit b) -> Edit {
        return [=](Lines& lines) {
            a(lines);
            b(lines);
        };
    };
    // edit of the worked example, line of the error, part of its message
    const std::vector<std::tuple<Edit, int, std::string>> rows = {
        { set(2, "X1232"), 2, "Spalte 6 der Kopfzeile „X1232“ enthält keine Ziffer" },
        { keep(0), 1, "Unerwartetes Dateiende: gesucht wurde Zeile 1" },
        { keep(4), 5, "Unerwartetes Dateiende: gesucht wurde die Titelzeile" },
        { set(6, "[gauss]"), 51, "Unerwartetes Dateiende: gesucht wurde die Markierung „[GAUSS]“" },
        { keep(9), 10, "Zeile 4 von 6 nach „[GAUSS]“" },
        // A marker among the six lines after [GAUSS] is not seen.
        { both(set(13, "not a marker"), set(9, "[PARAM]")), 51,
          "Unerwartetes Dateiende: gesucht wurde die Markierung „[PARAM]“" },
        { keep(13), 14, "die Zeile der Blendenzahlen" },
        { keep(21), 22, "die Abstandszeile des Abbildungsmaßstabs 2" },
        { keep(29), 30, "die Trennzeile vor den tangentialen Werten der Blende 1" },
        { keep(47), 48, "die tangentiale Modulationszeile der Blende 2 für Abbildungsmaßstab 2, Bildhöhe 1" },
        { set(14, "k 1 2 3 4 5 6 7 8 9"), 14, "Bereichsfehler: mehr als 8 Blendenzahlen, der 9. Wert ist „9“" },
        { set(16, "y 1 2 3 4 5 6 7"), 16, "mehr als 6 Bildhöhen" },
        { set(19, "f 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 x16"), 19,
          "Bereichsfehler: mehr als 15 Werte in der Zeile, der 16. Wert ist „x16“" },
        { set(14, "k"), 14, "Zeile der Blendenzahlen „k“ enthält keine Werte" },
        // Quoted lines are cut and their control characters escaped.
        { set(14, "k\x1b[2J\x7f\x9d\xe4"), 14, "„k\\x1b[2J\\x7f\\x9dä“ enthält keine Werte" },
        { set(38, std::string(100, 'y')), 38, "„" + std::string(60, 'y') + "…“ enthält kein Leerzeichen" },
        { both(set(2, "X12321"), [](Lines& lines) { lines.insert(lines.begin() + 16, "y 0 21.6"); }), 17,
          "„y 0 21.6“ hat 2 Werte, die erste hat 3" },
        { set(16, "y 0 1O 21.6"), 16, "Bildhöhe „1O“ ist keine Zahl" },
        { set(22, "2 -0.1 -550 abc"), 22, "Abstand „abc“ ist keine Zahl" },
        { set(22, "2 -0.1 -550 3E9"), 22, "„3E9“ passt gerundet nicht" },
        { set(22, "2 -0.1 -550 -1E20"), 22, "nur beim ersten Abbildungsmaßstab" },
        { set(24, "y1 256 85 "), 24, "Modulationswert „256“ liegt außerhalb von 0..255" },
        { set(45, "y1 99999999999999999999 1 "), 45, "außerhalb von 0..255" },
        { set(25, "y2 88 78"), 25, "Modulationswert „88 7“ ist keine ganze Zahl" }, // no trailing blank
        { set(25, "y2 88"), 25, "„y2 88“ enthält nur 0 von 2 Werten" },
        { set(26, "y3 80  66 "), 26,
          "„80 “ ist keine ganze Zahl (Werte durch genau ein Leerzeichen trennen und die Zeile mit einem Leerzeichen "
          "beenden)" },
        { set(38, "y1"), 38, "„y1“ enthält kein Leerzeichen vor einem Wert" },
        { set(24, "y1 1 2 3 4 5 6 7 8 9 10 "), 24, "mehr als 10 Wertgrenzen" },
        { set(24, "y1 92 85 " + std::string(247, 'x')), 24, "256 Zeichen lang, erlaubt sind 255" },
    };
    for (const auto& [edit, line, fragment] : rows) {
        SCOPED_TRACE(fragment);
        Lines lines = workedExample();
        edit(lines);
        try {
            readText(joinLines(lines));
            ADD_FAILURE() << "loaded";
        } catch (const LoadError& error) {
            EXPECT_EQ(error.line(), line);
            EXPECT_NE(error.message().find(fragment), std::string::npos) << error.message();
            EXPECT_EQ(std::string(error.what()), "Zeile " + std::to_string(line) + ": " + error.message());
        }
    }
}

} // namespace
