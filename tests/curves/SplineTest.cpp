// SPDX-License-Identifier: MIT
#include "Spline.h"

#include <gtest/gtest.h>

#include <array>
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

// Five points on uneven intervals, so that the elimination and the back
// substitution both run over three unknowns. Solved once with exact
// fractions: M = 0, -2110/31, 2610/31, -2140/31, 0. Outside the knots the
// end polynomials go on (not clamped to the end values).
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
        { { 0, 2, 1 }, { W::NotMonotonic } },
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

} // namespace
