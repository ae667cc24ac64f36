// SPDX-License-Identifier: MIT
#include "Spline.h"

#include <cmath>

namespace {

constexpr double WidthTolerance = 1E-20;

// The support-point count, checked against the arrays: a count above their
// end is a range fault like any other index outside them.
int checkedPointCount(const SplineState& spline)
{
    const int n = spline.CurvePointCount;
    if (n > SplineState::MaxPoints) {
        throw RangeError(MessageText(LUMIVEX_TEXT("Spline", "Bereichsfehler: %1 Stützstellen, höchstens %2 möglich"),
                                     { n, SplineState::MaxPoints }));
    }
    return n;
}

} // namespace

MessageText splineWarningMessage(SplineWarning warning)
{
    return warning == SplineWarning::Singular ? MessageText(LUMIVEX_TEXT("Spline", "Funktion singulär"))
                                              : MessageText(LUMIVEX_TEXT("Spline", "Funktion nicht monoton"));
}

std::string splineWarningText(SplineWarning warning)
{
    return splineWarningMessage(warning).german();
}

void checkSplineKnots(SplineState& spline, const SplineWarningSink& warn)
{
    const int n = checkedPointCount(spline);
    for (int i = 1; i <= n - 1; ++i) {
        const double width = spline.KnotX[i + 1] - spline.KnotX[i];
        spline.IntervalWidth[i] = width;
        spline.IntervalRise[i] = spline.KnotY[i + 1] - spline.KnotY[i];
        // Two separate tests on purpose: a zero width fails both, a
        // decreasing interval only the second.
        if (std::abs(width) <= WidthTolerance && warn) {
            warn(SplineWarning::Singular);
        }
        if (width <= WidthTolerance && warn) {
            warn(SplineWarning::NotMonotonic);
        }
    }
}

void computeSpline(SplineState& spline)
{
    const int n = checkedPointCount(spline);
    if (n < 2) {
        return;
    }
    const auto& x = spline.KnotX;
    const auto& y = spline.KnotY;
    auto& h = spline.IntervalWidth;
    auto& m = spline.SecondDerivative;
    auto& e = spline.ElimFactor;
    auto& g = spline.ElimRhs;

    m[1] = 0.0;
    m[n] = 0.0;
    e[1] = 0.0;
    g[1] = 0.0;

    // Forward sweep of the Thomas elimination for the interior equations
    //   h_(i-1) M_(i-1) + 2 (h_(i-1) + h_i) M_i + h_i M_(i+1) = 6 (s_i - s_(i-1)).
    double previousSlope = 0.0;
    for (int i = 1; i <= n - 1; ++i) {
        h[i] = x[i + 1] - x[i];
        const double slope = (y[i + 1] - y[i]) / h[i];
        if (i >= 2) {
            const double p = 1.0 / (2.0 * (h[i - 1] + h[i]) - h[i - 1] * e[i - 1]);
            e[i] = h[i] * p;
            double r = 6.0 * (slope - previousSlope);
            // The known end values move to the right-hand side. Both are zero
            // for the natural spline; kept so that other end conditions only
            // need M_1 and M_n set differently.
            if (i == 2) {
                r -= h[i - 1] * m[1];
            }
            if (i == n - 1) {
                r -= h[i] * m[n];
            }
            g[i] = (r - h[i - 1] * g[i - 1]) * p;
        }
        previousSlope = slope;
    }

    // Back substitution. With n = 2 this sets M_1 = g_1 = 0 (a straight line).
    m[n - 1] = g[n - 1];
    for (int j = n - 2; j >= 2; --j) {
        m[j] = g[j] - e[j] * m[j + 1];
    }

    for (int i = 1; i <= n - 1; ++i) {
        spline.CoefCubic[i] = (m[i + 1] - m[i]) / (6.0 * h[i]);
        spline.CoefQuadratic[i] = 0.5 * m[i];
        spline.CoefLinear[i] = spline.IntervalRise[i] / h[i] - h[i] * (2.0 * m[i] + m[i + 1]) * (1.0 / 6.0);
        spline.CoefConstant[i] = y[i];
    }
}

SplineValue evaluateSpline(const SplineState& spline, double x)
{
    const int n = checkedPointCount(spline);
    if (n < 2) {
        // No interval: a single support point is a constant, none is zero.
        return { n == 1 ? spline.KnotY[1] : 0.0, 0.0, 0.0 };
    }
    // A value equal to x_(i+1) stays in interval i. The search stops at the
    // last interval, so x above x_n extends the last polynomial instead of
    // reaching coefficients that belong to no interval.
    int i = 1;
    while (i < n - 1 && x > spline.KnotX[i + 1]) {
        ++i;
    }
    const double t = x - spline.KnotX[i];
    const double a = spline.CoefConstant[i];
    const double b = spline.CoefLinear[i];
    const double c = spline.CoefQuadratic[i];
    const double d = spline.CoefCubic[i];
    return {
        a + b * t + c * t * t + d * t * t * t,
        b + t * (2.0 * c + 3.0 * d * t),
        2.0 * c + 6.0 * d * t,
    };
}
