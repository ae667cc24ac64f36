// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"
#include "PainterCanvas.h"

#include <QImage>
#include <QPoint>

// Draws on a QImage whose pixels are smaller than the canvas's logical
// units (the plot on a HiDPI screen): every operation is painted with
// antialiasing through PainterCanvas, mapped `pixelsPerUnit` device pixels
// per unit, so lines, markers and text come out sharp instead of as
// enlarged pixels, and curves run through their real coordinates.
//
// The painter lives for one operation only. The image therefore is never
// left with an active painter between operations: it can be shown, copied
// and compared at any time, and copies taken earlier keep their contents.
// The dotted pen restarts its pattern at every lineTo anyway, so nothing
// is lost by ending the painter in between.
class ScaledImageCanvas final : public Canvas
{
public:
    // The image must outlive the canvas. Its device pixel ratio is kept as
    // it is; drawing ignores it and maps onto its pixels itself.
    ScaledImageCanvas(QImage& image, double pixelsPerUnit);

    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;
    void series(const SeriesShape& shape) override;

private:
    // Runs draw on a painter canvas that carries this canvas's pen, brush
    // and current position.
    template <typename Draw> void paint(const Draw& draw);

    QImage& m_image;
    CanvasMapping m_mapping;
};
