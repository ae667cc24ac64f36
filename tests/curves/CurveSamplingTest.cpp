#include "CurveSampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

SplineState computedSpline(const std::vector<double>& x, const std::vector<double>& y)
{
    SplineState spline;
    spline.CurvePointCount = static_cast<int>(x.size());
    for (int i = 1; i <= spline.CurvePointCount; ++i) {
        spline.KnotX[i] = x[i - 1];
        spline.KnotY[i] = y[i - 1];
    }
    CheckSplineKnots(spline, {});
    ComputeSpline(spline);
    return spline;
}

TEST(CurveSamplingTest, PositionCurveEndsOnTheRightEdge)
{
    // A straight line, so every sample value is known independently.
    const auto samples = SampleCurve(computedSpline({ 0, 1, 2, 3 }, { 10, 20, 30, 40 }), 170, 170);
    EXPECT_DOUBLE_EQ(samples.SampleStep, 0.03);
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[1], -1e-8);
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[101], 3 - 1e-8);
    EXPECT_EQ(samples.CurveMaxX, samples.CurveSampleX[101]);
    EXPECT_DOUBLE_EQ(samples.ScaleX, 170 / (3 - 1e-8));
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[101] * samples.ScaleX, 170.0);
    for (int j = 1; j <= 101; ++j) {
        EXPECT_NEAR(samples.CurveSampleX[j], (j - 1) * 0.03, 1e-7) << j;
        EXPECT_NEAR(samples.CurveSampleY[j], 10 + 10 * samples.CurveSampleX[j], 1e-9) << j;
    }
    EXPECT_TRUE(samples.drawable);
}

TEST(CurveSamplingTest, ModulationAxisAlwaysSpansHundredPercent)
{
    const auto samples = SampleCurve(computedSpline({ 0, 1, 2 }, { 40, 60, 80 }), 170, 170);
    EXPECT_EQ(samples.CurveMaxY, 100.0);
    EXPECT_DOUBLE_EQ(samples.ScaleY, 1.7);
    EXPECT_DOUBLE_EQ(50 * samples.ScaleY, 85.0); // half the plot height

    // The scales follow the plot area size (the printed report is larger).
    const auto wide = SampleCurve(computedSpline({ 0, 1, 2 }, { 40, 60, 80 }), 408, 340);
    EXPECT_DOUBLE_EQ(wide.ScaleY, 3.4);
    EXPECT_DOUBLE_EQ(wide.ScaleX, 408 / (2 - 1e-8));
}

TEST(CurveSamplingTest, ImageHeightCurveHasSixteenSamplesLeftOfTheAxis)
{
    const auto samples
        = SampleCurve(computedSpline({ -4, 0, 4, 8, 12, 16, 21.6 }, { 60, 65, 60, 52, 41, 30, 12 }), 170, 170);
    EXPECT_DOUBLE_EQ(samples.SampleStep, 0.256);
    for (int j = 1; j <= 16; ++j) {
        EXPECT_LT(samples.CurveSampleX[j], 0) << j;
    }
    EXPECT_GT(samples.CurveSampleX[17], 0);
    EXPECT_DOUBLE_EQ(samples.CurveMaxX, 21.6 - 1e-8);
    EXPECT_TRUE(samples.drawable);
}

struct DegenerateCase
{
    std::string name;
    std::vector<double> x;
    std::vector<double> y;
    bool drawable;
    double curveMaxX;
};

// Curves that cannot be drawn as a line keep every output finite and only
// say so; curves the spline can compute are drawn even with a warned-about
// decreasing interval.
TEST(CurveSamplingTest, DegenerateSupportPointsNeverFault)
{
    const std::vector<DegenerateCase> cases = {
        { "no point", {}, {}, false, 0.0 },
        { "one point at 0 (one f-number over k)", { 0 }, { 70 }, false, 0.0 },
        { "one point at 20 (one image height)", { 20 }, { 70 }, false, 20.0 },
        { "equal first and last abscissa", { 0, 0 }, { 70, 80 }, false, 0.0 },
        { "zero-width inner interval", { 0, 1, 1, 2 }, { 70, 60, 50, 40 }, false, 2 - 1e-8 },
        { "all abscissae negative", { -3, -2, -1 }, { 70, 60, 50 }, false, -1 - 1e-8 },
        { "decreasing abscissae", { 2, 1, 0 }, { 70, 60, 40 }, true, 2.0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CurveSamples samples;
        ASSERT_NO_THROW(samples = SampleCurve(computedSpline(c.x, c.y), 170, 170));
        EXPECT_EQ(samples.drawable, c.drawable);
        EXPECT_NEAR(samples.CurveMaxX, c.curveMaxX, 1e-12);
        EXPECT_TRUE(std::isfinite(samples.ScaleX));
        EXPECT_EQ(samples.ScaleX > 0, samples.CurveMaxX > 0);
        EXPECT_DOUBLE_EQ(samples.ScaleY, 1.7);
        for (int j = 1; j <= 101; ++j) {
            ASSERT_TRUE(std::isfinite(samples.CurveSampleX[j])) << j;
            ASSERT_TRUE(std::isfinite(samples.CurveSampleY[j])) << j;
        }
    }
}

TEST(CurveSamplingTest, SinglePointSamplesItsValue)
{
    const auto samples = SampleCurve(computedSpline({ 20 }, { 70 }), 170, 170);
    EXPECT_EQ(samples.SampleStep, 0.0);
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[101], 20 - 1e-8);
    EXPECT_EQ(samples.CurveSampleY[1], 70.0);
    EXPECT_DOUBLE_EQ(samples.ScaleX, 170.0 / 20);
}

} // namespace
