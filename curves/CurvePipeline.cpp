#include "CurvePipeline.h"

SeriesCurve computeSeries(const ExtractedCurve& curve, Series series, const SplineWarningSink& warn, int plotAreaWidth,
                          int plotAreaHeight)
{
    SeriesCurve out;
    auto& spline = out.spline;
    const auto& values = series == Series::Sagittal ? curve.SagPointValues : curve.TanPointValues;
    spline.CurvePointCount = curve.CurvePointCount;
    for (int i = 1; i <= curve.CurvePointCount; ++i) {
        spline.KnotX[i] = curve.KnotX[i];
        spline.KnotY[i] = values[i];
    }
    checkSplineKnots(spline, warn);
    computeSpline(spline);
    out.samples = sampleCurve(spline, plotAreaWidth, plotAreaHeight);
    return out;
}
