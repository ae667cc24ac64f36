// SPDX-License-Identifier: MIT
#include "ButtonIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ButtonIcons {

namespace {

    constexpr int BitmapSize = 16;

    bool opaqueAt(const QImage& image, int x, int y)
    {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) >= 128;
    }

    // The bitmap at ratio 1, the vector drawing at any larger size; the
    // disabled mode as a grey outline with a white shadow (disabledLook) or
    // the style's greying, worked out at the size drawn.
    class ButtonIconEngine final : public QIconEngine
    {
    public:
        ButtonIconEngine(const QString& name, bool withDisabledLook)
            : m_bitmap(QStringLiteral(":/icons/") + name + QStringLiteral(".xpm"))
            , m_drawing(std::make_shared<QSvgRenderer>(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")))
            , m_withDisabledLook(withDisabledLook)
        {
        }

        QIconEngine* clone() const override { return new ButtonIconEngine(*this); }

        QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
        {
            const int side = std::min(size.width(), size.height());
            return { side, side };
        }

        QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
        {
            const int side = std::min(size.width(), size.height());
            if (side <= 0) {
                return {};
            }
            const bool bitmap = side <= BitmapSize || !m_drawing->isValid();
            QImage picture = bitmap ? m_bitmap.convertToFormat(QImage::Format_ARGB32) : drawn(side);
            if (picture.width() != side) {
                picture = picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            if (mode != QIcon::Disabled) {
                return QPixmap::fromImage(picture);
            }
            if (m_withDisabledLook) {
                const int unit = std::max(1, static_cast<int>(std::lround(static_cast<double>(side) / BitmapSize)));
                return QPixmap::fromImage(disabledLook(picture, unit));
            }
            QStyleOption option;
            option.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(picture), &option);
        }

        void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
        {
            const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
            QPixmap picture = pixmap(rect.size() * ratio, mode, state);
            picture.setDevicePixelRatio(ratio);
            painter->drawPixmap(rect, picture);
        }

    private:
        QImage drawn(int side) const
        {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            m_drawing->render(&painter);
            painter.end();
            return image.convertToFormat(QImage::Format_ARGB32);
        }

        QImage m_bitmap;
        std::shared_ptr<QSvgRenderer> m_drawing; // shared by the copies: it is only read
        bool m_withDisabledLook;
    };

} // namespace

QIcon load(const QString& name, bool withDisabledLook)
{
    return QIcon(new ButtonIconEngine(name, withDisabledLook));
}

QImage disabledLook(const QImage& picture, int unit)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb white = qRgb(255, 255, 255);

    // Opaque, with a transparent pixel at most `unit` steps away along a row
    // or a column.
    auto onOutline = [&source, unit](int x, int y) {
        if (!opaqueAt(source, x, y)) {
            return false;
        }
        for (int d = 1; d <= unit; ++d) {
            if (!opaqueAt(source, x - d, y) || !opaqueAt(source, x + d, y) || !opaqueAt(source, x, y - d)
                || !opaqueAt(source, x, y + d)) {
                return true;
            }
        }
        return false;
    };
    // The shadow first, so that the outline covers it where they meet.
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (onOutline(x, y) && x + unit < result.width() && y + unit < result.height()) {
                result.setPixel(x + unit, y + unit, white);
            }
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (onOutline(x, y)) {
                result.setPixel(x, y, grey);
            }
        }
    }
    return result;
}

} // namespace ButtonIcons
