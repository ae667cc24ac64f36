// SPDX-License-Identifier: MIT
#pragma once

#include "RangeArray.h"

#include <functional>
#include <string>

// Natural cubic spline through support points 1..CurvePointCount.
// The arrays have the fixed range 0..20; index 0 is never used. On interval
// i (x_i .. x_(i+1)) the spline is
//   S(x) = CoefConstant[i] + CoefLinear[i]*t + CoefQuadratic[i]*t^2 + CoefCubic[i]*t^3,  t = x - x_i.
// A CurvePointCount above 20 makes every operation throw RangeError.
struct SplineState
{
    static constexpr int MaxPoints = 20;

    int CurvePointCount = 0;
    RangeArray<double, 0, MaxPoints> KnotX;
    RangeArray<double, 0, MaxPoints> KnotY;
    RangeArray<double, 0, MaxPoints> IntervalWidth;
    RangeArray<double, 0, MaxPoints> IntervalRise;
    RangeArray<double, 0, MaxPoints> SecondDerivative;
    RangeArray<double, 0, MaxPoints> ElimFactor;
    RangeArray<double, 0, MaxPoints> ElimRhs;
    RangeArray<double, 0, MaxPoints> CoefConstant;
    RangeArray<double, 0, MaxPoints> CoefLinear;
    RangeArray<double, 0, MaxPoints> CoefQuadratic;
    RangeArray<double, 0, MaxPoints> CoefCubic;
};

struct SplineValue
{
    double value = 0.0;
    double slope = 0.0;
    double curvature = 0.0;
};

enum class SplineWarning
{
    Singular,     // "Funktion singulär"
    NotMonotonic, // "Funktion nicht monoton"
};

// The user-visible text of a warning, in pieces for translation and as
// German text (UTF-8).
MessageText splineWarningMessage(SplineWarning warning);
std::string splineWarningText(SplineWarning warning);

// Receives each warning as it arises; the computation goes on afterwards.
using SplineWarningSink = std::function<void(SplineWarning)>;

// Fills IntervalWidth and IntervalRise and reports unusable intervals, one
// warning per offending interval and test, in ascending interval order: a
// width within 1E-20 of zero is Singular, then (independently) a width not
// above 1E-20 is NotMonotonic. warn may be empty. Must run before
// computeSpline, which reads IntervalRise.
void checkSplineKnots(SplineState& spline, const SplineWarningSink& warn);

// Second derivatives and coefficients with natural end conditions
// (M_1 = M_n = 0). Never throws for degenerate input other than a count
// above 20:
// - fewer than two support points: nothing is computed (there is no
//   interval); evaluateSpline then gives the constant y_1, or 0 for none;
// - an interval of zero width (or a vanishing elimination pivot, possible
//   only with decreasing abscissae): the IEEE division yields infinite or
//   NaN coefficients. They are never used to index anything; sampleCurve
//   sees the non-finite values and marks the curve as not drawable.
void computeSpline(SplineState& spline);

// Value, slope and curvature at x. x below x_2 (also below x_1) uses the
// first interval, x equal to x_(i+1) stays in interval i, and x above x_n
// uses the last interval: both end polynomials are extended outwards.
SplineValue evaluateSpline(const SplineState& spline, double x);
