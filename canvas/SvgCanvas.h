// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>

// Writes what is drawn as a lean SVG document, one logical unit per user
// unit (a CSS pixel: 96 to the inch). Units are pixels of the screen image
// as with the scaled screen mapping: lines run through the pixel centres,
// fills cover whole pixels, the dotted pen is 3 units on, 3 off with white
// gaps, text is black on an opaque box in the brush colour. Outlined boxes
// (rectangle, ellipse) are not written: no chart draws one on this surface,
// its markers come whole with series().
//
// The document stays small and renders the same as a painter would draw
// it: coordinates carry at most three decimals; consecutive lines in one
// pen are one path (a line that starts where the previous one ended goes
// on, any other starts a new subpath); a series of the curves is one path
// through its real coordinates (the dotted one with a dash pattern over
// its white underlay, half a unit wider so that the other series drawn
// along the same points leaves no antialiased fringe), one cubic Bézier
// segment per interval of the spline where the shape carries it, and one
// group of circle markers.
class SvgCanvas final : public Canvas
{
public:
    SvgCanvas(QSize size, const QString& title, const QString& description);

    void lineTo(int x, int y) override;
    void rectangle(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) override { }
    void ellipse(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) override { }
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;
    void series(const SeriesShape& shape) override;
    // One <image> element with the image as an embedded PNG.
    void image(int x1, int y1, int x2, int y2, const QImage& image) override;

    // The complete document with everything drawn so far; drawing may go on.
    QByteArray document();

private:
    struct Pen
    {
        QColor color;
        int width = 1;
        PenStyle style = PenStyle::Solid;
        bool operator==(const Pen&) const = default;
    };
    // Writes the lines gathered in m_pathData, if any.
    void flushPath();
    // A dotted pen's white gaps are drawn gapWidening units wider than the
    // dots.
    void strokePath(const QByteArray& data, const Pen& pen, double gapWidening = 0.0);

    // The pen in force, at least one unit wide.
    Pen pen() const;

    QByteArray m_body;
    QByteArray m_header;
    // The path being gathered: its pen, its data and where it ends.
    Pen m_pathPen;
    QByteArray m_pathData;
    QPoint m_pathEnd;
};
