// SPDX-License-Identifier: MIT
#include "ImageCanvas.h"
#include "PainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const QColor guard(0, 128, 0);
const QColor red(255, 0, 0);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

// The pixels of an image that differ from the sentinel colour, and how many.
std::pair<int, QRect> painted(const QImage& image)
{
    std::pair<int, QRect> found { 0, QRect() };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)) != guard) {
                ++found.first;
                found.second |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

// An 8 x 6 image inside a larger buffer: two rows above and below it and
// three pixels right of every row (x = -1 is the row above's last pixel), so
// a write one pixel beyond any edge lands in the buffer, where it shows.
TEST(ImageCanvas, EveryOperationReachesTheEdgesAndNoPixelBeyond)
{
    constexpr int Width = 8;
    constexpr int Height = 6;
    constexpr int Stride = Width + 3;
    const std::function<void(Canvas&)> operations[] = {
        [](Canvas& c) { c.fillRect(-5, -5, 20, 20, red); },
        [](Canvas& c) {
            c.setPen(red, 3, PenStyle::Solid);
            c.moveTo(-4, 0);
            c.lineTo(12, 0);
            c.lineTo(7, 9);
            c.lineTo(-3, 5);
            c.lineTo(0, -4);
        },
        [](Canvas& c) {
            c.setPen(red, 1, PenStyle::Dotted);
            c.moveTo(0, 0);
            c.lineTo(7, 0);
            c.lineTo(7, 5);
            c.lineTo(0, 5);
            c.lineTo(0, -1);
            c.moveTo(-1, 6);
            c.lineTo(9, 6); // along y = height, just outside
            c.moveTo(8, -1);
            c.lineTo(8, 7); // along x = width
        },
        [](Canvas& c) {
            c.setPen(black, 1, PenStyle::Solid);
            c.setBrush(white);
            c.rectangle(-1, -1, 9, 7);
        },
        [](Canvas& c) { c.ellipse(-2, -2, 10, 8); },
        [](Canvas& c) { c.text(-3, -3, QStringLiteral("WW"), { .height = 20 }); },
    };
    for (std::size_t i = 0; i < std::size(operations); ++i) {
        SCOPED_TRACE(i);
        std::vector<QRgb> buffer(Stride * (Height + 4), guard.rgb());
        QImage image(reinterpret_cast<uchar*>(buffer.data() + 2 * Stride), Width, Height, Stride * 4,
                     QImage::Format_RGB32);
        ImageCanvas canvas(image);
        operations[i](canvas);
        // Row 0 and the last row, column 0 and the last column are painted.
        EXPECT_EQ(painted(image).second, QRect(0, 0, Width, Height));
        QImage whole(reinterpret_cast<const uchar*>(buffer.data()), Stride, Height + 4, Stride * 4,
                     QImage::Format_RGB32);
        EXPECT_EQ(painted(whole).second, QRect(0, 2, Width, Height)) << "a write beyond the image";
    }
}

// Boxes without width or height cover no pixel; one pixel wide they are a
// column of outline.
TEST(ImageCanvas, EmptyBoxesPaintNothing)
{
    const std::pair<std::function<void(Canvas&)>, int> rows[] = {
        { [](Canvas& c) { c.rectangle(3, 1, 3, 5); }, 0 }, { [](Canvas& c) { c.rectangle(1, 4, 6, 4); }, 0 },
        { [](Canvas& c) { c.ellipse(3, 1, 3, 5); }, 0 },   { [](Canvas& c) { c.fillRect(2, 1, 2, 5, red); }, 0 },
        { [](Canvas& c) { c.rectangle(3, 1, 4, 5); }, 4 },
    };
    for (const auto& [draw, pixels] : rows) {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(guard);
        ImageCanvas canvas(image);
        canvas.setPen(black, 1, PenStyle::Solid);
        draw(canvas);
        EXPECT_EQ(painted(image).first, pixels) << &draw - &rows[0].first;
    }
}

// Twice the size, without antialiasing: a box covers the same units as on
// the raster, right and bottom edge left out, each unit 2 x 2 device pixels;
// an empty box nothing.
TEST(PainterCanvas, BoxesCoverTheirUnitsWithoutTheRightAndBottomEdge)
{
    const std::pair<std::function<void(Canvas&)>, QRect> rows[] = {
        { [](Canvas& c) { c.rectangle(1, 1, 4, 3); }, QRect(2, 2, 6, 4) },
        { [](Canvas& c) { c.rectangle(4, 3, 1, 1); }, QRect(2, 2, 6, 4) },
        { [](Canvas& c) { c.ellipse(1, 1, 5, 5); }, QRect(2, 2, 8, 8) },
        { [](Canvas& c) { c.fillRect(1, 1, 3, 2, red); }, QRect(2, 2, 4, 2) },
        { [](Canvas& c) { c.rectangle(3, 1, 3, 4); }, QRect() },
    };
    for (const auto& [draw, covered] : rows) {
        QImage image(12, 12, QImage::Format_RGB32);
        image.fill(guard);
        {
            QPainter painter(&image);
            CanvasMapping mapping = scaledScreenMapping(2.0);
            mapping.antialias = false;
            PainterCanvas canvas(painter, mapping);
            canvas.setPen(black, 1, PenStyle::Solid);
            canvas.setBrush(white);
            draw(canvas);
        }
        EXPECT_EQ(painted(image).second, covered) << &draw - &rows[0].first;
    }
}

} // namespace
