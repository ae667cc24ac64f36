// SPDX-License-Identifier: MIT
#include "ScaledImageCanvas.h"

#include <QPainter>

ScaledImageCanvas::ScaledImageCanvas(QImage& image, double pixelsPerUnit)
    : m_image(image)
    , m_mapping(scaledScreenMapping(pixelsPerUnit))
{
}

template <typename Draw> void ScaledImageCanvas::paint(const Draw& draw)
{
    // A painter on an image with a device pixel ratio would scale by it
    // once more; the mapping already reaches the device pixels.
    const qreal shownRatio = m_image.devicePixelRatio();
    m_image.setDevicePixelRatio(1.0);
    {
        QPainter painter(&m_image);
        PainterCanvas canvas(painter, m_mapping);
        passStateTo(canvas);
        draw(canvas);
    }
    m_image.setDevicePixelRatio(shownRatio);
}

void ScaledImageCanvas::lineTo(int x, int y)
{
    paint([x, y](Canvas& canvas) { canvas.lineTo(x, y); });
    moveTo(x, y);
}

void ScaledImageCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    paint([=](Canvas& canvas) { canvas.rectangle(x1, y1, x2, y2); });
}

void ScaledImageCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    paint([=](Canvas& canvas) { canvas.ellipse(x1, y1, x2, y2); });
}

void ScaledImageCanvas::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    paint([=, &color](Canvas& canvas) { canvas.fillRect(x1, y1, x2, y2, color); });
}

void ScaledImageCanvas::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    paint([=, &text, &font](Canvas& canvas) { canvas.text(x, y, text, font, angleDegrees); });
}

void ScaledImageCanvas::series(const SeriesShape& shape)
{
    paint([&shape](Canvas& canvas) { canvas.series(shape); });
    takeSeriesEndState(shape);
}
