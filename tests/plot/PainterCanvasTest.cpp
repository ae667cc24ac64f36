#include "PainterCanvas.h"
#include "PlotFrame.h"

#include "TestColors.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The plot drawn four times larger through a painter (as for a crisp
// export): every screen pixel becomes a 4 x 4 block, lines run through the
// block centres with a width of 4 device pixels.
TEST(PainterCanvas, FrameAtFourTimesTheSize)
{
    constexpr int n = 4;
    QImage image(250 * n, 250 * n, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    {
        QPainter painter(&image);
        CanvasMapping mapping;
        mapping.pixelsPerUnit = n;
        mapping.antialias = false;
        PainterCanvas canvas(painter, mapping);
        DrawPlotFrame(canvas, Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
    }
    const auto block = [&](int x, int y) { return QColor(image.pixel(x * n + n / 2, y * n + n / 2)); };
    EXPECT_EQ(block(40, 100), QColor(0, 0, 255));     // y axis
    EXPECT_EQ(block(100, 210), QColor(0, 0, 255));    // x axis
    EXPECT_EQ(block(100, 74), QColor(192, 192, 192)); // grid
    EXPECT_EQ(block(100, 100), QColor(255, 255, 255));
    EXPECT_EQ(block(245, 245), QColor(255, 255, 255)); // cleared to the corner
    // Axis four device pixels wide: the columns around 40 * 4 + 2.
    EXPECT_EQ(QColor(image.pixel(40 * n, 400)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(40 * n + n - 1, 400)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(40 * n - 1, 400)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(40 * n + n, 400)), QColor(255, 255, 255));
}

} // namespace
