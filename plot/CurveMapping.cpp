#include "CurveMapping.h"

#include "PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<int> truncated(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double limit = CurveMapping::CoordinateLimit;
    return static_cast<int>(std::trunc(std::clamp(value, -limit, limit)));
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
