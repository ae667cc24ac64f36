#include "PlotFrame.h"
#include "RecordingCanvas.h"

#include <QFont>
#include <QFontInfo>

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Grid positions of the 250 x 250 plot: 40 px margin, steps of 34 px.
constexpr int grid[] = { 40, 74, 108, 142, 176, 210 };

CanvasOp onlyText(const RecordingCanvas& canvas, const QString& text, QPoint at)
{
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : canvas.textsEqual(text)) {
        if (op.from == at) {
            found.push_back(op);
        }
    }
    EXPECT_EQ(found.size(), 1u) << text.toStdString() << " at " << at.x() << "," << at.y();
    return found.empty() ? CanvasOp {} : found.front();
}

class FrameGeometry : public ::testing::TestWithParam<Abscissa>
{
};

TEST_P(FrameGeometry, EveryLineAndTextOfTheFrame)
{
    const Abscissa abscissa = GetParam();
    AxisTexts texts = axisTextsFor(abscissa);
    texts.AxisTitleY = QStringLiteral("stale title"); // the frame writes its own
    RecordingCanvas canvas;
    DrawPlotFrame(canvas, abscissa, texts);

    ASSERT_FALSE(canvas.ops().empty());
    const CanvasOp& first = canvas.ops().front();
    EXPECT_EQ(first.kind, CanvasOp::Kind::FillRect);
    EXPECT_EQ(first.from, QPoint(0, 0));
    EXPECT_EQ(first.to, QPoint(250, 250));
    EXPECT_EQ(first.fillColor, white);

    // 100 .. 20 % with tick, grid line and value; 0 % gets none of them
    // (the x axis stands there).
    for (int i = 0; i < 5; ++i) {
        const int y = grid[i];
        EXPECT_EQ(canvas.countLines({ 38, y }, { 40, y }, blue), 1) << "y tick " << y;
        EXPECT_EQ(canvas.countLines({ 40, y }, { 210, y }, silver), 1) << "grid " << y;
        const CanvasOp value = onlyText(canvas, QString::number(100 - 20 * i), { 22, y - 4 });
        EXPECT_EQ(value.font.height, 9);
        EXPECT_FALSE(value.font.cellHeight);
        EXPECT_EQ(value.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(value.angle, 0);
    }
    EXPECT_EQ(canvas.countLines({ 40, 210 }, { 210, 210 }, silver), 0);
    for (const CanvasOp& op : canvas.textsEqual(QStringLiteral("0"))) {
        EXPECT_NE(op.from.x(), 22) << "0 on the y axis";
    }
    for (const int x : grid) {
        EXPECT_EQ(canvas.countLines({ x, 212 }, { x, 210 }, blue), 1) << "x tick " << x;
        EXPECT_EQ(canvas.countLines({ x, 40 }, { x, 210 }, silver), 1) << "grid " << x;
    }
    const std::vector<CanvasOp> lines = canvas.lines();
    ASSERT_EQ(lines.size(), 5u * 2 + 6u * 2 + 2u);
    for (const CanvasOp& line : lines) {
        EXPECT_EQ(line.penWidth, 1);
        EXPECT_EQ(line.penStyle, PenStyle::Solid);
    }
    // The axes last, over the grid.
    EXPECT_TRUE(lines[22].from == QPoint(40, 40) && lines[22].to == QPoint(40, 210) && lines[22].penColor == blue);
    EXPECT_TRUE(lines[23].from == QPoint(40, 210) && lines[23].to == QPoint(210, 210) && lines[23].penColor == blue);

    const CanvasOp title = onlyText(canvas, QStringLiteral("Modulation [%]"), { 5, 155 });
    EXPECT_EQ(title.font.height, 10);
    EXPECT_EQ(title.angle, 90);
    EXPECT_TRUE(canvas.textsEqual(QStringLiteral("stale title")).empty());
    EXPECT_EQ(onlyText(canvas, texts.AxisRangeText, { 32, 232 }).font.height, 10);
    EXPECT_EQ(onlyText(canvas, texts.AxisVariableText, { 32, 12 }).font.height, 11);

    // Under the x axis: "0" .. "100" for the image height (with its tick and
    // again with the axis texts), otherwise 63 blanks wipe that row.
    const bool percent = abscissa == Abscissa::ImageHeight;
    for (int i = 0; i <= 5; ++i) {
        int found = 0;
        for (const CanvasOp& op : canvas.textsEqual(QString::number(i * 20))) {
            if (op.from.y() == 214) {
                ++found;
                EXPECT_EQ(op.from.x(), grid[i] - 4);
                EXPECT_EQ(op.font.height, 9);
            }
        }
        EXPECT_EQ(found, percent ? 2 : 0) << i * 20;
    }
    const std::vector<CanvasOp> blankRow = canvas.textsEqual(blanks(63));
    ASSERT_EQ(blankRow.size(), percent ? 0u : 1u);
    if (!percent) {
        EXPECT_EQ(blankRow[0].from, QPoint(32, 212));
        EXPECT_EQ(blankRow[0].font.height, 10);
        EXPECT_EQ(blankRow[0].brushColor, white); // the blanks paint the background
    }
}

INSTANTIATE_TEST_SUITE_P(AllAbscissae, FrameGeometry,
                         ::testing::Values(Abscissa::ImageHeight, Abscissa::FNumber, Abscissa::Frequency,
                                           Abscissa::Magnification));

TEST(Fonts, ArialResolvesToAMetricCompatibleFace)
{
    // Without fonts-liberation or the substitution every text on the plot
    // gets other widths.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

} // namespace
