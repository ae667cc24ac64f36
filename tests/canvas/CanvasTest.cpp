// SPDX-License-Identifier: MIT
#include "ImageCanvas.h"
#include "PainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

QImage filled(int width, int height, const QColor& color = sentinel)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

template <typename Match> std::pair<int, QRect> matching(const QRect& region, Match match)
{
    std::pair<int, QRect> found { 0, QRect() };
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (match(x, y)) {
                ++found.first;
                found.second |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

// One character per pixel, each row closed by '|': '.' untouched, r red,
// b blue, k black, w white, ? anything else.
std::string picture(const QImage& image)
{
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = at(image, x, y);
            rows += c == sentinel ? '.' : c == red ? 'r' : c == blue ? 'b' : c == black ? 'k' : c == white ? 'w' : '?';
        }
        rows += '|';
    }
    return rows;
}

struct PictureCase
{
    const char* name;
    int width;
    int height;
    std::function<void(Canvas&)> draw;
    const char* expected;
};

std::function<void(Canvas&)> path(PenStyle style, std::vector<QPoint> points, int width = 1)
{
    return [style, points, width](Canvas& canvas) {
        canvas.setPen(style == PenStyle::Solid ? red : blue, width, style);
        canvas.moveTo(points.front().x(), points.front().y());
        for (std::size_t i = 1; i < points.size(); ++i) {
            canvas.lineTo(points[i].x(), points[i].y());
        }
    };
}

std::function<void(Canvas&)> outlined(std::function<void(Canvas&)> shape)
{
    return [shape](Canvas& canvas) {
        canvas.setPen(black, 1, PenStyle::Solid);
        canvas.setBrush(white);
        shape(canvas);
    };
}

// Lines paint up to but excluding their end; shapes leave out their right
// and bottom edges; nothing is painted beyond the image.
TEST(ImageCanvas, PixelsOfLinesAndShapes)
{
    const PictureCase cases[] = {
        // After k steps the line has risen 2k/5, rounded.
        { "Bresenham slope", 7, 3, path(PenStyle::Solid, { { 0, 0 }, { 5, 2 } }), "rr.....|..rr...|....r..|" },
        // Exact halves (2/4 up) round toward the start, in either direction.
        { "half step", 5, 2, path(PenStyle::Solid, { { 0, 0 }, { 4, 1 } }), "rrr..|...r.|" },
        { "half step reversed", 5, 2, path(PenStyle::Solid, { { 4, 1 }, { 0, 0 } }), ".r...|..rrr|" },
        { "steep half step", 2, 5, path(PenStyle::Solid, { { 0, 0 }, { 1, 4 } }), "r.|r.|r.|.r|..|" },
        // Wide pens: centred when odd, one more pixel right and down when even.
        { "three pixels wide", 7, 5, path(PenStyle::Solid, { { 1, 2 }, { 5, 2 } }, 3),
          ".......|rrrrrr.|rrrrrr.|rrrrrr.|.......|" },
        { "two pixels wide", 7, 4, path(PenStyle::Solid, { { 1, 1 }, { 5, 1 } }, 2),
          ".......|.rrrrr.|.rrrrr.|.......|" },
        { "zero length paints nothing", 3, 3, path(PenStyle::Solid, { { 1, 1 }, { 1, 1 } }), "...|...|...|" },
        { "dotted: 3 on, 3 off in white", 22, 1, path(PenStyle::Dotted, { { 0, 0 }, { 20, 0 } }),
          "bbbwwwbbbwwwbbbwwwbb..|" },
        { "dotted restarts at every lineTo", 11, 1, path(PenStyle::Dotted, { { 0, 0 }, { 4, 0 }, { 10, 0 } }),
          "bbbwbbbwww.|" },
        { "far-away ends are clipped, nothing written outside", 10, 10,
          [](Canvas& c) {
              c.setPen(red, 1, PenStyle::Solid);
              c.moveTo(-2000000000, 4);
              c.lineTo(2000000000, 4);
              c.moveTo(5, 5);
              c.lineTo(5, -100000);     // straight up and away
              c.lineTo(100000, 100000); // entirely outside
              c.moveTo(100010, -100000);
              c.lineTo(-100000, 100010); // x + y = 10, across the image
          },
          ".....r....|.....r...r|.....r..r.|.....r.r..|rrrrrrrrrr|.....r....|....r.....|...r......|..r.......|.r......."
          ".|" },
        { "marker", 6, 6, outlined([](Canvas& c) { c.ellipse(1, 1, 5, 5); }),
          "......|..kk..|.kwwk.|.kwwk.|..kk..|......|" },
        // Rows that widen by more than a pixel keep a closed outline.
        { "wide ellipse", 12, 4, outlined([](Canvas& c) { c.ellipse(0, 0, 12, 4); }),
          "..kkkkkkkk..|kkwwwwwwwwkk|kkwwwwwwwwkk|..kkkkkkkk..|" },
        { "huge ellipse, outline outside", 3, 3,
          outlined([](Canvas& c) { c.ellipse(-100000, -100000, 100000, 100000); }), "www|www|www|" },
        { "rectangle", 6, 5, outlined([](Canvas& c) { c.rectangle(1, 1, 5, 4); }),
          "......|.kkkk.|.kwwk.|.kkkk.|......|" },
        { "one pixel wide", 4, 3, outlined([](Canvas& c) { c.rectangle(1, 0, 2, 3); }), ".k..|.k..|.k..|" },
        { "empty boxes", 4, 3, outlined([](Canvas& c) {
              c.rectangle(2, 0, 2, 3);
              c.rectangle(0, 1, 4, 1);
              c.ellipse(2, 0, 2, 3);
              c.fillRect(1, 0, 1, 3, blue);
          }),
          "....|....|....|" },
        { "rectangle beyond every edge", 3, 2, outlined([](Canvas& c) { c.rectangle(-1, -1, 4, 3); }), "www|www|" },
        { "wide pen along every edge", 4, 3, path(PenStyle::Solid, { { 0, 0 }, { 4, 0 }, { 4, 3 }, { -1, 3 } }, 3),
          "rrrr|rrrr|rrrr|" },
        { "blank text beyond every edge", 3, 2,
          [](Canvas& c) { c.text(-3, -3, QStringLiteral("    "), { .height = 20 }); }, "www|www|" },
        { "fill", 4, 4,
          [](Canvas& c) {
              c.fillRect(1, 1, 3, 3, blue);
              c.fillRect(-50, -50, 500, 1, blue);
              c.fillRect(3, 3, 9, 9, blue);
          },
          "bbbb|.bb.|.bb.|...b|" },
    };
    for (const PictureCase& c : cases) {
        // The image inside a larger buffer, two rows above and below and three
        // pixels right of every row: a pixel beyond any edge lands there.
        const int stride = c.width + 3;
        std::vector<QRgb> buffer(static_cast<std::size_t>(stride * (c.height + 4)), sentinel.rgb());
        QImage image(reinterpret_cast<uchar*>(buffer.data() + 2 * stride), c.width, c.height, stride * 4,
                     QImage::Format_RGB32);
        ImageCanvas canvas(image);
        c.draw(canvas);
        const std::string drawn = picture(image);
        EXPECT_EQ(drawn, c.expected) << c.name;
        EXPECT_EQ(std::count_if(buffer.begin(), buffer.end(), [](QRgb p) { return p != sentinel.rgb(); }),
                  std::count_if(drawn.begin(), drawn.end(), [](char p) { return p != '.' && p != '|'; }))
            << c.name << ": painted beyond the image";
    }
}

const QColor yellow(255, 255, 0);

QImage textImage(QSize size, QPoint origin, const QString& text, int height, int angle)
{
    QImage image = filled(size.width(), size.height());
    ImageCanvas canvas(image);
    canvas.setBrush(yellow);
    canvas.text(origin.x(), origin.y(), text, { .height = height }, angle);
    return image;
}

// "100" at 9 px in Liberation Sans: three digits of 5 px, ascent 8 + descent
// 2. The cell's top-left corner at the reference point, turned about it (90
// reads upward, -90 downward); black glyphs without antialiasing.
TEST(ImageCanvas, TextCellAtTheReferencePointAndTurnedAboutIt)
{
    const std::tuple<int, QPoint, QRect> cells[] = { { 0, { 22, 36 }, { 22, 36, 15, 10 } },
                                                     { 90, { 30, 30 }, { 30, 15, 10, 15 } },
                                                     { -90, { 30, 30 }, { 20, 30, 10, 15 } } };
    for (const auto& [angle, origin, cell] : cells) {
        const QImage image = textImage({ 60, 60 }, origin, QStringLiteral("100"), 9, angle);
        const auto [glyphPixels, box] = matching(image.rect(), [&](int x, int y) { return at(image, x, y) == black; });
        const int others
            = matching(image.rect(), [&](int x, int y) {
                  return at(image, x, y) != black && at(image, x, y) != yellow && at(image, x, y) != sentinel;
              }).first;
        const QRect painted = matching(image.rect(), [&](int x, int y) { return at(image, x, y) != sentinel; }).second;
        EXPECT_GT(glyphPixels, 20) << angle;
        EXPECT_EQ(others, 0) << angle << ": no antialiasing";
        EXPECT_EQ(painted, cell) << angle;
    }
}

// Texts are rendered once and then copied: a copy gives the pixels of a
// fresh rendering, for another brush too, and one cut by every image edge
// gives the same pixels as the part of the whole text.
TEST(ImageCanvas, RepeatedAndCutTextsGiveTheSamePixels)
{
    const QString text = QStringLiteral("Bildhöhe ß");
    const QImage whole = textImage({ 250, 250 }, { 120, 120 }, text, 11, 30);
    QImage cachedImage = filled(250, 250);
    ImageCanvas cached(cachedImage);
    cached.text(120, 120, text, { .height = 11 }, 30); // rendered with another brush
    cached.setBrush(yellow);
    cachedImage.fill(sentinel);
    cached.text(120, 120, text, { .height = 11 }, 30); // copied from the cache
    EXPECT_EQ(cachedImage, whole);
    QRect inside = matching(whole.rect(), [&](int x, int y) { return at(whole, x, y) != sentinel; }).second;
    inside.adjust(5, 3, -5, -3);
    EXPECT_EQ(textImage(inside.size(), QPoint(120, 120) - inside.topLeft(), text, 11, 30), whole.copy(inside));
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
        QImage image = filled(12, 12);
        {
            QPainter painter(&image);
            CanvasMapping mapping = scaledScreenMapping(2.0);
            mapping.antialias = false;
            PainterCanvas canvas(painter, mapping);
            outlined(draw)(canvas);
        }
        const QRect painted = matching(image.rect(), [&](int x, int y) { return at(image, x, y) != sentinel; }).second;
        EXPECT_EQ(painted, covered) << &draw - &rows[0].first;
    }
}

} // namespace
