// SPDX-License-Identifier: MIT
#include "Canvas.h"

void Canvas::setPen(const QColor& color, int width, PenStyle style)
{
    m_penColor = color;
    m_penWidth = width;
    m_penStyle = style;
}

void Canvas::setBrush(const QColor& color)
{
    m_brushColor = color;
}

void Canvas::passStateTo(Canvas& target) const
{
    target.setPen(m_penColor, m_penWidth, m_penStyle);
    target.setBrush(m_brushColor);
    target.moveTo(m_position.x(), m_position.y());
}

void Canvas::series(const SeriesShape& shape)
{
    if (!shape.pieces.empty()) {
        setPen(shape.lineColor, shape.lineWidth, shape.lineStyle);
        for (const std::vector<QPoint>& piece : shape.pieces) {
            moveTo(piece.front().x(), piece.front().y());
            for (const QPoint& p : piece) {
                lineTo(p.x(), p.y());
            }
        }
    }
    // Markers after the line, so they cover it at the support points.
    setPen(shape.markerColor, shape.markerPenWidth, PenStyle::Solid);
    setBrush(shape.markerFill);
    const int r = shape.markerHalfSize;
    const int down = shape.markerYUp ? -r : r;
    for (const QPoint& p : shape.markers) {
        ellipse(p.x() - r, p.y() - down, p.x() + r, p.y() + down);
    }
}

void Canvas::takeSeriesEndState(const SeriesShape& shape)
{
    setPen(shape.markerColor, shape.markerPenWidth, PenStyle::Solid);
    setBrush(shape.markerFill);
    if (!shape.pieces.empty()) {
        moveTo(shape.pieces.back().back().x(), shape.pieces.back().back().y());
    }
}
