// SPDX-License-Identifier: MIT
#include "PlotImage.h"
#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "LensFileReader.h"
#include "PlotFrame.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using Drawing = std::function<void(Canvas&)>;

void frame(Canvas& canvas)
{
    drawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
}

void drawCurves(Canvas& canvas, int fNumber)
{
    static const LensData lens = readLensFile(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf", LensData());
    const ExtractedCurve curve = extractCurve(lens, Abscissa::ImageHeight, CurveSelection { 2, fNumber, 1, 1 });
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        drawCurve(canvas, computeSeries(curve, series, [](SplineWarning) {}), curve.AbscissaFactor, series);
    }
}

void drawOverlay(Canvas& canvas)
{
    frame(canvas);
    drawCurves(canvas, 1);
    drawCurves(canvas, 8);
}

QImage drawnAt(double ratio, const Drawing& draw)
{
    PlotImage plot(ratio);
    draw(plot);
    return plot.image();
}

TEST(PlotImage, ARatioChangeRedrawsTheSamePictureAndDrawingGoesOnFromThere)
{
    PlotImage plot(1.0);
    drawOverlay(plot);
    plot.setDevicePixelRatio(2.0);
    EXPECT_TRUE(plot.image() == drawnAt(2.0, drawOverlay));
    plot.setDevicePixelRatio(1.0);
    EXPECT_TRUE(plot.image() == drawnAt(1.0, drawOverlay));
    // Pen, brush and position carry over; fills that reach the plot's edges
    // without covering it all are drawing, not a clear.
    const Drawing before = [](Canvas& canvas) {
        frame(canvas);
        canvas.fillRect(150, 200, 250, 250, QColor(0, 255, 0));
        canvas.fillRect(-5, -5, 20, 30, QColor(0, 255, 0));
        canvas.setPen(QColor(0, 0, 255), 1, PenStyle::Dotted);
        canvas.setBrush(QColor(255, 255, 0));
        canvas.moveTo(45, 60);
        canvas.lineTo(120, 150);
    };
    const Drawing after = [](Canvas& canvas) {
        canvas.lineTo(200, 70);
        canvas.ellipse(100, 100, 130, 120);
    };
    PlotImage changed(1.0);
    before(changed);
    changed.setDevicePixelRatio(2.0);
    after(changed);
    EXPECT_TRUE(changed.image() == drawnAt(2.0, [&](Canvas& canvas) {
                    before(canvas);
                    after(canvas);
                }));
}

TEST(PlotImage, BeyondTheRecordLimitARatioChangeRescalesThePixels)
{
    PlotImage plot(1.0);
    plot.fillRect(0, 0, 250, 250, QColor(255, 255, 255));
    plot.fillRect(60, 60, 160, 160, QColor(255, 0, 0));
    plot.setPen(QColor(0, 0, 0), 1, PenStyle::Solid);
    plot.moveTo(10, 10);
    for (std::size_t i = 2; i < PlotImage::MaxRecordedOps; ++i) {
        plot.lineTo(10, 10);
    }
    EXPECT_TRUE(plot.canRedraw());
    plot.moveTo(20, 30);
    plot.lineTo(200, 30); // one too many: the record is given up
    EXPECT_FALSE(plot.canRedraw());
    plot.moveTo(20, 40);
    plot.lineTo(200, 40);
    plot.setDevicePixelRatio(2.0);
    ASSERT_EQ(plot.image().size(), QSize(500, 500));
    EXPECT_EQ(plot.image().pixel(200, 200), qRgb(255, 0, 0)) << "the picture is kept, enlarged";
    EXPECT_EQ(plot.image().pixel(30, 30), qRgb(255, 255, 255));
    // Both lines only as the enlarged pixels show them, blurred over four
    // device rows, not drawn once more sharply on top.
    for (const int y : { 59, 60, 61, 62, 79, 80, 81, 82 }) {
        EXPECT_GT(qGray(plot.image().pixel(100, y)), 0) << y;
        EXPECT_LT(qGray(plot.image().pixel(100, y)), 255) << y;
    }
    frame(plot);
    EXPECT_TRUE(plot.canRedraw()) << "after the next clear";
}

// ceil(250 * ratio) pixels a side (250 * 1.25 = 312.5), the ratio clamped
// to 1 .. 8.
TEST(PlotImage, ImageSizeAndClampedRatio)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<double, double, int> rows[]
        = { { 0.5, 1.0, 250 }, { nan, 1.0, 250 }, { 12.0, 8.0, 2000 }, { 1.25, 1.25, 313 } };
    for (const auto& [asked, taken, pixels] : rows) {
        EXPECT_EQ(PlotImage(asked).devicePixelRatio(), taken) << asked;
        PlotImage changed(2.0);
        changed.setDevicePixelRatio(asked);
        EXPECT_EQ(changed.image().size(), QSize(pixels, pixels)) << asked;
        EXPECT_EQ(changed.image().devicePixelRatio(), taken) << asked;
    }
}

} // namespace
