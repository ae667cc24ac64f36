// SPDX-License-Identifier: MIT
#pragma once

#include "PainterCanvas.h"

class QPainter;

// A printed page in units of 0.1 mm with y pointing up: the origin is the
// top-left corner of the painter's area (the printable area of a printer),
// so everything on the page has a negative y. A logical point maps to the
// device pixel (x * dpi / 254, -y * dpi / 254).
class PageCanvas final : public PainterCanvas
{
public:
    // The painter must be active on a device with its real resolution
    // (QPrinter, QPdfWriter, or a QImage with dots per metre set).
    explicit PageCanvas(QPainter& painter);

    static CanvasMapping mappingFor(int dpi);
};
