// SPDX-License-Identifier: MIT
#include "PlotFileCommands.h"

#include "CsvExport.h"
#include "DialogFolder.h"
#include "ExportFiles.h"
#include "ReportClock.h"
#include "UiServices.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Warnings were shown when the curves were drawn; a second time would only
// repeat them.
const SplineWarningSink Quiet;

} // namespace

std::optional<PlotFileType> plotFileType(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PlotFileType::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PlotFileType::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PlotFileType::Pdf;
    }
    if (suffix == QLatin1String("csv")) {
        return PlotFileType::Csv;
    }
    return std::nullopt;
}

QString plotFileFilter()
{
    const auto name = [](const char* source) { return QCoreApplication::translate("PlotFileCommands", source); };
    return name(QT_TRANSLATE_NOOP("PlotFileCommands", "PNG-Bild")) + QStringLiteral("|*.png|")
        + name(QT_TRANSLATE_NOOP("PlotFileCommands", "SVG-Grafik")) + QStringLiteral("|*.svg|")
        + name(QT_TRANSLATE_NOOP("PlotFileCommands", "PDF-Bericht")) + QStringLiteral("|*.pdf|")
        + name(QT_TRANSLATE_NOOP("PlotFileCommands", "CSV-Werte")) + QStringLiteral("|*.csv");
}

QString suggestedPlotFileName(const LensData& lens, Abscissa abscissa)
{
    QString name = QString::fromStdString(lens.LensName).trimmed();
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("Diagramm");
    }
    const char* code = "y";
    switch (abscissa) {
    case Abscissa::FNumber:
        code = "k";
        break;
    case Abscissa::Frequency:
        code = "lpmm";
        break;
    case Abscissa::Magnification:
        code = "m";
        break;
    case Abscissa::ImageHeight:
        break;
    }
    return name + QLatin1Char('_') + QLatin1String(code) + QStringLiteral(".png");
}

void savePlotCommand(PlotView& view, UiServices& ui, QWidget* parent, const LensData& lens, PlotState& state,
                     int pngScale, const QLocale& locale)
{
    if (lens.FileLoaded <= 0) {
        view.showMessage(PlotController::noFileMessage());
        return;
    }
    const std::optional<QString> path = ui.saveFileName(
        parent, plotFileFilter(), DialogFolder::pathFor(suggestedPlotFileName(lens, view.checkedAbscissa())));
    if (!path) {
        return;
    }
    DialogFolder::remember(*path);
    const std::optional<PlotFileType> type = plotFileType(*path);
    if (!type) {
        view.showMessage(QCoreApplication::translate("PlotFileCommands",
                                                     "Die Datei „%1“ kann nicht geschrieben werden: "
                                                     "Diagramme werden als .png, .svg, .pdf oder .csv gespeichert")
                             .arg(*path));
        return;
    }
    try {
        switch (*type) {
        case PlotFileType::Png:
            writeChartPng(*path, lens, chartOfPlot(state.drawn, state.selection), pngScale, Quiet);
            break;
        case PlotFileType::Svg:
            writeChartSvg(*path, lens, chartOfPlot(state.drawn, state.selection), Quiet);
            break;
        case PlotFileType::Csv:
            writeChartCsv(*path, lens, chartOfPlot(state.drawn, state.selection), Quiet);
            break;
        case PlotFileType::Pdf: {
            // The report the print button prints now.
            const Abscissa abscissa = view.checkedAbscissa();
            PlotController::readFrequencyChecks(view, lens, state);
            PlotController::readChoices(view, abscissa, state.selection);
            writeReportPdf(*path,
                           buildReportInput(lens, abscissa, state.selection, state.FrequencySelected, state.texts,
                                            reportTime(), Quiet, state.drawn.reference.get(), locale));
            break;
        }
        }
    } catch (const WriteError& error) {
        view.showMessage(QString::fromUtf8(error.what()));
    }
}

QImage plotChartImage(const LensData& lens, const PlotState& state, int scale)
{
    return renderChartImage(lens, chartOfPlot(state.drawn, state.selection), scale, Quiet);
}

QString plotValuesText(const LensData& lens, const PlotState& state)
{
    return QString::fromStdString(chartCsv(lens, chartOfPlot(state.drawn, state.selection), Quiet));
}
