#pragma once

#include "RangeArray.h"

#include <functional>
#include <string>

// Natural cubic spline through support points 1..CurvePointCount.
// The arrays have the fixed range 0..20; index 0 is never used.
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

// The user-visible text of a warning (UTF-8).
std::string splineWarningText(SplineWarning warning);

// Receives each warning as it arises; the computation goes on afterwards.
using SplineWarningSink = std::function<void(SplineWarning)>;

// Fills IntervalWidth and IntervalRise and reports unusable intervals, one
// warning per offending interval and test, in ascending interval order.
void CheckSplineKnots(SplineState& spline, const SplineWarningSink& warn);

// Second derivatives and coefficients (natural end conditions). Never
// throws for degenerate input; see the implementation for what it yields.
void ComputeSpline(SplineState& spline);

// Value, slope and curvature at x; x below x_1 uses the first interval.
SplineValue EvaluateSpline(const SplineState& spline, double x);
