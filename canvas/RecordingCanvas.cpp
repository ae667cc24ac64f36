// SPDX-License-Identifier: MIT
#include "RecordingCanvas.h"

#include <algorithm>
#include <iterator>

CanvasOp RecordingCanvas::current(CanvasOp::Kind kind) const
{
    CanvasOp op;
    op.kind = kind;
    op.penColor = penColor();
    op.penWidth = penWidth();
    op.penStyle = penStyle();
    op.brushColor = brushColor();
    return op;
}

void RecordingCanvas::lineTo(int x, int y)
{
    CanvasOp op = current(CanvasOp::Kind::Line);
    op.from = position();
    op.to = QPoint(x, y);
    moveTo(x, y);
    m_ops.push_back(op);
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    CanvasOp op = current(CanvasOp::Kind::Rectangle);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    m_ops.push_back(op);
}

void RecordingCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    CanvasOp op = current(CanvasOp::Kind::Ellipse);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    m_ops.push_back(op);
}

void RecordingCanvas::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    CanvasOp op = current(CanvasOp::Kind::FillRect);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    op.fillColor = color;
    m_ops.push_back(op);
}

void RecordingCanvas::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    CanvasOp op = current(CanvasOp::Kind::Text);
    op.from = QPoint(x, y);
    op.text = text;
    op.font = font;
    op.angle = angleDegrees;
    m_ops.push_back(op);
}

void RecordingCanvas::series(const SeriesShape& shape)
{
    if (m_seriesRecord == SeriesRecord::AsOperations) {
        Canvas::series(shape);
        return;
    }
    CanvasOp op = current(CanvasOp::Kind::Series);
    op.series = std::make_shared<const SeriesShape>(shape);
    m_ops.push_back(op);
    takeSeriesEndState(shape);
}

void RecordingCanvas::replay(Canvas& target) const
{
    for (const CanvasOp& op : m_ops) {
        target.setPen(op.penColor, op.penWidth, op.penStyle);
        target.setBrush(op.brushColor);
        switch (op.kind) {
        case CanvasOp::Kind::Line:
            target.moveTo(op.from.x(), op.from.y());
            target.lineTo(op.to.x(), op.to.y());
            break;
        case CanvasOp::Kind::Rectangle:
            target.rectangle(op.from.x(), op.from.y(), op.to.x(), op.to.y());
            break;
        case CanvasOp::Kind::Ellipse:
            target.ellipse(op.from.x(), op.from.y(), op.to.x(), op.to.y());
            break;
        case CanvasOp::Kind::FillRect:
            target.fillRect(op.from.x(), op.from.y(), op.to.x(), op.to.y(), op.fillColor);
            break;
        case CanvasOp::Kind::Text:
            target.text(op.from.x(), op.from.y(), op.text, op.font, op.angle);
            break;
        case CanvasOp::Kind::Series:
            target.series(*op.series);
            break;
        }
    }
    passStateTo(target);
}

std::vector<CanvasOp> RecordingCanvas::ofKind(CanvasOp::Kind kind) const
{
    std::vector<CanvasOp> result;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(result),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return result;
}

int RecordingCanvas::countLines(QPoint from, QPoint to, const QColor& color, PenStyle style) const
{
    return static_cast<int>(std::count_if(m_ops.begin(), m_ops.end(), [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Line && op.from == from && op.to == to && op.penColor == color
            && op.penStyle == style;
    }));
}

std::vector<CanvasOp> RecordingCanvas::textsEqual(const QString& text) const
{
    std::vector<CanvasOp> result;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(result),
                 [&](const CanvasOp& op) { return op.kind == CanvasOp::Kind::Text && op.text == text; });
    return result;
}

int RecordingCanvas::indexOf(CanvasOp::Kind kind, QPoint from) const
{
    const auto it = std::find_if(m_ops.begin(), m_ops.end(),
                                 [&](const CanvasOp& op) { return op.kind == kind && op.from == from; });
    return it == m_ops.end() ? -1 : static_cast<int>(it - m_ops.begin());
}
