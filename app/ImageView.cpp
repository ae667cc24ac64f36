#include "ImageView.h"

#include <QImage>
#include <QPainter>

ImageView::ImageView(const QImage& image, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
