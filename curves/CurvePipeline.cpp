// SPDX-License-Identifier: MIT
#include "CurvePipeline.h"

SplineState seriesSpline(const ExtractedCurve& curve, Series series, const SplineWarningSink& warn)
{
    SplineState spline;
    const auto& values = series == Series::Sagittal ? curve.SagPointValues : curve.TanPointValues;
    spline.CurvePointCount = curve.CurvePointCount;
    for (int i = 1; i <= curve.CurvePointCount; ++i) {
        spline.KnotX[i] = curve.KnotX[i];
        spline.KnotY[i] = values[i];
    }
    checkSplineKnots(spline, warn);
    computeSpline(spline);
    return spline;
}

SeriesCurve computeSeries(const ExtractedCurve& curve, Series series, const SplineWarningSink& warn, int plotAreaWidth,
                          int plotAreaHeight)
{
    SeriesCurve out;
    out.spline = seriesSpline(curve, series, warn);
    out.samples = sampleCurve(out.spline, plotAreaWidth, plotAreaHeight);
    return out;
}
