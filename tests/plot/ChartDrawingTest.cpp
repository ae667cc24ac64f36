#include "ChartDrawing.h"

#include "PlotFrame.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Kind = CanvasOp::Kind;

// Three f-numbers, three frequencies. Every curve over the f-number is flat:
// frequency q has sagittal 20 q and tangential 20 q + 10 percent, so each
// series is a horizontal line on pixel row 210 - trunc(percent * 1.7).
LensData flatLens()
{
    LensData lens;
    lens.FNumberCount = 3;
    lens.FrequencyCount = 3;
    lens.ImageHeightCount = 2;
    lens.MagnificationCount = 2;
    for (int k = 0; k < 3; ++k) {
        for (int q = 0; q < 3; ++q) {
            for (int h = 0; h < 2; ++h) {
                for (int m = 0; m < 2; ++m) {
                    lens.SagModulation.set(k, q, h, m, static_cast<std::uint8_t>(20 * (q + 1)));
                    lens.TanModulation.set(k, q, h, m, static_cast<std::uint8_t>(20 * (q + 1) + 10));
                }
            }
        }
    }
    lens.FileLoaded = 1;
    return lens;
}

FrequencyFlags flags(const std::vector<int>& frequencies)
{
    FrequencyFlags result;
    for (const int q : frequencies) {
        result[q] = 1;
    }
    return result;
}

// One frequency's pass: kinds in drawing order (runs collapsed), texts, the
// rows of the red and blue lines and the marker centres.
struct Pass
{
    std::vector<Kind> order;
    std::vector<QString> texts;
    std::set<int> redRows, blueRows;
    std::vector<QPoint> markers;
};

// Splits the operations from `from` on into passes, each beginning with the
// first axis text after a curve.
std::vector<Pass> splitPasses(const std::vector<CanvasOp>& ops, std::size_t from)
{
    std::vector<Pass> passes;
    for (std::size_t i = from; i < ops.size(); ++i) {
        const CanvasOp& op = ops[i];
        if (op.kind == Kind::Text && (i == from || ops[i - 1].kind != Kind::Text)) {
            passes.emplace_back();
        }
        if (passes.empty()) {
            ADD_FAILURE() << "drawing before the first axis text";
            return passes;
        }
        Pass& pass = passes.back();
        if (pass.order.empty() || pass.order.back() != op.kind) {
            pass.order.push_back(op.kind);
        }
        if (op.kind == Kind::Text) {
            pass.texts.push_back(op.text);
        } else if (op.kind == Kind::Line && op.penColor == QColor(255, 0, 0)) {
            pass.redRows.insert({ op.from.y(), op.to.y() });
        } else if (op.kind == Kind::Line && op.penColor == QColor(0, 0, 255)) {
            pass.blueRows.insert(op.to.y());
        } else if (op.kind == Kind::Ellipse) {
            pass.markers.push_back((op.from + op.to) / 2);
        } else {
            ADD_FAILURE() << "unexpected operation in a pass";
        }
    }
    return passes;
}

TEST(DrawChart, FrameThenFrequenciesAscendingSagittalRedBeforeTangentialBlue)
{
    const AxisTexts texts = axisTextsFor(Abscissa::FNumber);
    RecordingCanvas canvas;
    const auto last = drawChart(canvas, flatLens(), Abscissa::FNumber, { 0, 2, 1, 2 }, flags({ 3, 1 }), texts, {});

    // The empty frame first, exactly as the clear command draws it.
    RecordingCanvas frame;
    drawPlotFrame(frame, Abscissa::FNumber, texts);
    ASSERT_GE(canvas.ops().size(), frame.ops().size());
    for (std::size_t i = 0; i < frame.ops().size(); ++i) {
        EXPECT_EQ(canvas.ops()[i].kind, frame.ops()[i].kind) << i;
        EXPECT_EQ(canvas.ops()[i].from, frame.ops()[i].from) << i;
        EXPECT_EQ(canvas.ops()[i].text, frame.ops()[i].text) << i;
    }

    RecordingCanvas titles;
    drawAxisTitles(titles, Abscissa::FNumber, texts);
    std::vector<QString> titleTexts;
    for (const CanvasOp& op : titles.ops()) {
        titleTexts.push_back(op.text);
    }

    const std::vector<Pass> passes = splitPasses(canvas.ops(), frame.ops().size());
    ASSERT_EQ(passes.size(), 2U); // frequency 2 is not selected
    for (std::size_t p = 0; p < passes.size(); ++p) {
        const int q = p == 0 ? 1 : 3;
        const int sagittal = 210 - 34 * q;        // 20 q * 1.7
        const int tangential = 210 - 34 * q - 17; // (20 q + 10) * 1.7
        SCOPED_TRACE(q);
        EXPECT_EQ(passes[p].texts, titleTexts);
        EXPECT_EQ(passes[p].order,
                  (std::vector<Kind> { Kind::Text, Kind::Line, Kind::Ellipse, Kind::Line, Kind::Ellipse }));
        EXPECT_EQ(passes[p].redRows, std::set<int> { sagittal });
        EXPECT_EQ(passes[p].blueRows, std::set<int> { tangential });
        // Markers at the k positions 0, 1, 2: x 40, 125, 210.
        std::vector<QPoint> markers;
        for (const int row : { sagittal, tangential }) {
            for (const int x : { 40, 125, 210 }) {
                markers.emplace_back(x, row);
            }
        }
        EXPECT_EQ(passes[p].markers, markers);
    }

    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->selection.FrequencyIndex, 3);
    EXPECT_EQ(last->selection.FNumberIndex, 2);
    EXPECT_EQ(last->selection.MagnificationIndex, 2);
    EXPECT_EQ(last->curve.CurvePointCount, 3);
    EXPECT_EQ(last->curve.SagPointValues[1], 60);
}

TEST(DrawChart, NoFrequencySelectedDrawsTheEmptyFrameOnly)
{
    RecordingCanvas canvas;
    RecordingCanvas frame;
    const AxisTexts texts = initialAxisTexts();
    EXPECT_FALSE(drawChart(canvas, flatLens(), Abscissa::ImageHeight, { 0, 1, 1, 1 }, flags({}), texts, {}));
    drawPlotFrame(frame, Abscissa::ImageHeight, texts);
    EXPECT_EQ(canvas.ops().size(), frame.ops().size());
}

// Over the abscissa given: two support points over the magnification.
TEST(DrawSelectedCurves, FollowsTheAbscissaGiven)
{
    RecordingCanvas canvas;
    drawSelectedCurves(canvas, flatLens(), Abscissa::Magnification, { 0, 1, 1, 1 }, flags({ 2 }),
                       axisTextsFor(Abscissa::Magnification), {});
    std::set<int> markerXs;
    for (const CanvasOp& marker : canvas.ellipses()) {
        markerXs.insert(marker.from.x() + 2);
    }
    EXPECT_EQ(markerXs, (std::set<int> { 40, 210 }));
}

} // namespace
