// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
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
// canvas, in two precisions: whole units (pixels of the 1x image, 0.1 mm
// on the page) and the real coordinates they are rounded from. A surface draws the one that fits
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
    // whole-unit line through (x, y), which paints the unit's pixel, runs
    // through its centre (x + 0.5, y + 0.5). A real marker is a circle around its point, as wide
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
// The rules every surface keeps:
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
//
// The pen, the brush and the current position are kept here, once for
// every surface: a surface reads them when it draws, and its lineTo moves
// the position on to the line's end.
class Canvas
{
public:
    virtual ~Canvas() = default;

    void setPen(const QColor& color, int width, PenStyle style);
    void setBrush(const QColor& color);
    void moveTo(int x, int y) { m_position = QPoint(x, y); }

    const QColor& penColor() const { return m_penColor; }
    // As set; surfaces draw a width below 1 as 1.
    int penWidth() const { return m_penWidth; }
    PenStyle penStyle() const { return m_penStyle; }
    const QColor& brushColor() const { return m_brushColor; }
    QPoint position() const { return m_position; }
    // Puts this canvas's pen, brush and position in force on target.
    void passStateTo(Canvas& target) const;

    virtual void lineTo(int x, int y) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void fillRect(int x1, int y1, int x2, int y2, const QColor& color) = 0;
    virtual void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) = 0;

    // Draws a series of the curves: the line in its pen, then the markers,
    // outlined and filled. This default draws the whole-unit form through the
    // operations above (one pixel per unit); surfaces finer than their units
    // draw the real form. Either way the markers' pen and fill are left in
    // force, and the position at the end of the line.
    virtual void series(const SeriesShape& shape);

    // Draws an image stretched over the box (x1, y1)-(x2, y2), right and
    // bottom edges excluded; its transparent pixels leave what is below.
    // This default fills each run of equal opaque pixels of a row with
    // fillRect, for surfaces of whole units; pen and brush stay.
    virtual void image(int x1, int y1, int x2, int y2, const QImage& image);

    // Puts in force what series() leaves behind, for surfaces that draw a
    // series by other means than the operations above (or not at all).
    void takeSeriesEndState(const SeriesShape& shape);

private:
    QColor m_penColor = QColor(0, 0, 0);
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    QColor m_brushColor = QColor(255, 255, 255);
    QPoint m_position;
};
