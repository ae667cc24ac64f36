#include "PageCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "TestColors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A piece of a 600 dpi page: 1200 x 2000 device pixels, about 51 x 85 mm.
constexpr int dpi = 600;

QImage pageImage()
{
    QImage image(1200, 2000, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    return image;
}

bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Device pixels of a 0.1 mm coordinate, worked out here from the
// resolution: 254 units per inch.
double device(double units)
{
    return units * dpi / 254.0;
}

QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (dark(image, x, y)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

int inkInRow(const QImage& image, const QRect& box, int y)
{
    int count = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
        count += dark(image, x, y) ? 1 : 0;
    }
    return count;
}

int inkInColumn(const QImage& image, const QRect& box, int x)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        count += dark(image, x, y) ? 1 : 0;
    }
    return count;
}

TEST(PageCanvas, MapsTenthsOfAMillimetreWithYUp)
{
    QImage image = pageImage();
    QPainter painter(&image);
    PageCanvas canvas(painter);
    const QPointF p = canvas.map(100, -200);
    EXPECT_NEAR(p.x(), 236.22, 0.01);
    EXPECT_NEAR(p.y(), 472.44, 0.01);
}

TEST(PageCanvas, LineLandsWhereTheMillimetresSay)
{
    QImage image = pageImage();
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        canvas.setPen(Qt::black, 1, PenStyle::Solid);
        canvas.moveTo(100, -200);
        canvas.lineTo(300, -200);
    }
    const int y = static_cast<int>(device(200)); // 472
    EXPECT_TRUE(dark(image, 470, y));
    EXPECT_TRUE(dark(image, static_cast<int>(device(100)) + 3, y));
    EXPECT_TRUE(dark(image, static_cast<int>(device(300)) - 3, y));
    EXPECT_FALSE(dark(image, static_cast<int>(device(100)) - 6, y));
    EXPECT_FALSE(dark(image, static_cast<int>(device(300)) + 6, y));
    // Width 1 is 0.1 mm: about 2.4 device pixels, thin but visible.
    const int thickness = inkInColumn(image, QRect(470, y - 20, 1, 40), 470);
    EXPECT_GE(thickness, 2);
    EXPECT_LE(thickness, 3);
}

TEST(PageCanvas, PenWidthIsInTenthsOfAMillimetre)
{
    QImage image = pageImage();
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        canvas.setPen(Qt::black, 4, PenStyle::Solid);
        canvas.moveTo(100, -400);
        canvas.lineTo(300, -400);
    }
    const int y = static_cast<int>(device(400));
    const int thickness = inkInColumn(image, QRect(500, y - 30, 1, 60), 500);
    EXPECT_NEAR(thickness, device(4), 1.5); // 0.4 mm = 9.4 px
}

TEST(PageCanvas, DottedLineShowsDotsAndWhiteGaps)
{
    QImage image = pageImage();
    image.fill(Qt::red); // gaps must be painted white, not left
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        canvas.setPen(Qt::blue, 1, PenStyle::Dotted);
        canvas.moveTo(100, -800);
        canvas.lineTo(400, -800);
    }
    const int y = static_cast<int>(std::lround(device(800)));
    int blueRuns = 0;
    int whitePixels = 0;
    bool inBlue = false;
    for (int x = static_cast<int>(device(100)) + 2; x < static_cast<int>(device(400)) - 2; ++x) {
        const QColor c(image.pixel(x, y));
        const bool isBlue = c.blue() > 200 && c.red() < 60 && c.green() < 60;
        if (isBlue && !inBlue) {
            ++blueRuns;
        }
        inBlue = isBlue;
        if (c.red() > 230 && c.green() > 230 && c.blue() > 230) {
            ++whitePixels;
        }
    }
    // 30 mm of line with dots and gaps of 0.72 mm each: about 20 dots.
    EXPECT_GE(blueRuns, 15);
    EXPECT_LE(blueRuns, 25);
    EXPECT_GT(whitePixels, 200);
}

TEST(PageCanvas, TextStaysUprightBelowItsReferencePoint)
{
    QImage image = pageImage();
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        CanvasFont font;
        font.height = 100; // 10 mm character height
        canvas.text(100, -100, QStringLiteral("L"), font, 0);
    }
    const QRect ink = inkBox(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), static_cast<int>(device(100)));
    EXPECT_GE(ink.top(), static_cast<int>(device(100)));
    EXPECT_LE(ink.bottom(), static_cast<int>(device(100 + 100)));
    EXPECT_NEAR(ink.height(), device(72), device(8)); // the cap height of "L"
    // Upright, not mirrored or flipped: the stem on the left, the foot at
    // the bottom.
    EXPECT_GT(inkInRow(image, ink, ink.bottom() - 2), 3 * inkInRow(image, ink, ink.top() + 2));
    EXPECT_GT(inkInColumn(image, ink, ink.left() + 2), 3 * inkInColumn(image, ink, ink.right() - 2));
}

TEST(PageCanvas, MinusNinetyDegreesReadsUpward)
{
    QImage image = pageImage();
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        CanvasFont font;
        font.height = 100;
        canvas.text(100, -600, QStringLiteral("L"), font, -90);
    }
    const QRect ink = inkBox(image);
    ASSERT_FALSE(ink.isNull());
    // The cell turns about its top-left corner: the letter stands above the
    // reference point and right of it.
    EXPECT_GE(ink.left(), static_cast<int>(device(100)));
    EXPECT_LE(ink.right(), static_cast<int>(device(100 + 100)));
    EXPECT_LE(ink.bottom(), static_cast<int>(device(600)) + 1);
    EXPECT_GE(ink.top(), static_cast<int>(device(600 - 100)));
    // Read upward, the stem of the "L" lies along the bottom and its foot
    // rises on the right (the baseline side).
    EXPECT_GT(inkInRow(image, ink, ink.bottom() - 2), 3 * inkInRow(image, ink, ink.top() + 2));
    EXPECT_GT(inkInColumn(image, ink, ink.right() - 2), 3 * inkInColumn(image, ink, ink.left() + 2));
}

TEST(PageCanvas, BoxesCoverTheirCorners)
{
    QImage image = pageImage();
    {
        QPainter painter(&image);
        PageCanvas canvas(painter);
        canvas.fillRect(0, 0, 500, -800, Qt::yellow); // the brush must cover this
        canvas.setPen(Qt::black, 2, PenStyle::Solid);
        canvas.setBrush(Qt::white);
        canvas.rectangle(100, -100, 400, -300);
    }
    const auto colour = [&](double ux, double uy) { return QColor(image.pixel(int(device(ux)), int(device(uy)))); };
    EXPECT_EQ(colour(250, 200), QColor(Qt::white)); // inside: the brush
    EXPECT_EQ(colour(50, 200), QColor(Qt::yellow)); // outside: untouched
    EXPECT_EQ(colour(450, 200), QColor(Qt::yellow));
    EXPECT_TRUE(dark(image, int(device(100)), int(device(200)))); // left edge
    EXPECT_TRUE(dark(image, int(device(250)), int(device(300)))); // lower edge (y = -300)
}

} // namespace
