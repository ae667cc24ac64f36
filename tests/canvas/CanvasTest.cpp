// SPDX-License-Identifier: MIT
#include "FontSetup.h"
#include "ImageCanvas.h"
#include "PageCanvas.h"
#include "PainterCanvas.h"
#include "PlotFrame.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Glyphs and black pens; the sentinel, red, blue and the paper are not ink.
bool isInk(const QImage& image, int x, int y)
{
    const QColor c = at(image, x, y);
    return c.red() < 128 && c.green() < 128 && c.blue() < 128;
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

int inkCount(const QImage& image, const QRect& region)
{
    return matching(region, [&](int x, int y) { return isInk(image, x, y); }).first;
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
// and bottom edges.
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
        { "fill", 4, 4,
          [](Canvas& c) {
              c.fillRect(1, 1, 3, 3, blue);
              c.fillRect(-50, -50, 500, 1, blue);
          },
          "bbbb|.bb.|.bb.|....|" },
    };
    for (const PictureCase& c : cases) {
        QImage image = filled(c.width, c.height);
        ImageCanvas canvas(image);
        c.draw(canvas);
        EXPECT_EQ(picture(image), c.expected) << c.name;
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

// Four times larger: every screen pixel a 4 x 4 block, lines four device
// pixels wide through the block centres (the y axis on 160 .. 163); a text
// cell without ink 4 * 10.05 high.
TEST(PainterCanvas, FrameAtFourTimesTheSize)
{
    QImage image = filled(1000, 1000);
    {
        QPainter painter(&image);
        CanvasMapping mapping;
        mapping.pixelsPerUnit = 4;
        mapping.antialias = false;
        PainterCanvas canvas(painter, mapping);
        drawPlotFrame(canvas, Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
        canvas.setBrush(yellow);
        canvas.text(10, 10, QStringLiteral("   "), { .height = 9 });
    }
    const std::tuple<int, int, QColor> pixels[] = {
        { 159, 400, white },  { 160, 400, blue },  { 163, 400, blue },  { 164, 400, white }, { 402, 842, blue },
        { 402, 298, silver }, { 402, 402, white }, { 982, 982, white }, { 45, 78, yellow },  { 45, 82, white },
    };
    for (const auto& [x, y, colour] : pixels) {
        EXPECT_EQ(at(image, x, y), colour) << x << "," << y;
    }
}

constexpr double DevicePerUnit = 600 / 254.0;

int device(double units)
{
    return static_cast<int>(units * DevicePerUnit);
}

QImage page(const std::function<void(PageCanvas&)>& draw, const QColor& paper = white)
{
    QImage image = filled(1200, 2000, paper);
    image.setDotsPerMeterX(static_cast<int>(std::lround(600 / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(600 / 0.0254)));
    QPainter painter(&image);
    PageCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

// Widths in 0.1 mm: 1 is about 2.4 device pixels, 4 about 9.4. 30 mm of
// dotted line, dots and gaps 0.72 mm each: 20 or 21 dots, the gaps white
// over the red paper.
TEST(PageCanvas, ShapesLandWhereTheMillimetresSay)
{
    const QImage image = page(
        [](PageCanvas& canvas) {
            const QPointF p = canvas.map(100, -200);
            EXPECT_NEAR(p.x(), 236.22, 0.01);
            EXPECT_NEAR(p.y(), 472.44, 0.01);
            canvas.setPen(black, 1, PenStyle::Solid);
            canvas.moveTo(100, -200);
            canvas.lineTo(300, -200);
            canvas.setPen(black, 4, PenStyle::Solid);
            canvas.moveTo(100, -400);
            canvas.lineTo(300, -400);
            canvas.setPen(blue, 1, PenStyle::Dotted);
            canvas.moveTo(100, -800);
            canvas.lineTo(400, -800);
            canvas.fillRect(0, -450, 500, -750, Qt::yellow);
            canvas.setPen(black, 2, PenStyle::Solid);
            canvas.setBrush(white);
            canvas.rectangle(100, -500, 400, -700);
        },
        red);
    const int y = device(200);
    EXPECT_TRUE(isInk(image, device(100) + 3, y) && isInk(image, device(300) - 3, y));
    EXPECT_FALSE(isInk(image, device(100) - 6, y) || isInk(image, device(300) + 6, y));
    EXPECT_NEAR(inkCount(image, QRect(470, y - 20, 1, 40)), 2.5, 0.5);
    EXPECT_NEAR(inkCount(image, QRect(500, device(400) - 30, 1, 60)), 9.4, 1.5);
    int dots = 0;
    int gapPixels = 0;
    for (int x = device(100) + 2, y = static_cast<int>(std::lround(800 * DevicePerUnit)); x < device(400) - 2; ++x) {
        const auto isBlue = [&](int x) { return at(image, x, y).blue() > 200 && at(image, x, y).red() < 60; };
        dots += isBlue(x) && !isBlue(x - 1) ? 1 : 0;
        gapPixels += at(image, x, y).red() > 230 && at(image, x, y).green() > 230 ? 1 : 0;
    }
    EXPECT_NEAR(dots, 20.5, 0.5);
    EXPECT_GT(gapPixels, 200);
    EXPECT_EQ(QList<QColor>({ at(image, device(250), device(600)), at(image, device(50), device(600)),
                              at(image, device(450), device(600)) }),
              QList<QColor>({ white, Qt::yellow, Qt::yellow }));
    EXPECT_TRUE(isInk(image, device(100), device(600)) && isInk(image, device(250), device(700)));
}

// An "L" 10 mm high (cap height 7.2 mm): upright below its reference point
// at 0 degrees; at -90 read upward, above and right of it, the stem along
// the bottom and the foot rising on the right (the baseline side).
TEST(PageCanvas, TextIsNeverMirroredAndTurnsAboutItsReferencePoint)
{
    for (const int angle : { 0, -90 }) {
        const int refY = angle == 0 ? 100 : 600;
        const QImage image
            = page([&](PageCanvas& canvas) { canvas.text(100, -refY, QStringLiteral("L"), { .height = 100 }, angle); });
        const QRect ink = matching(image.rect(), [&](int x, int y) { return isInk(image, x, y); }).second;
        ASSERT_FALSE(ink.isNull()) << angle;
        const int top = device(angle == 0 ? refY : refY - 100);
        EXPECT_TRUE(ink.left() >= device(100) && ink.right() <= device(200)) << angle;
        EXPECT_TRUE(ink.top() >= top && ink.bottom() <= top + device(100) + 1) << angle;
        EXPECT_NEAR(angle == 0 ? ink.height() : ink.width(), 72 * DevicePerUnit, 8 * DevicePerUnit) << angle;
        const auto row = [&](int y) { return inkCount(image, QRect(ink.left(), y, ink.width(), 1)); };
        const auto column = [&](int x) { return inkCount(image, QRect(x, ink.top(), 1, ink.height())); };
        EXPECT_GT(row(ink.bottom() - 2), 3 * row(ink.top() + 2)) << angle;
        const int heavy = angle == 0 ? ink.left() + 2 : ink.right() - 2;
        const int light = angle == 0 ? ink.right() - 2 : ink.left() + 2;
        EXPECT_GT(column(heavy), 3 * column(light)) << angle;
    }
}

} // namespace
