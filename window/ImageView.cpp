// SPDX-License-Identifier: MIT
#include "ImageView.h"

#include "PlotImage.h"

#include <QPainter>

ImageView::ImageView(PlotImage& plot, QWidget* parent)
    : QWidget(parent)
    , m_plot(plot)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (m_followScreen) {
        m_plot.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    // The image carries its ratio: drawn at the origin it covers the
    // 250 x 250 logical pixels of the view, one image pixel per device pixel.
    painter.drawImage(QPointF(0.0, 0.0), m_plot.image());
}
