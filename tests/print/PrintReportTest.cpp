#include "ExportFiles.h"
#include "ReportDrawing.h"
#include "ReportPrinter.h"
#include "RecordingCanvas.h"
#include "ReportOutput.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A small invented lens: 3 f-numbers, 4 frequencies (the last with three
// digits), 4 image heights up to 15 of a 21.6 reference, 2 magnifications.
LensData smallLens()
{
    LensData lens;
    lens.LensName = "Prüfobjektiv 2.8/35";
    lens.WavelengthText = "546 486 656";
    lens.WeightText = "1.0 0.5 0.5";
    lens.FNumberCount = 3;
    lens.FrequencyCount = 4;
    lens.ImageHeightCount = 4;
    lens.MagnificationCount = 2;
    const auto fill = [](auto& list, std::initializer_list<const char*> texts) {
        int i = 1;
        for (const char* text : texts) {
            list[i++] = text;
        }
    };
    fill(lens.FNumberText, { "2.8", "4", "5.6" });
    fill(lens.FrequencyText, { "10", "20", "40", "120" });
    fill(lens.ImageHeightText[1], { "0", "5", "10", "15" });
    fill(lens.MagnificationText, { "0", "-0.1" });
    fill(lens.DistanceText, { "-1E20", "-400" });
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
    return lens;
}

// Its report with f-number 2, image height 3, magnification 2 and the
// frequencies 2 and 4 checked, stamped with a fixed date and time.
ReportInput smallReport(Abscissa abscissa = Abscissa::ImageHeight)
{
    ReportInput input;
    input.lens = smallLens();
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

struct TextAt
{
    int x;
    int y;
    QString text;
    int height;
    bool cellHeight = true;
    int angle = 0;
};

// Exactly one text at the point, with this content, face, height and angle.
void expectText(const RecordingCanvas& page, const TextAt& expected)
{
    int found = 0;
    for (const CanvasOp& op : page.texts()) {
        if (op.from == QPoint(expected.x, expected.y)) {
            ++found;
            EXPECT_EQ(op.text, expected.text);
            EXPECT_EQ(op.font.height, expected.height) << expected.text.toStdString();
            EXPECT_EQ(op.font.cellHeight, expected.cellHeight) << expected.text.toStdString();
            EXPECT_EQ(op.font.family, QStringLiteral("Arial"));
            EXPECT_EQ(op.angle, expected.angle) << expected.text.toStdString();
        }
    }
    EXPECT_EQ(found, 1) << "texts at " << expected.x << "," << expected.y << " (" << expected.text.toStdString() << ")";
}

class PageLayout : public ::testing::TestWithParam<Abscissa>
{
};

// Every text of the page. The settings line of the abscissa's own variable
// is left out and its place stays empty; the abscissa values 20 .. 80 are
// written for the image height only, 0 and 100 never.
TEST_P(PageLayout, EveryTextAndNothingElse)
{
    const Abscissa abscissa = GetParam();
    const RecordingCanvas page = printed(smallReport(abscissa));
    const AxisTexts axis = axisTextsFor(abscissa);
    std::vector<TextAt> layout = {
        { 200, -300, QStringLiteral("Lumivex des Objektivs: Prüfobjektiv 2.8/35"), 50 },
        { 320, -439, axis.AxisVariableText, 20, false },
        { 248, -565, QStringLiteral("80"), 20, false },
        { 248, -647, QStringLiteral("60"), 20, false },
        { 248, -728, QStringLiteral("40"), 20, false },
        { 248, -810, QStringLiteral("20"), 20, false },
        { 900, -750, QStringLiteral("Wellenlänge / rel. Gewichtung "), 40 },
        { 900, -800, QStringLiteral("546 486 656"), 40 },
        { 900, -850, QStringLiteral("1.0 0.5 0.5"), 40 },
        { 200, -760, QStringLiteral("Modulation [%]"), 20, false, -90 },
        { 320, -952, axis.AxisRangeText, 20, false },
        { 200, -1050, QString(74, QLatin1Char('_')), 40 },
        { 200, -1110, QStringLiteral("     Programm: Lumivex / 06.12.26  20:39  Lumivex-Projekt, example.org"), 30 },
    };
    const std::pair<Abscissa, const char*> settings[] = {
        { Abscissa::FNumber, "Blende                       : 4" },
        // Whole texts of the checked frequencies, each with one blank.
        { Abscissa::Frequency, "Ortsfrequenz              : 20 120 " },
        { Abscissa::ImageHeight, "Bildhöhe                    : 10" },
        { Abscissa::Magnification, "Abbildungsmaßstab   : -0.1" },
    };
    for (int i = 0; i < 4; ++i) {
        if (settings[i].first != abscissa) {
            layout.push_back({ 900, -500 - 50 * i, QString::fromUtf8(settings[i].second), 40 });
        }
    }
    if (abscissa == Abscissa::ImageHeight) {
        const int x[] = { 365, 447, 528, 610 };
        for (int i = 0; i < 4; ++i) {
            layout.push_back({ x[i], -916, QString::number(20 * (i + 1)), 20, false });
        }
    }
    for (const TextAt& t : layout) {
        expectText(page, t);
    }
    EXPECT_EQ(page.texts().size(), layout.size());
}

INSTANTIATE_TEST_SUITE_P(AllAbscissae, PageLayout,
                         ::testing::Values(Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight,
                                           Abscissa::Magnification));

TEST(PrintReport, FrameGridAndTicks)
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

// Page position of a data point, worked out here from the layout: the plot
// area's left edge at 296 and bottom at -904, 2.4 page units per pixel,
// truncated, then divided by 10 toward zero.
QPoint pagePoint(const SeriesCurve& curve, double x, double m, double factor)
{
    const CurveSamples& s = curve.samples;
    const long long px = static_cast<long long>(std::trunc(x * factor * (s.ScaleX * 24.0)));
    const long long py = static_cast<long long>(std::trunc(m * (s.ScaleY * 24.0)));
    return { 296 + static_cast<int>(px / 10), -904 + static_cast<int>(py / 10) };
}

QPoint samplePoint(const SeriesCurve& curve, int j, double factor = 1.0)
{
    return pagePoint(curve, curve.samples.CurveSampleX[j], curve.samples.CurveSampleY[j], factor);
}

TEST(PrintCurve, StylesPositionsAndNoFirstMarker)
{
    const ReportInput input = smallReport(Abscissa::FNumber);
    const ReportCurve& curve = input.curves.front();
    ASSERT_EQ(curve.AbscissaFactor, 1.0);
    // Support points at 0, 1, 2; sample 1 lies 1e-8 left of the axis, so
    // both lines start at sample 2; the dotted one ends at 98.
    struct Case
    {
        const SeriesCurve& series;
        Series which;
        int step;
        QColor colour;
        int width;
        PenStyle style;
    };
    for (const Case c : { Case { curve.sagittal, Series::Sagittal, 1, red, 2, PenStyle::Solid },
                          Case { curve.tangential, Series::Tangential, 4, blue, 1, PenStyle::Dotted } }) {
        RecordingCanvas page;
        drawPageCurve(page, c.series, 1.0, c.which);
        std::vector<QPoint> expected;
        for (int j = 2; j <= 101; j += c.step) {
            expected.push_back(samplePoint(c.series, j));
        }
        std::vector<QPoint> ends;
        for (const CanvasOp& op : page.lines()) {
            ends.push_back(op.to);
            EXPECT_EQ(op.penColor, c.colour);
            EXPECT_EQ(op.penWidth, c.width);
            EXPECT_EQ(op.penStyle, c.style);
        }
        EXPECT_EQ(ends, expected);
        if (c.step == 1) {
            EXPECT_NEAR(ends.back().x(), 704, 1); // the last sample at the right edge
        }
        const std::vector<CanvasOp> markers = page.ellipses();
        ASSERT_EQ(markers.size(), 2u); // three support points, none at the first
        for (std::size_t i = 0; i < markers.size(); ++i) {
            const int k = static_cast<int>(i) + 2;
            const QPoint p = pagePoint(c.series, c.series.spline.KnotX[k], c.series.spline.KnotY[k], 1.0);
            EXPECT_EQ(markers[i].from, p + QPoint(-4, 4));
            EXPECT_EQ(markers[i].to, p + QPoint(4, -4));
            EXPECT_EQ(markers[i].penColor, black);
            EXPECT_EQ(markers[i].penWidth, 2);
            EXPECT_EQ(markers[i].penStyle, PenStyle::Solid);
            EXPECT_EQ(markers[i].brushColor, white);
        }
    }
}

TEST(PrintReport, ImageHeightCurvesEndWhereTheScreenEndsThem)
{
    // Heights up to 15 of the 21.6 reference: the curves end at 15/21.6 of
    // the frame's width, as on the screen.
    const ReportInput input = smallReport(Abscissa::ImageHeight);
    ASSERT_EQ(input.curves.size(), 2u);
    EXPECT_DOUBLE_EQ(input.curves.front().AbscissaFactor, 15.0 / 21.6);
    const RecordingCanvas page = printed(input);
    int end = 0;
    for (const CanvasOp& op : page.lines()) {
        end = op.penColor == red ? op.to.x() : end;
    }
    EXPECT_NEAR(end, 296 + 408 * 15.0 / 21.6, 1.5);
    // The mirrored first support point, left of the axis, gets no marker.
    const int points = input.curves.front().sagittal.spline.CurvePointCount;
    EXPECT_EQ(page.ellipses().size(), 4u * static_cast<std::size_t>(points - 1));
    for (const CanvasOp& m : page.ellipses()) {
        EXPECT_GE(m.from.x() + 4, 296);
    }
}

TEST(PrintReport, CurvesOfEveryCheckedFrequency)
{
    const ReportInput input = smallReport(Abscissa::FNumber);
    ASSERT_EQ(input.curves.size(), 2u);
    // At the first f-number, image height 3 and magnification 2 the lens
    // has 69 % at frequency 2 and 39 % at frequency 4.
    EXPECT_EQ(input.curves[0].sagittal.spline.KnotY[1], 69.0);
    EXPECT_EQ(input.curves[1].sagittal.spline.KnotY[1], 39.0);
    // After the 16 lines of the grid, per frequency in ascending order: the
    // sagittal line through samples 2 .. 101, the tangential through 2, 6 .. 98.
    std::vector<QPoint> expected;
    for (const ReportCurve& curve : input.curves) {
        for (int j = 2; j <= 101; ++j) {
            expected.push_back(samplePoint(curve.sagittal, j));
        }
        for (int j = 2; j <= 101; j += 4) {
            expected.push_back(samplePoint(curve.tangential, j));
        }
    }
    const std::vector<CanvasOp> lines = printed(input).lines();
    ASSERT_EQ(lines.size(), 16 + expected.size());
    std::vector<QPoint> ends;
    for (std::size_t i = 16; i < lines.size(); ++i) {
        ends.push_back(lines[i].to);
    }
    EXPECT_EQ(ends, expected);
}

TEST(PrintReport, BadSelectionIndexThrowsBeforeDrawing)
{
    ReportInput input = smallReport(Abscissa::ImageHeight);
    input.selection.FNumberIndex = 0;
    RecordingCanvas page;
    EXPECT_THROW(drawReport(page, input), RangeError);
    EXPECT_TRUE(page.ops().empty());
    // The abscissa's own index is not read.
    input = smallReport(Abscissa::FNumber);
    input.selection.FNumberIndex = 0;
    EXPECT_NO_THROW(drawReport(page, input));
}

TEST(ReportOutput, PdfFileAndPrinterPdfHaveOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("bericht.pdf"));
    const QString printed = dir.filePath(QStringLiteral("drucker.pdf"));
    writeReportPdf(file, smallReport());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printReport(printer, smallReport(Abscissa::Magnification));
    for (const QString& path : { file, printed }) {
        QFile pdfFile(path);
        ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString pdf = QString::fromLatin1(pdfFile.readAll());
        EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF-")));
        // Page objects, not the page tree ("/Type /Pages").
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1) << path.toStdString();
        if (path == file) {
            EXPECT_TRUE(pdf.contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 595")))) << "A4";
        }
    }
}

TEST(ReportOutput, ErrorsLeaveNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kaputt.pdf"));
    ReportInput input = smallReport();
    input.selection.MagnificationIndex = 10;
    EXPECT_THROW(writeReportPdf(path, input), RangeError);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_THROW(writeReportPdf(QStringLiteral("/nonexistent-dir/x/bericht.pdf"), smallReport()), std::runtime_error);
}

} // namespace
