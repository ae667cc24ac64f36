#pragma once

#include <QWidget>

class QImage;

// Shows an image that someone else owns and draws into (the plot). The
// owner calls update() after drawing.
class ImageView final : public QWidget
{
    Q_OBJECT

public:
    ImageView(const QImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& m_image;
};
