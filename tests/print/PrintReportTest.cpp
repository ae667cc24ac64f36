#include "PrintReport.h"
#include "RecordingCanvas.h"
#include "ReportTestData.h"

#include <QColor>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

inline void PrintTo(const QColor& color, std::ostream* os)
{
    *os << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

namespace {

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

RecordingCanvas printed(const ReportInput& input)
{
    RecordingCanvas page;
    PrintReport(page, input);
    return page;
}

// The one text at a position, with its height and kind of height.
struct TextAt
{
    int x;
    int y;
    QString text;
    int height;
    bool cellHeight;
    int angle;
};

void expectText(const RecordingCanvas& page, const TextAt& expected)
{
    int found = 0;
    for (const CanvasOp& op : page.texts()) {
        if (op.from != QPoint(expected.x, expected.y)) {
            continue;
        }
        ++found;
        EXPECT_EQ(op.text, expected.text) << "at " << expected.x << "," << expected.y;
        EXPECT_EQ(op.font.height, expected.height) << expected.text.toStdString();
        EXPECT_EQ(op.font.cellHeight, expected.cellHeight) << expected.text.toStdString();
        EXPECT_EQ(op.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(op.angle, expected.angle) << expected.text.toStdString();
    }
    EXPECT_EQ(found, 1) << "texts at " << expected.x << "," << expected.y << " (" << expected.text.toStdString() << ")";
}

bool hasTextAtY(const RecordingCanvas& page, int x, int y)
{
    for (const CanvasOp& op : page.texts()) {
        if (op.from == QPoint(x, y)) {
            return true;
        }
    }
    return false;
}

TEST(PrintReport, EveryTextOfThePageLayout)
{
    const ReportInput input = smallReport(Abscissa::ImageHeight);
    const RecordingCanvas page = printed(input);
    const QString range = axisTextsFor(Abscissa::ImageHeight).AxisRangeText;
    const QString variable = axisTextsFor(Abscissa::ImageHeight).AxisVariableText;

    const std::vector<TextAt> layout = {
        { 200, -300, QStringLiteral("Lumivex des Objektivs: Prüfobjektiv 2.8/35"), 50, true, 0 },
        { 320, -439, variable, 20, false, 0 },
        { 900, -500, QStringLiteral("Blende                       : 4"), 40, true, 0 },
        { 900, -550, QStringLiteral("Ortsfrequenz              : 20 120 "), 40, true, 0 },
        { 900, -650, QStringLiteral("Abbildungsmaßstab   : -0.1"), 40, true, 0 },
        { 248, -565, QStringLiteral("80"), 20, false, 0 },
        { 248, -647, QStringLiteral("60"), 20, false, 0 },
        { 248, -728, QStringLiteral("40"), 20, false, 0 },
        { 248, -810, QStringLiteral("20"), 20, false, 0 },
        { 900, -750, QStringLiteral("Wellenlänge / rel. Gewichtung "), 40, true, 0 },
        { 900, -800, QStringLiteral("546 486 656"), 40, true, 0 },
        { 900, -850, QStringLiteral("1.0 0.5 0.5"), 40, true, 0 },
        { 200, -760, QStringLiteral("Modulation [%]"), 20, false, -90 },
        { 365, -916, QStringLiteral("20"), 20, false, 0 },
        { 447, -916, QStringLiteral("40"), 20, false, 0 },
        { 528, -916, QStringLiteral("60"), 20, false, 0 },
        { 610, -916, QStringLiteral("80"), 20, false, 0 },
        { 320, -952, range, 20, false, 0 },
        { 200, -1050, QString(74, QLatin1Char('_')), 40, true, 0 },
        { 200, -1110, QStringLiteral("     Programm: Lumivex / 06.12.26  20:39  Lumivex-Projekt, example.org"), 30,
          true, 0 },
    };
    for (const TextAt& t : layout) {
        expectText(page, t);
    }
    // The image height is the abscissa: its settings line is left out.
    EXPECT_FALSE(hasTextAtY(page, 900, -600));
    EXPECT_EQ(page.texts().size(), layout.size());
    // 0 and 100 are not written on paper.
    EXPECT_TRUE(page.textsEqual(QStringLiteral("0")).empty());
    EXPECT_TRUE(page.textsEqual(QStringLiteral("100")).empty());
}

TEST(PrintReport, FrameRectangleFirstBlackTwoWideFilledWhite)
{
    const RecordingCanvas page = printed(smallReport());
    ASSERT_FALSE(page.ops().empty());
    const CanvasOp& frame = page.ops().front();
    EXPECT_EQ(frame.kind, CanvasOp::Kind::Rectangle);
    EXPECT_EQ(frame.from, QPoint(296, -496));
    EXPECT_EQ(frame.to, QPoint(704, -904));
    EXPECT_EQ(frame.penColor, black);
    EXPECT_EQ(frame.penWidth, 2);
    EXPECT_EQ(frame.brushColor, white);
}

TEST(PrintReport, GridAndTicks)
{
    const RecordingCanvas page = printed(smallReport());
    for (const int y : { -577, -659, -740, -822 }) {
        EXPECT_EQ(page.countLines({ 287, y }, { 296, y }, black), 1) << "ordinate tick " << y;
        EXPECT_EQ(page.countLines({ 296, y }, { 704, y }, blue, PenStyle::Dotted), 1) << "grid " << y;
    }
    for (const int x : { 377, 459, 540, 622 }) {
        EXPECT_EQ(page.countLines({ x, -913 }, { x, -904 }, black), 1) << "abscissa tick " << x;
        EXPECT_EQ(page.countLines({ x, -496 }, { x, -904 }, blue, PenStyle::Dotted), 1) << "grid " << x;
    }
    for (const CanvasOp& line : page.lines()) {
        if (line.penColor == black) {
            EXPECT_EQ(line.penWidth, 1);
        }
    }
}

struct SkippedLine
{
    Abscissa abscissa;
    int missingY;
};

class SettingsLinesPerAbscissa : public ::testing::TestWithParam<SkippedLine>
{
};

TEST_P(SettingsLinesPerAbscissa, OwnLineMissingOthersInPlace)
{
    const SkippedLine c = GetParam();
    const RecordingCanvas page = printed(smallReport(c.abscissa));
    for (const int y : { -500, -550, -600, -650 }) {
        EXPECT_EQ(hasTextAtY(page, 900, y), y != c.missingY) << "line at " << y;
    }
    const bool imageHeight = c.abscissa == Abscissa::ImageHeight;
    EXPECT_EQ(hasTextAtY(page, 365, -916), imageHeight) << "abscissa values only for the image height";
    expectText(page, { 320, -952, axisTextsFor(c.abscissa).AxisRangeText, 20, false, 0 });
}

INSTANTIATE_TEST_SUITE_P(AllAbscissae, SettingsLinesPerAbscissa,
                         ::testing::Values(SkippedLine { Abscissa::FNumber, -500 },
                                           SkippedLine { Abscissa::Frequency, -550 },
                                           SkippedLine { Abscissa::ImageHeight, -600 },
                                           SkippedLine { Abscissa::Magnification, -650 }));

TEST(PrintReport, SettingsValuesFollowTheSelection)
{
    ReportInput input = smallReport(Abscissa::FNumber);
    input.selection.ImageHeightIndex = 3;
    input.selection.MagnificationIndex = 1;
    const RecordingCanvas page = printed(input);
    expectText(page, { 900, -600, QStringLiteral("Bildhöhe                    : 10"), 40, true, 0 });
    expectText(page, { 900, -650, QStringLiteral("Abbildungsmaßstab   : 0"), 40, true, 0 });
}

TEST(PrintReport, FrequencyLineListsWholeTextsOfCheckedFrequencies)
{
    struct Case
    {
        std::vector<int> checked;
        const char* line;
    };
    const Case cases[] = {
        { {}, "Ortsfrequenz              : " },
        { { 4 }, "Ortsfrequenz              : 120 " },
        { { 1, 2, 3, 4 }, "Ortsfrequenz              : 10 20 40 120 " },
    };
    for (const Case& c : cases) {
        ReportInput input = smallReport(Abscissa::ImageHeight);
        for (int k = 1; k <= 8; ++k) {
            input.frequencySelected[k] = false;
        }
        for (const int k : c.checked) {
            input.frequencySelected[k] = true;
        }
        expectText(printed(input), { 900, -550, QString::fromUtf8(c.line), 40, true, 0 });
    }
}

// Page position of a data point, worked out here from the layout: the plot
// area's left edge at 296 and bottom at -904, 2.4 page units per pixel,
// truncated, then divided by 10 toward zero.
QPoint pagePoint(double x, double m, double scaleX, double scaleY, double factor)
{
    const long long px = static_cast<long long>(std::trunc(x * factor * (scaleX * 24.0)));
    const long long py = static_cast<long long>(std::trunc(m * (scaleY * 24.0)));
    return { 296 + static_cast<int>(px / 10), -904 + static_cast<int>(py / 10) };
}

TEST(PrintCurve, StylesPositionsAndNoFirstMarker)
{
    const ReportInput input = smallReport(Abscissa::FNumber);
    const ReportCurve& curve = input.curves.front();
    ASSERT_EQ(curve.AbscissaFactor, 1.0);

    RecordingCanvas sagittal;
    PrintCurve(sagittal, curve.sagittal, 1.0, Series::Sagittal);
    const CurveSamples& s = curve.sagittal.samples;
    // Support points at 0, 1, 2: the first sample lies 1e-8 left of the
    // axis, so the line starts at sample 2.
    std::vector<QPoint> expected;
    for (int j = 2; j <= 101; ++j) {
        expected.push_back(pagePoint(s.CurveSampleX[j], s.CurveSampleY[j], s.ScaleX, s.ScaleY, 1.0));
    }
    std::vector<QPoint> ends;
    for (const CanvasOp& op : sagittal.lines()) {
        ends.push_back(op.to);
        EXPECT_EQ(op.penColor, red);
        EXPECT_EQ(op.penWidth, 2);
        EXPECT_EQ(op.penStyle, PenStyle::Solid);
    }
    EXPECT_EQ(ends, expected);
    EXPECT_NEAR(ends.back().x(), 704, 1); // the last sample at the right edge

    const std::vector<CanvasOp> markers = sagittal.ellipses();
    ASSERT_EQ(markers.size(), 2u); // three support points, none at the first
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const int j = static_cast<int>(i) + 2;
        const QPoint p
            = pagePoint(curve.sagittal.spline.KnotX[j], curve.sagittal.spline.KnotY[j], s.ScaleX, s.ScaleY, 1.0);
        EXPECT_EQ(markers[i].from, p + QPoint(-4, 4));
        EXPECT_EQ(markers[i].to, p + QPoint(4, -4));
        EXPECT_EQ(markers[i].penColor, black);
        EXPECT_EQ(markers[i].penWidth, 2);
        EXPECT_EQ(markers[i].penStyle, PenStyle::Solid);
        EXPECT_EQ(markers[i].brushColor, white);
    }

    RecordingCanvas tangential;
    PrintCurve(tangential, curve.tangential, 1.0, Series::Tangential);
    const CurveSamples& t = curve.tangential.samples;
    std::vector<QPoint> dots;
    for (int j = 2; j <= 101; j += 4) {
        dots.push_back(pagePoint(t.CurveSampleX[j], t.CurveSampleY[j], t.ScaleX, t.ScaleY, 1.0));
    }
    std::vector<QPoint> tangentialEnds;
    for (const CanvasOp& op : tangential.lines()) {
        tangentialEnds.push_back(op.to);
        EXPECT_EQ(op.penColor, blue);
        EXPECT_EQ(op.penWidth, 1);
        EXPECT_EQ(op.penStyle, PenStyle::Dotted);
    }
    EXPECT_EQ(tangentialEnds, dots); // ends at sample 98
    EXPECT_EQ(tangential.ellipses().size(), 2u);
}

TEST(PrintCurve, ImageHeightCurveEndsWhereTheScreenEndsIt)
{
    // Heights up to 15 of the 21.6 reference: the curve ends at 15/21.6 of
    // the frame's width, as on the screen.
    const ReportInput input = smallReport(Abscissa::ImageHeight);
    const ReportCurve& curve = input.curves.front();
    EXPECT_DOUBLE_EQ(curve.AbscissaFactor, 15.0 / 21.6);
    RecordingCanvas page;
    PrintCurve(page, curve.sagittal, curve.AbscissaFactor, Series::Sagittal);
    const int end = page.lines().back().to.x();
    EXPECT_NEAR(end, 296 + 408 * 15.0 / 21.6, 1.5);
    // The mirrored first support point (left of the axis) gets no marker.
    for (const CanvasOp& m : page.ellipses()) {
        EXPECT_GE(m.from.x() + 4, 296);
    }
    EXPECT_EQ(page.ellipses().size(), static_cast<std::size_t>(curve.sagittal.spline.CurvePointCount - 1));
}

TEST(PrintReport, CurvesOfEveryCheckedFrequency)
{
    ReportInput input = smallReport(Abscissa::FNumber);
    ASSERT_EQ(input.curves.size(), 2u);
    const RecordingCanvas page = printed(input);

    // Two solid red lines of 100 segments and two dotted blue ones of 25,
    // sagittal before tangential for each frequency in ascending order.
    std::vector<QColor> order;
    int redLines = 0;
    int dottedLines = 0;
    for (const CanvasOp& op : page.lines()) {
        if (op.penColor == red) {
            ++redLines;
        }
        if (op.penStyle == PenStyle::Dotted && op.penWidth == 1 && op.from.x() != 296 && op.to.y() != -904) {
            ++dottedLines;
        }
        if (op.penColor == red || (op.penColor == blue && op.penStyle == PenStyle::Dotted)) {
            if (order.empty() || order.back() != op.penColor) {
                order.push_back(op.penColor);
            }
        }
    }
    EXPECT_EQ(redLines, 2 * 100);
    EXPECT_EQ(dottedLines, 2 * 25);
    // The two series end at different heights: frequency 2 and 4 differ.
    const CurveSamples& first = input.curves[0].sagittal.samples;
    const CurveSamples& second = input.curves[1].sagittal.samples;
    EXPECT_NE(first.CurveSampleY[50], second.CurveSampleY[50]);
    const QPoint firstEnd = pagePoint(first.CurveSampleX[101], first.CurveSampleY[101], first.ScaleX, first.ScaleY, 1);
    const QPoint secondEnd
        = pagePoint(second.CurveSampleX[101], second.CurveSampleY[101], second.ScaleX, second.ScaleY, 1);
    int endsFound = 0;
    for (const CanvasOp& op : page.lines()) {
        endsFound += (op.penColor == red && (op.to == firstEnd || op.to == secondEnd)) ? 1 : 0;
    }
    EXPECT_GE(endsFound, 2);
    // Grid lines come first (blue dotted), then red, blue, red, blue.
    ASSERT_GE(order.size(), 5u);
    EXPECT_EQ(order[1], red);
    EXPECT_EQ(order[2], blue);
    EXPECT_EQ(order[3], red);
    EXPECT_EQ(order[4], blue);
}

TEST(PrintReport, NoCheckedFrequencyPrintsTheFrameWithoutCurves)
{
    ReportInput input = smallReport(Abscissa::FNumber);
    for (int k = 1; k <= 8; ++k) {
        input.frequencySelected[k] = false;
    }
    input.curves.clear();
    const RecordingCanvas page = printed(input);
    for (const CanvasOp& op : page.lines()) {
        EXPECT_NE(op.penColor, red);
    }
    EXPECT_TRUE(page.ellipses().empty());
}

TEST(PrintReport, BadSelectionIndexThrowsBeforeDrawing)
{
    ReportInput input = smallReport(Abscissa::ImageHeight);
    input.selection.FNumberIndex = 0;
    RecordingCanvas page;
    EXPECT_THROW(PrintReport(page, input), RangeError);
    EXPECT_TRUE(page.ops().empty());
    // The abscissa's own index is not read.
    input = smallReport(Abscissa::FNumber);
    input.selection.FNumberIndex = 0;
    EXPECT_NO_THROW(PrintReport(page, input));
}

} // namespace
