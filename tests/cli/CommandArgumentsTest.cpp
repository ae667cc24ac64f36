#include "CommandArguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

CommandArguments parsed(const std::vector<std::string>& arguments)
{
    const auto result = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<CommandArguments>(result);
}

std::string usageError(const std::vector<std::string>& arguments)
{
    const auto result = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&result)) {
        return error->message;
    }
    ADD_FAILURE() << "accepted";
    return {};
}

LensData lensWithCounts(int fNumbers, int frequencies, int heights, int magnifications)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = heights;
    lens.MagnificationCount = magnifications;
    return lens;
}

TEST(ParseArguments, NothingOrOneFileStartsTheWindow)
{
    EXPECT_EQ(parsed({}).mode, CommandMode::Window);
    const CommandArguments withFile = parsed({ "linse.mtf" });
    EXPECT_EQ(withFile.mode, CommandMode::Window);
    EXPECT_EQ(withFile.lensFile, "linse.mtf");
}

TEST(ParseArguments, DumpWithEverySelectionOption)
{
    const CommandArguments arguments
        = parsed({ "--abscissa", "lpmm", "--dump", "a.mtf", "--f-number=3", "--frequencies", "5,1,3,1",
                   "--image-height", "2", "--magnification", "9" });
    EXPECT_EQ(arguments.mode, CommandMode::Dump);
    EXPECT_EQ(arguments.lensFile, "a.mtf");
    EXPECT_EQ(arguments.selection.abscissa, Abscissa::Frequency);
    EXPECT_EQ(arguments.selection.fNumber, 3);
    EXPECT_EQ(arguments.selection.frequencies, (std::vector<int> { 1, 3, 5 }));
    EXPECT_EQ(arguments.selection.imageHeight, 2);
    EXPECT_EQ(arguments.selection.magnification, 9);
}

TEST(ParseArguments, AbscissaNames)
{
    EXPECT_EQ(parsed({ "--dump", "a", "--abscissa", "k" }).selection.abscissa, Abscissa::FNumber);
    EXPECT_EQ(parsed({ "--dump", "a", "--abscissa", "y" }).selection.abscissa, Abscissa::ImageHeight);
    EXPECT_EQ(parsed({ "--dump", "a", "--abscissa", "m" }).selection.abscissa, Abscissa::Magnification);
    EXPECT_EQ(parsed({ "--dump", "a" }).selection.abscissa, Abscissa::ImageHeight);
}

TEST(ParseArguments, HelpAndVersion)
{
    EXPECT_EQ(parsed({ "--help" }).mode, CommandMode::Help);
    EXPECT_EQ(parsed({ "--dump", "a", "-h" }).mode, CommandMode::Help);
    EXPECT_EQ(parsed({ "--version" }).mode, CommandMode::Version);
}

TEST(ParseArguments, UsageErrors)
{
    EXPECT_THAT(usageError({ "--dump", "a", "--dump", "b" }), HasSubstr("mehrfach"));
    EXPECT_THAT(usageError({ "--dump=" }), HasSubstr("Dateinamen"));
    EXPECT_THAT(usageError({ "--dump", "a", "--f-number" }), HasSubstr("--f-number erwartet einen Wert"));
    EXPECT_THAT(usageError({ "--dump", "a", "--f-number", "2.5" }), HasSubstr("„2.5“"));
    EXPECT_THAT(usageError({ "--dump", "a", "--magnification", "-1" }), HasSubstr("ab 1"));
    EXPECT_THAT(usageError({ "--dump", "a", "--frequencies", "1," }), HasSubstr("--frequencies"));
    EXPECT_THAT(usageError({ "--dump", "a", "--frequencies", "99999999999" }), HasSubstr("--frequencies"));
    EXPECT_THAT(usageError({ "-x" }), HasSubstr("Unbekannte Option „-x“"));
    EXPECT_THAT(usageError({ "--dump", "a", "b" }), HasSubstr("„b“"));
    EXPECT_THAT(usageError({ "--image-height", "2", "a.mtf" }), HasSubstr("nur zusammen mit --dump"));
    EXPECT_THAT(usageError({ "a.mtf", "b.mtf" }), HasSubstr("„b.mtf“"));
}

TEST(ParseArguments, ExportTakesOutFileAndOptionsInAnyOrder)
{
    const CommandArguments arguments = parsed(
        { "--scale", "3", "--export", "bild.png", "--abscissa=k", "linse.mtf", "--overlay-all", "--frequencies", "2" });
    EXPECT_EQ(arguments.mode, CommandMode::Export);
    EXPECT_EQ(arguments.outputFile, "bild.png");
    EXPECT_EQ(arguments.lensFile, "linse.mtf");
    EXPECT_EQ(arguments.format, ExportFormat::Png);
    EXPECT_EQ(arguments.scale, 3);
    EXPECT_TRUE(arguments.overlayAll);
    EXPECT_EQ(arguments.selection.abscissa, Abscissa::FNumber);

    const CommandArguments plain = parsed({ "--export=out.csv", "a.mtf" });
    EXPECT_EQ(plain.scale, 1);
    EXPECT_FALSE(plain.overlayAll);
}

TEST(ParseArguments, ExportFormatFollowsTheEndingWhateverItsCase)
{
    const std::pair<const char*, ExportFormat> cases[] = {
        { "a.png", ExportFormat::Png }, { "dir.x/a.PNG", ExportFormat::Png }, { "a.svg", ExportFormat::Svg },
        { "a.Pdf", ExportFormat::Pdf }, { "a.csv", ExportFormat::Csv },       { "a.b.CSV", ExportFormat::Csv },
    };
    for (const auto& [name, format] : cases) {
        EXPECT_EQ(parsed({ "--export", name, "l.mtf" }).format, format) << name;
    }
    for (const char* name : { "a.png.txt", "png", "dir.png/a", "a." }) {
        EXPECT_THAT(usageError({ "--export", name, "l.mtf" }), HasSubstr("Unbekannte Endung")) << name;
    }
}

TEST(ParseArguments, ScaleBoundsAndOverlayConflicts)
{
    EXPECT_EQ(parsed({ "--export", "a.png", "l", "--scale", "1" }).scale, 1);
    EXPECT_EQ(parsed({ "--export", "a.png", "l", "--scale", "8" }).scale, 8);
    for (const char* scale : { "0", "9", "-1", "2.0", "" }) {
        EXPECT_THAT(usageError({ "--export", "a.png", "l", "--scale", scale }), HasSubstr("1 bis 8")) << scale;
    }
    // The overlay varies the f-number, over k the magnification.
    EXPECT_THAT(usageError({ "--export", "a.png", "l", "--overlay-all", "--f-number", "1" }), HasSubstr("--f-number"));
    EXPECT_TRUE(parsed({ "--export", "a.png", "l", "--overlay-all", "--abscissa", "k", "--f-number", "1" }).overlayAll);
    EXPECT_THAT(usageError({ "--export", "a.png", "l", "--overlay-all", "--abscissa", "k", "--magnification", "1" }),
                HasSubstr("--magnification"));
    EXPECT_TRUE(parsed({ "--export", "a.csv", "l", "--overlay-all", "--magnification", "2" }).overlayAll);
    EXPECT_THAT(usageError({ "--export", "a.pdf", "l", "--overlay-all" }), HasSubstr(".pdf"));
}

TEST(ParseArguments, ExportUsageErrors)
{
    EXPECT_THAT(usageError({ "--export" }), HasSubstr("--export erwartet einen Wert"));
    EXPECT_THAT(usageError({ "--export", "a.png" }), HasSubstr("Linsendatei"));
    EXPECT_THAT(usageError({ "--overlay-all" }), HasSubstr("--overlay-all gilt nur zusammen mit --export"));
    EXPECT_THAT(usageError({ "--export", "a.png", "l", "--overlay-all=ja" }), HasSubstr("keinen Wert"));
    EXPECT_THAT(usageError({ "--export=", "l" }), HasSubstr("Dateinamen"));
    EXPECT_THAT(usageError({ "--export", "a.png", "l", "m" }), HasSubstr("„m“"));
    EXPECT_THAT(usageError({ "--export", "a.png", "l", "--export", "b.png" }), HasSubstr("--export ist mehrfach"));
    EXPECT_THAT(usageError({ "--dump", "l", "--export", "a.png" }), HasSubstr("schließen einander aus"));
    EXPECT_THAT(usageError({ "--dump", "l", "--overlay-all" }), HasSubstr("nur zusammen mit --export"));
    EXPECT_THAT(usageError({ "--scale", "2", "l" }), HasSubstr("nur zusammen mit --export"));
    EXPECT_THAT(usageError({ "--export", "a.svg", "l", "--scale", "1" }), HasSubstr("nur für .png"));
}

TEST(ResolveSelection, DefaultsAreTheWindowsStartSelection)
{
    const auto resolved = resolveSelection(SelectionOptions(), lensWithCounts(2, 2, 3, 2));
    ASSERT_TRUE(std::holds_alternative<ResolvedSelection>(resolved));
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);
    EXPECT_EQ(selection.abscissa, Abscissa::ImageHeight);
    EXPECT_EQ(selection.fixed.FNumberIndex, 1);
    EXPECT_EQ(selection.fixed.ImageHeightIndex, 1);
    EXPECT_EQ(selection.fixed.MagnificationIndex, 1);
    EXPECT_EQ(selection.frequencies, std::vector<int> { 2 });
}

TEST(ResolveSelection, SingleFrequencyFileDefaultsToIt)
{
    const auto resolved = resolveSelection(SelectionOptions(), lensWithCounts(1, 1, 1, 1));
    ASSERT_TRUE(std::holds_alternative<ResolvedSelection>(resolved));
    EXPECT_EQ(std::get<ResolvedSelection>(resolved).frequencies, std::vector<int> { 1 });
}

TEST(ResolveSelection, IndicesAtTheCountsAreValidAndOneAboveIsNot)
{
    const LensData lens = lensWithCounts(3, 4, 5, 6);
    SelectionOptions options;
    options.fNumber = 3;
    options.frequencies = { 1, 4 };
    options.imageHeight = 5;
    options.magnification = 6;
    EXPECT_TRUE(std::holds_alternative<ResolvedSelection>(resolveSelection(options, lens)));

    const auto messageFor = [&lens](SelectionOptions changed) {
        const auto resolved = resolveSelection(changed, lens);
        return std::holds_alternative<UsageError>(resolved) ? std::get<UsageError>(resolved).message : std::string();
    };
    SelectionOptions tooHigh = options;
    tooHigh.fNumber = 4;
    EXPECT_THAT(messageFor(tooHigh), HasSubstr("--f-number: 4 liegt außerhalb von 1..3"));
    tooHigh = options;
    tooHigh.frequencies = { 2, 5 };
    EXPECT_THAT(messageFor(tooHigh), HasSubstr("--frequencies: 5 liegt außerhalb von 1..4"));
    tooHigh = options;
    tooHigh.imageHeight = 6;
    EXPECT_THAT(messageFor(tooHigh), HasSubstr("--image-height: 6 liegt außerhalb von 1..5"));
    tooHigh = options;
    tooHigh.magnification = 7;
    EXPECT_THAT(messageFor(tooHigh), HasSubstr("--magnification: 7 liegt außerhalb von 1..6"));
}

} // namespace
