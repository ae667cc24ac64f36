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

CurveSamples SampleCurve(const SplineState& spline, int plotAreaWidth, int plotAreaHeight);
