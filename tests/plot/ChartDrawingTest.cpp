// SPDX-License-Identifier: MIT
#include "ChartDrawing.h"

#include "LensFileReader.h"
#include "PlotFrame.h"
#include "PlotReadout.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Kind = CanvasOp::Kind;

// Three f-numbers, three frequencies. Every curve over the f-number is flat:
// frequency q has sagittal 20 q and tangential 20 q + 10 percent.
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

// The operations after the frame, one letter each (t text, r red line, b
// blue line, o marker) with runs collapsed, and the rows of the lines and
// markers in drawing order, repeats collapsed.
std::pair<std::string, std::vector<int>> summary(const std::vector<CanvasOp>& ops, std::size_t from)
{
    std::string kinds;
    std::vector<int> rows;
    for (std::size_t i = from; i < ops.size(); ++i) {
        const CanvasOp& op = ops[i];
        const char kind = op.kind == Kind::Text ? 't'
            : op.kind == Kind::Ellipse          ? 'o'
            : op.penColor == QColor(255, 0, 0)  ? 'r'
                                                : 'b';
        if (kinds.empty() || kinds.back() != kind) {
            kinds += kind;
        }
        const int row = op.kind == Kind::Ellipse ? (op.from.y() + op.to.y()) / 2 : op.to.y();
        if (op.kind != Kind::Text && (rows.empty() || rows.back() != row)) {
            rows.push_back(row);
        }
    }
    return { kinds, rows };
}

std::set<int> markerColumns(const RecordingCanvas& canvas)
{
    std::set<int> columns;
    for (const CanvasOp& marker : canvas.ellipses()) {
        columns.insert(marker.from.x() + 2);
    }
    return columns;
}

// After the frame, per checked frequency (ascending) the axis texts, the red sagittal line and its markers, the
// blue tangential line and its markers: rows 210 - trunc(1.7 * percent).
TEST(DrawChart, FrequenciesAscendingSagittalRedBeforeTangentialBlue)
{
    const AxisTexts texts = axisTextsFor(Abscissa::FNumber);
    RecordingCanvas canvas;
    const auto last = drawChart(canvas, flatLens(), Abscissa::FNumber, { 0, 2, 1, 2 }, flags({ 3, 1 }), texts, {});
    RecordingCanvas frame;
    drawPlotFrame(frame, Abscissa::FNumber, texts);
    const auto [kinds, rows] = summary(canvas.ops(), frame.ops().size());
    EXPECT_EQ(kinds, "trobotrobo");
    EXPECT_EQ(rows, (std::vector { 176, 159, 108, 91 }));
    EXPECT_EQ(markerColumns(canvas), (std::set<int> { 40, 125, 210 }));
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->selection.FrequencyIndex, 3);
    EXPECT_EQ(last->selection.FNumberIndex, 2);
    EXPECT_EQ(last->selection.MagnificationIndex, 2);
    EXPECT_EQ(last->curve.CurvePointCount, 3);
    EXPECT_EQ(last->curve.SagPointValues[1], 60);
}

TEST(DrawChart, OverTheMagnificationTwoSupportPoints)
{
    RecordingCanvas canvas;
    drawSelectedCurves(canvas, flatLens(), Abscissa::Magnification, { 0, 1, 1, 1 }, flags({ 2 }),
                       axisTextsFor(Abscissa::Magnification), {});
    EXPECT_EQ(markerColumns(canvas), (std::set<int> { 40, 210 }));
}

// Over the image height (9.9, 10 .. 21.6 mm) the markers of 9.9 and 10 mm
// sit in the columns 40 + trunc(9.9 * 170 / 21.6) = 117 and 118: halfway
// between them the first one counts. Over the magnification (0, -0.1 at the
// columns 40 and 210) the distance is named at a support point only, each
// its own; infinity without a unit. A draw without checked frequencies
// before leaves no curve whose axis the next draw could share.
TEST(PlotReadout, TheFirstOfTwoMarkersEquallyNearAndTheDistanceOnlyAtASupportPoint)
{
    LensData lens = readLensFile(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", LensData {});
    DrawnPlot magnification;
    clearDrawnPlot(magnification, Abscissa::Magnification, axisTextsFor(Abscissa::Magnification));
    recordDraw(magnification, lens, Abscissa::Magnification, { 0, 1, 3, 0 }, flags({}));
    recordDraw(magnification, lens, Abscissa::Magnification, { 0, 1, 3, 0 }, flags({ 2 }));
    EXPECT_EQ(readPlotAt(magnification, 40).abscissa, QStringLiteral("ß′ 0, OO′ unendlich"));
    EXPECT_EQ(readPlotAt(magnification, 125).abscissa, QStringLiteral("ß′ -0.05"));
    EXPECT_EQ(readPlotAt(magnification, 210).abscissa, QStringLiteral("ß′ -0.1, OO′ 604 mm"));
    LensData other = lens; // an overlay after loading another file reads that file
    other.LensName = "B";
    recordDraw(magnification, other, Abscissa::Magnification, { 0, 1, 3, 0 }, flags({ 2 }));
    ASSERT_EQ(magnification.curves.size(), 2U);
    EXPECT_EQ(magnification.curves[1].lens->LensName, "B");
    // Beside an entry that is no number, the two texts around the cursor.
    LensData named = lens;
    named.MagnificationText[2] = "-0.1x";
    DrawnPlot unnumbered;
    recordDraw(unnumbered, named, Abscissa::Magnification, { 0, 1, 3, 0 }, flags({ 2 }));
    EXPECT_EQ(readPlotAt(unnumbered, 125).abscissa, QStringLiteral("ß′ 0 … -0.1x"));
    lens.ImageHeightText[1][1] = "9.9";
    DrawnPlot height;
    recordDraw(height, lens, Abscissa::ImageHeight, { 0, 1, 0, 1 }, flags({ 2 }));
    const PlotReadout between = readPlotAt(height, 117.5);
    EXPECT_EQ(between.abscissa, QStringLiteral("y′ 45.8 % (9.9 mm)"));
    ASSERT_EQ(between.lines.size(), 1U);
    EXPECT_TRUE(between.lines[0].node);
}

} // namespace
