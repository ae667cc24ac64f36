// SPDX-License-Identifier: MIT
#include "CurveSampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

CurveSamples sampled(const std::vector<double>& x, const std::vector<double>& y, int width = 170, int height = 170)
{
    SplineState spline;
    spline.CurvePointCount = static_cast<int>(x.size());
    for (int i = 1; i <= spline.CurvePointCount; ++i) {
        spline.KnotX[i] = x[i - 1];
        spline.KnotY[i] = y[i - 1];
    }
    checkSplineKnots(spline, {});
    computeSpline(spline);
    return sampleCurve(spline, width, height);
}

TEST(CurveSamplingTest, PositionCurveEndsOnTheRightEdge)
{
    // A straight line, so every sample value is known independently.
    const auto samples = sampled({ 0, 1, 2, 3 }, { 10, 20, 30, 40 });
    EXPECT_DOUBLE_EQ(samples.SampleStep, 0.03);
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[1], -1e-8);
    EXPECT_DOUBLE_EQ(samples.CurveMaxX, 3 - 1e-8);
    EXPECT_DOUBLE_EQ(samples.ScaleX, 170 / (3 - 1e-8));
    EXPECT_EQ(samples.CurveMaxY, 100.0);
    EXPECT_DOUBLE_EQ(samples.ScaleY, 1.7);
    for (int j = 1; j <= 101; ++j) {
        EXPECT_NEAR(samples.CurveSampleX[j], (j - 1) * 0.03, 1e-7) << j;
        EXPECT_NEAR(samples.CurveSampleY[j], 10 + 10 * samples.CurveSampleX[j], 1e-9) << j;
    }
    EXPECT_TRUE(samples.drawable);
    // An image-height curve: sixteen samples left of the axis.
    const auto heights = sampled({ -4, 0, 4, 8, 12, 16, 21.6 }, { 60, 65, 60, 52, 41, 30, 12 });
    EXPECT_DOUBLE_EQ(heights.SampleStep, 0.256);
    EXPECT_TRUE(heights.CurveSampleX[16] < 0 && heights.CurveSampleX[17] > 0);

    // The scales follow the plot area size (the printed report is larger).
    const auto wide = sampled({ 0, 1, 2 }, { 40, 60, 80 }, 408, 340);
    EXPECT_DOUBLE_EQ(wide.ScaleY, 3.4);
    EXPECT_DOUBLE_EQ(wide.ScaleX, 408 / (2 - 1e-8));
}

// Curves that cannot be drawn as a line keep every output finite and only
// say so; curves the spline can compute are drawn even with a warned-about
// decreasing interval.
TEST(CurveSamplingTest, DegenerateSupportPointsNeverFault)
{
    struct Row
    {
        std::string name;
        std::vector<double> x;
        std::vector<double> y;
        bool drawable;
        double curveMaxX;
    };
    const std::vector<Row> rows = {
        { "no point", {}, {}, false, 0.0 },
        { "one point at 20 (one image height)", { 20 }, { 70 }, false, 20.0 },
        { "equal first and last abscissa", { 0, 0 }, { 70, 80 }, false, 0.0 },
        { "zero-width inner interval", { 0, 1, 1, 2 }, { 70, 60, 50, 40 }, false, 2 - 1e-8 },
        { "all abscissae negative", { -3, -2, -1 }, { 70, 60, 50 }, false, -1 - 1e-8 },
        { "decreasing abscissae", { 2, 1, 0 }, { 70, 60, 40 }, true, 2.0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurveSamples samples;
        ASSERT_NO_THROW(samples = sampled(row.x, row.y));
        EXPECT_EQ(samples.drawable, row.drawable);
        EXPECT_NEAR(samples.CurveMaxX, row.curveMaxX, 1e-12);
        EXPECT_TRUE(std::isfinite(samples.ScaleX));
        EXPECT_EQ(samples.ScaleX > 0, samples.CurveMaxX > 0);
        EXPECT_DOUBLE_EQ(samples.ScaleY, 1.7);
        for (int j = 1; j <= 101; ++j) {
            ASSERT_TRUE(std::isfinite(samples.CurveSampleX[j])) << j;
            ASSERT_TRUE(std::isfinite(samples.CurveSampleY[j])) << j;
        }
    }

    // A single point samples its value at its abscissa; its marker stays in place.
    const auto single = sampled({ 20 }, { 70 });
    EXPECT_EQ(single.SampleStep, 0.0);
    EXPECT_DOUBLE_EQ(single.CurveSampleX[101], 20 - 1e-8);
    EXPECT_EQ(single.CurveSampleY[1], 70.0);
    EXPECT_DOUBLE_EQ(single.ScaleX, 170.0 / 20);
}

} // namespace
