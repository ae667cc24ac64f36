// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygonF>
#include <QString>

#include <vector>

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

// One series of the diagram's curves as the curve routine hands it to a
// canvas, in two precisions: the whole units of the classic raster and the
// real coordinates they are rounded from. A surface draws the one that fits
// its resolution; the line rules (which samples, where the line breaks) are
// the curve routine's and the same for both.
struct SeriesShape
{
    QColor lineColor;
    int lineWidth = 1;
    PenStyle lineStyle = PenStyle::Solid;
    // The line in pieces (a point without a position breaks it). A piece is
    // drawn as moveTo(first point), then lineTo to every point in turn, the
    // first one included: the line starts with a zero-length step.
    std::vector<std::vector<QPoint>> pieces;
    QColor markerColor;
    QColor markerFill;
    int markerPenWidth = 1;
    int markerHalfSize = 2; // a marker's box reaches this far from its point
    bool markerYUp = false; // the box's corners are given top-left to bottom-right in y-up units
    std::vector<QPoint> markers;

    // The same pieces and markers unrounded, in continuous units in which the
    // classic line through the whole unit (x, y) runs through
    // (x + 0.5, y + 0.5). A real marker is a circle around its point, as wide
    // as the box (its outline inside). Empty when the surface the shape was
    // made for has no real form (the printed page).
    std::vector<QPolygonF> realPieces;
    std::vector<QPointF> realMarkers;
    // The line as the spline itself, in the same real units: its first
    // point, then per interval between support points the two control
    // points and the end of one cubic Bézier segment. Surfaces that draw the
    // real form draw this in place of realPieces when it is there; it is
    // empty where the line has no such form (a broken line, the page).
    QPolygonF realSpline;

    bool hasRealForm() const { return !realPieces.empty() || !realMarkers.empty(); }
};

// The drawing surface that the plot frame, the curves, the report and the
// exports all draw through. Coordinates are logical units of the surface:
// pixels with y down on the screen image, 0.1 mm with y up on a page.
// Semantics follow the classic device-context model:
// - lineTo paints from the current position up to but excluding the end;
// - rectangle/ellipse are outlined with the pen and filled with the brush,
//   with the right and bottom edges of the box excluded; a brush colour of
//   alpha 0 fills nothing (a hollow shape);
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

    // Draws a series of the curves: the line in its pen, then the markers,
    // outlined and filled. This default draws the whole-unit form through the
    // operations above (the classic raster); surfaces finer than their units
    // draw the real form. Either way the markers' pen and fill are left in
    // force, and the position at the end of the line.
    virtual void series(const SeriesShape& shape);

    // Puts in force what series() leaves behind, for surfaces that draw a
    // series by other means than the operations above (or not at all).
    void takeSeriesEndState(const SeriesShape& shape);
};
