// SPDX-License-Identifier: MIT
#include "CurveMapping.h"

#include "PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<double> pulledIn(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double limit = CurveMapping::CoordinateLimit;
    return std::clamp(value, -limit, limit);
}

std::optional<int> truncated(double value)
{
    const std::optional<double> pulled = pulledIn(value);
    if (!pulled) {
        return std::nullopt;
    }
    return static_cast<int>(std::trunc(*pulled));
}

} // namespace

std::optional<QPoint> CurveMapping::screen(double x, double m) const
{
    const std::optional<int> dx = truncated(x * ScaleX * AbscissaFactor);
    const std::optional<int> dy = truncated(m * ScaleY);
    if (!dx || !dy) {
        return std::nullopt;
    }
    using namespace PlotGeometry;
    return QPoint(Margin + *dx, Margin + PlotAreaHeight - *dy);
}

std::optional<QPointF> CurveMapping::screenReal(double x, double m) const
{
    const std::optional<double> dx = pulledIn(x * ScaleX * AbscissaFactor);
    const std::optional<double> dy = pulledIn(m * ScaleY);
    if (!dx || !dy) {
        return std::nullopt;
    }
    using namespace PlotGeometry;
    return QPointF(Margin + 0.5 + *dx, Margin + PlotAreaHeight + 0.5 - *dy);
}

std::optional<QPoint> CurveMapping::page(double x, double m) const
{
    const std::optional<int> dx = truncated(x * AbscissaFactor * (ScaleX * 24.0));
    const std::optional<int> dy = truncated(m * (ScaleY * 24.0));
    if (!dx || !dy) {
        return std::nullopt;
    }
    using namespace PlotGeometry;
    return QPoint(PrintPlotLeft + *dx / 10, PrintPlotBottom + *dy / 10);
}

int firstSampleOnAxis(const CurveSamples& samples)
{
    for (int i = 1; i <= CurveSamples::SampleCount; ++i) {
        if (samples.CurveSampleX[i] >= 0.0) {
            return i;
        }
    }
    return 0;
}
