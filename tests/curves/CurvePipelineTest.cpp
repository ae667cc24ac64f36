#include "CurvePipeline.h"

#include "TestLens.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<SplineWarning> collect(const ExtractedCurve& curve, Series series, SeriesCurve* result = nullptr)
{
    std::vector<SplineWarning> warnings;
    const auto computed = ComputeSeries(curve, series, [&](SplineWarning w) { warnings.push_back(w); });
    if (result) {
        *result = computed;
    }
    return warnings;
}

TEST(CurvePipelineTest, EachSeriesGetsItsOwnValuesOnTheSameAbscissae)
{
    const auto lens = patternLens(4, 2, 3, 1);
    const auto curve = ExtractCurve(lens, Abscissa::FNumber, { 2, 0, 3, 1 });
    SeriesCurve sag;
    SeriesCurve tan;
    EXPECT_TRUE(collect(curve, Series::Sagittal, &sag).empty());
    EXPECT_TRUE(collect(curve, Series::Tangential, &tan).empty());

    ASSERT_EQ(sag.spline.CurvePointCount, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(sag.spline.KnotX[i], i - 1.0);
        EXPECT_EQ(sag.spline.KnotY[i], sagPattern(i - 1, 1, 2, 0)) << i;
        EXPECT_EQ(tan.spline.KnotY[i], tanPattern(i - 1, 1, 2, 0)) << i;
        // the spline passes through the support points of its series
        EXPECT_NEAR(EvaluateSpline(tan.spline, i - 1.0).value, tanPattern(i - 1, 1, 2, 0), 1e-9) << i;
    }
    EXPECT_EQ(sag.samples.CurveSampleX, tan.samples.CurveSampleX);
    EXPECT_EQ(sag.samples.ScaleX, tan.samples.ScaleX);
    EXPECT_EQ(sag.samples.ScaleY, tan.samples.ScaleY);
    EXPECT_TRUE(sag.samples.drawable && tan.samples.drawable);
}

// A capped common row (read as 0 5 10 15 20 18) now gives strictly
// increasing abscissae: no warning, and a curve that can be drawn.
TEST(CurvePipelineTest, CappedRowNeedsNoWarning)
{
    auto lens = patternLens(3, 2, 6, 1);
    setImageHeightRow(lens, 1, { "0", "5", "10", "15", "18", "18" }, 5);
    lens.MaxImageHeight = 18;
    const auto curve = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    SeriesCurve sag;
    EXPECT_TRUE(collect(curve, Series::Sagittal, &sag).empty());
    EXPECT_TRUE(sag.samples.drawable);
    EXPECT_DOUBLE_EQ(sag.samples.CurveMaxX, 18 - 1e-8);
}

// A row with a repeated height warns once per series and draws only the
// markers; nothing faults.
TEST(CurvePipelineTest, RepeatedHeightWarnsForEachSeriesAndIsNotDrawn)
{
    auto lens = patternLens(1, 1, 4, 1);
    setImageHeightRow(lens, 1, { "0", "5", "5", "10" }, 4);
    lens.MaxImageHeight = 10;
    const auto curve = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        SeriesCurve result;
        EXPECT_EQ(collect(curve, series, &result),
                  (std::vector { SplineWarning::Singular, SplineWarning::NotMonotonic }));
        EXPECT_FALSE(result.samples.drawable);
        EXPECT_EQ(result.spline.CurvePointCount, 5); // the markers remain
    }
}

// One f-number plotted over k: a single support point at 0.
TEST(CurvePipelineTest, SinglePositionIsOnlyAMarker)
{
    const auto lens = patternLens(1, 3, 2, 2);
    const auto curve = ExtractCurve(lens, Abscissa::FNumber, { 1, 0, 1, 1 });
    SeriesCurve result;
    EXPECT_TRUE(collect(curve, Series::Sagittal, &result).empty());
    EXPECT_EQ(result.spline.CurvePointCount, 1);
    EXPECT_FALSE(result.samples.drawable);
    EXPECT_EQ(result.samples.ScaleX, 0.0);
}

} // namespace
