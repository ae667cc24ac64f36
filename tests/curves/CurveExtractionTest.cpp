// SPDX-License-Identifier: MIT
#include "CurveExtraction.h"
#include "CurvePipeline.h"

#include <gtest/gtest.h>

#include <tuple>

#include <string>
#include <vector>

namespace {

// A value that tells every table position apart (1-based indices).
int sagPattern(int f, int q, int h, int m)
{
    return (f * 37 + q * 11 + h * 5 + m * 3) % 256;
}
int tanPattern(int f, int q, int h, int m)
{
    return 255 - sagPattern(f, q, h, m);
}

// The counts as given, every table entry filled with the patterns, one common
// image-height row with the given texts (as the reader leaves them) of which
// the first validCount are usable.
LensData patternLens(int fNumbers, int frequencies, int magnifications, const std::vector<std::string>& heights,
                     int validCount, double maxImageHeight)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = static_cast<int>(heights.size());
    lens.MagnificationCount = magnifications;
    for (int f = 1; f <= ModulationTable::FNumbers; ++f) {
        for (int q = 1; q <= ModulationTable::Frequencies; ++q) {
            for (int h = 1; h <= ModulationTable::ImageHeights; ++h) {
                for (int m = 1; m <= ModulationTable::Magnifications; ++m) {
                    lens.SagModulation.set(f - 1, q - 1, h - 1, m - 1,
                                           static_cast<std::uint8_t>(sagPattern(f, q, h, m)));
                    lens.TanModulation.set(f - 1, q - 1, h - 1, m - 1,
                                           static_cast<std::uint8_t>(tanPattern(f, q, h, m)));
                }
            }
        }
    }
    for (int j = 1; j <= lens.ImageHeightCount; ++j) {
        lens.ImageHeightText[1][j] = heights[static_cast<std::size_t>(j - 1)];
    }
    lens.ImageHeightValidCount[1] = validCount;
    lens.MaxImageHeight = maxImageHeight;
    lens.FileLoaded = 1;
    return lens;
}

// The curve has its points at xs, and point i carries the values of the
// selection `at` with its index `varying` set to indices[i].
void expectCurve(const ExtractedCurve& curve, CurveSelection at, int CurveSelection::*varying,
                 const std::vector<double>& xs, const std::vector<int>& indices)
{
    ASSERT_EQ(curve.CurvePointCount, static_cast<int>(xs.size()));
    for (int i = 1; i <= curve.CurvePointCount; ++i) {
        at.*varying = indices[static_cast<std::size_t>(i - 1)];
        EXPECT_DOUBLE_EQ(curve.KnotX[i], xs[static_cast<std::size_t>(i - 1)]) << "point " << i;
        const int f = at.FNumberIndex, q = at.FrequencyIndex, h = at.ImageHeightIndex, m = at.MagnificationIndex;
        EXPECT_EQ(curve.SagPointValues[i], sagPattern(f, q, h, m)) << "point " << i;
        EXPECT_EQ(curve.TanPointValues[i], tanPattern(f, q, h, m)) << "point " << i;
    }
}

TEST(CurveExtractionTest, PositionAbscissaeTakeOnePointPerListEntry)
{
    const auto lens = patternLens(5, 8, 9, { "0", "5", "10" }, 3, 10);
    // abscissa, selection (its own index is never read: 0), the index it varies, list length
    const std::tuple<Abscissa, CurveSelection, int CurveSelection::*, int> rows[] = {
        { Abscissa::FNumber, { 3, 0, 2, 2 }, &CurveSelection::FNumberIndex, 5 },
        { Abscissa::Frequency, { 0, 2, 3, 1 }, &CurveSelection::FrequencyIndex, 8 },
        { Abscissa::Magnification, { 2, 1, 3, 0 }, &CurveSelection::MagnificationIndex, 9 },
    };
    for (const auto& [abscissa, selection, varying, count] : rows) {
        std::vector<double> xs;
        std::vector<int> indices;
        for (int i = 1; i <= count; ++i) {
            xs.push_back(i - 1);
            indices.push_back(i);
        }
        const auto curve = extractCurve(lens, abscissa, selection);
        expectCurve(curve, selection, varying, xs, indices);
        EXPECT_EQ(curve.AbscissaFactor, 1.0);
    }
}

TEST(CurveExtractionTest, IndicesOutsideTheTablesAreRangeFaults)
{
    auto lens = patternLens(3, 3, 3, { "0", "5", "10" }, 3, 10);
    EXPECT_THROW(extractCurve(lens, Abscissa::FNumber, { 0, 1, 1, 1 }), RangeError);   // frequency 0
    EXPECT_THROW(extractCurve(lens, Abscissa::FNumber, { 1, 1, 7, 1 }), RangeError);   // image height 7
    EXPECT_THROW(extractCurve(lens, Abscissa::Frequency, { 1, 9, 1, 1 }), RangeError); // f-number 9
    EXPECT_THROW(extractCurve(lens, Abscissa::ImageHeight, { 1, 1, 1, 10 }), RangeError);
    lens.ImageHeightPerFNumber = 1;
    EXPECT_THROW(extractCurve(lens, Abscissa::ImageHeight, { 1, 0, 1, 1 }), RangeError); // no row 0
}

// Over image height: the second height mirrored at the axis, then the usable
// heights; the last usable one carries the values of the file's last column,
// where a capped row keeps the values measured at that height. columns lists
// the image-height index whose values each point carries.
void expectHeightCurve(const LensData& lens, CurveSelection selection, const std::vector<double>& xs,
                       const std::vector<int>& columns, double abscissaFactor)
{
    const auto curve = extractCurve(lens, Abscissa::ImageHeight, selection);
    expectCurve(curve, selection, &CurveSelection::ImageHeightIndex, xs, columns);
    EXPECT_DOUBLE_EQ(curve.AbscissaFactor, abscissaFactor);
}

TEST(CurveExtractionTest, ImageHeightCommonRow)
{
    // The f-number selects the values, not the row.
    const auto lens = patternLens(3, 2, 1, { "0", "4", "8", "12", "16", "21.6" }, 6, 21.6);
    expectHeightCurve(lens, { 2, 3, 0, 1 }, { -4, 0, 4, 8, 12, 16, 21.6 }, { 2, 1, 2, 3, 4, 5, 6 }, 1.0);

    // Read as 0 5 10 15 20 18: all six columns would repeat the abscissa 18,
    // and column FNumberCount (3) would hold the values of height 10.
    const auto capped = patternLens(3, 2, 1, { "0", "5", "10", "15", "18", "18" }, 5, 18);
    expectHeightCurve(capped, { 2, 1, 0, 1 }, { -5, 0, 5, 10, 15, 18 }, { 2, 1, 2, 3, 4, 6 }, 1.0);
}

TEST(CurveExtractionTest, ImageHeightRowPerFNumberEndsAtItsShareOfTheLargestHeight)
{
    auto lens = patternLens(2, 2, 1, { "0", "5", "10", "15", "15" }, 4, 21.6);
    lens.ImageHeightPerFNumber = 1;
    const std::vector<std::string> last { "0", "5", "10", "15", "21.6" };
    for (int j = 1; j <= 5; ++j) {
        lens.ImageHeightText[2][j] = last[static_cast<std::size_t>(j - 1)];
    }
    lens.ImageHeightValidCount[2] = 5;
    expectHeightCurve(lens, { 1, 1, 0, 1 }, { -5, 0, 5, 10, 15 }, { 2, 1, 2, 3, 5 }, 15 / 21.6);
    expectHeightCurve(lens, { 1, 2, 0, 1 }, { -5, 0, 5, 10, 15, 21.6 }, { 2, 1, 2, 3, 4, 5 }, 1.0);
}

TEST(CurveExtractionTest, ImageHeightRowsWithFewOrOddHeights)
{
    const CurveSelection s { 1, 1, 0, 1 };
    // Two heights: the second is the last usable one, so it and its mirror
    // carry the values of column 3.
    expectHeightCurve(patternLens(1, 1, 1, { "0", "10", "10" }, 2, 20), s, { -10, 0, 10 }, { 3, 1, 3 }, 0.5);
    // One usable height (read as 30 10 20): nothing to mirror, a single point.
    expectHeightCurve(patternLens(1, 1, 1, { "20", "10", "20" }, 1, 20), s, { 20 }, { 3 }, 1.0);
    // No usable height (nothing loaded): an empty curve.
    expectHeightCurve(patternLens(1, 1, 1, { "0", "10", "20" }, 0, 20), s, {}, {}, 1.0);
    expectHeightCurve(patternLens(1, 1, 1, { " 0", "2.5", "+5", "1E1", "1.26e1 " }, 5, 25.2), s,
                      { -2.5, 0, 2.5, 5, 10, 12.6 }, { 2, 1, 2, 3, 4, 5 }, 0.5);
    // The reader rejects a text that is not a number; should one get through
    // it reads as 0 (the spline check then reports the repeat), never NaN.
    expectHeightCurve(patternLens(1, 1, 1, { "0", "5", "x", "15" }, 4, 15), s, { -5, 0, 5, 0, 15 }, { 2, 1, 2, 3, 4 },
                      1.0);
    // No positive reference height: the curve spans the width.
    expectHeightCurve(patternLens(1, 1, 1, { "0", "5", "10" }, 3, 0), s, { -5, 0, 5, 10 }, { 2, 1, 2, 3 }, 1.0);
}

// --- Extraction through spline and sampling ------------------------------

std::vector<SplineWarning> compute(const ExtractedCurve& curve, Series series, SeriesCurve& result)
{
    std::vector<SplineWarning> warnings;
    result = computeSeries(curve, series, [&](SplineWarning w) { warnings.push_back(w); });
    return warnings;
}

TEST(CurvePipelineTest, EachSeriesGetsItsOwnValuesOnTheSameAbscissae)
{
    const auto lens = patternLens(4, 2, 1, { "0", "5", "10" }, 3, 10);
    const auto curve = extractCurve(lens, Abscissa::FNumber, { 2, 0, 3, 1 });
    SeriesCurve sag;
    SeriesCurve tan;
    EXPECT_TRUE(compute(curve, Series::Sagittal, sag).empty());
    EXPECT_TRUE(compute(curve, Series::Tangential, tan).empty());
    ASSERT_EQ(sag.spline.CurvePointCount, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(sag.spline.KnotX[i], i - 1.0);
        EXPECT_EQ(sag.spline.KnotY[i], sagPattern(i, 2, 3, 1)) << i;
        EXPECT_EQ(tan.spline.KnotY[i], tanPattern(i, 2, 3, 1)) << i;
        EXPECT_NEAR(evaluateSpline(tan.spline, i - 1.0).value, tanPattern(i, 2, 3, 1), 1e-9) << i;
    }
    EXPECT_EQ(sag.samples.CurveSampleX, tan.samples.CurveSampleX);
    EXPECT_EQ(sag.samples.ScaleX, tan.samples.ScaleX);
    EXPECT_TRUE(sag.samples.drawable && tan.samples.drawable);
}

// A repeated height warns once per series and draws only the markers.
TEST(CurvePipelineTest, RepeatedHeightWarnsForEachSeriesAndIsNotDrawn)
{
    const auto lens = patternLens(1, 1, 1, { "0", "5", "5", "10" }, 4, 10);
    const auto curve = extractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        SeriesCurve result;
        EXPECT_EQ(compute(curve, series, result),
                  (std::vector { SplineWarning::Singular, SplineWarning::NotMonotonic }));
        EXPECT_FALSE(result.samples.drawable);
        EXPECT_EQ(result.spline.CurvePointCount, 5); // the markers remain
    }
}

} // namespace
