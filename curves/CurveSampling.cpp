// SPDX-License-Identifier: MIT
#include "CurveSampling.h"

#include <cmath>

namespace {

// Keeps every sample strictly inside the computed intervals: the last one
// lies just below x_n.
constexpr double SampleShift = 1E-8;

} // namespace

CurveSamples sampleCurve(const SplineState& spline, int plotAreaWidth, int plotAreaHeight)
{
    CurveSamples out;
    out.CurveMaxY = 100.0;
    out.ScaleY = static_cast<double>(plotAreaHeight) / out.CurveMaxY;

    const int n = spline.CurvePointCount;
    if (n < 1) {
        return out; // zero samples, ScaleX 0, not drawable
    }

    const double first = spline.KnotX[1];
    const double step = (spline.KnotX[n] - first) * 0.01;
    if (!std::isfinite(first) || !std::isfinite(step)) {
        return out; // abscissae without a usable range: as for no support point
    }
    out.SampleStep = step;
    out.CurveMaxX = first;
    bool finite = true;
    for (int j = 1; j <= CurveSamples::SampleCount; ++j) {
        double sampleX = first + (j - 1) * step - SampleShift;
        double sampleY = evaluateSpline(spline, sampleX).value;
        if (!std::isfinite(sampleX) || !std::isfinite(sampleY)) {
            finite = false;
            sampleX = std::isfinite(sampleX) ? sampleX : 0.0;
            sampleY = std::isfinite(sampleY) ? sampleY : 0.0;
        }
        out.CurveSampleX[j] = sampleX;
        out.CurveSampleY[j] = sampleY;
        if (sampleX > out.CurveMaxX) {
            out.CurveMaxX = sampleX;
        }
    }

    // A range ending at or below 0 has no horizontal scale (and a range
    // ending barely above 0 one too large to be a pixel factor).
    bool scalable = false;
    if (out.CurveMaxX > 0.0) {
        const double scaleX = static_cast<double>(plotAreaWidth) / out.CurveMaxX;
        scalable = std::isfinite(scaleX);
        out.ScaleX = scalable ? scaleX : 0.0;
    }
    out.drawable = n >= 2 && scalable && finite;
    return out;
}
