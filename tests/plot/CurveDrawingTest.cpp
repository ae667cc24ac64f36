#include "CurveDrawing.h"
#include "ImageCanvas.h"
#include "RecordingCanvas.h"

#include <QImage>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

double modulation(double x)
{
    return 50.0 + 30.0 * std::sin(x * 1.3) + x * 3.0;
}

// A curve as the sampling leaves it: 101 samples over [0, maxX], each 1e-8
// left of its even step (shift -1e-8) or exactly on it (shift 0), and the
// support points spread evenly.
SeriesCurve makeCurve(double maxX = 5.0, double shift = -1e-8, int knots = 6)
{
    SeriesCurve curve;
    CurveSamples& s = curve.samples;
    s.SampleStep = maxX / 100.0;
    for (int j = 1; j <= 101; ++j) {
        s.CurveSampleX[j] = (j - 1) * s.SampleStep + shift;
        s.CurveSampleY[j] = modulation(s.CurveSampleX[j]);
    }
    s.CurveMaxX = maxX;
    s.ScaleX = 170.0 / maxX;
    s.ScaleY = 1.7;
    s.drawable = true;
    curve.spline.CurvePointCount = knots;
    for (int k = 1; k <= knots; ++k) {
        curve.spline.KnotX[k] = maxX * (k - 1) / (knots - 1);
        curve.spline.KnotY[k] = modulation(curve.spline.KnotX[k]);
    }
    return curve;
}

// The pixel of a data point, worked out here: 40 px margin, 170 px plot
// area, truncation toward zero, x * ScaleX formed before the factor.
QPoint expectedPixel(double x, double m, double scaleX, double scaleY, double factor)
{
    return { 40 + static_cast<int>(std::trunc((x * scaleX) * factor)), 210 - static_cast<int>(std::trunc(m * scaleY)) };
}

QPoint samplePixel(const SeriesCurve& c, int j, double factor)
{
    return expectedPixel(c.samples.CurveSampleX[j], c.samples.CurveSampleY[j], c.samples.ScaleX, c.samples.ScaleY,
                         factor);
}

// The pixels of samples first, first + step, ... that have a finite value.
std::vector<QPoint> samplePixels(const SeriesCurve& c, int first, int step, double factor)
{
    std::vector<QPoint> points;
    for (int j = first; j <= 101; j += step) {
        if (std::isfinite(c.samples.CurveSampleY[j])) {
            points.push_back(samplePixel(c, j, factor));
        }
    }
    return points;
}

std::vector<QPoint> lineEnds(const RecordingCanvas& canvas)
{
    std::vector<QPoint> ends;
    for (const CanvasOp& op : canvas.lines()) {
        ends.push_back(op.to);
    }
    return ends;
}

RecordingCanvas recorded(const SeriesCurve& curve, double factor, Series series)
{
    RecordingCanvas canvas;
    drawCurve(canvas, curve, factor, series);
    return canvas;
}

// Sagittal: solid red through every sample from the first one right of the
// axis, starting with a zero-length line; tangential: dotted blue through
// every fourth sample. With the -1e-8 shift sample 1 lies left of the axis
// and the dotted line ends at 98; without it, it runs from 1 to 101.
TEST(DrawCurve, LinesThroughTheSamplesFromTheAxis)
{
    struct Case
    {
        Series series;
        double shift;
        int first;
        int step;
        QColor colour;
        PenStyle style;
        std::size_t count;
    };
    for (const Case c : { Case { Series::Sagittal, -1e-8, 2, 1, red, PenStyle::Solid, 100 },
                          Case { Series::Tangential, -1e-8, 2, 4, blue, PenStyle::Dotted, 25 },
                          Case { Series::Tangential, 0.0, 1, 4, blue, PenStyle::Dotted, 26 } }) {
        const SeriesCurve curve = makeCurve(5.0, c.shift);
        const RecordingCanvas canvas = recorded(curve, 0.8, c.series);
        const std::vector<CanvasOp> lines = canvas.lines();
        ASSERT_EQ(lines.size(), c.count);
        EXPECT_EQ(lineEnds(canvas), samplePixels(curve, c.first, c.step, 0.8));
        EXPECT_EQ(lines.front().from, lines.front().to);
        for (const CanvasOp& op : lines) {
            EXPECT_EQ(op.penColor, c.colour);
            EXPECT_EQ(op.penWidth, 1);
            EXPECT_EQ(op.penStyle, c.style);
        }
    }
    // 5 * 34 * 0.8 = 136, but the last sample lies 1e-8 short of 5.
    EXPECT_EQ(recorded(makeCurve(), 0.8, Series::Sagittal).lines().back().to.x(), 40 + 135);
}

TEST(DrawCurve, MarkersAfterTheLineAtEverySupportPoint)
{
    const SeriesCurve curve = makeCurve();
    for (const Series series : { Series::Sagittal, Series::Tangential }) {
        const RecordingCanvas canvas = recorded(curve, 0.8, series);
        const std::vector<CanvasOp> markers = canvas.ellipses();
        ASSERT_EQ(markers.size(), 6u);
        for (int k = 1; k <= 6; ++k) {
            const QPoint p = expectedPixel(curve.spline.KnotX[k], curve.spline.KnotY[k], 34.0, 1.7, 0.8);
            const CanvasOp& m = markers[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(m.from, p - QPoint(2, 2));
            EXPECT_EQ(m.to, p + QPoint(2, 2));
            EXPECT_EQ(m.penColor, black);
            EXPECT_EQ(m.penStyle, PenStyle::Solid);
            EXPECT_EQ(m.penWidth, 1);
            EXPECT_EQ(m.brushColor, white);
        }
        bool markerSeen = false;
        for (const CanvasOp& op : canvas.ops()) {
            markerSeen = markerSeen || op.kind == CanvasOp::Kind::Ellipse;
            EXPECT_FALSE(markerSeen && op.kind == CanvasOp::Kind::Line) << "a line after a marker";
        }
    }
}

TEST(DrawCurve, MirroredSupportPointLeftOfTheAxis)
{
    // An image-height curve: the first support point mirrored to -1, the
    // samples over -1 .. 4.
    SeriesCurve curve = makeCurve(4.0, -1e-8, 5);
    for (int j = 1; j <= 101; ++j) {
        curve.samples.CurveSampleX[j] = -1.0 + (j - 1) * 0.05 - 1e-8;
    }
    curve.spline.KnotX[1] = -1.0;
    const RecordingCanvas canvas = recorded(curve, 1.0, Series::Sagittal);
    // The first sample at or right of the axis is 22 (21 lies 1e-8 left of 0).
    EXPECT_EQ(canvas.lines().front().to, samplePixel(curve, 22, 1.0));
    EXPECT_EQ(canvas.lines().size(), 80u);
    EXPECT_EQ(canvas.ellipses().front().from.x(), 40 - 42 - 2); // trunc(-42.5) = -42
}

TEST(DrawCurve, DegenerateCurvesDrawWhatTheyCan)
{
    const auto expectCounts = [](const SeriesCurve& curve, std::size_t lines, std::size_t markers, const char* what) {
        RecordingCanvas canvas;
        EXPECT_NO_THROW(drawCurve(canvas, curve, 1.0, Series::Sagittal)) << what;
        EXPECT_EQ(canvas.lines().size(), lines) << what;
        EXPECT_EQ(canvas.ellipses().size(), markers) << what;
    };
    expectCounts(makeCurve(5.0, -10.0), 0, 6, "every sample left of the axis");
    SeriesCurve curve = makeCurve();
    curve.samples.drawable = false;
    expectCounts(curve, 0, 6, "not drawable");
    curve = makeCurve();
    curve.spline.CurvePointCount = 0;
    expectCounts(curve, 100, 0, "no support points");
    curve.spline.CurvePointCount = 35;
    expectCounts(curve, 100, 20, "more support points than the arrays hold");
}

TEST(DrawCurve, NonFiniteSamplesBreakTheLineInsteadOfBridgingIt)
{
    SeriesCurve curve = makeCurve();
    curve.samples.CurveSampleY[50] = std::numeric_limits<double>::quiet_NaN();
    curve.samples.CurveSampleY[70] = std::numeric_limits<double>::infinity();
    const RecordingCanvas canvas = recorded(curve, 1.0, Series::Sagittal);
    EXPECT_EQ(lineEnds(canvas), samplePixels(curve, 2, 1, 1.0)); // 2 .. 49, 51 .. 69, 71 .. 101
    // After each gap the line starts anew, at sample 51 and at sample 71.
    const std::vector<CanvasOp> lines = canvas.lines();
    ASSERT_EQ(lines.size(), 98u);
    EXPECT_EQ(lines[48].from, lines[48].to);
    EXPECT_EQ(lines[67].from, lines[67].to);
}

TEST(DrawCurve, HugeOrInfiniteScaleDrawsNothingAcrossThePlot)
{
    for (const double scale : { 1e300, std::numeric_limits<double>::infinity() }) {
        SeriesCurve curve = makeCurve();
        curve.samples.ScaleX = scale;
        QImage image(250, 250, QImage::Format_RGB32);
        image.fill(sentinel);
        ImageCanvas canvas(image);
        drawCurve(canvas, curve, 1.0, Series::Sagittal);
        drawCurve(canvas, curve, 1.0, Series::Tangential);
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
