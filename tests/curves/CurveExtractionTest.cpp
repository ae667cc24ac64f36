// SPDX-License-Identifier: MIT
#include "CurveExtraction.h"
#include "CurvePipeline.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A value that tells every table position apart (1-based indices).
int sagPattern(int f, int q, int h, int m)
{
    return (f * 37 + q * 11 + h * 5 + m * 3) % 256;
}

// One image-height row of the given texts, of which the first validCount are usable.
LensData patternLens(int fNumbers, int frequencies, const std::vector<std::string>& heights, int validCount,
                     double maxImageHeight)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = static_cast<int>(heights.size());
    lens.MagnificationCount = 9;
    for (int f = 1; f <= 8; ++f) {
        for (int q = 1; q <= 8; ++q) {
            for (int h = 1; h <= 6; ++h) {
                for (int m = 1; m <= 9; ++m) {
                    const auto value = static_cast<std::uint8_t>(sagPattern(f, q, h, m));
                    lens.SagModulation.set(f - 1, q - 1, h - 1, m - 1, value);
                    lens.TanModulation.set(f - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(255 - value));
                }
            }
        }
    }
    for (int j = 1; j <= lens.ImageHeightCount; ++j) {
        lens.ImageHeightText[1][j] = heights[static_cast<std::size_t>(j - 1)];
    }
    lens.ImageHeightValidCount[1] = validCount;
    lens.MaxImageHeight = maxImageHeight;
    return lens;
}

// The curve has its points at xs, and point i carries the values of the
// selection `at` with its index `varying` set to indices[i] (to i if none).
void expectCurve(const ExtractedCurve& curve, CurveSelection at, int CurveSelection::*varying,
                 const std::vector<double>& xs, const std::vector<int>& indices = {})
{
    ASSERT_EQ(curve.CurvePointCount, static_cast<int>(xs.size()));
    for (int i = 1; i <= curve.CurvePointCount; ++i) {
        at.*varying = indices.empty() ? i : indices[static_cast<std::size_t>(i - 1)];
        const int value = sagPattern(at.FNumberIndex, at.FrequencyIndex, at.ImageHeightIndex, at.MagnificationIndex);
        EXPECT_DOUBLE_EQ(curve.KnotX[i], xs[static_cast<std::size_t>(i - 1)]) << "point " << i;
        EXPECT_EQ(curve.SagPointValues[i], value) << "point " << i;
        EXPECT_EQ(curve.TanPointValues[i], 255 - value) << "point " << i;
    }
}

TEST(CurveExtractionTest, PositionAbscissaeTakeOnePointPerListEntryAndCheckTheirIndices)
{
    const auto lens = patternLens(5, 8, { "0", "5", "10" }, 3, 10);
    // abscissa, selection (its own index is never read: 0), the index it varies
    const std::tuple<Abscissa, CurveSelection, int CurveSelection::*, std::vector<double>> rows[] = {
        { Abscissa::FNumber, { 3, 0, 2, 2 }, &CurveSelection::FNumberIndex, { 0, 1, 2, 3, 4 } },
        { Abscissa::Frequency, { 0, 2, 3, 1 }, &CurveSelection::FrequencyIndex, { 0, 1, 2, 3, 4, 5, 6, 7 } },
        { Abscissa::Magnification, { 2, 1, 3, 0 }, &CurveSelection::MagnificationIndex, { 0, 1, 2, 3, 4, 5, 6, 7, 8 } },
    };
    for (const auto& [abscissa, selection, varying, xs] : rows) {
        SCOPED_TRACE(static_cast<int>(abscissa));
        const auto curve = extractCurve(lens, abscissa, selection);
        expectCurve(curve, selection, varying, xs);
        EXPECT_EQ(curve.AbscissaFactor, 1.0);
    }
    auto small = patternLens(3, 3, { "0", "5", "10" }, 3, 10);
    small.MagnificationCount = 3;
    EXPECT_THROW(extractCurve(small, Abscissa::FNumber, { 0, 1, 1, 1 }), RangeError);   // frequency 0
    EXPECT_THROW(extractCurve(small, Abscissa::FNumber, { 1, 1, 7, 1 }), RangeError);   // image height 7
    EXPECT_THROW(extractCurve(small, Abscissa::Frequency, { 1, 9, 1, 1 }), RangeError); // f-number 9
    EXPECT_THROW(extractCurve(small, Abscissa::ImageHeight, { 1, 1, 1, 10 }), RangeError);
    small.ImageHeightPerFNumber = 1;
    EXPECT_THROW(extractCurve(small, Abscissa::ImageHeight, { 1, 0, 1, 1 }), RangeError); // no row 0
}

// The last usable height carries the file's last column, where a capped row keeps the values
// measured at that height; the selection's f-number selects the values, not the row.
TEST(CurveExtractionTest, ImageHeightCurves)
{
    // clang-format off
    const std::tuple<std::vector<std::string>, int, double, CurveSelection, std::vector<double>, std::vector<int>,
                     double> rows[] = {
        { { "0", "4", "8", "12", "16", "21.6" }, 6, 21.6, { 2, 3, 0, 1 }, { -4, 0, 4, 8, 12, 16, 21.6 },
          { 2, 1, 2, 3, 4, 5, 6 }, 1 },
        // Read as 0 5 10 15 20 18: all six columns would repeat the abscissa 18.
        { { "0", "5", "10", "15", "18", "18" }, 5, 18, { 2, 1, 0, 1 }, { -5, 0, 5, 10, 15, 18 },
          { 2, 1, 2, 3, 4, 6 }, 1 },
        // Two heights: the second is the last usable one, so it and its mirror carry the values of column 3.
        { { "0", "10", "10" }, 2, 20, { 1, 1, 0, 1 }, { -10, 0, 10 }, { 3, 1, 3 }, 0.5 },
        // One usable height (read as 30 10 20): nothing to mirror; none: empty.
        { { "20", "10", "20" }, 1, 20, { 1, 1, 0, 1 }, { 20 }, { 3 }, 1 },
        { { "0", "10", "20" }, 0, 20, { 1, 1, 0, 1 }, {}, {}, 1 },
        { { " 0", "2.5", "+5", "1E1", "1.26e1 " }, 5, 25.2, { 1, 1, 0, 1 }, { -2.5, 0, 2.5, 5, 10, 12.6 },
          { 2, 1, 2, 3, 4, 5 }, 0.5 },
        // A text that is no number (the reader rejects it) reads as 0, never NaN.
        { { "0", "5", "x", "15" }, 4, 15, { 1, 1, 0, 1 }, { -5, 0, 5, 0, 15 }, { 2, 1, 2, 3, 4 }, 1 },
        // No positive reference height: the curve spans the width.
        { { "0", "5", "10" }, 3, 0, { 1, 1, 0, 1 }, { -5, 0, 5, 10 }, { 2, 1, 2, 3 }, 1 },
    };
    // clang-format on
    for (const auto& [heights, valid, maxHeight, selection, xs, columns, factor] : rows) {
        SCOPED_TRACE(heights.back());
        const auto curve = extractCurve(patternLens(3, 2, heights, valid, maxHeight), Abscissa::ImageHeight, selection);
        expectCurve(curve, selection, &CurveSelection::ImageHeightIndex, xs, columns);
        EXPECT_DOUBLE_EQ(curve.AbscissaFactor, factor);
    }
    // One row per f-number: a row ends at its share of the largest height.
    auto lens = patternLens(2, 2, { "0", "5", "10", "15", "15" }, 4, 21.6);
    lens.ImageHeightPerFNumber = 1;
    int j = 0;
    for (const char* text : { "0", "5", "10", "15", "21.6" }) {
        lens.ImageHeightText[2][++j] = text;
    }
    lens.ImageHeightValidCount[2] = 5;
    const auto first = extractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    expectCurve(first, { 1, 1, 0, 1 }, &CurveSelection::ImageHeightIndex, { -5, 0, 5, 10, 15 }, { 2, 1, 2, 3, 5 });
    EXPECT_DOUBLE_EQ(first.AbscissaFactor, 15 / 21.6);
    const auto second = extractCurve(lens, Abscissa::ImageHeight, { 1, 2, 0, 1 });
    expectCurve(second, { 1, 2, 0, 1 }, &CurveSelection::ImageHeightIndex, { -5, 0, 5, 10, 15, 21.6 },
                { 2, 1, 2, 3, 4, 5 });
    EXPECT_DOUBLE_EQ(second.AbscissaFactor, 1.0);
}

TEST(CurvePipelineTest, EachSeriesItsOwnValuesAndItsOwnWarnings)
{
    const auto curve = extractCurve(patternLens(4, 2, { "0", "5", "10" }, 3, 10), Abscissa::FNumber, { 2, 0, 3, 1 });
    const SeriesCurve sag = computeSeries(curve, Series::Sagittal, [](SplineWarning) { ADD_FAILURE(); });
    const SeriesCurve tan = computeSeries(curve, Series::Tangential, [](SplineWarning) { ADD_FAILURE(); });
    ASSERT_EQ(sag.spline.CurvePointCount, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(sag.spline.KnotX[i], i - 1.0);
        EXPECT_EQ(sag.spline.KnotY[i], sagPattern(i, 2, 3, 1)) << i;
        EXPECT_NEAR(evaluateSpline(tan.spline, i - 1.0).value, 255 - sagPattern(i, 2, 3, 1), 1e-9) << i;
    }
    EXPECT_EQ(sag.samples.CurveSampleX, tan.samples.CurveSampleX);
    EXPECT_TRUE(sag.samples.drawable && tan.samples.drawable);
    const auto repeated
        = extractCurve(patternLens(1, 1, { "0", "5", "5", "10" }, 4, 10), Abscissa::ImageHeight, { 1, 1, 0, 1 });
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        std::vector<SplineWarning> warnings;
        const SeriesCurve result = computeSeries(repeated, series, [&](SplineWarning w) { warnings.push_back(w); });
        EXPECT_EQ(warnings, (std::vector { SplineWarning::Singular, SplineWarning::NotMonotonic }));
        EXPECT_FALSE(result.samples.drawable);
        EXPECT_EQ(result.spline.CurvePointCount, 5); // the markers remain
    }
}

} // namespace
