// SPDX-License-Identifier: MIT
#include "Canvas.h"

#include <algorithm>
#include <cstdlib>

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

void Canvas::image(int x1, int y1, int x2, int y2, const QImage& image)
{
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    const int width = std::abs(x2 - x1);
    const int height = std::abs(y2 - y1);
    if (image.isNull() || width == 0 || height == 0) {
        return;
    }
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    // Unit (u, v) of the box shows pixel (u * w / width, v * h / height).
    const auto pixel = [&](int u, int v) {
        return source.pixel(static_cast<int>(static_cast<long long>(u) * source.width() / width),
                            static_cast<int>(static_cast<long long>(v) * source.height() / height));
    };
    for (int v = 0; v < height; ++v) {
        for (int u = 0; u < width;) {
            const QRgb colour = pixel(u, v);
            int end = u + 1;
            while (end < width && pixel(end, v) == colour) {
                ++end;
            }
            if (qAlpha(colour) != 0) {
                fillRect(left + u, top + v, left + end, top + v + 1, QColor::fromRgba(colour));
            }
            u = end;
        }
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
