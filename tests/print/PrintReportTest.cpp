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

// The settings list every checked frequency up to the eighth. What the
// reference lens lacks follows below the weights: one line each, 4 mm apart
// from -93 mm, at most three; the third ends in " …" when more are left out.
TEST(PrintReport, EveryCheckedFrequencyAndAtMostThreeLinesOfWhatTheReferenceLacks)
{
    const std::pair<std::vector<QString>, std::vector<QString>> rows[] = {
        { { "eins", "zwei" }, { "-930|eins", "-970|zwei" } },
        { { "eins", "zwei", "drei" }, { "-930|eins", "-970|zwei", "-1010|drei" } },
        { { "eins", "zwei", "drei", "vier" }, { "-930|eins", "-970|zwei", "-1010|drei …" } },
    };
    for (const auto& [missing, lines] : rows) {
        SCOPED_TRACE(missing.size());
        ReportInput input = smallReport(Abscissa::ImageHeight);
        input.lens.FrequencyText[8] = "80";
        input.frequencySelected[8] = true;
        input.referenceName = "B";
        input.referenceMissing = missing;
        const RecordingCanvas page = printed(input);
        EXPECT_EQ(page.textsEqual(QStringLiteral("Ortsfrequenz              : 20 120 80 ")).size(), 1U);
        std::vector<QString> below; // the settings column below the weights
        for (const CanvasOp& text : page.texts()) {
            if (text.from.x() == 900 && text.from.y() < -850) {
                below.push_back(QString::number(text.from.y()) + QLatin1Char('|') + text.text);
            }
        }
        EXPECT_EQ(below, lines);
    }
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
