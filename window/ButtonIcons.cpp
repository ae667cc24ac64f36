#include "ButtonIcons.h"

#include <QPixmap>

namespace ButtonIcons {

namespace {

    bool opaqueAt(const QImage& image, int x, int y)
    {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) != 0;
    }

} // namespace

QIcon load(const QString& name, bool withDisabledLook)
{
    const QImage picture(QStringLiteral(":/icons/") + name + QStringLiteral(".xpm"));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(picture), QIcon::Normal);
    if (withDisabledLook) {
        icon.addPixmap(QPixmap::fromImage(disabledLook(picture)), QIcon::Disabled);
    }
    return icon;
}

QImage disabledLook(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb white = qRgb(255, 255, 255);

    auto onOutline = [&source](int x, int y) {
        return opaqueAt(source, x, y)
            && (!opaqueAt(source, x - 1, y) || !opaqueAt(source, x + 1, y) || !opaqueAt(source, x, y - 1)
                || !opaqueAt(source, x, y + 1));
    };
    // The shadow first, so that the outline covers it where they meet.
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (onOutline(x, y) && x + 1 < result.width() && y + 1 < result.height()) {
                result.setPixel(x + 1, y + 1, white);
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
