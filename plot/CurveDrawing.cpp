#include "CurveDrawing.h"

#include "CurveMapping.h"

#include <algorithm>

namespace {

std::optional<QPoint> screenPosition(const CurveMapping& mapping, double x, double m)
{
    return mapping.screen(x, m);
}

std::optional<QPoint> pagePosition(const CurveMapping& mapping, double x, double m)
{
    return mapping.page(x, m);
}

void drawSampleLine(Canvas& canvas, const CurveSamples& samples, int step, const CurveMapping& mapping,
                    const CurveStyle& style)
{
    const int first = firstSampleOnAxis(samples);
    if (first == 0) {
        return;
    }
    bool penDown = false;
    for (int j = first; j <= CurveSamples::SampleCount; j += step) {
        const std::optional<QPoint> point = style.position(mapping, samples.CurveSampleX[j], samples.CurveSampleY[j]);
        if (!point) {
            penDown = false; // skip both segments that touch this point
            continue;
        }
        if (!penDown) {
            // The line starts where it is: the first lineTo has zero length.
            canvas.moveTo(point->x(), point->y());
            penDown = true;
        }
        canvas.lineTo(point->x(), point->y());
    }
}

} // namespace

// On the screen every support point gets a 4-px marker; on paper a 0.8 mm
// circle, and none at the first support point.
const CurveStyle CurveStyle::Screen { screenPosition, 1, 1, 2, false, 1 };
const CurveStyle CurveStyle::Page { pagePosition, 2, 2, 4, true, 2 };

void drawSeries(Canvas& canvas, const SeriesCurve& curve, double abscissaFactor, Series series, const CurveStyle& style)
{
    const CurveSamples& samples = curve.samples;
    const CurveMapping mapping { samples.ScaleX, samples.ScaleY, abscissaFactor };

    if (samples.drawable) {
        if (series == Series::Sagittal) {
            canvas.setPen(QColor(255, 0, 0), style.sagittalWidth, PenStyle::Solid);
            drawSampleLine(canvas, samples, 1, mapping, style);
        } else {
            canvas.setPen(QColor(0, 0, 255), 1, PenStyle::Dotted);
            drawSampleLine(canvas, samples, 4, mapping, style);
        }
    }

    // Markers after the line, so they cover it at the support points.
    canvas.setPen(QColor(0, 0, 0), style.markerPenWidth, PenStyle::Solid);
    canvas.setBrush(QColor(255, 255, 255));
    const SplineState& spline = curve.spline;
    const int count = std::min(spline.CurvePointCount, SplineState::MaxPoints);
    const int r = style.markerHalfSize;
    const int down = style.markerYUp ? -r : r;
    for (int j = style.firstMarker; j <= count; ++j) {
        if (const std::optional<QPoint> p = style.position(mapping, spline.KnotX[j], spline.KnotY[j])) {
            canvas.ellipse(p->x() - r, p->y() - down, p->x() + r, p->y() + down);
        }
    }
}

void drawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series)
{
    drawSeries(screen, curve, abscissaFactor, series, CurveStyle::Screen);
}
