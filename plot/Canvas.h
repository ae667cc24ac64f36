#pragma once

#include <QColor>
#include <QString>

enum class PenStyle
{
    Solid,
    Dotted, // 3 on, 3 off; gaps in the background colour; restarts at every lineTo
};

struct CanvasFont
{
    QString family = QStringLiteral("Arial");
    // Character (em) height in logical units, or, with cellHeight, the
    // height of the whole character cell (ascent + descent).
    int height = 12;
    bool cellHeight = false;
    bool bold = false;

    bool operator==(const CanvasFont&) const = default;
};

// The drawing surface that the plot frame, the curves, the report and the
// exports all draw through. Coordinates are logical units of the surface:
// pixels with y down on the screen image, 0.1 mm with y up on a page.
// Semantics follow the classic device-context model:
// - lineTo paints from the current position up to but excluding the end;
// - rectangle/ellipse are outlined with the pen and filled with the brush,
//   with the right and bottom edges of the box excluded;
// - text is placed by the top-left corner of its character cell, on an
//   opaque background in the brush colour, in black. With an angle a
//   (degrees) the baseline runs along (cos a, -sin a) in logical
//   coordinates and the reference point turns with the text: on the y-down
//   screen 90 reads bottom to top, on the y-up page -90 does. Text is never
//   mirrored.
// Coordinates far outside the surface are allowed; nothing is ever written
// outside it.
class Canvas
{
public:
    virtual ~Canvas() = default;

    virtual void setPen(const QColor& color, int width, PenStyle style) = 0;
    virtual void setBrush(const QColor& color) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void fillRect(int x1, int y1, int x2, int y2, const QColor& color) = 0;
    virtual void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) = 0;
};
