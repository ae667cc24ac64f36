// SPDX-License-Identifier: MIT
#include "PageCanvas.h"

#include <QPaintDevice>
#include <QPainter>

PageCanvas::PageCanvas(QPainter& painter)
    : PainterCanvas(painter, mappingFor(painter.device()->logicalDpiX()))
{
}

CanvasMapping PageCanvas::mappingFor(int dpi)
{
    CanvasMapping mapping;
    mapping.pixelsPerUnit = dpi / 254.0;
    mapping.yUp = true;
    mapping.pixelCentres = false;
    // The diagram on paper is the screen one scaled by 2.4, and so are the
    // 3-pixel dots of its dotted pen; a device-pixel pattern would vanish.
    mapping.dotLength = 7.2;
    mapping.antialias = true;
    return mapping;
}
