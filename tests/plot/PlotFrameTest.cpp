#include "PlotFrame.h"
#include "RecordingCanvas.h"

#include <QFont>
#include <QFontInfo>

#include "TestColors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QColor blue(0, 0, 255);
const QColor silver(192, 192, 192);
const QColor white(255, 255, 255);

// Geometry of the 250 x 250 plot, written out as the layout gives it.
constexpr int yLevels[] = { 40, 74, 108, 142, 176 };
constexpr int xLines[] = { 40, 74, 108, 142, 176, 210 };

RecordingCanvas drawnFrame(Abscissa abscissa, const AxisTexts& texts)
{
    RecordingCanvas canvas;
    DrawPlotFrame(canvas, abscissa, texts);
    return canvas;
}

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

TEST_P(FrameGeometry, StartsWithAWhiteImage)
{
    const RecordingCanvas canvas = drawnFrame(GetParam(), axisTextsFor(GetParam()));
    ASSERT_FALSE(canvas.ops().empty());
    const CanvasOp& first = canvas.ops().front();
    EXPECT_EQ(first.kind, CanvasOp::Kind::FillRect);
    EXPECT_EQ(first.from, QPoint(0, 0));
    EXPECT_EQ(first.to, QPoint(250, 250));
    EXPECT_EQ(first.fillColor, white);
}

TEST_P(FrameGeometry, EveryTickGridLineAndAxis)
{
    const RecordingCanvas canvas = drawnFrame(GetParam(), axisTextsFor(GetParam()));
    for (int y : yLevels) {
        EXPECT_EQ(canvas.countLines({ 38, y }, { 40, y }, blue), 1) << "y tick " << y;
        EXPECT_EQ(canvas.countLines({ 40, y }, { 210, y }, silver), 1) << "grid " << y;
    }
    for (int x : xLines) {
        EXPECT_EQ(canvas.countLines({ x, 212 }, { x, 210 }, blue), 1) << "x tick " << x;
        EXPECT_EQ(canvas.countLines({ x, 40 }, { x, 210 }, silver), 1) << "grid " << x;
    }
    // No grid line at 0 %: the x axis stands there.
    EXPECT_EQ(canvas.countLines({ 40, 210 }, { 210, 210 }, silver), 0);

    const std::vector<CanvasOp> lines = canvas.lines();
    ASSERT_EQ(lines.size(), 5u * 2 + 6u * 2 + 2u);
    for (const CanvasOp& line : lines) {
        EXPECT_EQ(line.penWidth, 1);
        EXPECT_EQ(line.penStyle, PenStyle::Solid);
    }
    // The axes are the last two lines, over the grid.
    const CanvasOp& yAxis = lines[lines.size() - 2];
    const CanvasOp& xAxis = lines[lines.size() - 1];
    EXPECT_EQ(yAxis.from, QPoint(40, 40));
    EXPECT_EQ(yAxis.to, QPoint(40, 210));
    EXPECT_EQ(xAxis.from, QPoint(40, 210));
    EXPECT_EQ(xAxis.to, QPoint(210, 210));
    EXPECT_EQ(yAxis.penColor, blue);
    EXPECT_EQ(xAxis.penColor, blue);
}

TEST_P(FrameGeometry, ModulationValuesHundredToTwentyNeverZero)
{
    const RecordingCanvas canvas = drawnFrame(GetParam(), axisTextsFor(GetParam()));
    const char* values[] = { "100", "80", "60", "40", "20" };
    for (int i = 0; i < 5; ++i) {
        const CanvasOp op = onlyText(canvas, QString::fromLatin1(values[i]), { 22, yLevels[i] - 4 });
        EXPECT_EQ(op.font.height, 9);
        EXPECT_FALSE(op.font.cellHeight);
        EXPECT_EQ(op.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(op.angle, 0);
    }
    for (const CanvasOp& op : canvas.texts()) {
        EXPECT_FALSE(op.from.x() == 22 && op.text == QStringLiteral("0")) << "0 on the y axis";
    }
}

TEST_P(FrameGeometry, AxisTitlesAroundThePlot)
{
    AxisTexts texts = axisTextsFor(GetParam());
    texts.AxisTitleY = QStringLiteral("stale title");
    const RecordingCanvas canvas = drawnFrame(GetParam(), texts);

    const CanvasOp title = onlyText(canvas, QStringLiteral("Modulation [%]"), { 5, 155 });
    EXPECT_EQ(title.font.height, 10);
    EXPECT_EQ(title.angle, 90);
    EXPECT_TRUE(canvas.textsEqual(QStringLiteral("stale title")).empty());

    const CanvasOp range = onlyText(canvas, texts.AxisRangeText, { 32, 232 });
    EXPECT_EQ(range.font.height, 10);
    EXPECT_EQ(range.angle, 0);
    const CanvasOp variable = onlyText(canvas, texts.AxisVariableText, { 32, 12 });
    EXPECT_EQ(variable.font.height, 11);
    EXPECT_EQ(variable.angle, 0);
}

INSTANTIATE_TEST_SUITE_P(SeveralAbscissae, FrameGeometry,
                         ::testing::Values(Abscissa::ImageHeight, Abscissa::FNumber, Abscissa::Magnification));

TEST(PlotFrame, ImageHeightShowsPercentUnderTheXAxis)
{
    const RecordingCanvas canvas = drawnFrame(Abscissa::ImageHeight, initialAxisTexts());
    for (int i = 0; i <= 5; ++i) {
        const QString value = QString::number(i * 20);
        int found = 0;
        for (const CanvasOp& op : canvas.textsEqual(value)) {
            if (op.from == QPoint(xLines[i] - 4, 214)) {
                EXPECT_EQ(op.font.height, 9);
                ++found;
            }
        }
        // Once with its tick, once more when the axis titles are written.
        EXPECT_EQ(found, 2) << value.toStdString();
    }
    EXPECT_TRUE(canvas.textsEqual(QString(63, QLatin1Char(' '))).empty());
}

TEST(PlotFrame, OtherAbscissaBlanksTheTickValueRow)
{
    const RecordingCanvas canvas = drawnFrame(Abscissa::FNumber, axisTextsFor(Abscissa::FNumber));
    for (int i = 0; i <= 5; ++i) {
        for (const CanvasOp& op : canvas.textsEqual(QString::number(i * 20))) {
            EXPECT_NE(op.from.y(), 214) << "tick value " << i * 20 << " under the x axis";
        }
    }
    const CanvasOp blank = onlyText(canvas, QString(63, QLatin1Char(' ')), { 32, 212 });
    EXPECT_EQ(blank.font.height, 10);
    EXPECT_EQ(blank.brushColor, white); // the blanks paint the background
}

TEST(PlotFrame, PrinterBranchWritesTheFixedTitleAndNoTickRow)
{
    RecordingCanvas canvas;
    AxisTexts texts = axisTextsFor(Abscissa::Frequency);
    texts.AxisTitleY = QStringLiteral("ignored");
    DrawAxisTitles(canvas, DrawTarget::Printer, Abscissa::Frequency, texts);

    const std::vector<CanvasOp> written = canvas.texts();
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].text, texts.AxisRangeText);
    EXPECT_EQ(written[0].from, QPoint(320, -952));
    EXPECT_EQ(written[1].text, texts.AxisVariableText);
    EXPECT_EQ(written[1].from, QPoint(320, -439));
    EXPECT_EQ(written[2].text, QStringLiteral("Modulation [%]"));
    EXPECT_EQ(written[2].from, QPoint(200, -760));
    EXPECT_EQ(written[2].angle, -90);
    for (const CanvasOp& op : written) {
        EXPECT_EQ(op.font.height, 20);
        EXPECT_FALSE(op.font.cellHeight);
    }
    EXPECT_TRUE(canvas.lines().empty());
}

TEST(PlotFrame, PrinterBranchWithImageHeightStillWritesNoTickRow)
{
    RecordingCanvas canvas;
    DrawAxisTitles(canvas, DrawTarget::Printer, Abscissa::ImageHeight, initialAxisTexts());
    EXPECT_EQ(canvas.texts().size(), 3u);
}

TEST(PlotFrame, EmptyTextDrawsNothing)
{
    RecordingCanvas canvas;
    DrawRotatedText(canvas, 10, 10, QString(), 12, 0);
    EXPECT_TRUE(canvas.ops().empty());
    DrawRotatedText(canvas, 10, 10, QStringLiteral(" "), 12, 45);
    ASSERT_EQ(canvas.texts().size(), 1u);
    EXPECT_EQ(canvas.texts().front().angle, 45);
}

TEST(Fonts, ArialResolvesToAMetricCompatibleFace)
{
    // Fails when fonts-liberation is missing or the substitution is lost:
    // then every text on the plot has other widths.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

} // namespace
