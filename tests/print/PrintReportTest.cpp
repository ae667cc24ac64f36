// SPDX-License-Identifier: MIT
#include "ExportFiles.h"
#include "ReportDrawing.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 3 f-numbers, 4 frequencies (the last with three digits), 4 image heights
// up to 15 of a 21.6 reference, 2 magnifications. The modulation is linear
// in the f-number: every curve over k is a straight line.
ReportInput smallReport(Abscissa abscissa)
{
    ReportInput input;
    LensData& lens = input.lens;
    lens.LensName = "Prüfobjektiv 2.8/35";
    lens.WavelengthText = "546 486 656";
    lens.WeightText = "1.0 0.5 0.5";
    lens.FNumberCount = 3;
    lens.FrequencyCount = 4;
    lens.ImageHeightCount = 4;
    lens.MagnificationCount = 2;
    const char* texts[][4] = { { "2.8", "4", "5.6", "" }, { "10", "20", "40", "120" }, { "0", "5", "10", "15" } };
    for (int i = 0; i < 4; ++i) {
        lens.FNumberText[i + 1] = texts[0][i];
        lens.FrequencyText[i + 1] = texts[1][i];
        lens.ImageHeightText[1][i + 1] = texts[2][i];
    }
    lens.MagnificationText[1] = "0";
    lens.MagnificationText[2] = "-0.1";
    lens.MaxImageHeight = 21.6;
    lens.ImageHeightValidCount[1] = 4;
    for (int f = 0; f < 3; ++f) {
        for (int q = 0; q < 4; ++q) {
            for (int h = 0; h < 4; ++h) {
                for (int m = 0; m < 2; ++m) {
                    const int sag = 95 - 15 * q - 4 * h - 3 * m + 2 * f;
                    lens.SagModulation.set(f, q, h, m, static_cast<std::uint8_t>(sag));
                    lens.TanModulation.set(f, q, h, m, static_cast<std::uint8_t>(sag - 3 * h));
                }
            }
        }
    }
    lens.FileLoaded = 1;
    input.abscissa = abscissa;
    input.selection = CurveSelection { 0, 2, 3, 2 };
    input.frequencySelected[2] = true;
    input.frequencySelected[4] = true;
    input.axisTexts = axisTextsFor(abscissa);
    input.dateText = QStringLiteral("06.12.26");
    input.timeText = QStringLiteral("20:39");
    input.curves
        = computeReportCurves(input.lens, abscissa, input.selection, input.frequencySelected, [](SplineWarning) {});
    return input;
}

RecordingCanvas printed(const ReportInput& input)
{
    RecordingCanvas page;
    drawReport(page, input);
    return page;
}

// The settings line of the abscissa's own variable is left out and its
// place stays empty; the abscissa values 20 .. 80 are written for the image
// height only, 0 and 100 never.
TEST(PrintReport, EveryTextOfThePageOverEachAbscissa)
{
    const char* settings[]
        = { "900 -500 40c 0|Blende                       : 4",
            "900 -550 40c 0|Ortsfrequenz              : 20 120 ", // whole texts, one blank each
            "900 -600 40c 0|Bildhöhe                    : 10", "900 -650 40c 0|Abbildungsmaßstab   : -0.1" };
    const Abscissa order[] = { Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight, Abscissa::Magnification };
    for (const Abscissa abscissa : order) {
        SCOPED_TRACE(static_cast<int>(abscissa));
        const AxisTexts axis = axisTextsFor(abscissa);
        std::vector<QString> expected
            = { "200 -300 50c 0|Lumivex des Objektivs: Prüfobjektiv 2.8/35",
                "320 -439 20 0|" + axis.AxisVariableText,
                "248 -565 20 0|80",
                "248 -647 20 0|60",
                "248 -728 20 0|40",
                "248 -810 20 0|20",
                "900 -750 40c 0|Wellenlänge / rel. Gewichtung ",
                "900 -800 40c 0|546 486 656",
                "900 -850 40c 0|1.0 0.5 0.5",
                "200 -760 20 -90|Modulation [%]",
                "320 -952 20 0|" + axis.AxisRangeText,
                "200 -1050 40c 0|" + QString(74, QLatin1Char('_')),
                "200 -1110 30c 0|     Programm: Lumivex / 06.12.26  20:39  Lumivex-Projekt, example.org" };
        for (int i = 0; i < 4; ++i) {
            if (order[i] != abscissa) {
                expected.push_back(QString::fromUtf8(settings[i]));
            }
        }
        if (abscissa == Abscissa::ImageHeight) {
            expected.insert(expected.end(),
                            { "365 -916 20 0|20", "447 -916 20 0|40", "528 -916 20 0|60", "610 -916 20 0|80" });
        }
        expectTexts(printed(smallReport(abscissa)), expected);
    }
}

// The settings list every checked frequency up to the eighth. Over the
// image height (up to 15 of the 21.6 reference) the curves end at
// 296 + 408 * 15 / 21.6 = 579, as on the screen; the mirrored first support
// point gets no marker: four of five per series and frequency.
TEST(PrintReport, FrameGridTicksEveryCheckedFrequencyAndTheCurvesEnd)
{
    ReportInput input = smallReport(Abscissa::ImageHeight);
    input.lens.FrequencyText[8] = "80";
    input.frequencySelected[8] = true;
    const RecordingCanvas page = printed(input);
    EXPECT_EQ(page.textsEqual(QStringLiteral("Ortsfrequenz              : 20 120 80 ")).size(), 1U);
    ASSERT_FALSE(page.ops().empty());
    const CanvasOp& frame = page.ops().front();
    EXPECT_TRUE(frame.kind == CanvasOp::Kind::Rectangle && frame.from == QPoint(296, -496)
                && frame.to == QPoint(704, -904) && frame.penColor == black && frame.penWidth == 2
                && frame.brushColor == white);
    for (const int y : { -577, -659, -740, -822 }) {
        EXPECT_EQ(page.countLines({ 287, y }, { 296, y }, black), 1) << "ordinate tick " << y;
        EXPECT_EQ(page.countLines({ 296, y }, { 704, y }, blue, PenStyle::Dotted), 1) << "grid " << y;
    }
    for (const int x : { 377, 459, 540, 622 }) {
        EXPECT_EQ(page.countLines({ x, -913 }, { x, -904 }, black), 1) << "abscissa tick " << x;
        EXPECT_EQ(page.countLines({ x, -496 }, { x, -904 }, blue, PenStyle::Dotted), 1) << "grid " << x;
    }
    int end = 0;
    for (const CanvasOp& line : page.lines()) {
        EXPECT_TRUE(line.penColor != black || line.penWidth == 1);
        end = line.penColor == red ? line.to.x() : end;
    }
    EXPECT_EQ(end, 579);
    EXPECT_EQ(page.ellipses().size(), 4U * 4);
}

// Over k: after the 16 grid lines, per checked frequency the sagittal line
// through samples 2 .. 101 and the tangential one through 2, 6 .. 98 (sample
// 1 lies 1e-8 left of the axis). The curves are straight lines (69 + 2x and
// 63 + 2x % for frequency 2, 39 + 2x for 4) over 0 .. 2: a point lands at
// 296 + trunc(x * 170 / (2 - 1e-8) * 2.4) div 10, -904 + trunc(m * 1.7 * 2.4)
// div 10. Markers on every support point but the first, 8 units wide.
TEST(PrintReport, CurvesOfEveryCheckedFrequency)
{
    const std::vector<CanvasOp> lines = printed(smallReport(Abscissa::FNumber)).lines();
    ASSERT_EQ(lines.size(), 16 + 2 * (100 + 25U));
    // line index, sample, its page point
    const std::tuple<std::size_t, int, QPoint> points[] = {
        { 16, 2, { 300, -623 } },  { 65, 51, { 499, -615 } },  { 115, 101, { 704, -607 } },
        { 116, 2, { 300, -647 } }, { 140, 98, { 691, -632 } }, { 240, 101, { 704, -729 } },
    };
    for (const auto& [index, sample, point] : points) {
        EXPECT_EQ(lines[index].to, point) << "sample " << sample;
    }
    EXPECT_EQ(lines[16].from, lines[16].to);
    for (std::size_t i = 16; i < lines.size(); ++i) {
        const bool sagittal = i < 116 || (i >= 141 && i < 241);
        EXPECT_TRUE(lines[i].penColor == (sagittal ? red : blue) && lines[i].penWidth == (sagittal ? 2 : 1)
                    && lines[i].penStyle == (sagittal ? PenStyle::Solid : PenStyle::Dotted))
            << i;
    }
    RecordingCanvas page;
    const ReportInput input = smallReport(Abscissa::FNumber);
    drawPageCurve(page, input.curves.front().tangential, 1.0, Series::Tangential);
    const std::vector<CanvasOp> markers = page.ellipses();
    ASSERT_EQ(markers.size(), 2U);
    EXPECT_EQ((std::vector { markers[0].from, markers[0].to, markers[1].from }),
              (std::vector<QPoint> { { 496, -635 }, { 504, -643 }, { 700, -627 } }));
    EXPECT_TRUE(markers[1].penColor == black && markers[1].penWidth == 2 && markers[1].brushColor == white);
}

// One A4 page; a bad selection index throws before anything is drawn, the
// abscissa's own index is not read.
// The rule is 74 underscores at cell height 40. A reference name of 74
// underscores at the title's 50 is 5/4 of it; the 56 characters before it
// (about half an em each) add about 0.85 of it: 50 / 2.1 gives about 24.
TEST(PrintReport, ATitleWiderThanTheRuleIsSetSmaller)
{
    ReportInput input = smallReport(Abscissa::ImageHeight);
    input.referenceName = std::string(74, '_');
    const RecordingCanvas page = printed(input);
    const int title = page.indexOf(CanvasOp::Kind::Text, QPoint(200, -300));
    ASSERT_GE(title, 0);
    const CanvasOp& op = page.ops()[static_cast<std::size_t>(title)];
    EXPECT_TRUE(op.text.endsWith(QString(74, QLatin1Char('_'))));
    EXPECT_TRUE(op.font.height >= 22 && op.font.height <= 26) << op.font.height;
}

TEST(ReportOutput, PdfHasOneA4PageAndABadIndexDrawsNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bericht.pdf"));
    writeReportPdf(file, smallReport(Abscissa::ImageHeight));
    QFile pdfFile(file);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(pdfFile.readAll());
    // Page objects, not the page tree ("/Type /Pages").
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    EXPECT_TRUE(pdf.contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 595"))));
    ReportInput input = smallReport(Abscissa::ImageHeight);
    input.selection.FNumberIndex = 0;
    RecordingCanvas page;
    EXPECT_THROW(drawReport(page, input), RangeError);
    EXPECT_TRUE(page.ops().empty());
    input = smallReport(Abscissa::FNumber);
    input.selection.FNumberIndex = 0;
    EXPECT_NO_THROW(drawReport(page, input));
}

} // namespace
