#include "PrintReport.h"

#include "CurveDrawing.h"
#include "PlotFrame.h"
#include "PlotGeometry.h"

#include <QStringList>

#include <algorithm>

namespace {

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

constexpr int SettingsX = 900;

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

struct SettingsLine
{
    int y;
    QString text; // empty: the place stays empty
};

// The four settings lines; the line of the abscissa's own variable is left
// out and its place stays empty.
std::vector<SettingsLine> settingsLines(const ReportInput& input)
{
    const LensData& lens = input.lens;
    const CurveSelection& s = input.selection;
    std::vector<SettingsLine> lines;
    if (input.abscissa != Abscissa::FNumber) {
        lines.push_back(
            { -500, QStringLiteral("Blende                       : ") + text(lens.FNumberText[s.FNumberIndex]) });
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
        lines.push_back({ -550, QStringLiteral("Ortsfrequenz              : ") + frequencies });
    }
    if (input.abscissa != Abscissa::ImageHeight) {
        lines.push_back(
            { -600,
              QStringLiteral("Bildhöhe                    : ") + text(lens.ImageHeightText[1][s.ImageHeightIndex]) });
    }
    if (input.abscissa != Abscissa::Magnification) {
        lines.push_back(
            { -650, QStringLiteral("Abbildungsmaßstab   : ") + text(lens.MagnificationText[s.MagnificationIndex]) });
    }
    return lines;
}

} // namespace

void PrintPlotGrid(Canvas& page, Abscissa abscissa, const AxisTexts& texts)
{
    using namespace PlotGeometry;
    constexpr int h = 20;
    constexpr int d = GridStep; // 34 screen pixels
    const int bottom = PrintPlotBottom;
    const int right = PrintPlotLeft + PrintPlotWidth;

    for (int i = 1; i <= 4; ++i) {
        const int y = PrintPlotTop - (i * 24 * d) / 10;
        page.setPen(black, 1, PenStyle::Solid);
        DrawRotatedText(page, PrintPlotLeft - (h * 24) / 10, y + ((h / 4) * 24) / 10, QString::number((5 - i) * 20), h,
                        0);
        page.moveTo(PrintPlotLeft - 9, y);
        page.lineTo(PrintPlotLeft, y);
        page.setPen(blue, 1, PenStyle::Dotted);
        page.moveTo(PrintPlotLeft, y);
        page.lineTo(right, y);
        page.setPen(blue, 1, PenStyle::Solid);
    }

    for (int i = 1; i <= 4; ++i) {
        const int x = PrintPlotLeft + (i * d * 24) / 10;
        page.setPen(black, 1, PenStyle::Solid);
        if (abscissa == Abscissa::ImageHeight) {
            DrawRotatedText(page, x - 12, bottom - 12, QString::number(i * 20), h, 0);
        }
        page.moveTo(x, PrintPlotTop - ((PlotAreaHeight + 4) * 24) / 10);
        page.lineTo(x, bottom);
        page.setPen(blue, 1, PenStyle::Dotted);
        page.moveTo(x, PrintPlotTop);
        page.lineTo(x, bottom);
        page.setPen(blue, 1, PenStyle::Solid);
    }

    AxisTexts pageTexts = texts;
    pageTexts.AxisTitleY = QStringLiteral("Modulation [%]");
    DrawAxisTitles(page, DrawTarget::Printer, abscissa, pageTexts);
}

void PrintCurve(Canvas& page, const SeriesCurve& curve, double abscissaFactor, Series series)
{
    // On paper the abscissa takes the factor too, so an image-height curve
    // ends where it ends on the screen.
    DrawSeries(page, curve, abscissaFactor, series, CurveStyle::Page);
}

void PrintReport(Canvas& page, const ReportInput& input)
{
    using namespace PlotGeometry;
    // Every list access first, so a bad index stops before the page is
    // touched.
    const std::vector<SettingsLine> settings = settingsLines(input);
    const LensData& lens = input.lens;

    page.setBrush(white);
    page.setPen(black, 2, PenStyle::Solid);
    page.rectangle(PrintPlotLeft, PrintPlotTop, PrintPlotLeft + PrintPlotWidth, PrintPlotBottom);

    PrintPlotGrid(page, input.abscissa, input.axisTexts);

    writeText(page, 200, -300, QStringLiteral("Lumivex des Objektivs: ") + text(lens.LensName), 50);
    for (const SettingsLine& line : settings) {
        writeText(page, SettingsX, line.y, line.text, 40);
    }
    writeText(page, SettingsX, -750, QStringLiteral("Wellenlänge / rel. Gewichtung "), 40);
    writeText(page, SettingsX, -800, text(lens.WavelengthText), 40);
    writeText(page, SettingsX, -850, text(lens.WeightText), 40);

    for (const ReportCurve& curve : input.curves) {
        PrintCurve(page, curve.sagittal, curve.AbscissaFactor, Series::Sagittal);
        PrintCurve(page, curve.tangential, curve.AbscissaFactor, Series::Tangential);
    }

    writeText(page, 200, -1050, QString(74, QLatin1Char('_')), 40);
    writeText(page, 200, -1110,
              QStringLiteral("     Programm: Lumivex / ") + input.dateText + QStringLiteral("  ") + input.timeText
                  + input.makerText,
              30);
}
