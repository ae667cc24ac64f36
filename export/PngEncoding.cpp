// SPDX-License-Identifier: MIT
#include "PngEncoding.h"

#include <QBuffer>
#include <QList>

namespace {

// Qt's PNG writer turns a quality of 60 into zlib level 3, the strongest of
// zlib's fast levels; from level 4 on zlib searches much longer for little
// gain on a chart.
constexpr int PngQuality = 60;

constexpr qsizetype MaxPaletteSize = 256;

// The image with a colour table, or a null image when it has more colours
// than a palette holds.
QImage paletteImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        QRgb last = 0;
        int lastIndex = -1;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = source[x] | 0xff000000U; // RGB32 keeps its alpha byte at 0xff
            if (colour != last || lastIndex < 0) {
                lastIndex = static_cast<int>(palette.indexOf(colour));
                if (lastIndex < 0) {
                    if (palette.size() == MaxPaletteSize) {
                        return {};
                    }
                    lastIndex = static_cast<int>(palette.size());
                    palette.push_back(colour);
                }
                last = colour;
            }
            target[x] = static_cast<uchar>(lastIndex);
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

} // namespace

QByteArray encodePng(const QImage& image)
{
    const QImage indexed = image.hasAlphaChannel() ? QImage() : paletteImage(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!(indexed.isNull() ? image : indexed).save(&buffer, "PNG", PngQuality)) {
        return {};
    }
    return bytes;
}
