// SPDX-License-Identifier: MIT
#include "PlotFrame.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Grid positions of the 250 x 250 plot: 40 px margin, steps of 34 px.
constexpr int grid[] = { 40, 74, 108, 142, 176, 210 };

TEST(PlotFrame, EveryLineAndTextOfTheFrameOverEachAbscissa)
{
    for (const Abscissa abscissa :
         { Abscissa::ImageHeight, Abscissa::FNumber, Abscissa::Frequency, Abscissa::Magnification }) {
        SCOPED_TRACE(static_cast<int>(abscissa));
        AxisTexts texts = axisTextsFor(abscissa);
        texts.AxisTitleY = QStringLiteral("stale title"); // the frame writes its own
        RecordingCanvas canvas;
        drawPlotFrame(canvas, abscissa, texts);
        ASSERT_FALSE(canvas.ops().empty());
        const CanvasOp& first = canvas.ops().front();
        EXPECT_TRUE(first.kind == CanvasOp::Kind::FillRect && first.from == QPoint(0, 0) && first.to == QPoint(250, 250)
                    && first.fillColor == white);
        // 100 .. 20 % with tick and grid line; 0 % gets neither (the x axis
        // stands there). Along x every fifth with both.
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(canvas.countLines({ 38, grid[i] }, { 40, grid[i] }, blue), 1) << "y tick " << grid[i];
            EXPECT_EQ(canvas.countLines({ 40, grid[i] }, { 210, grid[i] }, silver), 1) << "grid " << grid[i];
        }
        for (const int x : grid) {
            EXPECT_EQ(canvas.countLines({ x, 212 }, { x, 210 }, blue), 1) << "x tick " << x;
            EXPECT_EQ(canvas.countLines({ x, 40 }, { x, 210 }, silver), 1) << "grid " << x;
        }
        const std::vector<CanvasOp> lines = canvas.lines();
        ASSERT_EQ(lines.size(), 5u * 2 + 6u * 2 + 2u);
        for (const CanvasOp& op : canvas.ops()) {
            EXPECT_TRUE(op.kind != CanvasOp::Kind::Line || (op.penWidth == 1 && op.penStyle == PenStyle::Solid));
            EXPECT_TRUE(op.kind != CanvasOp::Kind::Text || op.brushColor == white);
        }
        // The axes last, over the grid.
        EXPECT_TRUE(lines[22].from == QPoint(40, 40) && lines[22].to == QPoint(40, 210) && lines[22].penColor == blue);
        EXPECT_TRUE(lines[23].from == QPoint(40, 210) && lines[23].to == QPoint(210, 210)
                    && lines[23].penColor == blue);
        // Under the x axis "0" .. "100" for the image height (with its ticks
        // and again with the axis texts), otherwise 63 blanks on the white
        // background wipe that row.
        std::vector<QString> expected = { "22 36 9 0|100",
                                          "22 70 9 0|80",
                                          "22 104 9 0|60",
                                          "22 138 9 0|40",
                                          "22 172 9 0|20",
                                          "5 155 10 90|Modulation [%]",
                                          "32 232 10 0|" + texts.AxisRangeText,
                                          "32 12 11 0|" + texts.AxisVariableText };
        for (int i = 0; i <= 5 && abscissa == Abscissa::ImageHeight; ++i) {
            expected.insert(expected.end(), 2, QStringLiteral("%1 214 9 0|%2").arg(grid[i] - 4).arg(i * 20));
        }
        if (abscissa != Abscissa::ImageHeight) {
            expected.push_back("32 212 10 0|" + QString(63, QLatin1Char(' ')));
        }
        expectTexts(canvas, expected);
    }
}

} // namespace
