#include "ChartDrawing.h"

#include "PlotFrame.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

// Three f-numbers, three frequencies. Every curve over the f-number is flat
// (the value does not depend on it): frequency q has sagittal 20 q and
// tangential 20 q + 10 percent, so each series is a horizontal line whose
// pixel row follows from the mapping by hand: 210 - trunc(percent * 1.7).
LensData flatLens()
{
    LensData lens;
    lens.FNumberCount = 3;
    lens.FrequencyCount = 3;
    lens.ImageHeightCount = 2;
    lens.MagnificationCount = 2;
    for (int k = 1; k <= 3; ++k) {
        for (int q = 1; q <= 3; ++q) {
            for (int h = 1; h <= 2; ++h) {
                for (int m = 1; m <= 2; ++m) {
                    lens.SagModulation.set(k - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(20 * q));
                    lens.TanModulation.set(k - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(20 * q + 10));
                }
            }
        }
    }
    lens.FileLoaded = 1;
    return lens;
}

int sagittalRow(int q)
{
    return 210 - 34 * q; // 20 q * 1.7
}

int tangentialRow(int q)
{
    return 210 - (34 * q + 17); // (20 q + 10) * 1.7
}

FrequencyFlags flags(const std::vector<int>& frequencies)
{
    FrequencyFlags result;
    for (const int q : frequencies) {
        result[q] = 1;
    }
    return result;
}

// The pieces of one frequency's pass, in the order they were drawn.
struct Pass
{
    std::vector<CanvasOp> texts, red, blue, ellipses;
    std::vector<CanvasOp::Kind> order; // kinds in drawing order, runs collapsed
};

// Splits the operations after the frame into passes: each pass begins
// with the first axis text after a curve.
std::vector<Pass> splitPasses(const std::vector<CanvasOp>& ops, std::size_t from)
{
    std::vector<Pass> passes;
    bool inCurves = true;
    for (std::size_t i = from; i < ops.size(); ++i) {
        const CanvasOp& op = ops[i];
        if (op.kind == CanvasOp::Kind::Text && inCurves) {
            passes.emplace_back();
        }
        inCurves = op.kind != CanvasOp::Kind::Text;
        if (passes.empty()) {
            ADD_FAILURE() << "drawing before the first axis text";
            return passes;
        }
        Pass& pass = passes.back();
        if (pass.order.empty() || pass.order.back() != op.kind) {
            pass.order.push_back(op.kind);
        }
        switch (op.kind) {
        case CanvasOp::Kind::Text:
            pass.texts.push_back(op);
            break;
        case CanvasOp::Kind::Line:
            (op.penColor == Red ? pass.red : pass.blue).push_back(op);
            break;
        case CanvasOp::Kind::Ellipse:
            pass.ellipses.push_back(op);
            break;
        default:
            ADD_FAILURE() << "unexpected operation in a pass";
        }
    }
    return passes;
}

std::vector<CanvasOp> recordFrame(Abscissa abscissa, const AxisTexts& texts)
{
    RecordingCanvas frame;
    DrawPlotFrame(frame, abscissa, texts);
    return frame.ops();
}

std::vector<QString> textsOf(const std::vector<CanvasOp>& ops)
{
    std::vector<QString> texts;
    for (const CanvasOp& op : ops) {
        texts.push_back(op.text);
    }
    return texts;
}

TEST(DrawChart, FrameThenFrequenciesAscendingSagittalRedBeforeTangentialBlue)
{
    const LensData lens = flatLens();
    const AxisTexts texts = axisTextsFor(Abscissa::FNumber);
    RecordingCanvas canvas;
    const CurveSelection fixed { 0, 2, 1, 2 };
    const auto last = DrawChart(canvas, lens, Abscissa::FNumber, fixed, flags({ 3, 1 }), texts, {});

    // The empty frame first, exactly as the clear command draws it.
    const std::vector<CanvasOp> frame = recordFrame(Abscissa::FNumber, texts);
    ASSERT_GE(canvas.ops().size(), frame.size());
    for (std::size_t i = 0; i < frame.size(); ++i) {
        EXPECT_EQ(canvas.ops()[i].kind, frame[i].kind) << i;
        EXPECT_EQ(canvas.ops()[i].from, frame[i].from) << i;
        EXPECT_EQ(canvas.ops()[i].text, frame[i].text) << i;
    }

    RecordingCanvas titles;
    DrawAxisTitles(titles, DrawTarget::Screen, Abscissa::FNumber, texts);

    const std::vector<Pass> passes = splitPasses(canvas.ops(), frame.size());
    ASSERT_EQ(passes.size(), 2U); // frequency 2 is not selected
    const int frequencies[] = { 1, 3 };
    for (std::size_t p = 0; p < passes.size(); ++p) {
        const Pass& pass = passes[p];
        const int q = frequencies[p];
        SCOPED_TRACE(q);
        EXPECT_EQ(textsOf(pass.texts), textsOf(titles.ops()));
        // Axis texts, red line, its markers, blue line, its markers.
        EXPECT_EQ(pass.order,
                  (std::vector<CanvasOp::Kind> { CanvasOp::Kind::Text, CanvasOp::Kind::Line, CanvasOp::Kind::Ellipse,
                                                 CanvasOp::Kind::Line, CanvasOp::Kind::Ellipse }));

        // Samples 2..101 (sample 1 lies just left of the axis): 100 solid
        // red lines, the first of zero length, all on the sagittal row.
        ASSERT_EQ(pass.red.size(), 100U);
        EXPECT_EQ(pass.red.front().from, pass.red.front().to);
        for (const CanvasOp& line : pass.red) {
            EXPECT_EQ(line.penStyle, PenStyle::Solid);
            EXPECT_EQ(line.from.y(), sagittalRow(q));
            EXPECT_EQ(line.to.y(), sagittalRow(q));
        }
        EXPECT_GE(pass.red.front().from.x(), 40);
        EXPECT_GE(pass.red.back().to.x(), 209);

        // Every fourth sample from 2 to 98: 25 dotted blue lines.
        ASSERT_EQ(pass.blue.size(), 25U);
        for (const CanvasOp& line : pass.blue) {
            EXPECT_EQ(line.penColor, Blue);
            EXPECT_EQ(line.penStyle, PenStyle::Dotted);
            EXPECT_EQ(line.to.y(), tangentialRow(q));
        }

        // Markers at k positions 0, 1, 2: x 40, 125, 210, for both series.
        ASSERT_EQ(pass.ellipses.size(), 6U);
        const int xs[] = { 40, 125, 210 };
        for (std::size_t j = 0; j < 6; ++j) {
            const int row = j < 3 ? sagittalRow(q) : tangentialRow(q);
            EXPECT_EQ(pass.ellipses[j].from, QPoint(xs[j % 3] - 2, row - 2)) << j;
            EXPECT_EQ(pass.ellipses[j].to, QPoint(xs[j % 3] + 2, row + 2)) << j;
            EXPECT_EQ(pass.ellipses[j].penColor, Black);
        }
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
    const AxisTexts texts = initialAxisTexts();
    const auto last = DrawChart(canvas, flatLens(), Abscissa::ImageHeight, { 0, 1, 1, 1 }, flags({}), texts, {});
    EXPECT_FALSE(last.has_value());
    EXPECT_EQ(canvas.ops().size(), recordFrame(Abscissa::ImageHeight, texts).size());
}

TEST(DrawSelectedCurves, AddsToTheImageWithoutClearing)
{
    RecordingCanvas canvas;
    DrawSelectedCurves(canvas, flatLens(), Abscissa::FNumber, { 0, 1, 1, 1 }, flags({ 2 }),
                       axisTextsFor(Abscissa::FNumber), {});
    EXPECT_TRUE(canvas.ofKind(CanvasOp::Kind::FillRect).empty());
    // Over the magnification only two support points: x 40 and 210.
    canvas.clear();
    DrawSelectedCurves(canvas, flatLens(), Abscissa::Magnification, { 0, 1, 1, 1 }, flags({ 2 }),
                       axisTextsFor(Abscissa::Magnification), {});
    std::set<int> markerXs;
    for (const CanvasOp& marker : canvas.ellipses()) {
        markerXs.insert(marker.from.x() + 2);
    }
    EXPECT_EQ(markerXs, (std::set<int> { 40, 210 }));
}

TEST(DrawSelectedCurves, SplineWarningsReachTheSinkAndDrawingGoesOn)
{
    // Image heights 0 0 10 over the f-number's row: the mirrored point and
    // the first two coincide, so the splines of both series warn.
    LensData lens = flatLens();
    lens.ImageHeightCount = 3;
    lens.ImageHeightText[1][1] = "0";
    lens.ImageHeightText[1][2] = "0";
    lens.ImageHeightText[1][3] = "10";
    lens.ImageHeightValidCount[1] = 3;
    lens.MaxImageHeight = 10;
    std::vector<SplineWarning> warnings;
    RecordingCanvas canvas;
    DrawSelectedCurves(canvas, lens, Abscissa::ImageHeight, { 0, 1, 1, 1 }, flags({ 1 }), initialAxisTexts(),
                       [&](SplineWarning warning) { warnings.push_back(warning); });
    EXPECT_FALSE(warnings.empty());
    EXPECT_EQ(warnings.size() % 2, 0U); // the same warnings for each series
    // Markers are drawn even when a line cannot be: four per series.
    EXPECT_EQ(canvas.ellipses().size(), 8U);
}

} // namespace
