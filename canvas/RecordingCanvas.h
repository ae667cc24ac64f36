// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"

#include <QPoint>

#include <memory>
#include <vector>

// One drawing operation as a canvas received it, with the pen, brush and
// font in force at the time.
struct CanvasOp
{
    enum class Kind
    {
        Line,
        Rectangle,
        Ellipse,
        FillRect,
        Text,
        Series, // only when the canvas keeps series whole
    };

    Kind kind = Kind::Line;
    QPoint from; // line start, box corner (x1, y1) or text reference point
    QPoint to;   // line end or box corner (x2, y2)
    QColor penColor;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    QColor brushColor;
    QColor fillColor; // FillRect only
    QString text;
    CanvasFont font;
    int angle = 0;
    std::shared_ptr<const SeriesShape> series; // Series only
};

// A canvas that draws nothing and lists every operation, for tests that
// check geometry, styles and texts without looking at pixels. moveTo is not
// listed by itself; it shows as the start of the next line. A series is
// listed as the whole-unit lines and ellipses it draws, or, for a record
// that is to be drawn again at another resolution, kept whole.
class RecordingCanvas final : public Canvas
{
public:
    enum class SeriesRecord
    {
        AsOperations,
        Whole,
    };
    explicit RecordingCanvas(SeriesRecord seriesRecord = SeriesRecord::AsOperations)
        : m_seriesRecord(seriesRecord)
    {
    }

    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;
    void series(const SeriesShape& shape) override;

    const std::vector<CanvasOp>& ops() const { return m_ops; }
    // Forgets the listed operations; pen, brush and position stay.
    void clear() { m_ops.clear(); }

    // Draws every listed operation on target, in order, and leaves target
    // with the pen, brush and position now in force here.
    void replay(Canvas& target) const;

    std::vector<CanvasOp> ofKind(CanvasOp::Kind kind) const;
    std::vector<CanvasOp> lines() const { return ofKind(CanvasOp::Kind::Line); }
    std::vector<CanvasOp> texts() const { return ofKind(CanvasOp::Kind::Text); }
    std::vector<CanvasOp> ellipses() const { return ofKind(CanvasOp::Kind::Ellipse); }

    // Lines from a to b (exactly, in this direction) with the given colour
    // and style; how many were drawn.
    int countLines(QPoint from, QPoint to, const QColor& color, PenStyle style = PenStyle::Solid) const;
    // The texts with exactly this content, in drawing order.
    std::vector<CanvasOp> textsEqual(const QString& text) const;
    // Index in ops() of the first operation of this kind whose start is at
    // the point, or -1.
    int indexOf(CanvasOp::Kind kind, QPoint from) const;

private:
    CanvasOp current(CanvasOp::Kind kind) const;

    SeriesRecord m_seriesRecord;
    std::vector<CanvasOp> m_ops;
};
