#include "LensFileReader.h"

#include "LineFormatError.h"
#include "LoadError.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using ::testing::HasSubstr;

namespace {

std::vector<std::string> rowTexts(const LensData& lens, int row, int count)
{
    std::vector<std::string> texts;
    for (int c = 1; c <= count; ++c) {
        texts.push_back(lens.ImageHeightText[row][c]);
    }
    return texts;
}

LoadError loadErrorOf(const std::string& text, const LensData& current = LensData())
{
    try {
        readText(text, current);
    } catch (const LoadError& error) {
        return error;
    }
    ADD_FAILURE() << "file loaded without error";
    return LoadError(0, "");
}

// --- The worked example -----------------------------------------------------

TEST(WorkedExample, LoadsToTheDocumentedValues)
{
    const LensData lens = readLensFile(examplePath("beispiel-testlinse.mtf"), LensData());

    EXPECT_EQ(lens.FileLoaded, 1);
    EXPECT_EQ(lens.ImageHeightPerFNumber, 0);
    EXPECT_EQ(lens.FNumberCount, 2);
    EXPECT_EQ(lens.MagnificationCount, 2);
    EXPECT_EQ(lens.ImageHeightCount, 3);
    EXPECT_EQ(lens.FrequencyCount, 2);
    // "/" in column 18: the name is columns 5 to 21, the blank included.
    EXPECT_EQ(lens.LensName, "Testlinse 2.8/50 ");
    EXPECT_EQ(rowTexts(lens, 1, 3), (std::vector<std::string> { "0", "10", "21.6" }));
    EXPECT_EQ(lens.ImageHeightValidCount[1], 3);
    EXPECT_DOUBLE_EQ(lens.MaxImageHeight, 21.6);
    EXPECT_EQ(lens.WavelengthText, "    546    480    644");
    EXPECT_EQ(lens.WeightText, "1.0 0.5 0.5");
    EXPECT_EQ(lens.FNumberText[1], "2.8");
    EXPECT_EQ(lens.FNumberText[2], "5.6");
    EXPECT_EQ(lens.MagnificationText[2], "-0.1");
    EXPECT_EQ(lens.FrequencyText[2], "20");
    EXPECT_EQ(lens.DistanceText[1], "-1E20");
    EXPECT_EQ(lens.DistanceText[2], "604.5");
    EXPECT_EQ(lens.DistanceLabels[1], "unendlich");
    EXPECT_EQ(lens.DistanceLabels[2], "604");
    for (int i = 3; i <= 9; ++i) {
        EXPECT_EQ(lens.DistanceLabels[i], "0") << "entry " << i << " that no file filled";
    }
    // Line 24 "y1 92 85 ": f-number 1, magnification 1, image height 1.
    EXPECT_EQ(lens.sag(1, 2, 1, 1), 85);
    EXPECT_EQ(lens.SagModulation.at(0, 1, 0, 0), 85);
    EXPECT_EQ(lens.sag(1, 1, 1, 1), 92);
    // Line 50, the last one: tangential, f-number 2, magnification 2, height 3.
    EXPECT_EQ(lens.tan(2, 1, 3, 2), 83);
    EXPECT_EQ(lens.tan(2, 2, 3, 2), 70);
}

TEST(WorkedExample, BuiltFileGivesTheSameLayoutAsTheExampleFile)
{
    // The test's own file builder must place every line where the example
    // does, or the line numbers asserted below would be meaningless.
    const std::vector<std::string> lines = TestFile().lines();
    ASSERT_EQ(lines.size(), 50U);
    EXPECT_EQ(lines[5], "[GAUSS]");
    EXPECT_EQ(lines[12], "[PARAM]");
    EXPECT_EQ(lines[19], "[ABB]");
    EXPECT_EQ(lines[22], "[1/SAGMOD]");
    EXPECT_EQ(lines[36], "[2/SAGMOD]");
}

TEST(ModulationBlocks, EveryLineLandsAtItsIndices)
{
    // Full shape: 8 f-numbers, 9 magnifications, 6 heights, 8 frequencies.
    TestFile file;
    file.fNumberLine = "k 1 2 3 4 5 6 7 8";
    file.magnificationLine = "m 1 2 3 4 5 6 7 8 9";
    file.imageHeightLines = { "y 0 1 2 3 4 5" };
    file.frequencyLine = "f 1 2 3 4 5 6 7 8";
    file.distanceLines.clear();
    for (int i = 1; i <= 9; ++i) {
        file.distanceLines.push_back(std::to_string(i) + " 0 0 " + std::to_string(100 * i));
    }
    file.fNumbers = 8;
    file.magnifications = 9;
    file.imageHeights = 6;
    file.frequencies = 8;

    const LensData lens = readText(joinLines(file.lines()));

    for (int n = 1; n <= 8; ++n) {
        for (int m = 1; m <= 9; ++m) {
            for (int h = 1; h <= 6; ++h) {
                for (int q = 1; q <= 8; ++q) {
                    ASSERT_EQ(lens.sag(n, q, h, m), TestFile::modulationValue(n, 1, m, h, q))
                        << n << " " << q << " " << h << " " << m;
                    ASSERT_EQ(lens.tan(n, q, h, m), TestFile::modulationValue(n, 2, m, h, q))
                        << n << " " << q << " " << h << " " << m;
                }
            }
        }
    }
    EXPECT_EQ(lens.DistanceLabels[9], "900");
}

TEST(ModulationBlocks, OneOfEachGivesCountsOfOne)
{
    TestFile file;
    file.fNumberLine = "k 4";
    file.magnificationLine = "m 0";
    file.imageHeightLines = { "y 0" };
    file.frequencyLine = "f 10";
    file.distanceLines = { "1 0 -1E20 -1E20" };
    file.fNumbers = file.magnifications = file.imageHeights = file.frequencies = 1;

    const LensData lens = readText(joinLines(file.lines()));

    EXPECT_EQ(lens.FNumberCount, 1);
    EXPECT_EQ(lens.MagnificationCount, 1);
    EXPECT_EQ(lens.ImageHeightCount, 1);
    EXPECT_EQ(lens.FrequencyCount, 1);
    EXPECT_EQ(lens.ImageHeightValidCount[1], 1);
    EXPECT_EQ(lens.sag(1, 1, 1, 1), TestFile::modulationValue(1, 1, 1, 1, 1));
    EXPECT_EQ(lens.tan(1, 1, 1, 1), TestFile::modulationValue(1, 2, 1, 1, 1));
}

TEST(ModulationBlocks, ValuesBeyondTheFrequencyCountAndLeadingBlanksAreAccepted)
{
    std::vector<std::string> lines = TestFile().lines();
    lines[23] = "y1 92 85 77 ";     // a third value for two frequencies
    lines[24] = "    88 78 ";       // no label, blanks before the first value
    lines[25] = "label:x +80 066 "; // signed and zero-padded integers
    const LensData lens = readText(joinLines(lines));
    EXPECT_EQ(lens.sag(1, 2, 1, 1), 85);
    EXPECT_EQ(lens.sag(1, 1, 2, 1), 88);
    EXPECT_EQ(lens.sag(1, 2, 2, 1), 78);
    EXPECT_EQ(lens.sag(1, 1, 3, 1), 80);
    EXPECT_EQ(lens.sag(1, 2, 3, 1), 66);
}

TEST(Markers, AreFoundAfterSkippedLinesAndIgnoreTheirRest)
{
    std::vector<std::string> lines = TestFile().lines();
    lines.insert(lines.begin() + 36, { "", "[2/SAGMODX] is not the marker", "[1/SAGMOD] neither" });
    lines[36 + 3] = "[2/SAGMOD] text after the marker";
    lines.insert(lines.begin() + 19, { "skipped", "[abb]" });
    const LensData lens = readText(joinLines(lines));
    EXPECT_EQ(lens.tan(2, 1, 3, 2), TestFile::modulationValue(2, 2, 2, 3, 1));
}

TEST(Markers, AMarkerAmongTheSixLinesAfterGaussIsNotSeen)
{
    std::vector<std::string> lines = TestFile().lines();
    lines[12] = "not a marker";
    lines[8] = "[PARAM]"; // line 9, the third of the six unexamined lines
    const LoadError error = loadErrorOf(joinLines(lines));
    EXPECT_EQ(error.line(), 51);
    EXPECT_THAT(error.message(), HasSubstr("Unerwartetes Dateiende"));
    EXPECT_THAT(error.message(), HasSubstr("„[PARAM]“"));
}

// --- Image heights -------------------------------------------------------

struct CappingCase
{
    std::string row;
    int validCount;
    std::vector<std::string> texts;
};

void PrintTo(const CappingCase& c, std::ostream* out)
{
    *out << '"' << c.row << '"';
}

class Capping : public ::testing::TestWithParam<CappingCase>

{
};

TEST_P(Capping, CutsTheRowAtTheFirstColumnReachingTheLastValue)
{
    const CappingCase& c = GetParam();
    TestFile file;
    file.imageHeightLines = { c.row };
    file.imageHeights = static_cast<int>(c.texts.size());
    const LensData lens = readText(joinLines(file.lines()));

    EXPECT_EQ(lens.ImageHeightCount, static_cast<int>(c.texts.size()));
    EXPECT_EQ(lens.ImageHeightValidCount[1], c.validCount);
    EXPECT_EQ(rowTexts(lens, 1, lens.ImageHeightCount), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Capping,
    ::testing::Values(CappingCase { "y 0 5 10 15 20 18", 5, { "0", "5", "10", "15", "18", "18" } },
                      CappingCase { "y 30 10 20", 1, { "20", "10", "20" } },
                      CappingCase { "y 0 5 10 15 20 21.6", 6, { "0", "5", "10", "15", "20", "21.6" } },
                      CappingCase { "y 0 5 10 15 20 15", 4, { "0", "5", "10", "15", "20", "15" } },
                      // Compared as numbers: "15.0" reaches 15, and takes the last text.
                      CappingCase { "y 0 5 10 15.0 20 15", 4, { "0", "5", "10", "15", "20", "15" } },
                      // Extra blanks stay in the text but not in the value.
                      CappingCase { "y  0 1E1  5", 2, { " 0", " 5", " 5" } }, CappingCase { "y 7", 1, { "7" } }));

TEST(ImageHeights, OneRowPerFNumberWithLayoutDigitAboveZero)
{
    TestFile file;
    file.head = "X12371"; // column 6 is 1
    file.fNumberLine = "k 2.8 4 5.6";
    file.imageHeightLines = { "y 0 5 10 15 20 15", "y 0 5 10 15 20 18", "y 0 5 10 15 20 21.6" };
    file.fNumbers = 3;
    file.imageHeights = 6;
    const LensData lens = readText(joinLines(file.lines()));

    EXPECT_EQ(lens.ImageHeightPerFNumber, 1);
    EXPECT_EQ(lens.imageHeightRowCount(), 3);
    EXPECT_EQ(lens.ImageHeightCount, 6);
    EXPECT_DOUBLE_EQ(lens.MaxImageHeight, 21.6);
    EXPECT_EQ(lens.ImageHeightValidCount[1], 4);
    EXPECT_EQ(lens.ImageHeightValidCount[2], 5);
    EXPECT_EQ(lens.ImageHeightValidCount[3], 6);
    EXPECT_EQ(rowTexts(lens, 2, 6), (std::vector<std::string> { "0", "5", "10", "15", "18", "18" }));
    // The blocks are found right after the three height lines.
    EXPECT_EQ(lens.tan(3, 2, 6, 2), TestFile::modulationValue(3, 2, 2, 6, 2));
}

TEST(ImageHeights, AnyLayoutDigitAboveZeroMeansOneRowPerFNumber)
{
    TestFile file;
    file.head = "X12329";
    file.imageHeightLines = { "y 0 10 20", "y 0 10 21.6" };
    EXPECT_DOUBLE_EQ(readText(joinLines(file.lines())).MaxImageHeight, 21.6);
}

TEST(ImageHeights, MaxImageHeightOfACommonRowIsItsLastValueEvenWhenCapped)
{
    TestFile file;
    file.imageHeightLines = { "y 0 10 8" };
    const LensData lens = readText(joinLines(file.lines()));
    EXPECT_DOUBLE_EQ(lens.MaxImageHeight, 8.0);
    EXPECT_EQ(lens.ImageHeightValidCount[1], 2);
}

// --- Head, title, wavelengths, weights ------------------------------------

struct TextLineCase
{
    std::string line;
    std::string expected;
};

void PrintTo(const TextLineCase& c, std::ostream* out)
{
    *out << '"' << c.line << '"';
}

class LensNameFromTitle : public ::testing::TestWithParam<TextLineCase>

{
};

TEST_P(LensNameFromTitle, RunsFromColumnFiveToTheThirdCharacterAfterTheSlash)
{
    TestFile file;
    file.title = GetParam().line;
    EXPECT_EQ(readText(joinLines(file.lines())).LensName, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Titles, LensNameFromTitle,
                         ::testing::Values(TextLineCase { "Obj:Testlinse 2.8/50 mm", "Testlinse 2.8/50 " },
                                           TextLineCase { "Obj:Testlinse ohne Schrägstrich", "" },
                                           TextLineCase { "Obj:A/B", "A/B" },       // cut at the line end
                                           TextLineCase { "Obj/Testlinse", "Tes" }, // "/" in column 4
                                           TextLineCase { "/Testlinse", "" },       // "/" in column 1
                                           TextLineCase { "Obj:", "" }, TextLineCase { "", "" },
                                           TextLineCase { "Obj:a/b/c/d", "a/b/c" })); // first "/" counts

class WavelengthFields : public ::testing::TestWithParam<TextLineCase>

{
};

TEST_P(WavelengthFields, TakesEveryCompleteFourColumnFieldAfterTheFirst)
{
    TestFile file;
    file.wavelengthLine = GetParam().line;
    EXPECT_EQ(readText(joinLines(file.lines())).WavelengthText, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, WavelengthFields,
                         ::testing::Values(TextLineCase { "WL   546 480 644", "    546    480    644" },
                                           // 15 characters: the last field is incomplete.
                                           TextLineCase { "WL   546 480 64", "    546    480" },
                                           TextLineCase { "WL", "" }, TextLineCase { "WL  ", "" },
                                           TextLineCase { "WL  0546x480", "   0546   x480" }));

class WeightText : public ::testing::TestWithParam<TextLineCase>

{
};

TEST_P(WeightText, IsTheLineFromColumnFive)
{
    TestFile file;
    file.weightLine = GetParam().line;
    EXPECT_EQ(readText(joinLines(file.lines())).WeightText, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, WeightText,
                         ::testing::Values(TextLineCase { "GEW 1.0 0.5 0.5", "1.0 0.5 0.5" },
                                           TextLineCase { "GEW  1.0   0.5 ", " 1.0   0.5 " },
                                           TextLineCase { "GEW", "" }, TextLineCase { "GEW ", "" }));

TEST(HeadLine, LayoutDigitIsColumnSixOfLineTwo)
{
    TestFile file;
    file.head = "12345" + std::string("0") + "999";
    EXPECT_EQ(readText(joinLines(file.lines())).ImageHeightPerFNumber, 0);
}

// --- Distances ------------------------------------------------------------

struct DistanceCase
{
    std::string text;
    bool first;
    std::string label;
};

void PrintTo(const DistanceCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"' << (c.first ? " (first entry)" : "");
}

class DistanceLabels : public ::testing::TestWithParam<DistanceCase>

{
};

TEST_P(DistanceLabels, RoundHalfToEven)
{
    EXPECT_EQ(DistanceLabel(GetParam().text, GetParam().first), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DistanceLabels,
    ::testing::Values(DistanceCase { "604.5", false, "604" }, DistanceCase { "605.5", false, "606" },
                      DistanceCase { "-550.4", false, "-550" }, DistanceCase { "-550.5", false, "-550" },
                      DistanceCase { "-551.5", false, "-552" }, DistanceCase { "-0.5", false, "0" },
                      DistanceCase { "0.5", false, "0" }, DistanceCase { "1.5", false, "2" },
                      DistanceCase { "604.51", false, "605" }, DistanceCase { "  604.5", false, "604" },
                      DistanceCase { "6.045E2", false, "604" }, DistanceCase { "+12.5", false, "12" },
                      DistanceCase { "-1E20", true, "unendlich" }, DistanceCase { "", false, "0" },
                      DistanceCase { "", true, "0" }, DistanceCase { "2147483647.4", false, "2147483647" },
                      // -2147483648.5 goes to the even neighbour, which still fits.
                      DistanceCase { "-2147483648.5", false, "-2147483648" }));

class DistanceLabelErrors : public ::testing::TestWithParam<DistanceCase>

{
};

TEST_P(DistanceLabelErrors, Throw)
{
    EXPECT_THROW(DistanceLabel(GetParam().text, GetParam().first), LineFormatError);
}

INSTANTIATE_TEST_SUITE_P(Texts, DistanceLabelErrors,
                         ::testing::Values(DistanceCase { "-1E20", false, "" }, DistanceCase { "-1e20", true, "" },
                                           DistanceCase { " -1E20", true, "" },
                                           DistanceCase { "2147483647.5", false, "" },
                                           DistanceCase { "-2147483649", false, "" }, DistanceCase { "6O4", false, "" },
                                           DistanceCase { "604,5", false, "" }, DistanceCase { "inf", false, "" },
                                           DistanceCase { "1E400", false, "" }));

TEST(Distances, ThirdValueOfEachAbbLineIsTheDistance)
{
    TestFile file;
    file.distanceLines = { "1 0 -1E20 -1E20 extra", "2 -0.1 -550 605.5" };
    const LensData lens = readText(joinLines(file.lines()));
    EXPECT_EQ(lens.DistanceText[1], "-1E20");
    EXPECT_EQ(lens.DistanceLabels[1], "unendlich");
    EXPECT_EQ(lens.DistanceLabels[2], "606");
}

TEST(Distances, ExtraBlanksHideTheInfinityMarker)
{
    TestFile file;
    file.distanceLines[0] = "1 0 -1E20  -1E20";
    const LoadError error = loadErrorOf(joinLines(file.lines()));
    EXPECT_EQ(error.line(), 21);
    EXPECT_THAT(error.message(), HasSubstr("„ -1E20“"));
}

TEST(Distances, AShortAbbLineReusesTheThirdValueOfAnEarlierLine)
{
    // The format has never checked the number of values on these lines: a
    // short one takes the third value the line splitter still holds.
    TestFile file;
    file.distanceLines = { "1 0 -700 700.4", "2 -0.1" };
    const LensData lens = readText(joinLines(file.lines()));
    EXPECT_EQ(lens.DistanceText[2], "700.4");
    EXPECT_EQ(lens.DistanceLabels[2], "700");
}

// --- Line ends and encoding ----------------------------------------------

TEST(LineEnds, CrLfGivesTheSameDataAsLf)
{
    const std::vector<std::string> lines = TestFile().lines();
    const LensData lf = readText(joinLines(lines, "\n"));
    const LensData crlf = readText(joinLines(lines, "\r\n"));
    EXPECT_EQ(crlf, lf);
    EXPECT_EQ(crlf.WeightText, "1.0 0.5 0.5");
    EXPECT_EQ(crlf.WavelengthText, "    546    480    644");
}

TEST(LineEnds, LastLineWithoutLineEndIsRead)
{
    std::string text = joinLines(TestFile().lines(), "\r\n");
    text.resize(text.size() - 2);
    EXPECT_EQ(readText(text).tan(2, 2, 3, 2), TestFile::modulationValue(2, 2, 2, 3, 2));
}

TEST(Encoding, Windows1252TitleIsDecodedAndColumnsCountBytes)
{
    TestFile file;
    file.title = "Obj:Pr\xFC"
                 "flinse 2.8/50 mm"; // ü is one byte, "/" stays in column 18
    file.weightLine = "GEW 1.0 \x80 0.5";
    const LensData lens = readText(joinLines(file.lines()));
    EXPECT_EQ(lens.LensName, "Prüflinse 2.8/50 ");
    EXPECT_EQ(lens.WeightText, "1.0 € 0.5");
}

TEST(Encoding, UmlautInTheFullSizeExample)
{
    const LensData lens = readLensFile(examplePath("vollformat-objektiv.mtf"), LensData());
    EXPECT_EQ(lens.LensName, "Lumivex Normal für KB 1.4/50 ");
}

// --- Repeated loads and failures -----------------------------------------

TEST(RepeatedLoads, EntriesBeyondTheNewCountsKeepTheEarlierFile)
{
    const LensData first = readLensFile(examplePath("vollformat-objektiv.mtf"), LensData());
    ASSERT_EQ(first.FNumberCount, 8);
    const LensData second = readLensFile(examplePath("beispiel-testlinse.mtf"), first);

    EXPECT_EQ(second.FNumberCount, 2);
    EXPECT_EQ(second.FNumberText[2], "5.6");
    for (int i = 3; i <= 8; ++i) {
        EXPECT_EQ(second.FNumberText[i], first.FNumberText[i]);
        EXPECT_EQ(second.FrequencyText[i], first.FrequencyText[i]);
    }
    EXPECT_EQ(second.FNumberText[8], "16");
    EXPECT_EQ(second.MagnificationText[9], "-1");
    EXPECT_EQ(second.ImageHeightText[1][6], "21.6");
    // The distance labels beyond the two magnifications go on showing the
    // first file's distances (2598.7 and 197.7 rounded).
    EXPECT_EQ(second.DistanceLabels[2], "604");
    EXPECT_EQ(second.DistanceLabels[3], first.DistanceLabels[3]);
    EXPECT_EQ(second.DistanceLabels[9], "198");
    EXPECT_EQ(second.sag(3, 5, 4, 7), first.sag(3, 5, 4, 7));
    EXPECT_EQ(second.sag(1, 1, 1, 1), 92);
}

TEST(RepeatedLoads, WavelengthTextIsRebuiltAndNotAppended)
{
    const LensData first = readLensFile(examplePath("vollformat-objektiv.mtf"), LensData());
    const LensData second = readLensFile(examplePath("beispiel-testlinse.mtf"), first);
    EXPECT_EQ(second.WavelengthText, "    546    480    644");
}

TEST(FailedLoad, LeavesTheDataSetUntouched)
{
    LensData lens = readLensFile(examplePath("vollformat-objektiv.mtf"), LensData());
    const LensData before = lens;
    std::vector<std::string> lines = TestFile().lines();
    lines.back() = "y3 83 300 "; // fails on the very last line
    EXPECT_THROW(lens = readText(joinLines(lines), lens), LoadError);
    EXPECT_EQ(lens, before);
}

TEST(FailedLoad, NeverLoadedStaysNotLoaded)
{
    LensData lens;
    std::vector<std::string> lines = TestFile().lines();
    lines.pop_back();
    EXPECT_THROW(lens = readText(joinLines(lines), lens), LoadError);
    EXPECT_EQ(lens.FileLoaded, 0);
    EXPECT_EQ(lens.FNumberCount, 0);
    EXPECT_EQ(lens, LensData());
}

TEST(FileOpen, MissingFileOrDirectoryIsAbbruchBeimDateilesen)
{
    const LensData current = readLensFile(examplePath("beispiel-testlinse.mtf"), LensData());
    for (const std::string& path :
         { examplePath("gibt-es-nicht.mtf"), std::string(LUMIVEX_SOURCE_DIR) + "/examples", std::string() }) {
        try {
            readLensFile(path, current);
            ADD_FAILURE() << path << " was read";
        } catch (const FileOpenError& error) {
            EXPECT_STREQ(error.what(), "Abbruch beim Dateilesen");
        }
    }
}

// --- Broken files: line and message --------------------------------------

struct BrokenCase
{
    const char* name;
    std::function<void(std::vector<std::string>&)> edit; // on the 0-based lines of the worked example
    int line;
    const char* fragment;
};

void PrintTo(const BrokenCase& c, std::ostream* out)
{
    *out << c.name;
}

class BrokenFile : public ::testing::TestWithParam<BrokenCase>

{
};

TEST_P(BrokenFile, FailsAtTheLineWithAMessageNamingTheProblem)
{
    std::vector<std::string> lines = TestFile().lines();
    GetParam().edit(lines);
    const LoadError error = loadErrorOf(joinLines(lines));
    EXPECT_EQ(error.line(), GetParam().line);
    EXPECT_THAT(error.message(), HasSubstr(GetParam().fragment));
    EXPECT_EQ(std::string(error.what()), "Zeile " + std::to_string(GetParam().line) + ": " + error.message());
}

auto setLine(int line, std::string text)
{
    return [line, text](std::vector<std::string>& lines) { lines[static_cast<std::size_t>(line - 1)] = text; };
}

auto keepLines(std::size_t count)
{
    return [count](std::vector<std::string>& lines) { lines.resize(count); };
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenFile,
    ::testing::Values(
        // Head line
        BrokenCase { "HeadTooShort", setLine(2, "X1232"), 2, "Spalte 6 der Kopfzeile „X1232“ enthält keine Ziffer" },
        BrokenCase { "HeadNoDigit", setLine(2, "X1232a"), 2, "„X1232a“" },
        // Files that end early
        BrokenCase { "Empty", keepLines(0), 1, "Unerwartetes Dateiende: gesucht wurde Zeile 1" },
        BrokenCase { "NoTitle", keepLines(4), 5, "Unerwartetes Dateiende: gesucht wurde die Titelzeile" },
        BrokenCase { "NoGauss", setLine(6, "[gauss]"), 51,
                     "Unerwartetes Dateiende: gesucht wurde die Markierung „[GAUSS]“" },
        BrokenCase { "InsideGaussLines", keepLines(9), 10, "Zeile 4 von 6 nach „[GAUSS]“" },
        BrokenCase { "NoParam", setLine(13, " [PARAM]"), 51, "„[PARAM]“" },
        BrokenCase { "NoFNumberLine", keepLines(13), 14, "die Zeile der Blendenzahlen" },
        BrokenCase { "NoWeightLine", keepLines(17), 18, "die Zeile der Gewichte" },
        BrokenCase { "NoAbb", setLine(20, "[ABB "), 51, "„[ABB]“" },
        BrokenCase { "NoSecondAbbLine", keepLines(21), 22, "die Abstandszeile des Abbildungsmaßstabs 2" },
        BrokenCase { "NoFirstBlock", keepLines(22), 23, "„[1/SAGMOD]“" },
        BrokenCase { "NoSeparator", keepLines(29), 30, "die Trennzeile vor den tangentialen Werten der Blende 1" },
        BrokenCase { "NoTangentialLine", keepLines(30), 31,
                     "die tangentiale Modulationszeile der Blende 1 für Abbildungsmaßstab 1, Bildhöhe 1" },
        BrokenCase { "NoSecondBlock", keepLines(36), 37, "„[2/SAGMOD]“" },
        BrokenCase { "MarkerCaseSensitive", setLine(37, "[2/sagmod]"), 51, "„[2/SAGMOD]“" },
        BrokenCase { "EndInSecondBlock", keepLines(40), 41,
                     "die sagittale Modulationszeile der Blende 2 für Abbildungsmaßstab 2, Bildhöhe 1" },
        BrokenCase { "LastLineMissing", keepLines(49), 50, "Bildhöhe 3" },
        // Lists over their limits or empty
        BrokenCase { "NineFNumbers", setLine(14, "k 1 2 3 4 5 6 7 8 9"), 14,
                     "Bereichsfehler: mehr als 8 Blendenzahlen, der 9. Wert ist „9“" },
        BrokenCase { "TenMagnifications", setLine(15, "m 1 2 3 4 5 6 7 8 9 10"), 15, "mehr als 9 Abbildungsmaßstäbe" },
        BrokenCase { "SevenImageHeights", setLine(16, "y 1 2 3 4 5 6 7"), 16, "mehr als 6 Bildhöhen" },
        BrokenCase { "NineFrequencies", setLine(19, "f 1 2 3 4 5 6 7 8 9"), 19, "mehr als 8 Ortsfrequenzen" },
        BrokenCase { "SixteenValues", setLine(19, "f 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"), 19,
                     "mehr als 15 Werte in der Zeile, der 16. Wert ist „16“" },
        BrokenCase { "NoFNumbers", setLine(14, "k"), 14, "Zeile der Blendenzahlen „k“ enthält keine Werte" },
        BrokenCase { "EmptyFrequencyLine", setLine(19, ""), 19, "enthält keine Werte" },
        // Malformed reals
        BrokenCase { "ImageHeightLetter", setLine(16, "y 0 1O 21.6"), 16, "Bildhöhe „1O“ ist keine Zahl" },
        BrokenCase { "ImageHeightComma", setLine(16, "y 0 10 21,6"), 16, "„21,6“" },
        BrokenCase { "DistanceNotANumber", setLine(22, "2 -0.1 -550 abc"), 22, "Abstand „abc“ ist keine Zahl" },
        BrokenCase { "DistanceTooLarge", setLine(22, "2 -0.1 -550 3E9"), 22, "„3E9“ passt gerundet nicht" },
        BrokenCase { "InfinityNotFirst", setLine(22, "2 -0.1 -550 -1E20"), 22, "nur beim ersten Abbildungsmaßstab" },
        BrokenCase { "InfinityOtherSpelling", setLine(21, "1 0 -1E20 -1.0E20"), 21, "„-1.0E20“" },
        // Modulation lines
        BrokenCase { "ModulationAbove255", setLine(24, "y1 300 85 "), 24,
                     "Modulationswert „300“ liegt außerhalb von 0..255" },
        BrokenCase { "ModulationNegative", setLine(27, "y1 90 -1 "), 27, "Modulationswert „-1“ liegt außerhalb" },
        BrokenCase { "ModulationHuge", setLine(45, "y1 99999999999999999999 1 "), 45, "außerhalb von 0..255" },
        BrokenCase { "NoTrailingBlank", setLine(25, "y2 88 78"), 25, "Modulationswert „88 7“ ist keine ganze Zahl" },
        BrokenCase { "TwoBlanksBetween", setLine(26, "y3 80  66 "), 26, "Modulationswert „80 “ ist keine ganze Zahl" },
        BrokenCase { "LabelAfterBlanks", setLine(24, "  y1 92 85 "), 24, "Modulationswert „y1“ ist keine ganze Zahl" },
        BrokenCase { "ModulationDecimal", setLine(31, "y1 9.5 85 "), 31, "„9.5“ ist keine ganze Zahl" },
        BrokenCase { "TooFewValues", setLine(24, "y1 92 "), 24, "„y1 92 “ enthält nur 1 von 2 Werten" },
        BrokenCase { "EmptyModulationLine", setLine(38, ""), 38, "enthält kein Leerzeichen vor einem Wert" },
        BrokenCase { "ElevenBoundaries", setLine(24, "y1 1 2 3 4 5 6 7 8 9 10 "), 24, "mehr als 10 Wertgrenzen" },
        BrokenCase { "LongModulationLine", setLine(24, "y1 92 85 " + std::string(250, 'x')), 24,
                     "259 Zeichen lang, erlaubt sind 255" }));

TEST(BrokenFile, UnequalImageHeightRowsAreRejected)
{
    TestFile file;
    file.head = "X12321";
    file.imageHeightLines = { "y 0 10 21.6", "y 0 21.6" };
    const LoadError error = loadErrorOf(joinLines(file.lines()));
    EXPECT_EQ(error.line(), 17);
    EXPECT_THAT(error.message(), HasSubstr("„y 0 21.6“ hat 2 Werte, die erste hat 3"));
}

TEST(BrokenFile, ModulationLineOfExactly255CharactersIsAccepted)
{
    std::vector<std::string> lines = TestFile().lines();
    lines[23] = std::string(248, 'x') + " 92 85 ";
    ASSERT_EQ(lines[23].size(), 255U);
    EXPECT_EQ(readText(joinLines(lines)).sag(1, 2, 1, 1), 85);
}

TEST(BrokenFile, TenBoundariesAreAccepted)
{
    // Nine values and the trailing blank: ten boundaries.
    std::vector<std::string> lines = TestFile().lines();
    lines[23] = "y1 1 2 3 4 5 6 7 8 9 ";
    EXPECT_EQ(readText(joinLines(lines)).sag(1, 2, 1, 1), 2);
}

// --- The other examples ---------------------------------------------------

TEST(Examples, FullSizeLensHasEveryDimensionAtItsLimit)
{
    const LensData lens = readLensFile(examplePath("vollformat-objektiv.mtf"), LensData());
    EXPECT_EQ(lens.FNumberCount, 8);
    EXPECT_EQ(lens.FrequencyCount, 8);
    EXPECT_EQ(lens.ImageHeightCount, 6);
    EXPECT_EQ(lens.MagnificationCount, 9);
    EXPECT_EQ(lens.DistanceText[1], "-1E20");
    EXPECT_EQ(lens.DistanceLabels[1], "unendlich");
    // Plausible data: percentages, equal orientations on the axis,
    // sagittal not below tangential off the axis, falling with frequency.
    for (int k = 1; k <= 8; ++k) {
        for (int m = 1; m <= 9; ++m) {
            for (int h = 1; h <= 6; ++h) {
                for (int q = 1; q <= 8; ++q) {
                    EXPECT_LE(lens.sag(k, q, h, m), 100);
                    if (h == 1) {
                        EXPECT_EQ(lens.sag(k, q, h, m), lens.tan(k, q, h, m));
                    } else {
                        EXPECT_GE(lens.sag(k, q, h, m), lens.tan(k, q, h, m));
                    }
                    if (q > 1) {
                        EXPECT_LE(lens.sag(k, q, h, m), lens.sag(k, q - 1, h, m));
                    }
                }
            }
        }
    }
    EXPECT_GT(lens.sag(1, 5, 1, 1), lens.tan(1, 5, 6, 1) + 20) << "the wide-open corner is visibly weaker";
}

TEST(Examples, RowPerFNumberExampleHasCappedRows)
{
    const LensData lens = readLensFile(examplePath("bildhoehe-je-blende.mtf"), LensData());
    EXPECT_GT(lens.ImageHeightPerFNumber, 0);
    EXPECT_EQ(lens.ImageHeightCount, 6);
    EXPECT_DOUBLE_EQ(lens.MaxImageHeight, 21.6);
    EXPECT_EQ(lens.ImageHeightValidCount[1], 4);
    EXPECT_EQ(rowTexts(lens, 1, 6), (std::vector<std::string> { "0", "5", "10", "15", "20", "15" }));
    EXPECT_EQ(lens.ImageHeightValidCount[2], 5);
    EXPECT_EQ(rowTexts(lens, 2, 6), (std::vector<std::string> { "0", "5", "10", "15", "18", "18" }));
    EXPECT_EQ(lens.ImageHeightValidCount[lens.FNumberCount], 6);
}

TEST(Examples, WorkedExampleFileEqualsTheBuiltOneInStructure)
{
    const LensData fromFile = readLensFile(examplePath("beispiel-testlinse.mtf"), LensData());
    const LensData built = readText(joinLines(TestFile().lines()));
    EXPECT_EQ(fromFile.DistanceLabels, built.DistanceLabels);
    EXPECT_EQ(fromFile.WavelengthText, built.WavelengthText);
    EXPECT_EQ(fromFile.ImageHeightText, built.ImageHeightText);
}

} // namespace
