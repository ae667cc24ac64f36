#include "CurveDrawing.h"
#include "ImageCanvas.h"
#include "RecordingCanvas.h"

#include <QImage>

#include "TestColors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor sentinel(0, 128, 0);

// A curve as the sampling leaves it: 101 samples over [0, maxX], each
// 1e-8 left of its even step (shift -1e-8), or exactly on it (shift 0).
SeriesCurve makeCurve(double maxX, double shift, int knots)
{
    SeriesCurve curve;
    CurveSamples& s = curve.samples;
    const double step = maxX / 100.0;
    for (int j = 1; j <= 101; ++j) {
        const double x = (j - 1) * step + shift;
        s.CurveSampleX[j] = x;
        s.CurveSampleY[j] = 50.0 + 30.0 * std::sin(x * 1.3) + x * 3.0;
    }
    s.SampleStep = step;
    s.CurveMaxX = maxX;
    s.ScaleX = 170.0 / maxX;
    s.ScaleY = 1.7;
    s.drawable = true;
    curve.spline.CurvePointCount = knots;
    for (int k = 1; k <= knots; ++k) {
        const double x = maxX * (k - 1) / (knots - 1);
        curve.spline.KnotX[k] = x;
        curve.spline.KnotY[k] = 50.0 + 30.0 * std::sin(x * 1.3) + x * 3.0;
    }
    return curve;
}

// The pixel of a data point, worked out here: 40 px margin, 170 px plot
// area, truncation toward zero, x * ScaleX formed before the factor.
QPoint expectedPixel(double x, double m, double scaleX, double scaleY, double factor)
{
    const double px = std::trunc((x * scaleX) * factor);
    const double py = std::trunc(m * scaleY);
    return { 40 + static_cast<int>(px), 210 - static_cast<int>(py) };
}

QPoint samplePixel(const SeriesCurve& c, int j, double factor)
{
    return expectedPixel(c.samples.CurveSampleX[j], c.samples.CurveSampleY[j], c.samples.ScaleX, c.samples.ScaleY,
                         factor);
}

std::vector<QPoint> lineEnds(const RecordingCanvas& canvas)
{
    std::vector<QPoint> ends;
    for (const CanvasOp& op : canvas.lines()) {
        ends.push_back(op.to);
    }
    return ends;
}

TEST(DrawCurve, SagittalIsSolidRedThroughEverySampleFromTheAxis)
{
    const SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 1.0, Series::Sagittal);

    // Sample 1 lies left of the axis; the line starts at sample 2 with a
    // zero-length line and runs through 101.
    std::vector<QPoint> expected;
    for (int j = 2; j <= 101; ++j) {
        expected.push_back(samplePixel(curve, j, 1.0));
    }
    EXPECT_EQ(lineEnds(canvas), expected);
    const std::vector<CanvasOp> lines = canvas.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().from, lines.front().to);
    for (const CanvasOp& op : lines) {
        EXPECT_EQ(op.penColor, red);
        EXPECT_EQ(op.penWidth, 1);
        EXPECT_EQ(op.penStyle, PenStyle::Solid);
    }
}

TEST(DrawCurve, TangentialIsDottedBlueThroughEveryFourthSample)
{
    struct Case
    {
        double shift;
        int first;
        int last;
    };
    // Starting at sample 2 the line ends at 98; starting at 1 it reaches 101.
    for (const Case c : { Case { -1e-8, 2, 98 }, Case { 0.0, 1, 101 } }) {
        const SeriesCurve curve = makeCurve(5.0, c.shift, 6);
        RecordingCanvas canvas;
        DrawCurve(canvas, curve, 1.0, Series::Tangential);
        std::vector<QPoint> expected;
        for (int j = c.first; j <= 101; j += 4) {
            expected.push_back(samplePixel(curve, j, 1.0));
        }
        EXPECT_EQ(lineEnds(canvas), expected) << "first sample " << c.first;
        EXPECT_EQ(canvas.lines().back().to, samplePixel(curve, c.last, 1.0));
        EXPECT_EQ(canvas.lines().size(), c.first == 1 ? 26u : 25u);
        for (const CanvasOp& op : canvas.lines()) {
            EXPECT_EQ(op.penColor, blue);
            EXPECT_EQ(op.penStyle, PenStyle::Dotted);
            EXPECT_EQ(op.penWidth, 1);
        }
    }
}

TEST(DrawCurve, MarkersAfterTheLineAtEverySupportPoint)
{
    const SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        RecordingCanvas canvas;
        DrawCurve(canvas, curve, 0.8, series);
        const std::vector<CanvasOp> markers = canvas.ellipses();
        ASSERT_EQ(markers.size(), 6u);
        for (int k = 1; k <= 6; ++k) {
            const QPoint p
                = expectedPixel(curve.spline.KnotX[k], curve.spline.KnotY[k], curve.samples.ScaleX, 1.7, 0.8);
            const CanvasOp& m = markers[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(m.from, p - QPoint(2, 2));
            EXPECT_EQ(m.to, p + QPoint(2, 2));
            EXPECT_EQ(m.penColor, black);
            EXPECT_EQ(m.penStyle, PenStyle::Solid);
            EXPECT_EQ(m.penWidth, 1);
            EXPECT_EQ(m.brushColor, white);
        }
        // Every line comes before the first marker.
        const auto& ops = canvas.ops();
        bool markerSeen = false;
        for (const CanvasOp& op : ops) {
            markerSeen = markerSeen || op.kind == CanvasOp::Kind::Ellipse;
            EXPECT_FALSE(markerSeen && op.kind == CanvasOp::Kind::Line);
        }
    }
}

TEST(DrawCurve, AbscissaFactorShortensTheCurve)
{
    const SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 0.8, Series::Sagittal);
    // 5 * 34 * 0.8 = 136, but the last sample lies 1e-8 short of 5.
    EXPECT_EQ(canvas.lines().back().to.x(), 40 + 135);
    EXPECT_EQ(canvas.ellipses().back().from.x(), 40 + 136 - 2);
}

TEST(DrawCurve, MirroredSupportPointLeftOfTheAxis)
{
    // An image-height curve: the first support point mirrored to -x.
    SeriesCurve curve = makeCurve(4.0, -1e-8, 5);
    for (int j = 1; j <= 101; ++j) {
        curve.samples.CurveSampleX[j] = -1.0 + (j - 1) * 0.05 - 1e-8; // -1 .. 4
    }
    curve.spline.KnotX[1] = -1.0;
    curve.samples.ScaleX = 170.0 / 4.0;
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 1.0, Series::Sagittal);
    // First sample at or right of the axis: x = 0.05 - 1e-8 is sample 22
    // (sample 21 is 1e-8 left of 0).
    EXPECT_EQ(canvas.lines().front().to, samplePixel(curve, 22, 1.0));
    EXPECT_EQ(canvas.lines().size(), 80u);
    EXPECT_EQ(canvas.ellipses().front().from.x(), 40 - 42 - 2); // trunc(-42.5) = -42
}

TEST(DrawCurve, PixelsOnTheImage)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    curve.spline.CurvePointCount = 0; // line pixels only
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(sentinel);
    ImageCanvas canvas(image);
    DrawCurve(canvas, curve, 0.8, Series::Sagittal);

    // Each sample is the start of the next line, so its pixel is red.
    for (int j = 2; j <= 100; ++j) {
        const QPoint p = samplePixel(curve, j, 0.8);
        EXPECT_EQ(QColor(image.pixel(p)), red) << "sample " << j;
    }
    // The end of the last line is left out.
    const QPoint last = samplePixel(curve, 101, 0.8);
    ASSERT_NE(last, samplePixel(curve, 100, 0.8));
    EXPECT_EQ(QColor(image.pixel(last)), sentinel);
    // Nothing left of the axis: sample 1 is not drawn.
    for (int y = 0; y < 250; ++y) {
        EXPECT_EQ(QColor(image.pixel(39, y)), sentinel);
    }
}

TEST(DrawCurve, DottedPixelsStartEachFourthSample)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    curve.spline.CurvePointCount = 0;
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(sentinel);
    ImageCanvas canvas(image);
    DrawCurve(canvas, curve, 1.0, Series::Tangential);
    for (int j = 2; j <= 94; j += 4) {
        EXPECT_EQ(QColor(image.pixel(samplePixel(curve, j, 1.0))), blue) << "sample " << j;
    }
    EXPECT_EQ(QColor(image.pixel(samplePixel(curve, 98, 1.0))), sentinel);
    // Some gap pixels are white.
    int gaps = 0;
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 250; ++x) {
            gaps += QColor(image.pixel(x, y)) == white ? 1 : 0;
        }
    }
    EXPECT_GT(gaps, 20);
}

TEST(DrawCurve, MarkerCoversTheLine)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(sentinel);
    ImageCanvas canvas(image);
    DrawCurve(canvas, curve, 1.0, Series::Sagittal);
    const QPoint k3 = expectedPixel(curve.spline.KnotX[3], curve.spline.KnotY[3], curve.samples.ScaleX, 1.7, 1.0);
    EXPECT_EQ(QColor(image.pixel(k3)), white); // inside of the ring
    EXPECT_EQ(QColor(image.pixel(k3 + QPoint(-1, -1))), white);
    EXPECT_EQ(QColor(image.pixel(k3 + QPoint(-2, 0))), black); // its outline
    EXPECT_EQ(QColor(image.pixel(k3 + QPoint(1, 0))), black);
}

TEST(DrawCurve, NoSampleRightOfTheAxisDrawsMarkersOnly)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    for (int j = 1; j <= 101; ++j) {
        curve.samples.CurveSampleX[j] = -1e-8;
    }
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 1.0, Series::Tangential);
    EXPECT_TRUE(canvas.lines().empty());
    EXPECT_EQ(canvas.ellipses().size(), 6u);
}

TEST(DrawCurve, CurveThatIsNotDrawableGetsItsMarkersOnly)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    curve.samples.drawable = false;
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 1.0, Series::Sagittal);
    EXPECT_TRUE(canvas.lines().empty());
    EXPECT_EQ(canvas.ellipses().size(), 6u);
}

TEST(DrawCurve, SupportPointCountIsBoundedByTheArrays)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    curve.spline.CurvePointCount = 0;
    RecordingCanvas none;
    DrawCurve(none, curve, 1.0, Series::Sagittal);
    EXPECT_TRUE(none.ellipses().empty());
    curve.spline.CurvePointCount = 35; // corrupt: more than the arrays hold
    RecordingCanvas capped;
    EXPECT_NO_THROW(DrawCurve(capped, curve, 1.0, Series::Sagittal));
    EXPECT_EQ(capped.ellipses().size(), 20u);
}

TEST(DrawCurve, NonFiniteSampleBreaksTheLineInsteadOfBridgingIt)
{
    SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
    curve.samples.CurveSampleY[50] = std::numeric_limits<double>::quiet_NaN();
    RecordingCanvas canvas;
    DrawCurve(canvas, curve, 1.0, Series::Sagittal);
    const std::vector<CanvasOp> lines = canvas.lines();
    const QPoint p49 = samplePixel(curve, 49, 1.0);
    const QPoint p51 = samplePixel(curve, 51, 1.0);
    for (const CanvasOp& op : lines) {
        EXPECT_FALSE(op.from == p49 && op.to == p51) << "bridged the gap";
    }
    std::vector<QPoint> expected;
    for (int j = 2; j <= 101; ++j) {
        if (j != 50) {
            expected.push_back(samplePixel(curve, j, 1.0));
        }
    }
    EXPECT_EQ(lineEnds(canvas), expected);
    // After the gap the line starts anew at sample 51.
    for (const CanvasOp& op : lines) {
        if (op.to == p51) {
            EXPECT_EQ(op.from, p51);
        }
    }
}

TEST(DrawCurve, HugeOrInfiniteScaleDrawsNothingAcrossThePlot)
{
    for (const double scale : { 1e300, std::numeric_limits<double>::infinity() }) {
        SeriesCurve curve = makeCurve(5.0, -1e-8, 6);
        curve.samples.ScaleX = scale;
        QImage image(250, 250, QImage::Format_RGB32);
        image.fill(sentinel);
        ImageCanvas canvas(image);
        DrawCurve(canvas, curve, 1.0, Series::Sagittal);
        DrawCurve(canvas, curve, 1.0, Series::Tangential);
        // Every sample right of the axis lies far off to the right; only the
        // marker of the support point at x = 0 may show, on the y axis.
        const QPoint k1 = expectedPixel(0.0, curve.spline.KnotY[1], 1.0, 1.7, 1.0);
        const QRect allowed(k1 - QPoint(2, 2), k1 + QPoint(1, 1));
        for (int y = 0; y < 250; ++y) {
            for (int x = 0; x < 250; ++x) {
                if (!allowed.contains(x, y)) {
                    EXPECT_EQ(QColor(image.pixel(x, y)), sentinel) << "scale " << scale << " at " << x << "," << y;
                }
            }
        }
    }
}

} // namespace
