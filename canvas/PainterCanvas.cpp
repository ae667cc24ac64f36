// SPDX-License-Identifier: MIT
#include "PainterCanvas.h"

#include "FontSetup.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <type_traits>

PainterCanvas::PainterCanvas(QPainter& painter, const CanvasMapping& mapping)
    : m_painter(painter)
    , m_mapping(mapping)
{
    m_painter.setRenderHint(QPainter::Antialiasing, m_mapping.antialias);
    m_painter.setRenderHint(QPainter::TextAntialiasing, m_mapping.antialias);
}

QPointF PainterCanvas::map(double x, double y) const
{
    const double s = m_mapping.pixelsPerUnit;
    return { x * s, (m_mapping.yUp ? -y : y) * s };
}

QPointF PainterCanvas::mapCentre(int x, int y) const
{
    if (!m_mapping.pixelCentres) {
        return map(x, y);
    }
    return map(x + 0.5, m_mapping.yUp ? y - 0.5 : y + 0.5);
}

double PainterCanvas::penDeviceWidth() const
{
    return std::max(1.0, std::max(penWidth(), 1) * m_mapping.pixelsPerUnit);
}

void PainterCanvas::lineTo(int x, int y)
{
    const QLineF line(mapCentre(position().x(), position().y()), mapCentre(x, y));
    moveTo(x, y);
    if (line.length() == 0.0) {
        return; // a zero-length line paints nothing
    }
    strokeLine(line);
}

template <typename Line> void PainterCanvas::strokeLine(const Line& line)
{
    const auto draw = [&] {
        if constexpr (std::is_same_v<Line, QLineF>) {
            m_painter.drawLine(line);
        } else {
            m_painter.drawPath(line);
        }
    };
    // A single line has no joins; a polyline's dots turn round its corners,
    // and its white gaps reach a device pixel wider, so that a line drawn
    // before along the same points (the other series where both agree)
    // does not show as an antialiased fringe beside the dots.
    const bool polyline = !std::is_same_v<Line, QLineF>;
    const Qt::PenJoinStyle dotJoin = polyline ? Qt::RoundJoin : Qt::BevelJoin;
    const double width = penDeviceWidth();
    m_painter.setBrush(Qt::NoBrush);
    if (penStyle() == PenStyle::Dotted) {
        m_painter.setPen(
            QPen(QColor(255, 255, 255), polyline ? width + 1.0 : width, Qt::SolidLine, Qt::FlatCap, dotJoin));
        draw();
        QPen dots(penColor(), width, Qt::CustomDashLine, Qt::FlatCap, dotJoin);
        const double dot = m_mapping.dotLength * m_mapping.pixelsPerUnit / width; // in pen widths
        dots.setDashPattern({ dot, dot });
        m_painter.setPen(dots);
    } else {
        m_painter.setPen(QPen(penColor(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    draw();
}

void PainterCanvas::series(const SeriesShape& shape)
{
    if (!m_mapping.realCurves || !shape.hasRealForm()) {
        Canvas::series(shape);
        return;
    }
    if (!shape.realSpline.isEmpty()) {
        setPen(shape.lineColor, shape.lineWidth, shape.lineStyle);
        const QPolygonF& spline = shape.realSpline;
        QPainterPath path(map(spline.front().x(), spline.front().y()));
        for (qsizetype i = 1; i + 2 < spline.size(); i += 3) {
            path.cubicTo(map(spline[i].x(), spline[i].y()), map(spline[i + 1].x(), spline[i + 1].y()),
                         map(spline[i + 2].x(), spline[i + 2].y()));
        }
        strokeLine(path);
    } else if (!shape.realPieces.empty()) {
        setPen(shape.lineColor, shape.lineWidth, shape.lineStyle);
        QPainterPath path;
        for (const QPolygonF& piece : shape.realPieces) {
            // A piece that stays on one spot paints nothing, as its
            // whole-unit form does.
            if (std::all_of(piece.begin(), piece.end(), [&](const QPointF& p) { return p == piece.front(); })) {
                continue;
            }
            path.moveTo(map(piece.front().x(), piece.front().y()));
            for (const QPointF& p : piece) {
                path.lineTo(map(p.x(), p.y()));
            }
        }
        if (!path.isEmpty()) {
            strokeLine(path);
        }
    }
    setPen(shape.markerColor, shape.markerPenWidth, PenStyle::Solid);
    setBrush(shape.markerFill);
    // The outline runs inside the marker's box: half a pen width in from it.
    const double radius = (shape.markerHalfSize - 0.5 * std::max(shape.markerPenWidth, 1)) * m_mapping.pixelsPerUnit;
    m_painter.setPen(QPen(penColor(), penDeviceWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(brushColor());
    for (const QPointF& p : shape.realMarkers) {
        m_painter.drawEllipse(map(p.x(), p.y()), radius, radius);
    }
    takeSeriesEndState(shape);
}

void PainterCanvas::outlinedShape(int x1, int y1, int x2, int y2, bool round)
{
    QRectF box;
    if (m_mapping.pixelCentres) {
        // Right and bottom edges excluded: the outline runs through the
        // centres of the first and last covered pixels.
        const int left = std::min(x1, x2);
        const int right = std::max(x1, x2) - 1;
        const int top = m_mapping.yUp ? std::max(y1, y2) : std::min(y1, y2);
        const int bottom = m_mapping.yUp ? std::min(y1, y2) + 1 : std::max(y1, y2) - 1;
        if (right < left || (m_mapping.yUp ? bottom > top : bottom < top)) {
            return;
        }
        box = QRectF(mapCentre(left, top), mapCentre(right, bottom)).normalized();
    } else {
        box = QRectF(map(x1, y1), map(x2, y2)).normalized();
    }
    m_painter.setPen(QPen(penColor(), penDeviceWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(brushColor());
    if (round) {
        m_painter.drawEllipse(box);
    } else {
        m_painter.drawRect(box);
    }
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    outlinedShape(x1, y1, x2, y2, false);
}

void PainterCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    outlinedShape(x1, y1, x2, y2, true);
}

void PainterCanvas::image(int x1, int y1, int x2, int y2, const QImage& image)
{
    // Each image pixel a sharp square, as the colour field's cells are.
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.drawImage(QRectF(map(x1, y1), map(x2, y2)).normalized(), image);
    m_painter.restore();
}

void PainterCanvas::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    m_painter.fillRect(QRectF(map(x1, y1), map(x2, y2)).normalized(), color);
}

void PainterCanvas::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    if (text.isEmpty()) {
        return;
    }
    const QFont qfont = makeCanvasFont(font, m_mapping.pixelsPerUnit, m_mapping.antialias);
    const QFontMetricsF metrics(qfont, m_painter.device());
    m_painter.save();
    m_painter.translate(map(x, y));
    // The baseline runs along (cos a, -sin a) in logical units; a flipped y
    // axis turns that into the opposite sense on the device.
    m_painter.rotate(m_mapping.yUp ? angleDegrees : -angleDegrees);
    m_painter.fillRect(QRectF(0.0, 0.0, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
                       brushColor());
    m_painter.setFont(qfont);
    m_painter.setPen(QColor(0, 0, 0));
    m_painter.drawText(QPointF(0.0, metrics.ascent()), text);
    m_painter.restore();
}

CanvasMapping scaledScreenMapping(double scale)
{
    CanvasMapping mapping;
    mapping.pixelsPerUnit = scale;
    mapping.yUp = false;
    mapping.pixelCentres = true;
    mapping.dotLength = 3.0;
    mapping.antialias = true;
    mapping.realCurves = true;
    return mapping;
}
