#include "Spline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
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

TEST(SplineTest, WarningTexts)
{
    EXPECT_EQ(splineWarningText(SplineWarning::Singular), "Funktion singulär");
    EXPECT_EQ(splineWarningText(SplineWarning::NotMonotonic), "Funktion nicht monoton");
}

TEST(SplineTest, TwoOrMoreCollinearPointsGiveTheStraightLine)
{
    // y = 10 + 10x through two points; y = 3 - 2x on unevenly spaced knots.
    const std::vector<std::pair<Points, std::pair<double, double>>> rows = {
        { { { 0, 10 }, { 1, 20 } }, { 10, 10 } },
        { { { -1, 5 }, { 0.5, 2 }, { 4, -5 }, { 4.5, -6 } }, { 3, -2 } },
    };
    for (const auto& [points, line] : rows) {
        const auto spline = splineThrough(points);
        for (const double x : { -1.0, 0.0, 0.25, 0.5, 1.0, 2.0, 4.0, 4.4 }) {
            const auto v = evaluateSpline(spline, x);
            EXPECT_NEAR(v.value, line.first + line.second * x, 1e-12) << x;
            EXPECT_NEAR(v.slope, line.second, 1e-12) << x;
            EXPECT_NEAR(v.curvature, 0, 1e-12) << x;
        }
    }
}

// By hand: through (0,0), (1,1), (2,0) the natural spline has M_2 = -3, so
// S(x) = 1.5x - 0.5x^3 on [0, 1] and the mirror image on [1, 2].
TEST(SplineTest, NaturalEndsAndExtrapolationWithTheEndPolynomials)
{
    const auto spline = splineThrough({ { 0, 0 }, { 1, 1 }, { 2, 0 } });
    EXPECT_NEAR(spline.SecondDerivative[2], -3, 1e-12);
    EXPECT_NEAR(evaluateSpline(spline, 0).curvature, 0, 1e-12);
    EXPECT_NEAR(evaluateSpline(spline, 2).curvature, 0, 1e-12);
    EXPECT_NEAR(evaluateSpline(spline, 0.5).value, 0.6875, 1e-12);

    const auto left = evaluateSpline(spline, -1);
    EXPECT_NEAR(left.value, -1.0, 1e-12); // not clamped to y_1 = 0
    EXPECT_NEAR(left.slope, 0.0, 1e-12);
    EXPECT_NEAR(left.curvature, 3.0, 1e-12);

    const auto right = evaluateSpline(spline, 3); // beyond x_n: the last cubic
    EXPECT_NEAR(right.value, -1.0, 1e-12);
    EXPECT_NEAR(right.slope, 0.0, 1e-12);
}

TEST(SplineTest, InnerKnotIsEvaluatedOnTheIntervalBelowIt)
{
    auto spline = splineThrough({ { 0, 10 }, { 1, 30 }, { 3, 20 }, { 4, 60 } });
    EXPECT_NEAR(evaluateSpline(spline, 1).value, 30, 1e-12);
    EXPECT_NEAR(evaluateSpline(spline, 3).value, 20, 1e-12);
    const double slopeAt3 = evaluateSpline(spline, 3).slope;

    // Spoil the polynomial of interval 3 (starting at x_3 = 3): the value at
    // x = 3 must not change, because it belongs to interval 2.
    spline.CoefConstant[3] = 1000;
    spline.CoefLinear[3] = 1000;
    EXPECT_NEAR(evaluateSpline(spline, 3).value, 20, 1e-12);
    EXPECT_NEAR(evaluateSpline(spline, 3).slope, slopeAt3, 1e-12);
    EXPECT_GT(evaluateSpline(spline, 3 + 1e-9).value, 500);
}

TEST(SplineTest, WarningsInOrderPerIntervalAndTest)
{
    using W = SplineWarning;
    const std::vector<std::pair<std::vector<double>, std::vector<W>>> rows = {
        { { 0, 1, 2, 3 }, {} },
        { { 0, 1, 1, 2 }, { W::Singular, W::NotMonotonic } },
        { { 0, 2, 1 }, { W::NotMonotonic } },
        { { 3, 2, 2, 1 }, { W::NotMonotonic, W::Singular, W::NotMonotonic, W::NotMonotonic } },
        { { 0, 1e-20 }, { W::Singular, W::NotMonotonic } },
        { { 0, 1e-21 }, { W::Singular, W::NotMonotonic } },
        { { 0, -1e-21 }, { W::Singular, W::NotMonotonic } },
        { { 0, 2e-20 }, {} },
        { { 5 }, {} },
        { {}, {} },
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

TEST(SplineTest, FewerThanTwoPointsEvaluateToAConstant)
{
    const auto one = splineThrough({ { 3, 42 } });
    EXPECT_EQ(evaluateSpline(one, -10).value, 42);
    EXPECT_EQ(evaluateSpline(one, 3).slope, 0);
    EXPECT_EQ(evaluateSpline(splineThrough({}), 1).value, 0);
}

TEST(SplineTest, TwentyPointsFitAndTwentyOneAreARangeFault)
{
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

// --- Cross-check -----------------------------------------------------------
// The natural cubic spline computed a second way: 4(n-1) unknown polynomial
// coefficients, every interpolation, continuity and end condition one row of
// a dense linear system, solved by Gaussian elimination with partial pivoting.

struct Cubic
{
    double a, b, c, d; // in t = x - x_i
    double value(double t) const { return a + t * (b + t * (c + t * d)); }
    double slope(double t) const { return b + t * (2 * c + 3 * t * d); }
    double curvature(double t) const { return 2 * c + 6 * d * t; }
};

// Gauss-Jordan elimination with partial pivoting; each row holds its
// coefficients followed by its right-hand side.
std::vector<double> solveDense(std::vector<std::vector<double>> rows)
{
    const std::size_t n = rows.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::swap(
            rows[col],
            *std::max_element(rows.begin() + static_cast<std::ptrdiff_t>(col), rows.end(),
                              [col](const auto& l, const auto& r) { return std::abs(l[col]) < std::abs(r[col]); }));
        for (std::size_t row = 0; row < n; ++row) {
            const double factor = row == col ? 0.0 : rows[row][col] / rows[col][col];
            for (std::size_t k = col; k <= n; ++k) {
                rows[row][k] -= factor * rows[col][k];
            }
        }
    }
    std::vector<double> solution;
    for (std::size_t row = 0; row < n; ++row) {
        solution.push_back(rows[row][n] / rows[row][row]);
    }
    return solution;
}

// Unknowns a_i, b_i, c_i, d_i of interval i (0-based) at k = 4i .. 4i+3.
std::vector<Cubic> referenceSpline(const Points& points)
{
    const std::size_t size = 4 * (points.size() - 1);
    std::vector<std::vector<double>> rows;
    const auto addRow = [&](std::vector<std::pair<std::size_t, double>> entries, double value) {
        rows.emplace_back(size + 1, 0.0);
        for (const auto& [column, coefficient] : entries) {
            rows.back()[column] = coefficient;
        }
        rows.back()[size] = value;
    };
    double h = 0.0;
    for (std::size_t i = 0, k = 0; k < size; ++i, k += 4) {
        h = points[i + 1].first - points[i].first;
        addRow({ { k, 1 } }, points[i].second); // S_i(x_i) = y_i
        addRow({ { k, 1 }, { k + 1, h }, { k + 2, h * h }, { k + 3, h * h * h } },
               points[i + 1].second); // S_i(x_(i+1))
        if (k + 4 < size) {
            addRow({ { k + 1, 1 }, { k + 2, 2 * h }, { k + 3, 3 * h * h }, { k + 5, -1 } }, 0); // S' continuous
            addRow({ { k + 2, 2 }, { k + 3, 6 * h }, { k + 6, -2 } }, 0);                       // S'' continuous
        }
    }
    addRow({ { 2, 2 } }, 0);                             // S''(x_1) = 0
    addRow({ { size - 2, 2 }, { size - 1, 6 * h } }, 0); // S''(x_n) = 0, h of the last interval

    const auto coef = solveDense(rows);
    std::vector<Cubic> cubics;
    for (std::size_t k = 0; k < size; k += 4) {
        cubics.push_back({ coef[k], coef[k + 1], coef[k + 2], coef[k + 3] });
    }
    return cubics;
}

TEST(SplineCrossCheckTest, AgreesWithDenseSolveOnRandomKnots)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> gap(0.05, 6.0);
    std::uniform_real_distribution<double> modulation(0.0, 100.0);
    std::uniform_int_distribution<int> count(2, SplineState::MaxPoints);

    for (int round = 0; round < 200; ++round) {
        const int n = count(random);
        Points points { { gap(random) - 10.0, modulation(random) } };
        for (int i = 1; i < n; ++i) {
            points.emplace_back(points.back().first + gap(random), modulation(random));
        }
        std::vector<SplineWarning> warnings;
        const SplineState spline = splineThrough(points, &warnings);
        ASSERT_TRUE(warnings.empty());

        const auto reference = referenceSpline(points);
        // Tolerances relative to the data: values up to 100, slopes up to
        // about 100/0.05, curvatures up to about 100/0.05^2.
        for (int i = 1; i < n; ++i) {
            const double x = points[static_cast<std::size_t>(i - 1)].first;
            const double h = points[static_cast<std::size_t>(i)].first - x;
            const Cubic& ref = reference[static_cast<std::size_t>(i - 1)];
            for (const double t : { 0.0, 0.3 * h, 0.7 * h, 0.999 * h }) {
                const auto got = evaluateSpline(spline, x + t);
                ASSERT_NEAR(got.value, ref.value(t), 1e-8) << "round " << round << " interval " << i;
                ASSERT_NEAR(got.slope, ref.slope(t), 1e-6) << "round " << round << " interval " << i;
                ASSERT_NEAR(got.curvature, ref.curvature(t), 1e-4) << "round " << round << " interval " << i;
            }
        }
    }
}

} // namespace
