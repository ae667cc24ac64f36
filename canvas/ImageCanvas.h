// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"

#include <QHash>
#include <QImage>
#include <QPoint>

#include <algorithm>

// Draws on a QImage in pixels (y down) by fixed whole-pixel rules, with no
// antialiasing, so that the 250 x 250 plot looks the same on any machine:
// - lines are rasterized here (Bresenham, start pixel painted, end pixel
//   not, pen width 1); the dotted pen is 3 pixels on, 3 off, the gaps
//   painted white, the pattern restarting at every lineTo;
// - rectangles and ellipses cover the box without its right and bottom
//   edge, outlined with the pen colour and filled with the brush;
// - text is rendered by Qt without antialiasing, on an opaque background
//   in the brush colour.
// Everything is clipped to the image; coordinates may lie far outside it.
class ImageCanvas final : public Canvas
{
public:
    // The image must outlive the canvas. Images that are not 32-bit RGB are
    // converted in place first.
    explicit ImageCanvas(QImage& image);

    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;

private:
    // A text as an opaque box of pixels; the rest of the image transparent.
    // origin is the reference point (top-left of the cell) in pixels.
    struct RenderedText
    {
        QImage pixels;
        QPoint origin;
    };
    static constexpr qsizetype MaxCachedTexts = 256;
    RenderedText renderText(const QString& text, const CanvasFont& font, int angleDegrees) const;

    void plot(long long x, long long y, QRgb color);
    void stamp(long long x, long long y, QRgb color); // one pen-sized dot
    void fillSpan(long long y, long long left, long long right, QRgb color);
    void rasterizeLine(QPoint from, QPoint to);

    // The pen is at least one pixel wide; a brush of alpha 0 fills nothing.
    int drawnPenWidth() const { return std::max(1, penWidth()); }
    bool hollow() const { return brushColor().alpha() == 0; }

    QImage& m_image;
    QRgb m_backgroundColor = qRgb(255, 255, 255); // the gaps of the dotted pen
    QHash<QString, RenderedText> m_textCache;
};
