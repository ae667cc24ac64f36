#include "Spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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
    CheckSplineKnots(spline, [&](SplineWarning w) {
        if (warnings) {
            warnings->push_back(w);
        }
    });
    ComputeSpline(spline);
    return spline;
}

TEST(SplineTest, WarningTexts)
{
    EXPECT_EQ(splineWarningText(SplineWarning::Singular), "Funktion singul\xC3\xA4r");
    EXPECT_EQ(splineWarningText(SplineWarning::NotMonotonic), "Funktion nicht monoton");
}

TEST(SplineTest, TwoPointsGiveTheStraightLine)
{
    const auto spline = splineThrough({ { 0, 10 }, { 1, 20 } });
    for (const double x : { 0.0, 0.25, 0.5, 1.0 }) {
        const auto v = EvaluateSpline(spline, x);
        EXPECT_NEAR(v.value, 10 + 10 * x, 1e-12) << x;
        EXPECT_NEAR(v.slope, 10, 1e-12) << x;
        EXPECT_NEAR(v.curvature, 0, 1e-12) << x;
    }
}

TEST(SplineTest, CollinearPointsGiveTheStraightLine)
{
    // y = 3 - 2x on unevenly spaced knots.
    const auto spline = splineThrough({ { -1, 5 }, { 0.5, 2 }, { 4, -5 }, { 4.5, -6 } });
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(spline.SecondDerivative[i], 0, 1e-12) << i;
    }
    for (const double x : { -1.0, 0.0, 0.5, 2.0, 4.0, 4.4 }) {
        EXPECT_NEAR(EvaluateSpline(spline, x).value, 3 - 2 * x, 1e-12) << x;
        EXPECT_NEAR(EvaluateSpline(spline, x).slope, -2, 1e-12) << x;
    }
}

TEST(SplineTest, NaturalEndConditionsAndInterpolation)
{
    const std::vector<Points> cases = {
        { { 0, 50 }, { 1, 80 }, { 2, 40 } },
        { { 0, 90 }, { 1, 70 }, { 2, 72 }, { 3, 20 }, { 4, 5 } },
        { { -4, 60 }, { 0, 65 }, { 4, 60 }, { 8, 52 }, { 12, 41 }, { 16, 30 }, { 21.6, 12 } },
    };
    for (const auto& points : cases) {
        const auto spline = splineThrough(points);
        const double first = points.front().first;
        const double last = points.back().first;
        EXPECT_NEAR(EvaluateSpline(spline, first).curvature, 0, 1e-9);
        EXPECT_NEAR(EvaluateSpline(spline, last).curvature, 0, 1e-9);
        // 1E-8 inside the last interval the curvature is 6 d 1E-8, about
        // M_(n-1) / h 1E-8 with curvatures of the order of 100 here.
        EXPECT_NEAR(EvaluateSpline(spline, last - 1e-8).curvature, 0, 1e-5);
        for (const auto& [x, y] : points) {
            EXPECT_NEAR(EvaluateSpline(spline, x).value, y, 1e-9) << x;
        }
    }
}

// By hand: through (0,0), (1,1), (2,0) the natural spline has M_2 = -3, so
// S(x) = 1.5x - 0.5x^3 on [0, 1] and the mirror image on [1, 2].
TEST(SplineTest, ExtrapolatesWithTheEndPolynomials)
{
    const auto spline = splineThrough({ { 0, 0 }, { 1, 1 }, { 2, 0 } });
    EXPECT_NEAR(spline.SecondDerivative[2], -3, 1e-12);

    const auto left = EvaluateSpline(spline, -1);
    EXPECT_NEAR(left.value, -1.0, 1e-12); // not clamped to y_1 = 0
    EXPECT_NEAR(left.slope, 0.0, 1e-12);
    EXPECT_NEAR(left.curvature, 3.0, 1e-12);

    const auto right = EvaluateSpline(spline, 3); // beyond x_n: last cubic
    EXPECT_NEAR(right.value, -1.0, 1e-12);
    EXPECT_NEAR(right.slope, 0.0, 1e-12);
}

TEST(SplineTest, InnerKnotIsEvaluatedOnTheIntervalBelowIt)
{
    auto spline = splineThrough({ { 0, 10 }, { 1, 30 }, { 3, 20 }, { 4, 60 } });
    EXPECT_NEAR(EvaluateSpline(spline, 1).value, 30, 1e-12);
    EXPECT_NEAR(EvaluateSpline(spline, 3).value, 20, 1e-12);
    const double slopeAt3 = EvaluateSpline(spline, 3).slope;

    // Spoil the polynomial of interval 3 (starting at x_3 = 3): the value at
    // x = 3 must not change, because it belongs to interval 2.
    spline.CoefConstant[3] = 1000;
    spline.CoefLinear[3] = 1000;
    EXPECT_NEAR(EvaluateSpline(spline, 3).value, 20, 1e-12);
    EXPECT_NEAR(EvaluateSpline(spline, 3).slope, slopeAt3, 1e-12);
    EXPECT_GT(EvaluateSpline(spline, 3 + 1e-9).value, 500);
}

TEST(SplineTest, NeverReadsCoefficientsAboveTheLastInterval)
{
    auto spline = splineThrough({ { 0, 10 }, { 1, 30 }, { 2, 20 } });
    for (int i = 3; i <= SplineState::MaxPoints; ++i) {
        spline.CoefConstant[i] = std::numeric_limits<double>::quiet_NaN();
    }
    EXPECT_TRUE(std::isfinite(EvaluateSpline(spline, 2).value));
    EXPECT_TRUE(std::isfinite(EvaluateSpline(spline, 50).value));
}

struct WarningCase
{
    std::vector<double> x;
    std::vector<SplineWarning> expected;
};

TEST(SplineTest, WarningsInOrderPerIntervalAndTest)
{
    using W = SplineWarning;
    const std::vector<WarningCase> cases = {
        { { 0, 1, 2, 3 }, {} },
        { { 0, 1, 1, 2 }, { W::Singular, W::NotMonotonic } },
        { { 0, 2, 1 }, { W::NotMonotonic } },
        { { 3, 2, 2, 1 }, { W::NotMonotonic, W::Singular, W::NotMonotonic, W::NotMonotonic } },
        { { 0, 1e-21 }, { W::Singular, W::NotMonotonic } },
        { { 0, -1e-21 }, { W::Singular, W::NotMonotonic } },
        { { 0, 2e-20 }, {} },
        { { 5 }, {} },
        { {}, {} },
    };
    for (const auto& c : cases) {
        Points points;
        for (const double x : c.x) {
            points.emplace_back(x, 50.0);
        }
        std::vector<SplineWarning> warnings;
        splineThrough(points, &warnings); // must also compute without throwing
        EXPECT_EQ(warnings, c.expected) << ::testing::PrintToString(c.x);
    }
}

TEST(SplineTest, CheckFillsWidthsAndRises)
{
    auto spline = splineThrough({ { 0, 10 }, { 2, 40 }, { 2.5, 30 } });
    EXPECT_DOUBLE_EQ(spline.IntervalWidth[1], 2);
    EXPECT_DOUBLE_EQ(spline.IntervalWidth[2], 0.5);
    EXPECT_DOUBLE_EQ(spline.IntervalRise[1], 30);
    EXPECT_DOUBLE_EQ(spline.IntervalRise[2], -10);
}

TEST(SplineTest, EmptySinkIsAllowed)
{
    SplineState spline;
    spline.CurvePointCount = 2; // both knots at 0: would warn twice
    EXPECT_NO_THROW(CheckSplineKnots(spline, {}));
}

TEST(SplineTest, FewerThanTwoPointsEvaluateToAConstant)
{
    const auto one = splineThrough({ { 3, 42 } });
    EXPECT_EQ(EvaluateSpline(one, -10).value, 42);
    EXPECT_EQ(EvaluateSpline(one, 3).slope, 0);
    const auto none = splineThrough({});
    EXPECT_EQ(EvaluateSpline(none, 1).value, 0);
}

TEST(SplineTest, MoreThanTwentyPointsAreARangeFault)
{
    SplineState spline;
    spline.CurvePointCount = 20;
    for (int i = 1; i <= 20; ++i) {
        spline.KnotX[i] = i;
        spline.KnotY[i] = i % 3;
    }
    EXPECT_NO_THROW(CheckSplineKnots(spline, {}));
    EXPECT_NO_THROW(ComputeSpline(spline));
    EXPECT_NEAR(EvaluateSpline(spline, 20).value, 2, 1e-9);

    spline.CurvePointCount = 21;
    EXPECT_THROW(CheckSplineKnots(spline, {}), RangeError);
    EXPECT_THROW(ComputeSpline(spline), RangeError);
    EXPECT_THROW(EvaluateSpline(spline, 1), RangeError);
}

} // namespace
