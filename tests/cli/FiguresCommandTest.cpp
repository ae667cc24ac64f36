// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string Small = examplePath("beispiel-testlinse.mtf");
const std::string Header = "file;lens;figure;f_number;magnification;frequency_lpmm;image_height_mm;sag;tan\n";

// The rows of the worked example at magnification 0 with --threshold 80.
// The field means were taken outside the project (python): the natural
// spline through (−10, v₁₀), (0, v₀), (10, v₁₀), (21.6, v₂₁.₆) integrated
// with 2πr over 0..21.6 by 40-point Gauss–Legendre, divided by π·21.6².
// The thresholds by hand, e.g. 2.8 T at 10 mm: 85, 72 % → 10 + 10·5/13.
std::string smallRows(const std::string& file)
{
    const std::string start = file + ";Testlinse 2.8/50;";
    return start + "field_mean;2.8;0;10;21.6;84.9252;79.2423\n" + start + "field_mean;2.8;0;20;21.6;73.3728;64.268\n"
        + start + "field_mean;5.6;0;10;21.6;91.4626;88.6789\n" + start + "field_mean;5.6;0;20;21.6;84.3171;79.7647\n"
        + start + "mtf80;2.8;0;;0;>20;>20\n" + start + "mtf80;2.8;0;;10;18;13.8462\n" + start
        + "mtf80;2.8;0;;21.6;10;<10\n" + start + "mtf80;5.6;0;;0;>20;>20\n" + start + "mtf80;5.6;0;;10;>20;>20\n"
        + start + "mtf80;5.6;0;;21.6;20;14.1667\n";
}

} // namespace

TEST(FiguresCommand, RowsOfEveryFNumberInOrderAndAMalformedFileSkipped)
{
    const TemporaryDirectory directory;
    const std::string malformed = directory.write("falsch.mtf", workedExampleWithLine(24, "y1 92 300 "));
    const ProgramRun run = runLumivex({ "--figures", Small, malformed, "-", "--threshold", "80" }, Small + "\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, Header + smallRows(Small) + smallRows(Small));
    EXPECT_EQ(run.err, malformed + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n");

    const ProgramRun wrong = runLumivex({ "--figures", Small, "--field", "3:" });
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_THAT(wrong.err, ::testing::StartsWith("lumivex: Option --field erwartet circle oder W:H"));
}

TEST(FiguresCommand, OneThreadAndFourWriteTheSameBytes)
{
    const TemporaryDirectory directory;
    const std::string catalogue = directory.file("katalog");
    fs::create_directories(catalogue);
    for (const char* name : { "a", "b", "c", "d", "e", "f", "g", "h" }) {
        fs::copy_file(examplePath(name[0] < 'e' ? "vollformat-objektiv.mtf" : "bildhoehe-je-blende.mtf"),
                      catalogue + "/" + name + ".mtf");
    }
    const std::vector<std::string> options { "--figures", catalogue, "--magnification", "all", "--field", "3:2" };
    const ProgramRun one = runLumivex(joined(options, { "--jobs", "1" }));
    const ProgramRun four = runLumivex(joined(options, { "--jobs", "4" }));
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(four.exitCode, 0) << four.err;
    // Full size: 8 f-numbers × 9 magnifications × (8 frequencies + 6
    // heights). Per f-number rows: 3 magnifications × (4 f-numbers × 3
    // frequencies + the usable heights 4, 5, 6, 6).
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 1 + 4 * 8 * 9 * (8 + 6) + 4 * 3 * (12 + 21));
    EXPECT_EQ(one.out, four.out);
}
