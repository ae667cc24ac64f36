// SPDX-License-Identifier: MIT
#include "CurveDrawing.h"
#include "ImageCanvas.h"

#include <QImage>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// A curve as the sampling leaves it: the straight line 20 + 10x % over
// [0, maxX], 101 samples each 1e-8 left of its even step (shift -1e-8) or
// exactly on it (shift 0), support points at 0, 1, .. maxX. The screen
// pixel of (x, m) is 40 + trunc(x * 170 / maxX * factor), 210 - trunc(m * 1.7).
SeriesCurve makeCurve(double maxX = 5.0, double shift = -1e-8)
{
    SeriesCurve curve;
    CurveSamples& s = curve.samples;
    s.SampleStep = maxX / 100.0;
    for (int j = 1; j <= 101; ++j) {
        s.CurveSampleX[j] = (j - 1) * s.SampleStep + shift;
        s.CurveSampleY[j] = 20 + 10 * s.CurveSampleX[j];
    }
    s.CurveMaxX = maxX;
    s.ScaleX = 170.0 / maxX;
    s.ScaleY = 1.7;
    s.drawable = true;
    curve.spline.CurvePointCount = static_cast<int>(maxX) + 1;
    for (int k = 1; k <= curve.spline.CurvePointCount; ++k) {
        curve.spline.KnotX[k] = k - 1;
        curve.spline.KnotY[k] = 20 + 10 * (k - 1);
    }
    return curve;
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
TEST(DrawCurve, LinesThroughTheSamplesFromTheAxisThenTheMarkers)
{
    struct Case
    {
        Series series;
        double shift;
        QColor colour;
        PenStyle style;
        std::size_t count;
        std::vector<std::pair<std::size_t, QPoint>> ends; // line index, its end
    };
    const Case cases[] = {
        // clang-format off
        { Series::Sagittal, -1e-8, red, PenStyle::Solid, 100,
          { { 0, { 41, 176 } }, { 49, { 107, 134 } }, { 99, { 175, 92 } } } },
        { Series::Tangential, -1e-8, blue, PenStyle::Dotted, 25, { { 1, { 46, 172 } }, { 24, { 171, 94 } } } },
        { Series::Tangential, 0.0, blue, PenStyle::Dotted, 26, { { 0, { 40, 176 } }, { 25, { 176, 91 } } } },
        // clang-format on
    };
    const QPoint centres[] = { { 40, 176 }, { 67, 159 }, { 94, 142 }, { 121, 125 }, { 148, 108 }, { 176, 91 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << &c - cases);
        const RecordingCanvas canvas = recorded(makeCurve(5.0, c.shift), 0.8, c.series);
        const std::vector<CanvasOp> lines = canvas.lines();
        ASSERT_EQ(lines.size(), c.count);
        for (const auto& [index, end] : c.ends) {
            EXPECT_EQ(lines[index].to, end) << index;
        }
        EXPECT_EQ(lines.front().from, lines.front().to);
        for (const CanvasOp& op : lines) {
            EXPECT_TRUE(op.penColor == c.colour && op.penWidth == 1 && op.penStyle == c.style);
        }
        const std::vector<CanvasOp> markers = canvas.ellipses();
        ASSERT_EQ(markers.size(), 6u);
        for (std::size_t k = 0; k < 6; ++k) {
            const CanvasOp& m = markers[k];
            EXPECT_TRUE(m.from == centres[k] - QPoint(2, 2) && m.to == centres[k] + QPoint(2, 2)) << k;
            EXPECT_TRUE(m.penColor == black && m.penStyle == PenStyle::Solid && m.penWidth == 1
                        && m.brushColor == white);
        }
        const auto isKind = [](CanvasOp::Kind kind) { return [kind](const CanvasOp& op) { return op.kind == kind; }; };
        const auto firstMarker
            = std::find_if(canvas.ops().begin(), canvas.ops().end(), isKind(CanvasOp::Kind::Ellipse));
        EXPECT_TRUE(std::none_of(firstMarker, canvas.ops().end(), isKind(CanvasOp::Kind::Line)))
            << "a line after a marker";
    }
}

TEST(DrawCurve, MirroredSupportPointLeftOfTheAxis)
{
    // An image-height curve: the first support point mirrored to -1, the
    // samples over -1 .. 4, 42.5 px per unit.
    SeriesCurve curve = makeCurve(4.0);
    for (int j = 1; j <= 101; ++j) {
        curve.samples.CurveSampleX[j] = -1.0 + (j - 1) * 0.05 - 1e-8;
        curve.samples.CurveSampleY[j] = 20 + 10 * curve.samples.CurveSampleX[j];
    }
    curve.spline.KnotX[1] = -1.0;
    const RecordingCanvas canvas = recorded(curve, 1.0, Series::Sagittal);
    // The first sample right of the axis is 22 (21 lies 1e-8 left of 0).
    EXPECT_EQ(canvas.lines().size(), 80u);
    EXPECT_EQ(canvas.lines().front().to, QPoint(42, 176));
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
    const std::vector<CanvasOp> lines = recorded(curve, 1.0, Series::Sagittal).lines();
    // 2 .. 49, 51 .. 69, 71 .. 101; after each gap the line starts anew.
    ASSERT_EQ(lines.size(), 98u);
    EXPECT_EQ((std::vector { lines[47].to, lines[48].from, lines[48].to, lines[67].from, lines[67].to }),
              (std::vector<QPoint> { { 121, 136 }, { 124, 134 }, { 124, 134 }, { 158, 117 }, { 158, 117 } }));
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
        // marker of the support point (0, 20 %) may show, on the y axis.
        const QRect allowed(QPoint(38, 174), QPoint(41, 177));
        int strays = 0;
        for (int y = 0; y < 250; ++y) {
            for (int x = 0; x < 250; ++x) {
                strays += !allowed.contains(x, y) && QColor(image.pixel(x, y)) != sentinel ? 1 : 0;
            }
        }
        EXPECT_EQ(strays, 0) << "scale " << scale;
    }
}

// The natural spline through (0, 0), (1, 60), (2, 0) over 0 .. 2 (85 units
// per abscissa unit, 1.7 per percent) is 41.25 % at 0.5 and at 1.5: real
// units (83, 140.375) and (168, 140.375), device pixels (664, 1123) and
// (1344, 1123) at scale 8. Each interval is one Bézier segment whose middle
// lies there.
TEST(DrawCurve, TheRealFormIsTheSplineOneBezierPerInterval)
{
    SeriesCurve curve;
    curve.spline.CurvePointCount = 3;
    for (int i = 1; i <= 3; ++i) {
        curve.spline.KnotX[i] = i - 1;
        curve.spline.KnotY[i] = i == 2 ? 60.0 : 0.0;
    }
    checkSplineKnots(curve.spline, {});
    computeSpline(curve.spline);
    curve.samples = sampleCurve(curve.spline, 170, 170);
    RecordingCanvas canvas(RecordingCanvas::SeriesRecord::Whole);
    drawSeries(canvas, curve, 1.0, Series::Tangential, CurveStyle::Screen);
    const QPolygonF path = canvas.ops().front().series->realSpline;
    ASSERT_EQ(path.size(), 7);
    const double middles[] = { 664.0, 1344.0 };
    for (int k = 0; k < 2; ++k) {
        // (p0 + 3 p1 + 3 p2 + p3) / 8, scaled by 8.
        const QPointF middle = path[3 * k] + 3 * path[3 * k + 1] + 3 * path[3 * k + 2] + path[3 * k + 3];
        EXPECT_NEAR(middle.x(), middles[k], 0.05) << k;
        EXPECT_NEAR(middle.y(), 1123.0, 0.05) << k;
    }
}

} // namespace
