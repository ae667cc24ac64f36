// SPDX-License-Identifier: MIT
#pragma once

#include "CurveExtraction.h"
#include "CurveSampling.h"
#include "Spline.h"

enum class Series
{
    Sagittal = 1,
    Tangential = 2,
};

// One orientation of an extracted curve, splined and sampled: what the
// screen, the report and the exports draw.
struct SeriesCurve
{
    SplineState spline; // KnotX/KnotY hold the support points (markers)
    CurveSamples samples;
};

// The spline of one series: the support points with the series' values in
// KnotY, checked (warnings go to warn) and computed.
SplineState seriesSpline(const ExtractedCurve& curve, Series series, const SplineWarningSink& warn);

// Copies the series' values into KnotY, checks the knots (warnings go to
// warn), computes the spline and samples it for a plot area of the given
// size in pixels.
SeriesCurve computeSeries(const ExtractedCurve& curve, Series series, const SplineWarningSink& warn,
                          int plotAreaWidth = 170, int plotAreaHeight = 170);
