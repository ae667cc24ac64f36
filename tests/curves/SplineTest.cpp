// SPDX-License-Identifier: MIT
#include "Spline.h"
#include "CurveSampling.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

SplineState splineThrough(const Points& points, std::vector<SplineWarning>* warnings = nullptr)
{
    SplineState spline;
    spline.CurvePointCount = static_cast<int>(points.size());
    for (int i = 1; i <= spline.CurvePointCount; ++i) {
        spline.KnotX[i] = points[i - 1].first;
        spline.KnotY[i] = points[i - 1].second;
    }
    checkSplineKnots(spline, [&](SplineWarning w) {
        if (warnings) {
            warnings->push_back(w);
        }
    });
    computeSpline(spline);
    return spline;
}

// x, then value, slope and curvature expected there.
using Expected = std::vector<std::pair<double, std::array<double, 3>>>;

void expectValues(const SplineState& spline, const Expected& rows)
{
    for (const auto& [x, expected] : rows) {
        const SplineValue v = evaluateSpline(spline, x);
        EXPECT_NEAR(v.value, expected[0], 1e-12) << x;
        EXPECT_NEAR(v.slope, expected[1], 1e-12) << x;
        EXPECT_NEAR(v.curvature, expected[2], 1e-12) << x;
    }
}

TEST(Spline, CollinearPointsGiveTheStraightLine)
{
    // y = 3 - 2x on unevenly spaced knots, also outside them.
    expectValues(splineThrough({ { -1, 5 }, { 0.5, 2 }, { 4, -5 }, { 4.5, -6 } }),
                 { { -2, { 7, -2, 0 } }, { 0.25, { 2.5, -2, 0 } }, { 4, { -5, -2, 0 } }, { 5, { -7, -2, 0 } } });
    expectValues(splineThrough({ { 0, 10 }, { 1, 20 } }), { { 0.5, { 15, 10, 0 } } });
}

// Five points on uneven intervals, so that the elimination and the back substitution both run over three
// unknowns. Solved once with exact fractions: M = 0, -2110/31, 2610/31, -2140/31, 0. Outside the knots the end
// polynomials go on (not clamped to the end values).
TEST(Spline, FivePointsOnUnevenIntervals)
{
    const auto spline = splineThrough({ { 0, 10 }, { 1, 40 }, { 3, 20 }, { 4, 60 }, { 6, 30 } });
    EXPECT_NEAR(spline.SecondDerivative[2], -2110.0 / 31, 1e-12);
    EXPECT_NEAR(spline.SecondDerivative[3], 2610.0 / 31, 1e-12);
    EXPECT_NEAR(spline.SecondDerivative[4], -2140.0 / 31, 1e-12);
    expectValues(spline,
                 { { -1, { -20, 680.0 / 93, 2110.0 / 31 } },
                   { 0.5, { 7255.0 / 248, 12215.0 / 372, -1055.0 / 31 } },
                   { 2, { 805.0 / 31, -2110.0 / 93, 250.0 / 31 } },
                   { 3.5, { 9685.0 / 248, 17255.0 / 372, 235.0 / 31 } },
                   { 5, { 1930.0 / 31, -1930.0 / 93, -1070.0 / 31 } },
                   { 7, { -70.0 / 31, -1930.0 / 93, 1070.0 / 31 } } });
}

TEST(Spline, InnerKnotIsEvaluatedOnTheIntervalBelowIt)
{
    auto spline = splineThrough({ { 0, 10 }, { 1, 30 }, { 3, 20 }, { 4, 60 } });
    const SplineValue at3 = evaluateSpline(spline, 3);
    // Spoil the polynomial of interval 3 (from x_3 = 3): x = 3 belongs to interval 2.
    spline.CoefConstant[3] = 1000;
    spline.CoefLinear[3] = 1000;
    EXPECT_NEAR(evaluateSpline(spline, 3).value, 20, 1e-12);
    EXPECT_EQ(evaluateSpline(spline, 3).slope, at3.slope);
    EXPECT_GT(evaluateSpline(spline, 3 + 1e-9).value, 500);
}

TEST(Spline, WarningsInOrderPerIntervalAndTest)
{
    using W = SplineWarning;
    const std::vector<std::pair<std::vector<double>, std::vector<W>>> rows = {
        // clang-format off
        { { 0, 1, 2, 3 }, {} }, { { 0, 1, 1, 2 }, { W::Singular, W::NotMonotonic } },
        { { 3, 2, 2, 1 }, { W::NotMonotonic, W::Singular, W::NotMonotonic, W::NotMonotonic } },
        { { 0, 1e-20 }, { W::Singular, W::NotMonotonic } }, { { 0, -1e-21 }, { W::Singular, W::NotMonotonic } },
        { { 0, 2e-20 }, {} }, { { 5 }, {} }, { {}, {} },
        // clang-format on
    };
    for (const auto& [xs, expected] : rows) {
        Points points;
        for (const double x : xs) {
            points.emplace_back(x, 50.0);
        }
        std::vector<SplineWarning> warnings;
        auto spline = splineThrough(points, &warnings); // computes without throwing
        EXPECT_EQ(warnings, expected) << ::testing::PrintToString(xs);
        EXPECT_NO_THROW(checkSplineKnots(spline, {})) << "an empty sink is allowed";
    }
}

TEST(Spline, FewerThanTwoPointsAreAConstantAndTwentyOneARangeFault)
{
    EXPECT_EQ(evaluateSpline(splineThrough({ { 3, 42 } }), -10).value, 42);
    EXPECT_EQ(evaluateSpline(splineThrough({ { 3, 42 } }), 3).slope, 0);
    EXPECT_EQ(evaluateSpline(splineThrough({}), 1).value, 0);
    Points points;
    for (int i = 1; i <= 20; ++i) {
        points.emplace_back(i, i % 3);
    }
    auto spline = splineThrough(points);
    EXPECT_NEAR(evaluateSpline(spline, 20).value, 2, 1e-9);
    spline.CurvePointCount = 21;
    EXPECT_THROW(checkSplineKnots(spline, {}), RangeError);
    EXPECT_THROW(computeSpline(spline), RangeError);
    EXPECT_THROW(evaluateSpline(spline, 1), RangeError);
}

CurveSamples sampled(const Points& points, int width = 170, int height = 170)
{
    return sampleCurve(splineThrough(points), width, height);
}

TEST(CurveSampling, PositionCurveEndsOnTheRightEdge)
{
    // A straight line, so every sample value is known independently.
    const auto samples = sampled({ { 0, 10 }, { 1, 20 }, { 2, 30 }, { 3, 40 } });
    EXPECT_DOUBLE_EQ(samples.SampleStep, 0.03);
    EXPECT_DOUBLE_EQ(samples.CurveSampleX[1], -1e-8);
    EXPECT_DOUBLE_EQ(samples.CurveMaxX, 3 - 1e-8);
    EXPECT_EQ(samples.CurveMaxY, 100.0);
    for (int j = 1; j <= 101; ++j) {
        EXPECT_NEAR(samples.CurveSampleX[j], (j - 1) * 0.03, 1e-7) << j;
        EXPECT_NEAR(samples.CurveSampleY[j], 10 + 10 * samples.CurveSampleX[j], 1e-9) << j;
    }
    EXPECT_TRUE(samples.drawable);
    // An image-height curve: sixteen samples left of the axis.
    const auto heights = sampled({ { -4, 60 }, { 0, 65 }, { 4, 60 }, { 8, 52 }, { 12, 41 }, { 16, 30 }, { 21.6, 12 } });
    EXPECT_DOUBLE_EQ(heights.SampleStep, 0.256);
    EXPECT_TRUE(heights.CurveSampleX[16] < 0 && heights.CurveSampleX[17] > 0);
    const auto wide = sampled({ { 0, 40 }, { 1, 60 }, { 2, 80 } }, 408, 340);
    EXPECT_DOUBLE_EQ(wide.ScaleY, 3.4);
    EXPECT_DOUBLE_EQ(wide.ScaleX, 408 / (2 - 1e-8));
}

// Curves that cannot be drawn keep every output finite; a warned-about decreasing interval is drawn.
TEST(CurveSampling, DegenerateSupportPointsNeverFault)
{
    const std::vector<std::tuple<std::string, Points, bool, double>> rows = {
        { "no point", {}, false, 0.0 },
        { "one point at 20 (one image height)", { { 20, 70 } }, false, 20.0 },
        { "equal first and last abscissa", { { 0, 70 }, { 0, 80 } }, false, 0.0 },
        { "zero-width inner interval", { { 0, 70 }, { 1, 60 }, { 1, 50 }, { 2, 40 } }, false, 2 - 1e-8 },
        { "all abscissae negative", { { -3, 70 }, { -2, 60 }, { -1, 50 } }, false, -1 - 1e-8 },
        { "decreasing abscissae", { { 2, 70 }, { 1, 60 }, { 0, 40 } }, true, 2.0 },
        { "a range wider than a double", { { -1e308, 70 }, { 1e308, 60 } }, false, 0.0 },
    };
    for (const auto& [name, points, drawable, curveMaxX] : rows) {
        SCOPED_TRACE(name);
        CurveSamples samples;
        ASSERT_NO_THROW(samples = sampled(points));
        EXPECT_EQ(samples.drawable, drawable);
        EXPECT_NEAR(samples.CurveMaxX, curveMaxX, 1e-12);
        EXPECT_TRUE(std::isfinite(samples.ScaleX) && std::isfinite(samples.SampleStep));
        EXPECT_EQ(samples.ScaleX > 0, samples.CurveMaxX > 0);
        EXPECT_DOUBLE_EQ(samples.ScaleY, 1.7);
        for (int j = 1; j <= 101; ++j) {
            ASSERT_TRUE(std::isfinite(samples.CurveSampleX[j])) << j;
            ASSERT_TRUE(std::isfinite(samples.CurveSampleY[j])) << j;
        }
    }
    // A single point samples its value at its abscissa; its marker stays in place.
    const auto single = sampled({ { 20, 70 } });
    EXPECT_EQ(single.SampleStep, 0.0);
    EXPECT_DOUBLE_EQ(single.CurveSampleX[101], 20 - 1e-8);
    EXPECT_EQ(single.CurveSampleY[1], 70.0);
    EXPECT_DOUBLE_EQ(single.ScaleX, 170.0 / 20);
}

} // namespace
