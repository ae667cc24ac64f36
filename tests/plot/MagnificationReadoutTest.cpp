// SPDX-License-Identifier: MIT
#include "DrawnPlot.h"
#include "LensFileReader.h"
#include "PlotReadout.h"

#include <gtest/gtest.h>

namespace {

const LensData Full = readLensFile(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf", LensData {});

FrequencyFlags frequency(int q)
{
    FrequencyFlags flags;
    if (q > 0) {
        flags[q] = 1;
    }
    return flags;
}

// Nine magnifications at the positions 0 .. 8, 170 / 8 = 21.25 px apart:
// position p in column 40 + trunc(21.25 p). The distance of each support
// point is its own entry's, rounded to whole millimetres (438.5 to the
// even 438); the first is infinity, without a unit.
TEST(PlotReadout, EachSupportPointNamesItsOwnObjectDistance)
{
    DrawnPlot plot;
    clearDrawnPlot(plot, Abscissa::Magnification, axisTextsFor(Abscissa::Magnification));
    recordDraw(plot, Full, Abscissa::Magnification, { 0, 3, 1, 0 }, frequency(2));
    const std::pair<double, const char*> rows[] = {
        { 40, "ß′ 0, OO′ unendlich" },
        { 103, "ß′ -0.1, OO′ 603 mm" },
        { 125, "ß′ -0.15, OO′ 438 mm" },
        { 210, "ß′ -1, OO′ 198 mm" },
    };
    for (const auto& [column, abscissa] : rows) {
        EXPECT_EQ(readPlotAt(plot, column).abscissa.toStdString(), abscissa) << column;
    }
}

// A draw with no frequency checked leaves a pass without curves; the next
// draw from the same lens finds no curve whose axis it could share and
// makes its own.
TEST(PlotReadout, ADrawAfterAnEmptyOneOfTheSameLensReadsItsOwnAxis)
{
    DrawnPlot plot;
    clearDrawnPlot(plot, Abscissa::Magnification, axisTextsFor(Abscissa::Magnification));
    recordDraw(plot, Full, Abscissa::Magnification, { 0, 3, 1, 0 }, frequency(0));
    recordDraw(plot, Full, Abscissa::Magnification, { 0, 3, 1, 0 }, frequency(2));
    ASSERT_EQ(plot.curves.size(), 1U);
    EXPECT_EQ(readPlotAt(plot, 210).abscissa.toStdString(), "ß′ -1, OO′ 198 mm");
}

} // namespace
