#include "ImageCanvas.h"
#include "FontSetup.h"
#include "PlotFrame.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "TestColors.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor silver(192, 192, 192);

// A sentinel colour that no drawing operation uses.
const QColor sentinel(0, 128, 0);

QImage filledImage(int width, int height, const QColor& color = sentinel)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool isInk(const QColor& c)
{
    return c.red() < 128 && c.green() < 128 && c.blue() < 128;
}

// Bounding box of the dark pixels inside a region.
QRect inkBox(const QImage& image, const QRect& region)
{
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (isInk(at(image, x, y))) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

TEST(ImageCanvasLines, HorizontalLineLeavesOutItsEnd)
{
    QImage image = filledImage(20, 5);
    ImageCanvas canvas(image);
    canvas.setPen(red, 1, PenStyle::Solid);
    canvas.moveTo(2, 1);
    canvas.lineTo(12, 1);
    for (int x = 2; x < 12; ++x) {
        EXPECT_EQ(at(image, x, 1), red) << x;
    }
    EXPECT_EQ(at(image, 1, 1), sentinel);
    EXPECT_EQ(at(image, 12, 1), sentinel);
}

TEST(ImageCanvasLines, ReversedLineLeavesOutItsEndToo)
{
    QImage image = filledImage(20, 20);
    ImageCanvas canvas(image);
    canvas.setPen(red, 1, PenStyle::Solid);
    canvas.moveTo(5, 15);
    canvas.lineTo(5, 4);
    EXPECT_EQ(at(image, 5, 15), red);
    EXPECT_EQ(at(image, 5, 5), red);
    EXPECT_EQ(at(image, 5, 4), sentinel);
}

TEST(ImageCanvasLines, SlopedLineFollowsBresenham)
{
    // (0,0) to (5,2): after k steps the line has risen 2k/5, rounded.
    QImage image = filledImage(8, 4);
    ImageCanvas canvas(image);
    canvas.setPen(red, 1, PenStyle::Solid);
    canvas.moveTo(0, 0);
    canvas.lineTo(5, 2);
    const std::vector<std::pair<int, int>> painted = { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 3, 1 }, { 4, 2 } };
    int count = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (at(image, x, y) == red) {
                ++count;
            }
        }
    }
    EXPECT_EQ(count, 5);
    for (const auto& [x, y] : painted) {
        EXPECT_EQ(at(image, x, y), red) << x << "," << y;
    }
    EXPECT_EQ(at(image, 5, 2), sentinel);
}

TEST(ImageCanvasLines, ZeroLengthLinePaintsNothing)
{
    QImage image = filledImage(5, 5);
    ImageCanvas canvas(image);
    canvas.setPen(red, 1, PenStyle::Solid);
    canvas.moveTo(2, 2);
    canvas.lineTo(2, 2);
    EXPECT_EQ(at(image, 2, 2), sentinel);
}

TEST(ImageCanvasLines, DottedPenIsThreeOnThreeOffWithWhiteGaps)
{
    QImage image = filledImage(30, 3);
    ImageCanvas canvas(image);
    canvas.setPen(blue, 1, PenStyle::Dotted);
    canvas.moveTo(0, 1);
    canvas.lineTo(20, 1);
    for (int x = 0; x < 20; ++x) {
        const bool dot = (x / 3) % 2 == 0;
        EXPECT_EQ(at(image, x, 1), dot ? blue : white) << x;
    }
    EXPECT_EQ(at(image, 20, 1), sentinel);
}

TEST(ImageCanvasLines, DottedPatternRestartsAtEveryLineTo)
{
    QImage image = filledImage(12, 3);
    ImageCanvas canvas(image);
    canvas.setPen(blue, 1, PenStyle::Dotted);
    canvas.moveTo(0, 1);
    canvas.lineTo(4, 1);
    canvas.lineTo(10, 1);
    const QColor expected[] = { blue, blue, blue, white, blue, blue, blue, white, white, white };
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(at(image, x, 1), expected[x]) << x;
    }
}

TEST(ImageCanvasLines, FarAwayEndsAreClippedNotWrittenOutside)
{
    QImage image = filledImage(50, 50);
    ImageCanvas canvas(image);
    canvas.setPen(red, 1, PenStyle::Solid);
    canvas.moveTo(-2000000000, 10);
    canvas.lineTo(2000000000, 10);
    for (int x = 0; x < 50; ++x) {
        EXPECT_EQ(at(image, x, 10), red) << x;
    }
    canvas.moveTo(25, 25);
    canvas.lineTo(25, -100000); // straight up and away
    EXPECT_EQ(at(image, 25, 0), red);
    EXPECT_EQ(at(image, 25, 25), red);
    EXPECT_EQ(at(image, 25, 26), sentinel);
    canvas.lineTo(100000, 100000); // entirely outside after the first pixels
    canvas.moveTo(100050, -100000);
    canvas.lineTo(-100000, 100050); // x + y = 50, crossing the image
    EXPECT_EQ(at(image, 1, 49), red);
    EXPECT_EQ(at(image, 49, 1), red);
    EXPECT_EQ(at(image, 30, 20), red);
}

TEST(ImageCanvasShapes, FourPixelMarkerIsWhiteInsideBlackOutline)
{
    QImage image = filledImage(10, 10, red);
    ImageCanvas canvas(image);
    canvas.setPen(black, 1, PenStyle::Solid);
    canvas.setBrush(white);
    const int px = 5;
    const int py = 5;
    canvas.ellipse(px - 2, py - 2, px + 2, py + 2);

    // Rows py-2 .. py+1, columns px-2 .. px+1: a round 4-pixel dot.
    const char* rows[] = {
        ".oo.",
        "o##o",
        "o##o",
        ".oo.",
    };
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QColor expected = rows[r][c] == 'o' ? black : rows[r][c] == '#' ? white : red;
            EXPECT_EQ(at(image, px - 2 + c, py - 2 + r), expected) << "row " << r << " col " << c;
        }
    }
    for (int i = px - 3; i <= px + 2; ++i) {
        EXPECT_EQ(at(image, i, py + 2), red) << "bottom edge excluded";
        EXPECT_EQ(at(image, px + 2, i), red) << "right edge excluded";
    }
}

TEST(ImageCanvasShapes, LargerEllipseIsSymmetricAndClosed)
{
    QImage image = filledImage(30, 30, red);
    ImageCanvas canvas(image);
    canvas.setPen(black, 1, PenStyle::Solid);
    canvas.setBrush(white);
    canvas.ellipse(3, 5, 23, 17); // 20 x 12 pixels: columns 3..22, rows 5..16
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const QColor c = at(image, x, y);
            if (x < 3 || x > 22 || y < 5 || y > 16) {
                EXPECT_EQ(c, red) << "outside the box " << x << "," << y;
                continue;
            }
            EXPECT_EQ(c, at(image, 25 - x, y)) << "left-right mirror " << x << "," << y;
            EXPECT_EQ(c, at(image, x, 21 - y)) << "top-bottom mirror " << x << "," << y;
        }
    }
    EXPECT_EQ(at(image, 3, 11), black);  // left end of the middle row
    EXPECT_EQ(at(image, 22, 11), black); // right end
    EXPECT_EQ(at(image, 13, 5), black);  // top
    EXPECT_EQ(at(image, 13, 16), black); // bottom
    EXPECT_EQ(at(image, 13, 11), white); // centre
    // Closed outline: walking a row from the centre to the left reaches
    // black before leaving the shape, in every row.
    for (int y = 6; y <= 15; ++y) {
        int x = 13;
        while (x > 0 && at(image, x, y) == white) {
            --x;
        }
        EXPECT_EQ(at(image, x, y), black) << "row " << y;
    }
}

TEST(ImageCanvasShapes, EllipseOverTheBorderIsClipped)
{
    QImage image = filledImage(10, 10, red);
    ImageCanvas canvas(image);
    canvas.setPen(black, 1, PenStyle::Solid);
    canvas.setBrush(white);
    canvas.ellipse(-2, -2, 2, 2);
    EXPECT_EQ(at(image, 0, 0), white);
    EXPECT_EQ(at(image, 1, 0), black);
    EXPECT_EQ(at(image, 0, 1), black);
    canvas.ellipse(-100000, -100000, 100000, 100000); // covers all, outline outside
    EXPECT_EQ(at(image, 5, 5), white);
}

TEST(ImageCanvasShapes, RectangleAndFillLeaveOutRightAndBottom)
{
    QImage image = filledImage(10, 10, red);
    ImageCanvas canvas(image);
    canvas.setPen(black, 1, PenStyle::Solid);
    canvas.setBrush(white);
    canvas.rectangle(2, 2, 6, 5);
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(at(image, x, 2), black);
        EXPECT_EQ(at(image, x, 4), black);
        EXPECT_EQ(at(image, x, 5), red);
    }
    EXPECT_EQ(at(image, 2, 3), black);
    EXPECT_EQ(at(image, 5, 3), black);
    EXPECT_EQ(at(image, 3, 3), white);
    EXPECT_EQ(at(image, 4, 3), white);
    EXPECT_EQ(at(image, 6, 3), red);

    canvas.fillRect(7, 7, 9, 9, blue);
    EXPECT_EQ(at(image, 7, 7), blue);
    EXPECT_EQ(at(image, 8, 8), blue);
    EXPECT_EQ(at(image, 9, 8), red);
    EXPECT_EQ(at(image, 8, 9), red);
    canvas.fillRect(-50, -50, 500, 1, blue);
    EXPECT_EQ(at(image, 9, 0), blue);
    EXPECT_EQ(at(image, 9, 1), red);
}

TEST(ImageCanvasText, CellIsOpaqueAndPlacedByItsTopLeft)
{
    QImage image = filledImage(100, 40, red);
    ImageCanvas canvas(image);
    canvas.setBrush(white);
    CanvasFont font;
    font.height = 10;
    canvas.text(20, 10, QStringLiteral("80"), font);

    const QRect ink = inkBox(image, image.rect());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 20);
    EXPECT_GE(ink.top(), 10);
    // Digits stand on the baseline, about 7 of the 10 pixels below the top.
    EXPECT_LE(ink.bottom(), 10 + 10);
    EXPECT_LE(ink.right(), 20 + 14);
    EXPECT_EQ(at(image, 20, 10), white); // cell background
    EXPECT_EQ(at(image, 19, 10), red);   // left of the cell
    EXPECT_EQ(at(image, 20, 9), red);    // above the cell
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QColor c = at(image, x, y);
            // No antialiasing: ink is black, the rest white or untouched.
            EXPECT_TRUE(c == black || c == white || c == red) << x << "," << y;
        }
    }
}

TEST(ImageCanvasText, NinetyDegreesReadsUpwardFromTheReferencePoint)
{
    QImage image = filledImage(40, 200, red);
    ImageCanvas canvas(image);
    canvas.setBrush(white);
    CanvasFont font;
    font.height = 10;
    const QString text = QStringLiteral("Modulation [%]");
    canvas.text(5, 155, text, font, 90);

    const QRect ink = inkBox(image, image.rect());
    ASSERT_FALSE(ink.isNull());
    // The cell turns about its top-left corner: the text runs up from
    // y = 155 and its cell lies right of x = 5.
    EXPECT_GE(ink.left(), 5);
    EXPECT_LE(ink.right(), 5 + 13);
    EXPECT_LE(ink.bottom(), 155);
    const int advance = QFontMetrics(makeCanvasFont(font, 1.0, false)).horizontalAdvance(text);
    EXPECT_GT(ink.height(), advance - 6);
    EXPECT_LE(ink.top(), 155 - advance + 6);
    EXPECT_GE(ink.top(), 155 - advance);
    // "M" comes first, at the bottom: its strokes fill the lowest rows from
    // the baseline side (left) to the cap height.
    EXPECT_EQ(at(image, 5, 154), white);
    EXPECT_EQ(at(image, 4, 154), red);
}

TEST(PlotFrameImage, DecisivePixels)
{
    QImage image = filledImage(250, 250);
    ImageCanvas canvas(image);
    DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());

    EXPECT_EQ(at(image, 40, 100), blue);  // y axis
    EXPECT_EQ(at(image, 40, 40), blue);   // its top, over the grid
    EXPECT_EQ(at(image, 100, 210), blue); // x axis
    EXPECT_EQ(at(image, 209, 210), blue);
    EXPECT_EQ(at(image, 38, 74), blue); // tick left of the y axis
    EXPECT_EQ(at(image, 39, 74), blue);
    EXPECT_EQ(at(image, 74, 211), blue); // tick under the x axis
    EXPECT_EQ(at(image, 74, 212), blue);
    EXPECT_EQ(at(image, 100, 74), silver); // grid rows and columns
    EXPECT_EQ(at(image, 74, 100), silver);
    EXPECT_EQ(at(image, 100, 40), silver);
    EXPECT_EQ(at(image, 210, 40), silver); // the closing grid line on the right
    EXPECT_EQ(at(image, 210, 209), silver);
    // Every line ending at the corner (210, 210) leaves it out.
    EXPECT_EQ(at(image, 210, 210), white);
    EXPECT_EQ(at(image, 100, 100), white);
    EXPECT_EQ(at(image, 245, 5), white); // the whole image was cleared

    // Text: tick values left of the y axis and under the x axis.
    EXPECT_FALSE(inkBox(image, QRect(22, 36, 16, 10)).isNull());   // "100"
    EXPECT_FALSE(inkBox(image, QRect(206, 214, 20, 11)).isNull()); // "100" under the axis
    EXPECT_FALSE(inkBox(image, QRect(5, 80, 12, 76)).isNull());    // the turned title
}

TEST(PlotFrameImage, BlankRowWipesTheTickValues)
{
    // Image height first (tick values under the axis), then the axis titles
    // of another abscissa over it, as every later draw command does.
    QImage image = filledImage(250, 250);
    ImageCanvas canvas(image);
    DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
    ASSERT_FALSE(inkBox(image, QRect(30, 214, 200, 12)).isNull());
    DrawAxisTitles(canvas, DrawTarget::Screen, Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
    const QRect left = inkBox(image, QRect(30, 213, 200, 14));
    EXPECT_TRUE(left.isNull()) << left.x() << "," << left.y() << " " << left.width() << "x" << left.height();
    EXPECT_EQ(at(image, 100, 210), blue); // the axis stays
}

} // namespace

// Texts are rendered once and then copied; the copy must give exactly the
// pixels a painter writes straight onto the image, wherever the text lands
// (also partly outside) and whatever was there before.
TEST(ImageCanvasText, RepeatedTextsEqualDirectPainting)
{
    struct Case
    {
        QString text;
        int height;
        int angle;
        QPoint at;
    };
    const std::vector<Case> cases {
        { QStringLiteral("100"), 9, 0, { 22, 36 } },
        { QStringLiteral("Modulation [%]"), 10, 90, { 5, 155 } },
        { QStringLiteral("Bildhöhe"), 11, 0, { 230, 12 } }, // runs off the right edge
        { QStringLiteral("ß '"), 10, -90, { 100, -3 } },    // starts above the top
        { QStringLiteral("Linienpaare"), 11, 30, { 120, 120 } },
    };
    const QColor background(10, 200, 30);
    for (const Case& c : cases) {
        CanvasFont font;
        font.height = c.height;

        QImage direct(250, 250, QImage::Format_RGB32);
        direct.fill(background);
        {
            const QFont qfont = makeCanvasFont(font, 1.0, false);
            const QFontMetrics metrics(qfont);
            QPainter painter(&direct);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.translate(c.at);
            painter.rotate(-c.angle);
            painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(c.text), metrics.ascent() + metrics.descent()),
                             Qt::white);
            painter.setFont(qfont);
            painter.setPen(Qt::black);
            painter.drawText(0, metrics.ascent(), c.text);
        }

        QImage cached(250, 250, QImage::Format_RGB32);
        ImageCanvas canvas(cached);
        for (int pass = 0; pass < 2; ++pass) { // the second pass copies from the cache
            cached.fill(background);
            canvas.text(c.at.x(), c.at.y(), c.text, font, c.angle);
            EXPECT_EQ(cached, direct) << c.text.toStdString() << " pass " << pass;
        }
    }
}
