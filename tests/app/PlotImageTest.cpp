// The window's plot at a device pixel ratio: pixel-exact at 1, a sharp
// painter drawing at larger ratios, overlays, and a change of ratio.
#include "PlotImage.h"
#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "ImageCanvas.h"
#include "LensFileReader.h"
#include "PainterCanvas.h"
#include "PlotFrame.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

const LensData& fullLens()
{
    static const LensData lens = readLensFile(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf", LensData());
    return lens;
}

// The curves of frequency 2 over the image height for one f-number, as the
// draw command adds them.
void drawCurves(Canvas& canvas, int fNumber)
{
    CurveSelection selection;
    selection.FrequencyIndex = 2;
    selection.FNumberIndex = fNumber;
    selection.ImageHeightIndex = 1;
    selection.MagnificationIndex = 1;
    const ExtractedCurve curve = ExtractCurve(fullLens(), Abscissa::ImageHeight, selection);
    const SplineWarningSink ignore = [](SplineWarning) {};
    DrawCurve(canvas, ComputeSeries(curve, Series::Sagittal, ignore), curve.AbscissaFactor, Series::Sagittal);
    DrawCurve(canvas, ComputeSeries(curve, Series::Tangential, ignore), curve.AbscissaFactor, Series::Tangential);
}

// The empty frame and the curves of f-number 1, then, overlaid without a
// clear, those of f-number 8.
void drawOverlay(Canvas& canvas)
{
    DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
    drawCurves(canvas, 1);
    drawCurves(canvas, 8);
}

// The reference at ratio 1: the classic pixel rules on a plain image.
QImage pixelExact(const std::function<void(Canvas&)>& draw)
{
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    draw(canvas);
    return image;
}

// The reference at a larger ratio: the whole drawing with one painter on an
// image of that many pixels per unit, as a scaled export draws it.
QImage painted(double ratio, const std::function<void(Canvas&)>& draw)
{
    const int size = static_cast<int>(std::ceil(250 * ratio));
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CanvasMapping mapping;
    mapping.pixelsPerUnit = ratio;
    mapping.pixelCentres = true;
    mapping.dotLength = 3.0;
    mapping.antialias = true;
    PainterCanvas canvas(painter, mapping);
    draw(canvas);
    painter.end();
    return image;
}

// Pixels only: the plot's image also carries its device pixel ratio.
bool samePixels(QImage a, QImage b)
{
    a.setDevicePixelRatio(1.0);
    b.setDevicePixelRatio(1.0);
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

TEST(PlotImage, AtRatioOneEveryPixelFollowsTheClassicRules)
{
    PlotImage plot(1.0);
    EXPECT_EQ(plot.image().size(), QSize(250, 250));
    EXPECT_EQ(plot.image().devicePixelRatio(), 1.0);
    drawOverlay(plot);
    EXPECT_TRUE(samePixels(plot.image(), pixelExact(drawOverlay)));
}

TEST(PlotImage, LargerRatiosPaintTheSameDrawingWithMorePixels)
{
    struct Row
    {
        double ratio;
        int pixels;
    };
    // 250 * 1.25 = 312.5: the image is rounded up to whole pixels.
    for (const Row row : { Row { 2.0, 500 }, Row { 1.25, 313 }, Row { 3.0, 750 } }) {
        PlotImage plot(row.ratio);
        EXPECT_EQ(plot.image().size(), QSize(row.pixels, row.pixels)) << row.ratio;
        EXPECT_EQ(plot.image().devicePixelRatio(), row.ratio);
        EXPECT_NEAR(plot.image().deviceIndependentSize().width(), 250.0, 0.5) << row.ratio;
        drawOverlay(plot);
        EXPECT_TRUE(samePixels(plot.image(), painted(row.ratio, drawOverlay))) << row.ratio;
    }
}

TEST(PlotImage, TheSharpDrawingIsNotAnEnlargedBitmap)
{
    PlotImage plot(2.0);
    drawOverlay(plot);
    const QImage zoomed = pixelExact(drawOverlay).scaled(500, 500, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_FALSE(samePixels(plot.image(), zoomed));
    // The frame's left edge is the logical column 40: two device columns
    // of dark ink, the white plot area right beside them.
    const QImage image = plot.image();
    for (const int y : { 250, 300, 380 }) {
        EXPECT_LT(qGray(image.pixel(80, y)), 64) << y;
        EXPECT_LT(qGray(image.pixel(81, y)), 64) << y;
        EXPECT_GT(qGray(image.pixel(79, y)), 128) << y;
    }
}

TEST(PlotImage, OverlaidCurvesStayUnderLaterOnes)
{
    PlotImage plot(2.0);
    DrawPlotFrame(plot, Abscissa::ImageHeight, initialAxisTexts());
    drawCurves(plot, 1);
    const QImage firstOnly = plot.image();
    drawCurves(plot, 8);
    EXPECT_TRUE(samePixels(plot.image(), painted(2.0, drawOverlay)));
    // Both drawings are there: the result is neither of them alone.
    EXPECT_FALSE(samePixels(plot.image(), firstOnly));
    EXPECT_FALSE(samePixels(plot.image(), painted(2.0, [](Canvas& canvas) {
                                DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
                                drawCurves(canvas, 8);
                            })));
}

TEST(PlotImage, CopiesTakenEarlierKeepWhatTheyShowed)
{
    for (const double ratio : { 1.0, 2.0 }) {
        PlotImage plot(ratio);
        DrawPlotFrame(plot, Abscissa::ImageHeight, initialAxisTexts());
        const QImage frame = plot.image();
        drawCurves(plot, 1);
        EXPECT_EQ(frame.devicePixelRatio(), ratio);
        EXPECT_TRUE(samePixels(
            frame,
            ratio == 1.0
                ? pixelExact([](Canvas& canvas) { DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts()); })
                : painted(ratio,
                          [](Canvas& canvas) { DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts()); })))
            << ratio;
        EXPECT_FALSE(samePixels(frame, plot.image())) << ratio;
    }
}

TEST(PlotImage, ARatioChangeRedrawsTheSamePicture)
{
    PlotImage plot(1.0);
    drawOverlay(plot);
    plot.setDevicePixelRatio(2.0);
    EXPECT_EQ(plot.image().size(), QSize(500, 500));
    EXPECT_EQ(plot.image().devicePixelRatio(), 2.0);
    EXPECT_TRUE(samePixels(plot.image(), painted(2.0, drawOverlay)));
    // And back, pixel for pixel as if never changed.
    plot.setDevicePixelRatio(1.0);
    EXPECT_TRUE(samePixels(plot.image(), pixelExact(drawOverlay)));
}

TEST(PlotImage, DrawingGoesOnAfterARatioChangeWithThePenAndPositionInForce)
{
    const auto before = [](Canvas& canvas) {
        DrawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
        canvas.setPen(QColor(0, 0, 255), 1, PenStyle::Dotted);
        canvas.setBrush(QColor(255, 255, 0));
        canvas.moveTo(45, 60);
        canvas.lineTo(120, 150);
    };
    const auto after = [](Canvas& canvas) {
        canvas.lineTo(200, 70);             // from (120, 150), dotted blue
        canvas.ellipse(100, 100, 130, 120); // yellow inside
    };
    PlotImage plot(1.0);
    before(plot);
    plot.setDevicePixelRatio(2.0);
    after(plot);
    EXPECT_TRUE(samePixels(plot.image(), painted(2.0, [&](Canvas& canvas) {
                               before(canvas);
                               after(canvas);
                           })));
}

TEST(PlotImage, AClearStartsTheRecordAfresh)
{
    PlotImage plot(1.0);
    drawOverlay(plot);
    plot.fillRect(0, 0, 250, 250, QColor(255, 255, 255));
    drawCurves(plot, 8);
    plot.setDevicePixelRatio(2.0);
    EXPECT_TRUE(samePixels(plot.image(), painted(2.0, [](Canvas& canvas) { drawCurves(canvas, 8); })));
}

TEST(PlotImage, BeyondTheRecordLimitARatioChangeRescalesThePixels)
{
    PlotImage plot(1.0);
    DrawPlotFrame(plot, Abscissa::ImageHeight, initialAxisTexts());
    plot.fillRect(60, 60, 160, 160, QColor(255, 0, 0));
    // Zero-length lines paint nothing but count as operations.
    plot.moveTo(10, 10);
    for (std::size_t i = 0; i < PlotImage::MaxRecordedOps; ++i) {
        plot.lineTo(10, 10);
    }
    EXPECT_FALSE(plot.canRedraw());
    plot.setDevicePixelRatio(2.0);
    ASSERT_EQ(plot.image().size(), QSize(500, 500));
    // The picture is kept, enlarged.
    EXPECT_EQ(plot.image().pixel(200, 200), qRgb(255, 0, 0));
    EXPECT_EQ(plot.image().pixel(30, 30), qRgb(255, 255, 255));
    // The next clear makes it redrawable again.
    DrawPlotFrame(plot, Abscissa::ImageHeight, initialAxisTexts());
    EXPECT_TRUE(plot.canRedraw());
}

TEST(PlotImage, RatiosOutsideTheUsefulRangeAreClamped)
{
    struct Row
    {
        double asked;
        double taken;
    };
    const Row rows[] = {
        { 0.5, 1.0 },
        { 0.0, 1.0 },
        { -2.0, 1.0 },
        { std::numeric_limits<double>::quiet_NaN(), 1.0 },
        { std::numeric_limits<double>::infinity(), 1.0 },
        { 12.0, 8.0 },
        { 1.5, 1.5 },
    };
    for (const Row& row : rows) {
        PlotImage plot(row.asked);
        EXPECT_EQ(plot.devicePixelRatio(), row.taken) << row.asked;
        PlotImage changed(2.0);
        changed.setDevicePixelRatio(row.asked);
        EXPECT_EQ(changed.devicePixelRatio(), row.taken) << row.asked;
        EXPECT_EQ(changed.image().width(), static_cast<int>(std::ceil(250 * row.taken))) << row.asked;
    }
}

} // namespace
