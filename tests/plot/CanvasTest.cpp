#include "FontSetup.h"
#include "ImageCanvas.h"
#include "PageCanvas.h"
#include "PainterCanvas.h"
#include "PlotFrame.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
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

int inkCount(const QImage& image, const QRect& region)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            count += isInk(image, x, y) ? 1 : 0;
        }
    }
    return count;
}

QRect inkBox(const QImage& image, const QRect& region)
{
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (isInk(image, x, y)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
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

void expectPictures(const std::vector<PictureCase>& cases)
{
    for (const PictureCase& c : cases) {
        QImage image = filled(c.width, c.height);
        ImageCanvas canvas(image);
        c.draw(canvas);
        EXPECT_EQ(picture(image), c.expected) << c.name;
    }
}

std::function<void(Canvas&)> path(PenStyle style, std::vector<QPoint> points)
{
    return [style, points](Canvas& canvas) {
        canvas.setPen(style == PenStyle::Solid ? red : blue, 1, style);
        canvas.moveTo(points.front().x(), points.front().y());
        for (std::size_t i = 1; i < points.size(); ++i) {
            canvas.lineTo(points[i].x(), points[i].y());
        }
    };
}

TEST(ImageCanvas, LinesPaintUpToButExcludingTheirEnd)
{
    expectPictures({
        { "horizontal", 14, 3, path(PenStyle::Solid, { { 2, 1 }, { 12, 1 } }),
          "..............|..rrrrrrrrrr..|..............|" },
        { "reversed keeps its start", 3, 7, path(PenStyle::Solid, { { 1, 5 }, { 1, 1 } }),
          "...|...|.r.|.r.|.r.|.r.|...|" },
        // After k steps the line has risen 2k/5, rounded.
        { "Bresenham slope", 7, 3, path(PenStyle::Solid, { { 0, 0 }, { 5, 2 } }), "rr.....|..rr...|....r..|" },
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
    });
}

std::function<void(Canvas&)> outlined(std::function<void(Canvas&)> shape)
{
    return [shape](Canvas& canvas) {
        canvas.setPen(black, 1, PenStyle::Solid);
        canvas.setBrush(white);
        shape(canvas);
    };
}

TEST(ImageCanvas, ShapesLeaveOutTheirRightAndBottomEdges)
{
    expectPictures({
        // The 4-px curve marker: a round dot, white inside.
        { "marker", 6, 6, outlined([](Canvas& c) { c.ellipse(1, 1, 5, 5); }),
          "......|..kk..|.kwwk.|.kwwk.|..kk..|......|" },
        { "marker over the corner", 3, 3, outlined([](Canvas& c) { c.ellipse(-2, -2, 2, 2); }), "wk.|k..|...|" },
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
    });
}

// Texts are rendered once and then copied; the copy must give exactly the
// pixels a painter writes straight onto the image (cell in the brush colour
// at the reference point, black glyphs on the baseline, no antialiasing),
// wherever the text lands and whatever was there before.
TEST(ImageCanvas, RepeatedTextsEqualDirectPainting)
{
    struct Case
    {
        QString text;
        int height;
        int angle;
        QPoint at;
    };
    const Case cases[] = {
        { QStringLiteral("100"), 9, 0, { 22, 36 } },
        { QStringLiteral("Modulation [%]"), 10, 90, { 5, 155 } },
        { QStringLiteral("Bildhöhe"), 11, 0, { 230, 12 } }, // runs off the right edge
        { QStringLiteral("ß '"), 10, -90, { 100, -3 } },    // starts above the top
        { QStringLiteral("Linienpaare"), 11, 30, { 120, 120 } },
    };
    const QColor background(10, 200, 30);
    const QColor brush(255, 255, 0);
    for (const Case& c : cases) {
        CanvasFont font;
        font.height = c.height;
        QImage direct = filled(250, 250, background);
        {
            const QFont qfont = makeCanvasFont(font, 1.0, false);
            const QFontMetrics metrics(qfont);
            QPainter painter(&direct);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.translate(c.at);
            painter.rotate(-c.angle);
            painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(c.text), metrics.ascent() + metrics.descent()),
                             brush);
            painter.setFont(qfont);
            painter.setPen(Qt::black);
            painter.drawText(0, metrics.ascent(), c.text);
        }
        QImage cached(250, 250, QImage::Format_RGB32);
        ImageCanvas canvas(cached);
        canvas.text(c.at.x(), c.at.y(), c.text, font, c.angle); // cached with another brush
        canvas.setBrush(brush);
        for (int pass = 0; pass < 2; ++pass) { // the second pass copies from the cache
            cached.fill(background);
            canvas.text(c.at.x(), c.at.y(), c.text, font, c.angle);
            EXPECT_EQ(cached, direct) << c.text.toStdString() << " pass " << pass;
        }
    }
}

TEST(PlotFrameImage, DecisivePixelsAndTheBlankRow)
{
    QImage image = filled(250, 250);
    ImageCanvas canvas(image);
    drawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
    struct Pixel
    {
        int x;
        int y;
        QColor colour;
    };
    const Pixel pixels[] = {
        { 40, 100, blue },   { 40, 40, blue },     { 100, 210, blue },  { 209, 210, blue }, // axes, over the grid
        { 38, 74, blue },    { 39, 74, blue },     { 74, 211, blue },   { 74, 212, blue },  // ticks
        { 100, 74, silver }, { 74, 100, silver },  { 100, 40, silver },                     // grid
        { 210, 40, silver }, { 210, 209, silver }, // the closing grid line on the right
        { 210, 210, white },                       // left out by every line that ends there
        { 100, 100, white }, { 245, 5, white },    // the whole image cleared
    };
    for (const Pixel& p : pixels) {
        EXPECT_EQ(at(image, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
    EXPECT_FALSE(inkBox(image, QRect(22, 36, 16, 10)).isNull()); // "100" left of the y axis
    // "Modulation [%]" turned about its cell's top-left corner (5, 155) reads
    // upward: right of x = 5, above y = 155, about 70 px long.
    const QRect title = inkBox(image, QRect(0, 0, 20, 250));
    EXPECT_GE(title.left(), 5);
    EXPECT_LE(title.right(), 5 + 13);
    EXPECT_LE(title.bottom(), 155);
    EXPECT_LE(title.top(), 155 - 65);

    // The axis texts of another abscissa over it, as every later draw
    // command writes them: the 63 blanks must cover the whole row of values.
    ASSERT_FALSE(inkBox(image, QRect(30, 214, 200, 12)).isNull());
    drawAxisTitles(canvas, Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
    EXPECT_TRUE(inkBox(image, QRect(30, 213, 200, 14)).isNull());
    EXPECT_EQ(at(image, 100, 210), blue); // the axis stays
}

// The plot drawn four times larger through a painter (a crisp export): every
// screen pixel becomes a 4 x 4 block, lines run through the block centres
// four device pixels wide.
TEST(PainterCanvas, FrameAtFourTimesTheSize)
{
    constexpr int n = 4;
    QImage image(250 * n, 250 * n, QImage::Format_RGB32);
    image.fill(sentinel);
    {
        QPainter painter(&image);
        CanvasMapping mapping;
        mapping.pixelsPerUnit = n;
        mapping.antialias = false;
        PainterCanvas canvas(painter, mapping);
        drawPlotFrame(canvas, Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
    }
    const auto block = [&](int x, int y) { return QColor(image.pixel(x * n + n / 2, y * n + n / 2)); };
    EXPECT_EQ(block(40, 100), blue);  // y axis
    EXPECT_EQ(block(100, 210), blue); // x axis
    EXPECT_EQ(block(100, 74), silver);
    EXPECT_EQ(block(100, 100), white);
    EXPECT_EQ(block(245, 245), white); // cleared to the corner
    EXPECT_EQ(QColor(image.pixel(40 * n, 400)), blue);
    EXPECT_EQ(QColor(image.pixel(40 * n + n - 1, 400)), blue);
    EXPECT_EQ(QColor(image.pixel(40 * n - 1, 400)), white);
    EXPECT_EQ(QColor(image.pixel(40 * n + n, 400)), white);
}

// A piece of a 600 dpi page, 1200 x 2000 device pixels, drawn on in 0.1 mm.
constexpr int dpi = 600;

double device(double units)
{
    return units * dpi / 254.0;
}

QImage page(const std::function<void(PageCanvas&)>& draw, const QColor& paper = white)
{
    QImage image(1200, 2000, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(paper);
    QPainter painter(&image);
    PageCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

TEST(PageCanvas, ShapesLandWhereTheMillimetresSay)
{
    const QImage image = page(
        [](PageCanvas& canvas) {
            const QPointF p = canvas.map(100, -200); // 10 mm right, 20 mm down
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
        red); // paper that the dotted line's white gaps must cover
    const int y = static_cast<int>(device(200));
    EXPECT_TRUE(isInk(image, static_cast<int>(device(100)) + 3, y));
    EXPECT_TRUE(isInk(image, static_cast<int>(device(300)) - 3, y));
    EXPECT_FALSE(isInk(image, static_cast<int>(device(100)) - 6, y));
    EXPECT_FALSE(isInk(image, static_cast<int>(device(300)) + 6, y));
    // Widths in 0.1 mm: 1 is about 2.4 device pixels, 4 about 9.4.
    const int thin = inkCount(image, QRect(470, y - 20, 1, 40));
    EXPECT_GE(thin, 2);
    EXPECT_LE(thin, 3);
    EXPECT_NEAR(inkCount(image, QRect(500, static_cast<int>(device(400)) - 30, 1, 60)), device(4), 1.5);

    // 30 mm of dotted line, dots and gaps 0.72 mm each: about 20 dots.
    const int dottedY = static_cast<int>(std::lround(device(800)));
    int dots = 0;
    int whitePixels = 0;
    bool inDot = false;
    for (int x = static_cast<int>(device(100)) + 2; x < static_cast<int>(device(400)) - 2; ++x) {
        const QColor c = at(image, x, dottedY);
        const bool isBlue = c.blue() > 200 && c.red() < 60 && c.green() < 60;
        dots += isBlue && !inDot ? 1 : 0;
        inDot = isBlue;
        whitePixels += c.red() > 230 && c.green() > 230 && c.blue() > 230 ? 1 : 0;
    }
    EXPECT_GE(dots, 15);
    EXPECT_LE(dots, 25);
    EXPECT_GT(whitePixels, 200);

    // The rectangle: outlined by the pen, filled by the brush, on the fill.
    const auto colour = [&](double x, double y) { return at(image, int(device(x)), int(device(y))); };
    EXPECT_EQ(colour(250, 600), white);
    EXPECT_EQ(colour(50, 600), QColor(Qt::yellow));
    EXPECT_EQ(colour(450, 600), QColor(Qt::yellow));
    EXPECT_TRUE(isInk(image, int(device(100)), int(device(600)))); // left edge
    EXPECT_TRUE(isInk(image, int(device(250)), int(device(700)))); // lower edge (y = -700)
}

// An "L" 10 mm high: upright at 0 degrees below its reference point; at -90
// read upward, standing above and right of the reference point.
TEST(PageCanvas, TextIsNeverMirroredAndTurnsAboutItsReferencePoint)
{
    for (const int angle : { 0, -90 }) {
        const int refY = angle == 0 ? 100 : 600;
        const QImage image = page([&](PageCanvas& canvas) {
            CanvasFont font;
            font.height = 100;
            canvas.text(100, -refY, QStringLiteral("L"), font, angle);
        });
        const QRect ink = inkBox(image, image.rect());
        ASSERT_FALSE(ink.isNull()) << angle;
        EXPECT_GE(ink.left(), static_cast<int>(device(100))) << angle;
        EXPECT_LE(ink.right(), static_cast<int>(device(200))) << angle;
        const int top = static_cast<int>(device(angle == 0 ? refY : refY - 100));
        EXPECT_GE(ink.top(), top) << angle;
        EXPECT_LE(ink.bottom(), top + static_cast<int>(device(100)) + 1) << angle;
        // The cap height of "L" along the reading direction.
        EXPECT_NEAR(angle == 0 ? ink.height() : ink.width(), device(72), device(8)) << angle;
        // 0: the foot at the bottom, the stem on the left. -90: the stem along
        // the bottom, the foot rising on the right (the baseline side).
        const auto row = [&](int y) { return inkCount(image, QRect(ink.left(), y, ink.width(), 1)); };
        const auto column = [&](int x) { return inkCount(image, QRect(x, ink.top(), 1, ink.height())); };
        EXPECT_GT(row(ink.bottom() - 2), 3 * row(ink.top() + 2)) << angle;
        const int heavy = angle == 0 ? ink.left() + 2 : ink.right() - 2;
        const int light = angle == 0 ? ink.right() - 2 : ink.left() + 2;
        EXPECT_GT(column(heavy), 3 * column(light)) << angle;
    }
}

} // namespace
