// SPDX-License-Identifier: MIT
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
    if (!m_recordComplete) {
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
    m_record.replay(*m_canvas);
}

bool PlotImage::recording(std::size_t count)
{
    if (!m_recordComplete) {
        return false;
    }
    if (m_recordedCount + count > MaxRecordedOps) {
        m_record.clear();
        m_recordedCount = 0;
        m_recordComplete = false;
        return false;
    }
    m_recordedCount += count;
    return true;
}

void PlotImage::passStateOn()
{
    passStateTo(m_record);
    passStateTo(*m_canvas);
}

void PlotImage::lineTo(int x, int y)
{
    passStateOn();
    if (recording()) {
        m_record.lineTo(x, y);
    }
    m_canvas->lineTo(x, y);
    moveTo(x, y);
}

void PlotImage::rectangle(int x1, int y1, int x2, int y2)
{
    passStateOn();
    if (recording()) {
        m_record.rectangle(x1, y1, x2, y2);
    }
    m_canvas->rectangle(x1, y1, x2, y2);
}

void PlotImage::ellipse(int x1, int y1, int x2, int y2)
{
    passStateOn();
    if (recording()) {
        m_record.ellipse(x1, y1, x2, y2);
    }
    m_canvas->ellipse(x1, y1, x2, y2);
}

void PlotImage::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    // A fill of the whole plot covers everything drawn before: the record
    // starts afresh with it.
    const bool wholePlot = std::min(x1, x2) <= 0 && std::min(y1, y2) <= 0 && std::max(x1, x2) >= LogicalSize
        && std::max(y1, y2) >= LogicalSize;
    passStateOn();
    if (wholePlot) {
        m_record.clear();
        m_recordedCount = 0;
        m_recordComplete = true;
    }
    if (recording()) {
        m_record.fillRect(x1, y1, x2, y2, color);
    }
    m_canvas->fillRect(x1, y1, x2, y2, color);
}

void PlotImage::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    passStateOn();
    if (recording()) {
        m_record.text(x, y, text, font, angleDegrees);
    }
    m_canvas->text(x, y, text, font, angleDegrees);
}

void PlotImage::series(const SeriesShape& shape)
{
    std::size_t count = shape.markers.size();
    for (const std::vector<QPoint>& piece : shape.pieces) {
        count += piece.size();
    }
    passStateOn();
    if (recording(std::max<std::size_t>(count, 1))) {
        m_record.series(shape);
    }
    m_canvas->series(shape);
    takeSeriesEndState(shape);
}
