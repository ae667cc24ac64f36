#include "CurveDrawing.h"

#include "CurveMapping.h"

#include <algorithm>

void DrawSampleLine(Canvas& canvas, const CurveSamples& samples, int step,
                    const std::function<std::optional<QPoint>(double x, double m)>& position)
{
    const int first = firstSampleOnAxis(samples);
    if (first == 0) {
        return;
    }
    bool penDown = false;
    for (int j = first; j <= CurveSamples::SampleCount; j += step) {
        const std::optional<QPoint> point = position(samples.CurveSampleX[j], samples.CurveSampleY[j]);
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

void DrawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series)
{
    const CurveSamples& samples = curve.samples;
    const CurveMapping mapping { samples.ScaleX, samples.ScaleY, abscissaFactor };
    const auto position = [&mapping](double x, double m) { return mapping.screen(x, m); };

    if (samples.drawable) {
        if (series == Series::Sagittal) {
            screen.setPen(QColor(255, 0, 0), 1, PenStyle::Solid);
            DrawSampleLine(screen, samples, 1, position);
        } else {
            screen.setPen(QColor(0, 0, 255), 1, PenStyle::Dotted);
            DrawSampleLine(screen, samples, 4, position);
        }
    }

    // Markers after the line, so they cover it at the support points.
    screen.setPen(QColor(0, 0, 0), 1, PenStyle::Solid);
    screen.setBrush(QColor(255, 255, 255));
    const SplineState& spline = curve.spline;
    const int count = std::min(spline.CurvePointCount, SplineState::MaxPoints);
    for (int j = 1; j <= count; ++j) {
        if (const std::optional<QPoint> p = mapping.screen(spline.KnotX[j], spline.KnotY[j])) {
            screen.ellipse(p->x() - 2, p->y() - 2, p->x() + 2, p->y() + 2);
        }
    }
}
