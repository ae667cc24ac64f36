// SPDX-License-Identifier: MIT
#include "CurveDrawing.h"

#include "CurveMapping.h"
#include "SplineBezier.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<QPoint> screenPosition(const CurveMapping& mapping, double x, double m)
{
    return mapping.screen(x, m);
}

std::optional<QPointF> screenRealPosition(const CurveMapping& mapping, double x, double m)
{
    return mapping.screenReal(x, m);
}

std::optional<QPoint> pagePosition(const CurveMapping& mapping, double x, double m)
{
    return mapping.page(x, m);
}

// The line through every step-th sample from the first one on the axis, in
// pieces broken where a sample has no position (both segments that touch
// it are left out).
void addSampleLine(SeriesShape& shape, const CurveSamples& samples, int step, const CurveMapping& mapping,
                   const CurveStyle& style)
{
    const int first = firstSampleOnAxis(samples);
    if (first == 0) {
        return;
    }
    bool penDown = false;
    for (int j = first; j <= CurveSamples::SampleCount; j += step) {
        const double x = samples.CurveSampleX[j];
        const double m = samples.CurveSampleY[j];
        const std::optional<QPoint> point = style.position(mapping, x, m);
        if (!point) {
            penDown = false;
            continue;
        }
        if (!penDown) {
            shape.pieces.emplace_back();
            if (style.realPosition) {
                shape.realPieces.emplace_back();
            }
            penDown = true;
        }
        shape.pieces.back().push_back(*point);
        if (style.realPosition) {
            // Finite wherever the rounded position is: both pull in the same
            // products.
            shape.realPieces.back().push_back(*style.realPosition(mapping, x, m));
        }
    }
}

// The spline from the y axis on as cubic Bézier segments in real screen
// units. The mapping is affine, so the mapped control points draw the mapped
// curve; a point the mapping would have to pull in (or cannot place) would
// bend it, so then there is no such form and the samples are drawn.
QPolygonF splinePath(const SplineState& spline, const CurveMapping& mapping)
{
    const std::vector<CubicBezier> segments = splineBeziers(spline, 0.0);
    QPolygonF path;
    if (segments.empty()) {
        return path;
    }
    const auto add = [&](BezierPoint p) {
        const double dx = p.x * mapping.ScaleX * mapping.AbscissaFactor;
        const double dy = p.y * mapping.ScaleY;
        const double limit = CurveMapping::CoordinateLimit;
        if (!(std::abs(dx) < limit && std::abs(dy) < limit)) {
            return false;
        }
        path.push_back(*mapping.screenReal(p.x, p.y));
        return true;
    };
    bool placed = add(segments.front().p0);
    for (const CubicBezier& s : segments) {
        placed = placed && add(s.p1) && add(s.p2) && add(s.p3);
    }
    return placed ? path : QPolygonF();
}

// Lighter than the first lens's pure red and blue, still of their
// families, and dark enough to see on white paper.
const QColor ReferenceSagittal(255, 128, 128);
const QColor ReferenceTangential(110, 140, 255);
const QColor NoFill(255, 255, 255, 0);

} // namespace

// On the screen every support point gets a 4-px marker; on paper a 0.8 mm
// circle, and none at the first support point.
const CurveStyle CurveStyle::Screen { screenPosition, screenRealPosition, 1, 1, 2, false, 1 };
const CurveStyle CurveStyle::Page { pagePosition, nullptr, 2, 2, 4, true, 2 };
const CurveStyle CurveStyle::ScreenReference { screenPosition, screenRealPosition, 1, 1, 2, false, 1, true };
const CurveStyle CurveStyle::PageReference { pagePosition, nullptr, 2, 2, 4, true, 2, true };

void drawSeries(Canvas& canvas, const SeriesCurve& curve, double abscissaFactor, Series series, const CurveStyle& style)
{
    const CurveSamples& samples = curve.samples;
    const CurveMapping mapping { samples.ScaleX, samples.ScaleY, abscissaFactor };

    SeriesShape shape;
    if (style.reference) {
        shape.lineColor = series == Series::Sagittal ? ReferenceSagittal : ReferenceTangential;
        shape.lineWidth = series == Series::Sagittal ? style.sagittalWidth : 1;
        shape.lineStyle = series == Series::Sagittal ? PenStyle::Solid : PenStyle::Dotted;
    } else if (series == Series::Sagittal) {
        shape.lineColor = QColor(255, 0, 0);
        shape.lineWidth = style.sagittalWidth;
        shape.lineStyle = PenStyle::Solid;
    } else {
        shape.lineColor = QColor(0, 0, 255);
        shape.lineWidth = 1;
        shape.lineStyle = PenStyle::Dotted;
    }
    if (samples.drawable) {
        addSampleLine(shape, samples, series == Series::Sagittal ? 1 : 4, mapping, style);
        if (style.realPosition && shape.realPieces.size() == 1) {
            shape.realSpline = splinePath(curve.spline, mapping);
        }
    }

    shape.markerColor = style.reference ? shape.lineColor : QColor(0, 0, 0);
    shape.markerFill = style.reference ? NoFill : QColor(255, 255, 255);
    shape.markerPenWidth = style.markerPenWidth;
    shape.markerHalfSize = style.markerHalfSize;
    shape.markerYUp = style.markerYUp;
    const SplineState& spline = curve.spline;
    const int count = std::min(spline.CurvePointCount, SplineState::MaxPoints);
    for (int j = style.firstMarker; j <= count; ++j) {
        if (const std::optional<QPoint> p = style.position(mapping, spline.KnotX[j], spline.KnotY[j])) {
            shape.markers.push_back(*p);
            if (style.realPosition) {
                shape.realMarkers.push_back(*style.realPosition(mapping, spline.KnotX[j], spline.KnotY[j]));
            }
        }
    }
    canvas.series(shape);
    if (style.reference) {
        // Texts drawn next take the brush as their background.
        canvas.setBrush(QColor(255, 255, 255));
    }
}

void drawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series)
{
    drawSeries(screen, curve, abscissaFactor, series, CurveStyle::Screen);
}
