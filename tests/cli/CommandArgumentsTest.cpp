// SPDX-License-Identifier: MIT
#include "CommandArguments.h"
#include "CommandOptions.h"
#include "FieldShape.h"
#include "FileExport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

using Arguments = std::vector<std::string>;

std::string parsed(const Arguments& arguments)
{
    const auto result = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&result)) {
        return "error: " + error->message;
    }
    const CommandArguments& a = std::get<CommandArguments>(result);
    const char* const modes[]
        = { "window", "help", "version", "dump", "export", "export-dir", "thumbnail", "figures", "map" };
    const char* const formats[] = { "png", "svg", "pdf", "csv" };
    const char* const abscissae[] = { "k", "lpmm", "y", "m" };
    const auto index = [](const std::optional<int>& i) { return i ? std::to_string(*i) : std::string("-"); };
    std::ostringstream text;
    text << modes[static_cast<int>(a.mode)];
    if (a.mode == CommandMode::Help || a.mode == CommandMode::Version) {
        return text.str();
    }
    if (a.mode == CommandMode::ExportDir) {
        text << " dir=" << a.exportDirectory << " jobs=" << a.jobs << " in=";
        for (const std::string& input : a.inputs) {
            text << input << ',';
        }
    }
    if (a.mode == CommandMode::Figures) {
        text << " jobs=" << a.jobs << " field=" << fieldShapeText(a.figures.field) << " p=" << a.figures.threshold
             << (a.allFNumbers ? " k=all" : "") << (a.allMagnifications ? " m=all" : "") << " in=";
        for (const std::string& input : a.inputs) {
            text << input << ',';
        }
    }
    text << " lens=" << a.lensFile << " out=" << a.outputFile << ' ' << formats[static_cast<int>(a.format)] << " x"
         << a.scale << (a.overlayAll ? " overlay" : "") << " | " << abscissae[static_cast<int>(a.selection.abscissa)]
         << " k=" << index(a.selection.fNumber) << " q=";
    for (const int q : a.selection.frequencies) {
        text << q << ',';
    }
    text << " y=" << index(a.selection.imageHeight) << " m=" << index(a.selection.magnification);
    if (a.probeAt) {
        text << " at=" << *a.probeAt;
    }
    return text.str();
}

TEST(ParseArguments, AcceptedCommandLines)
{
    const std::pair<Arguments, std::string> cases[] = {
        { { "linse.mtf" }, "window lens=linse.mtf out= png x1 | y k=- q= y=- m=-" },
        { { "--abscissa", "lpmm", "--dump", "a.mtf", "--f-number=3", "--frequencies", "5,1,3,1", "--image-height", "2",
            "--magnification", "9" },
          "dump lens=a.mtf out= png x1 | lpmm k=3 q=1,3,5, y=2 m=9" },
        { { "--dump", "a", "--abscissa", "y", "--at", "-0.05" },
          "dump lens=a out= png x1 | y k=- q= y=- m=- at=-0.05" },
        { { "--help" }, "help" },
        { { "--dump", "a", "-h" }, "help" },
        { { "--version" }, "version" },
        { { "--scale", "3", "--export", "bild.png", "--abscissa=k", "linse.mtf", "--overlay-all", "--frequencies",
            "2" },
          "export lens=linse.mtf out=bild.png png x3 overlay | k k=- q=2, y=- m=-" },
        { { "--export", "dir.x/a.PNG", "l", "--scale", "8" },
          "export lens=l out=dir.x/a.PNG png x8 | y k=- q= y=- m=-" },
        { { "--export", "a.svg", "l", "--abscissa", "m" }, "export lens=l out=a.svg svg x1 | m k=- q= y=- m=-" },
        // The overlay varies the f-number, over k the magnification.
        { { "--export", "a.png", "l", "--overlay-all", "--abscissa", "k", "--f-number", "1" },
          "export lens=l out=a.png png x1 overlay | k k=1 q= y=- m=-" },
        { { "--export", "a.csv", "l", "--overlay-all", "--magnification", "2" },
          "export lens=l out=a.csv csv x1 overlay | y k=- q= y=- m=2" },
        { { "--export-dir", "out", "--format", "PNG", "a.mtf", "-", "dir", "--scale", "2", "--jobs=3" },
          "export-dir dir=out jobs=3 in=a.mtf,-,dir, lens= out= png x2 | y k=- q= y=- m=-" },
        { { "--format=csv", "x", "--overlay-all", "--export-dir=o" },
          "export-dir dir=o jobs=0 in=x, lens= out= csv x1 overlay | y k=- q= y=- m=-" },
        { { "--figures", "a.mtf", "-", "d", "--f-number", "all", "--magnification=2", "--field", "3:2", "--threshold",
            "62.5", "--jobs", "2" },
          "figures jobs=2 field=3:2 p=62.5 k=all in=a.mtf,-,d, lens= out= png x1 | y k=- q= y=- m=2" },
        { { "--figures", "a", "--f-number", "all", "--f-number", "3", "--magnification", "all" },
          "figures jobs=0 field=circle p=50 m=all in=a, lens= out= png x1 | y k=3 q= y=- m=-" },
    };
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(parsed(arguments), expected);
    }
}

TEST(ParseArguments, UsageErrorsNameTheProblem)
{
    const std::pair<Arguments, std::string> cases[] = {
        { { "-x" }, "Unbekannte Option „-x“" },
        { { "--help=ja" }, "Unbekannte Option „--help=ja“" },
        { { "--dump", "a", "--dump", "b" }, "Option --dump ist mehrfach angegeben" },
        { { "--dump=" }, "Option --dump erwartet einen Dateinamen" },
        { { "--dump", "a", "--f-number" }, "Option --f-number erwartet einen Wert" },
        { { "--dump", "a", "--f-number", "2.5" }, "--f-number erwartet eine ganze Zahl ab 1, nicht „2.5“" },
        { { "--dump", "a", "--abscissa", "x" }, "--abscissa erwartet k, lpmm, y oder m, nicht „x“" },
        { { "--dump", "a", "--frequencies", "1," }, "--frequencies erwartet ganze Zahlen ab 1" },
        { { "--dump", "a", "b" }, "Unerwartetes Argument „b“" },
        { { "a.mtf", "b.mtf" }, "Unerwartetes Argument „b.mtf“" },
        { { "--image-height", "2", "a.mtf" }, "nur zusammen mit --dump, --export, --export-dir oder --map" },
        { { "a.mtf", "--compare", "b" },
          "Option --compare gilt nur zusammen mit --dump, --export, --export-dir oder --map" },
        { { "--export", "a.png" }, "--export erwartet nach „a.png“ die Linsendatei" },
        { { "--export", "a.png", "l", "m" }, "Unerwartetes Argument „m“" },
        { { "--export", "a.png", "" }, "Ein leeres Argument ist kein Dateiname" },
        { { "--thumbnail", "64", "a" }, "--thumbnail erwartet nach „64“ die Linsendatei und die PNG-Datei" },
        { { "--dump", "l", "--export", "a.png" }, "--dump und --export schließen einander aus" },
        { { "--overlay-all" }, "--overlay-all gilt nur zusammen mit --export" },
        { { "--scale", "2", "l" }, "--scale gilt nur zusammen mit --export" },
        { { "--export", "a.png", "l", "--overlay-all=ja" }, "--overlay-all erwartet keinen Wert" },
        { { "--export", "a.svg", "l", "--scale", "1" }, "--scale gilt nur für .png" },
        { { "--export", "a.png", "l", "--scale", "0" }, "--scale erwartet eine ganze Zahl von 1 bis 8" },
        { { "--export", "a.png", "l", "--scale", "9" }, "--scale erwartet eine ganze Zahl von 1 bis 8" },
        { { "--export", "a.png.txt", "l" }, "Unbekannte Endung bei „a.png.txt“" },
        { { "--export", "png", "l" }, "Unbekannte Endung" },
        { { "--export", "dir.png/a", "l" }, "Unbekannte Endung" },
        { { "--export", "bilder.x/.png", "l" }, "Unbekannte Endung" }, // a hidden file's name
        { { "--export", "a.pdf", "l", "--overlay-all" }, "--overlay-all gilt nicht für .pdf" },
        { { "--export", "a.png", "l", "--overlay-all", "--f-number", "1" }, "--f-number passt nicht" },
        { { "--export", "a.png", "l", "--overlay-all", "--abscissa", "k", "--magnification", "1" },
          "--magnification passt nicht" },
        { { "--export-dir", "o", "a" }, "--export-dir erwartet --format png, svg, pdf oder csv" },
        { { "--export-dir", "o", "--format", "png" }, "--export-dir erwartet Linsendateien, Verzeichnisse oder -" },
        { { "--export-dir=", "--format", "png", "a" }, "--export-dir erwartet ein Verzeichnis" },
        { { "--export-dir", "o", "--format", "jpg", "a" }, "--format erwartet png, svg, pdf oder csv, nicht „jpg“" },
        { { "--export-dir", "o", "--format", "png", "a", "--jobs", "0" },
          "--jobs erwartet eine ganze Zahl von 1 bis 256" },
        { { "--export-dir", "o", "--format", "png", "a", "--jobs", "257" },
          "--jobs erwartet eine ganze Zahl von 1 bis" },
        { { "--export-dir", "o", "--format", "png", "-", "a", "-" }, "„-“ (Namen auf stdin) ist mehrfach angegeben" },
        { { "--export-dir", "o", "--format", "svg", "a", "--scale", "2" }, "--scale gilt nur für .png" },
        { { "--export", "a.png", "--export-dir", "o" }, "--export und --export-dir schließen einander aus" },
        { { "--export", "a.png", "l", "--format", "png" }, "--format gilt nur zusammen mit --export-dir" },
        { { "--dump", "l", "--jobs", "2" }, "--jobs gilt nur zusammen mit --export-dir" },
        { { "--export", "a.png", "-" }, "„-“ (Namen auf stdin) gilt nur zusammen mit --export-dir oder --figures" },
        { { "--export", "a.png", "l", "--at", "5" }, "Option --at gilt nur zusammen mit --dump" },
        { { "--dump", "a", "--at", "1,5" }, "--at erwartet eine Zahl mit Dezimalpunkt, nicht „1,5“" },
        { { "--dump", "a", "--at", " 5" }, "--at erwartet eine Zahl mit Dezimalpunkt, nicht „ 5“" },
        { { "--figures", "a", "--field", "3:0" }, "--field erwartet circle oder W:H (etwa 3:2), nicht „3:0“" },
        { { "--figures", "a", "--threshold", "100" }, "--threshold erwartet eine Zahl über 0 und unter 100" },
        { { "--figures", "a", "--threshold", "0" }, "--threshold erwartet eine Zahl über 0 und unter 100" },
        { { "--figures", "a", "-", "-" }, "„-“ (Namen auf stdin) ist mehrfach angegeben" },
        { { "--figures", "--jobs", "1", "d" }, "--figures erwartet zuerst Linsendateien, Verzeichnisse oder -" },
        { { "--dump", "a", "--f-number", "all" }, "--f-number erwartet eine ganze Zahl ab 1, nicht „all“" },
        { { "--export", "a.png", "l", "--threshold", "50" }, "--threshold gilt nur zusammen mit --figures" },
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_THAT(parsed(arguments), AllOf(StartsWith("error: "), HasSubstr(message)));
    }
}

TEST(ParseBoundedNumber, WholeTextWithinTheBoundsOnly)
{
    const std::pair<std::string, std::optional<int>> integers[] = {
        { "1", 1 },
        { "8", 8 },
        { "0", std::nullopt },
        { "9", std::nullopt },
        { "+3", std::nullopt },
        { " 3", std::nullopt },
        { "3 ", std::nullopt },
        { "3.0", std::nullopt },
        { "", std::nullopt },
    };
    for (const auto& [text, expected] : integers) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseBoundedInt(text, 1, 8), expected);
    }
    EXPECT_EQ(parseBoundedInt("-2", -5, 5), -2);
    EXPECT_EQ(parseBoundedInt("4294967297", 1, 2147483647), std::nullopt); // does not wrap to 1

    const std::pair<std::string, std::optional<double>> reals[] = {
        { "0.5", 0.5 },          { "-1", -1.0 },          { "2", 2.0 },
        { "1e-1", 0.1 },         { "2.5", std::nullopt }, { "-1.5", std::nullopt },
        { "1,5", std::nullopt }, { " 1", std::nullopt },  { "1 ", std::nullopt },
        { "inf", std::nullopt }, { "", std::nullopt },
    };
    for (const auto& [text, expected] : reals) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseBoundedDouble(text, -1.0, 2.0), expected);
    }
}

std::string resolved(const SelectionOptions& options, int fNumbers, int frequencies, int heights, int magnifications)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = heights;
    lens.MagnificationCount = magnifications;
    const auto result = resolveSelection(options, lens);
    if (const UsageError* error = std::get_if<UsageError>(&result)) {
        return error->message;
    }
    const ResolvedSelection& s = std::get<ResolvedSelection>(result);
    std::ostringstream text;
    text << static_cast<int>(s.abscissa) << " k=" << s.fixed.FNumberIndex << " y=" << s.fixed.ImageHeightIndex
         << " m=" << s.fixed.MagnificationIndex << " q=";
    for (const int q : s.frequencies) {
        text << q << ',';
    }
    return text.str();
}

TEST(ResolveSelection, DefaultsAndTheFilesCountsAsUpperBounds)
{
    EXPECT_EQ(resolved({}, 2, 2, 3, 2), "2 k=1 y=1 m=1 q=2,"); // the window's start selection
    EXPECT_EQ(resolved({}, 1, 1, 1, 1), "2 k=1 y=1 m=1 q=1,");
    const SelectionOptions atCounts { Abscissa::FNumber, 3, { 1, 4 }, 5, 6 };
    EXPECT_EQ(resolved(atCounts, 3, 4, 5, 6), "0 k=3 y=5 m=6 q=1,4,");
    EXPECT_EQ(resolved(atCounts, 2, 4, 5, 6),
              "Option --f-number: 3 liegt außerhalb von 1..2 (Blendenzahlen der Datei)");
    EXPECT_EQ(resolved(atCounts, 3, 3, 5, 6),
              "Option --frequencies: 4 liegt außerhalb von 1..3 (Ortsfrequenzen der Datei)");
    EXPECT_EQ(resolved(atCounts, 3, 4, 4, 6),
              "Option --image-height: 5 liegt außerhalb von 1..4 (Bildhöhen der Datei)");
    EXPECT_EQ(resolved(atCounts, 3, 4, 5, 5),
              "Option --magnification: 6 liegt außerhalb von 1..5 (Abbildungsmaßstäbe der Datei)");
}

} // namespace
