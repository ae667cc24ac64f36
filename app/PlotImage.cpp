#include "PlotImage.h"

#include "ImageCanvas.h"
#include "ScaledImageCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

PlotImage::PlotImage(double devicePixelRatio)
    : m_ratio(clampRatio(devicePixelRatio))
{
    createImage();
}

PlotImage::~PlotImage() = default;

double PlotImage::clampRatio(double ratio)
{
    if (!std::isfinite(ratio)) {
        return MinRatio;
    }
    return std::clamp(ratio, MinRatio, MaxRatio);
}

void PlotImage::createImage()
{
    const int size = static_cast<int>(std::ceil(LogicalSize * m_ratio));
    m_image = QImage(size, size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_image.setDevicePixelRatio(m_ratio);
    if (m_ratio == 1.0) {
        m_canvas = std::make_unique<ImageCanvas>(m_image);
    } else {
        m_canvas = std::make_unique<ScaledImageCanvas>(m_image, m_ratio);
    }
}

void PlotImage::setDevicePixelRatio(double ratio)
{
    ratio = clampRatio(ratio);
    if (ratio == m_ratio) {
        return;
    }
    const QImage before = m_image;
    m_ratio = ratio;
    createImage();
    if (m_recordComplete) {
        for (const CanvasOp& op : m_record) {
            replay(op);
        }
    } else {
        // Only the pixels are left: scale them onto the new image.
        QImage source = before;
        source.setDevicePixelRatio(1.0);
        m_image.setDevicePixelRatio(1.0);
        {
            QPainter painter(&m_image);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(m_image.rect(), source);
        }
        m_image.setDevicePixelRatio(m_ratio);
    }
    m_canvas->setPen(m_penColor, m_penWidth, m_penStyle);
    m_canvas->setBrush(m_brushColor);
    m_canvas->moveTo(m_position.x(), m_position.y());
}

CanvasOp PlotImage::current(CanvasOp::Kind kind) const
{
    CanvasOp op;
    op.kind = kind;
    op.penColor = m_penColor;
    op.penWidth = m_penWidth;
    op.penStyle = m_penStyle;
    op.brushColor = m_brushColor;
    return op;
}

void PlotImage::record(CanvasOp op)
{
    if (!m_recordComplete) {
        return;
    }
    if (m_record.size() >= MaxRecordedOps) {
        m_record.clear();
        m_record.shrink_to_fit();
        m_recordComplete = false;
        return;
    }
    m_record.push_back(std::move(op));
}

void PlotImage::replay(const CanvasOp& op)
{
    Canvas& canvas = *m_canvas;
    canvas.setPen(op.penColor, op.penWidth, op.penStyle);
    canvas.setBrush(op.brushColor);
    switch (op.kind) {
    case CanvasOp::Kind::Line:
        canvas.moveTo(op.from.x(), op.from.y());
        canvas.lineTo(op.to.x(), op.to.y());
        break;
    case CanvasOp::Kind::Rectangle:
        canvas.rectangle(op.from.x(), op.from.y(), op.to.x(), op.to.y());
        break;
    case CanvasOp::Kind::Ellipse:
        canvas.ellipse(op.from.x(), op.from.y(), op.to.x(), op.to.y());
        break;
    case CanvasOp::Kind::FillRect:
        canvas.fillRect(op.from.x(), op.from.y(), op.to.x(), op.to.y(), op.fillColor);
        break;
    case CanvasOp::Kind::Text:
        canvas.text(op.from.x(), op.from.y(), op.text, op.font, op.angle);
        break;
    }
}

void PlotImage::setPen(const QColor& color, int width, PenStyle style)
{
    m_penColor = color;
    m_penWidth = width;
    m_penStyle = style;
    m_canvas->setPen(color, width, style);
}

void PlotImage::setBrush(const QColor& color)
{
    m_brushColor = color;
    m_canvas->setBrush(color);
}

void PlotImage::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
    m_canvas->moveTo(x, y);
}

void PlotImage::lineTo(int x, int y)
{
    CanvasOp op = current(CanvasOp::Kind::Line);
    op.from = m_position;
    op.to = QPoint(x, y);
    record(std::move(op));
    m_position = QPoint(x, y);
    m_canvas->lineTo(x, y);
}

void PlotImage::rectangle(int x1, int y1, int x2, int y2)
{
    CanvasOp op = current(CanvasOp::Kind::Rectangle);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    record(std::move(op));
    m_canvas->rectangle(x1, y1, x2, y2);
}

void PlotImage::ellipse(int x1, int y1, int x2, int y2)
{
    CanvasOp op = current(CanvasOp::Kind::Ellipse);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    record(std::move(op));
    m_canvas->ellipse(x1, y1, x2, y2);
}

void PlotImage::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    // A fill of the whole plot covers everything drawn before: the record
    // starts afresh with it.
    const bool wholePlot = std::min(x1, x2) <= 0 && std::min(y1, y2) <= 0 && std::max(x1, x2) >= LogicalSize
        && std::max(y1, y2) >= LogicalSize;
    if (wholePlot) {
        m_record.clear();
        m_recordComplete = true;
    }
    CanvasOp op = current(CanvasOp::Kind::FillRect);
    op.from = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    op.fillColor = color;
    record(std::move(op));
    m_canvas->fillRect(x1, y1, x2, y2, color);
}

void PlotImage::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    CanvasOp op = current(CanvasOp::Kind::Text);
    op.from = QPoint(x, y);
    op.text = text;
    op.font = font;
    op.angle = angleDegrees;
    record(std::move(op));
    m_canvas->text(x, y, text, font, angleDegrees);
}
