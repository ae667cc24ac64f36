// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"

#include <QPoint>
#include <QPointF>

class QPainter;
class QPainterPath;

// How the logical units of a canvas meet the device pixels of a painter.
struct CanvasMapping
{
    double pixelsPerUnit = 1.0; // device pixels per logical unit
    bool yUp = false;           // logical y points up (the page); device y is -y
    // Logical units are pixels of a bitmap drawn larger: lines run through
    // the pixel centres and boxes cover whole pixels, as on the image.
    bool pixelCentres = true;
    double dotLength = 3.0; // logical length of a dot and of a gap of the dotted pen
    bool antialias = true;
    // Curves are drawn from their real coordinates (the scaled screen
    // diagram); otherwise from whole units, as the 1x image has them.
    bool realCurves = false;
};

// Units are pixels of the 250 x 250 screen image drawn `scale` device
// pixels large: lines through the pixel centres, boxes covering whole
// pixels, the dotted pen's 3-on-3-off pattern in screen pixels; curves from
// their real coordinates.
CanvasMapping scaledScreenMapping(double scale);

// Draws on any QPainter (SVG, PDF, printer, a big PNG) by mapping points
// onto the painter's device; the painter is never flipped or scaled, so text
// stays upright. Pen widths are logical and become device pixels through the
// mapping (a width of 0 or 1 is one logical unit, at least one device pixel).
// The dotted pen is drawn over a white solid line of the same width, so the
// gaps are white on every engine; its pattern restarts at every lineTo.
// With realCurves a series is drawn from its real form: the spline as one
// path of cubic Bézier segments where the shape carries it, else each piece
// of the line as one polyline (either way the dotted pattern runs on along
// it, the pen width and the dots in logical units), the markers as circles
// around their real points.
class PainterCanvas : public Canvas
{
public:
    // The painter must be active and outlive the canvas.
    PainterCanvas(QPainter& painter, const CanvasMapping& mapping);

    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;
    void series(const SeriesShape& shape) override;
    void image(int x1, int y1, int x2, int y2, const QImage& image) override;

    // Device position of a logical point (the corner of a unit, not its
    // centre).
    QPointF map(double x, double y) const;

private:
    QPointF mapCentre(int x, int y) const; // where a line through (x, y) runs
    double penDeviceWidth() const;
    // Strokes a QLineF or a QPainterPath of device points in the pen in
    // force (the dotted pen over white).
    template <typename Line> void strokeLine(const Line& line);
    void outlinedShape(int x1, int y1, int x2, int y2, bool round);

    QPainter& m_painter;
    CanvasMapping m_mapping;
};
