// SPDX-License-Identifier: MIT
#include "ReportDrawing.h"

#include "ComparisonTexts.h"
#include "CurveDrawing.h"
#include "FontSetup.h"
#include "PlotFrame.h"
#include "PlotGeometry.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);
const QColor white(255, 255, 255);

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The report's own texts are set in the character-cell height, as the
// canvas font of the page.
void writeText(Canvas& page, int x, int y, const QString& line, int cellHeight)
{
    CanvasFont font;
    font.family = QStringLiteral("Arial");
    font.height = cellHeight;
    font.cellHeight = true;
    page.text(x, y, line, font);
}

// The rule under the page's content: the title never runs beyond it.
const QString Rule(74, QLatin1Char('_'));

// The width of a line of the report's own texts in 0.1 mm, measured with
// the font the page sets (at ten pixels per unit, so hinting stays small).
double textWidth(const QString& line, int cellHeight)
{
    constexpr double pixelsPerUnit = 10.0;
    CanvasFont font;
    font.family = QStringLiteral("Arial");
    font.height = cellHeight;
    font.cellHeight = true;
    return QFontMetricsF(makeCanvasFont(font, pixelsPerUnit, true)).horizontalAdvance(line) / pixelsPerUnit;
}

// A title that would run past the rule (two lens names compared, or one
// long name) is set smaller until it ends there; a title that fits keeps
// the title height.
int titleCellHeight(const QString& title)
{
    using namespace ReportLayout;
    const double room = textWidth(Rule, LineHeight);
    const double width = textWidth(title, TitleHeight);
    if (width <= room) {
        return TitleHeight;
    }
    return std::max(LineHeight / 2, static_cast<int>(TitleHeight * room / width));
}

struct SettingsLine
{
    int y;
    QString text;
};

// The four settings lines; the line of the abscissa's own variable is left
// out and its place stays empty.
std::vector<SettingsLine> settingsLines(const ReportInput& input)
{
    using namespace ReportLayout;
    const LensData& lens = input.lens;
    const CurveSelection& s = input.selection;
    std::vector<SettingsLine> lines;
    if (input.abscissa != Abscissa::FNumber) {
        lines.push_back({ FNumberY,
                          QCoreApplication::translate("ReportDrawing", "Blende                       : ")
                              + text(lens.FNumberText[s.FNumberIndex]) });
    }
    if (input.abscissa != Abscissa::Frequency) {
        // Each frequency's whole text: a three-digit frequency must not
        // lose its last digit.
        QString frequencies;
        for (int k = 1; k <= LensData::MaxFrequencies; ++k) {
            if (input.frequencySelected[k]) {
                frequencies += text(lens.FrequencyText[k]) + QLatin1Char(' ');
            }
        }
        lines.push_back(
            { FrequencyY, QCoreApplication::translate("ReportDrawing", "Ortsfrequenz              : ") + frequencies });
    }
    if (input.abscissa != Abscissa::ImageHeight) {
        lines.push_back({ ImageHeightY,
                          QCoreApplication::translate("ReportDrawing", "Bildhöhe                    : ")
                              + text(lens.ImageHeightText[1][s.ImageHeightIndex]) });
    }
    if (input.abscissa != Abscissa::Magnification) {
        lines.push_back({ MagnificationY,
                          QCoreApplication::translate("ReportDrawing", "Abbildungsmaßstab   : ")
                              + text(lens.MagnificationText[s.MagnificationIndex]) });
    }
    return lines;
}

// The range text under the diagram, the variable text above it and the
// fixed ordinate title, which reads upward (-90 on the y-up page).
void drawPageAxisTitles(Canvas& page, const AxisTexts& texts)
{
    using namespace PlotGeometry;
    constexpr int height = ReportLayout::AxisTextHeight;
    drawRotatedText(page, PrintPlotLeft + 24, PrintPlotTop - screenToPage(PlotAreaHeight + 20), texts.AxisRangeText,
                    height, 0);
    drawRotatedText(page, PrintPlotLeft + 24, PrintPlotTop + 57, texts.AxisVariableText, height, 0);
    drawRotatedText(page, PrintPlotLeft - 96, PrintPlotTop - screenToPage(PlotAreaHeight - 60),
                    QStringLiteral("Modulation [%]"), height, -90);
}

} // namespace

void drawPageGrid(Canvas& page, Abscissa abscissa, const AxisTexts& texts)
{
    using namespace PlotGeometry;
    constexpr int h = ReportLayout::AxisTextHeight;
    constexpr int d = GridStep; // 34 screen pixels
    const int bottom = PrintPlotBottom;
    const int right = PrintPlotLeft + PrintPlotWidth;

    for (int i = 1; i <= 4; ++i) {
        const int y = PrintPlotTop - screenToPage(i * d);
        page.setPen(black, 1, PenStyle::Solid);
        drawRotatedText(page, PrintPlotLeft - screenToPage(h), y + screenToPage(h / 4), QString::number((5 - i) * 20),
                        h, 0);
        page.moveTo(PrintPlotLeft - 9, y);
        page.lineTo(PrintPlotLeft, y);
        page.setPen(blue, 1, PenStyle::Dotted);
        page.moveTo(PrintPlotLeft, y);
        page.lineTo(right, y);
        page.setPen(blue, 1, PenStyle::Solid);
    }

    for (int i = 1; i <= 4; ++i) {
        const int x = PrintPlotLeft + screenToPage(i * d);
        page.setPen(black, 1, PenStyle::Solid);
        if (abscissa == Abscissa::ImageHeight) {
            drawRotatedText(page, x - 12, bottom - 12, QString::number(i * 20), h, 0);
        }
        page.moveTo(x, PrintPlotTop - screenToPage(PlotAreaHeight + 4));
        page.lineTo(x, bottom);
        page.setPen(blue, 1, PenStyle::Dotted);
        page.moveTo(x, PrintPlotTop);
        page.lineTo(x, bottom);
        page.setPen(blue, 1, PenStyle::Solid);
    }

    drawPageAxisTitles(page, texts);
}

void drawPageCurve(Canvas& page, const SeriesCurve& curve, double abscissaFactor, Series series,
                   const CurveStyle& style)
{
    // On paper the abscissa takes the factor too, so an image-height curve
    // ends where it ends on the screen.
    drawSeries(page, curve, abscissaFactor, series, style);
}

void drawReport(Canvas& page, const ReportInput& input)
{
    using namespace PlotGeometry;
    using namespace ReportLayout;
    // Every list access first, so a bad index stops before the page is
    // touched.
    const std::vector<SettingsLine> settings = settingsLines(input);
    const LensData& lens = input.lens;

    page.setBrush(white);
    page.setPen(black, 2, PenStyle::Solid);
    page.rectangle(PrintPlotLeft, PrintPlotTop, PrintPlotLeft + PrintPlotWidth, PrintPlotBottom);

    drawPageGrid(page, input.abscissa, input.axisTexts);

    const QString name = input.referenceName.empty()
        ? text(lens.LensName)
        : ComparisonTexts::lensNames(text(lens.LensName), text(input.referenceName));
    const QString title = QCoreApplication::translate("ReportDrawing", "Lumivex des Objektivs: ") + name;
    writeText(page, TextLeft, TitleY, title, titleCellHeight(title));
    for (const SettingsLine& line : settings) {
        writeText(page, SettingsLeft, line.y, line.text, LineHeight);
    }
    writeText(page, SettingsLeft, WavelengthHeadingY,
              QCoreApplication::translate("ReportDrawing", "Wellenlänge / rel. Gewichtung "), LineHeight);
    writeText(page, SettingsLeft, WavelengthY, text(lens.WavelengthText), LineHeight);
    writeText(page, SettingsLeft, WeightY, text(lens.WeightText), LineHeight);

    // The reference lens beneath, so that the first lens's curves stay in
    // front where the two meet.
    for (const ReportCurve& curve : input.referenceCurves) {
        drawPageCurve(page, curve.sagittal, curve.AbscissaFactor, Series::Sagittal, CurveStyle::PageReference);
        drawPageCurve(page, curve.tangential, curve.AbscissaFactor, Series::Tangential, CurveStyle::PageReference);
    }
    for (const ReportCurve& curve : input.curves) {
        drawPageCurve(page, curve.sagittal, curve.AbscissaFactor, Series::Sagittal);
        drawPageCurve(page, curve.tangential, curve.AbscissaFactor, Series::Tangential);
    }
    const std::size_t missingLines = std::min<std::size_t>(input.referenceMissing.size(), MissingLines);
    for (std::size_t k = 0; k < missingLines; ++k) {
        QString line = input.referenceMissing[k];
        if (k + 1 == MissingLines && input.referenceMissing.size() > MissingLines) {
            line += QStringLiteral(" …");
        }
        writeText(page, SettingsLeft, MissingY - static_cast<int>(k) * MissingStep, line, LineHeight);
    }

    writeText(page, TextLeft, RuleY, Rule, LineHeight);
    writeText(page, TextLeft, FooterY,
              QCoreApplication::translate("ReportDrawing", "     Programm: Lumivex / ") + input.dateText
                  + QStringLiteral("  ") + input.timeText + input.makerText,
              FooterHeight);
}
