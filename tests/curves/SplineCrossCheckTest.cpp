// Checks the spline against a second, independent computation: the natural
// cubic spline written as 4(n-1) unknown polynomial coefficients, with every
// interpolation, continuity and end condition as one row of a dense linear
// system solved by Gaussian elimination with partial pivoting.
#include "Spline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Cubic
{
    double a, b, c, d; // in t = x - x_i
    double value(double t) const { return a + t * (b + t * (c + t * d)); }
    double slope(double t) const { return b + t * (2 * c + 3 * t * d); }
    double curvature(double t) const { return 2 * c + 6 * d * t; }
};

std::vector<double> solveDense(std::vector<std::vector<double>> a, std::vector<double> rhs)
{
    const std::size_t size = rhs.size();
    for (std::size_t col = 0; col < size; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < size; ++row) {
            if (std::abs(a[row][col]) > std::abs(a[pivot][col])) {
                pivot = row;
            }
        }
        std::swap(a[col], a[pivot]);
        std::swap(rhs[col], rhs[pivot]);
        for (std::size_t row = col + 1; row < size; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < size; ++k) {
                a[row][k] -= factor * a[col][k];
            }
            rhs[row] -= factor * rhs[col];
        }
    }
    std::vector<double> solution(size);
    for (std::size_t row = size; row-- > 0;) {
        double sum = rhs[row];
        for (std::size_t k = row + 1; k < size; ++k) {
            sum -= a[row][k] * solution[k];
        }
        solution[row] = sum / a[row][row];
    }
    return solution;
}

// Unknowns a_i, b_i, c_i, d_i of interval i (0-based) at 4i .. 4i+3.
std::vector<Cubic> referenceSpline(const std::vector<double>& x, const std::vector<double>& y)
{
    const std::size_t intervals = x.size() - 1;
    const std::size_t size = 4 * intervals;
    std::vector<std::vector<double>> a;
    std::vector<double> rhs;
    const auto addRow = [&](std::vector<double> row, double value) {
        a.push_back(std::move(row));
        rhs.push_back(value);
    };
    for (std::size_t i = 0; i < intervals; ++i) {
        const double h = x[i + 1] - x[i];
        std::vector<double> row(size, 0.0);
        row[4 * i] = 1; // S_i(x_i) = y_i
        addRow(row, y[i]);
        row.assign(size, 0.0); // S_i(x_(i+1)) = y_(i+1)
        row[4 * i] = 1, row[4 * i + 1] = h, row[4 * i + 2] = h * h, row[4 * i + 3] = h * h * h;
        addRow(row, y[i + 1]);
        if (i + 1 < intervals) {
            row.assign(size, 0.0); // S_i'(x_(i+1)) = S_(i+1)'(x_(i+1))
            row[4 * i + 1] = 1, row[4 * i + 2] = 2 * h, row[4 * i + 3] = 3 * h * h, row[4 * i + 5] = -1;
            addRow(row, 0);
            row.assign(size, 0.0); // S_i''(x_(i+1)) = S_(i+1)''(x_(i+1))
            row[4 * i + 2] = 2, row[4 * i + 3] = 6 * h, row[4 * i + 6] = -2;
            addRow(row, 0);
        }
    }
    std::vector<double> row(size, 0.0);
    row[2] = 2; // S''(x_1) = 0
    addRow(row, 0);
    row.assign(size, 0.0); // S''(x_n) = 0
    const double hLast = x[intervals] - x[intervals - 1];
    row[size - 2] = 2, row[size - 1] = 6 * hLast;
    addRow(row, 0);

    const auto coef = solveDense(a, rhs);
    std::vector<Cubic> cubics;
    for (std::size_t i = 0; i < intervals; ++i) {
        cubics.push_back({ coef[4 * i], coef[4 * i + 1], coef[4 * i + 2], coef[4 * i + 3] });
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
        std::vector<double> x { gap(random) - 10.0 };
        std::vector<double> y { modulation(random) };
        for (int i = 1; i < n; ++i) {
            x.push_back(x.back() + gap(random));
            y.push_back(modulation(random));
        }
        SplineState spline;
        spline.CurvePointCount = n;
        for (int i = 1; i <= n; ++i) {
            spline.KnotX[i] = x[i - 1];
            spline.KnotY[i] = y[i - 1];
        }
        int warnings = 0;
        CheckSplineKnots(spline, [&](SplineWarning) { ++warnings; });
        ComputeSpline(spline);
        ASSERT_EQ(warnings, 0);

        const auto reference = referenceSpline(x, y);
        // Tolerances relative to the data: values up to 100, slopes up to
        // about 100/0.05, curvatures up to about 100/0.05^2.
        for (int i = 1; i < n; ++i) {
            const double h = x[i] - x[i - 1];
            const Cubic& ref = reference[i - 1];
            for (const double fraction : { 0.0, 0.3, 0.7, 0.999 }) {
                const double t = fraction * h;
                const auto got = EvaluateSpline(spline, x[i - 1] + t);
                ASSERT_NEAR(got.value, ref.value(t), 1e-8) << "round " << round << " interval " << i;
                ASSERT_NEAR(got.slope, ref.slope(t), 1e-6) << "round " << round << " interval " << i;
                ASSERT_NEAR(got.curvature, ref.curvature(t), 1e-4) << "round " << round << " interval " << i;
            }
        }
        // C2 continuity of our own coefficients at every inner knot.
        for (int i = 1; i + 1 < n; ++i) {
            const Cubic left { spline.CoefConstant[i], spline.CoefLinear[i], spline.CoefQuadratic[i],
                               spline.CoefCubic[i] };
            const Cubic right { spline.CoefConstant[i + 1], spline.CoefLinear[i + 1], spline.CoefQuadratic[i + 1],
                                spline.CoefCubic[i + 1] };
            const double h = x[i] - x[i - 1];
            ASSERT_NEAR(left.value(h), right.value(0), 1e-8) << "round " << round << " knot " << i + 1;
            ASSERT_NEAR(left.slope(h), right.slope(0), 1e-6) << "round " << round << " knot " << i + 1;
            ASSERT_NEAR(left.curvature(h), right.curvature(0), 1e-4) << "round " << round << " knot " << i + 1;
        }
    }
}

} // namespace
