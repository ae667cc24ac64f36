// SPDX-License-Identifier: MIT
#pragma once

#include "RangeArray.h"
#include "Spline.h"

// The spline of one series sampled for drawing, with the scale factors that
// map abscissae and percent to pixels of the plot area.
struct CurveSamples
{
    static constexpr int SampleCount = 101;

    RangeArray<double, 1, SampleCount> CurveSampleX;
    RangeArray<double, 1, SampleCount> CurveSampleY;
    double SampleStep = 0.0;
    double CurveMaxX = 0.0;
    double CurveMaxY = 100.0;
    double ScaleX = 0.0;
    double ScaleY = 0.0;
    // False when the samples cannot be drawn as a line (fewer than two
    // support points, no positive abscissa range, non-finite values); the
    // markers are still drawn.
    bool drawable = false;
};

// Samples the spline just computed at 101 abscissae from 1E-8 below x_1 to
// 1E-8 below x_n in equal steps (the shift keeps the last sample inside the
// last computed interval), and derives ScaleX = plotAreaWidth / CurveMaxX
// and ScaleY = plotAreaHeight / 100 (the modulation axis always spans
// 0..100 %). Requires checkSplineKnots and computeSpline to have run.
//
// Every output is finite, whatever the support points. A curve that cannot
// be drawn as a line has drawable = false:
// - no support point: all samples 0, CurveMaxX 0;
// - one support point, or x_n equal to x_1: SampleStep 0, every sample at
//   x_1 - 1E-8 with the spline's (constant) value;
// - CurveMaxX at or below 0 (no positive abscissa range): ScaleX is 0, so
//   the markers stay on the y axis instead of at an infinite pixel;
// - a spline with non-finite coefficients (zero-width interval) or
//   abscissae too large to sample: the non-finite samples are replaced by 0.
CurveSamples sampleCurve(const SplineState& spline, int plotAreaWidth, int plotAreaHeight);
