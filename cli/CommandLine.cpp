#include "CommandLine.h"

#include "ChartExport.h"
#include "CommandArguments.h"
#include "CurvePipeline.h"
#include "ExportFiles.h"
#include "FontSetup.h"
#include "JsonValue.h"
#include "LensDataJson.h"
#include "LensFileReader.h"
#include "LoadError.h"
#include "ReportInput.h"

#include <QDateTime>
#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
constexpr const char* HelpHint = "Alle Optionen, Formate und Beispiele: lumivex --help\n";

int usageError(const UsageError& error)
{
    std::cerr << "lumivex: " << error.message << "\n\n" << usageText() << '\n' << HelpHint;
    return ExitUsage;
}

// Reads the lens file; on failure reports FILE:LINE: message and returns
// nullopt.
std::optional<LensData> loadLens(const std::string& path)
{
    try {
        return readLensFile(path, LensData());
    } catch (const FileOpenError& error) {
        std::cerr << path << ":0: " << error.what() << '\n';
    } catch (const LoadError& error) {
        std::cerr << path << ':' << error.line() << ": " << error.message() << '\n';
    }
    return std::nullopt;
}

// Spline warnings are reported as they arise, as the window's message boxes
// would show them, and the computation goes on.
void warnOnStderr(SplineWarning warning)
{
    std::cerr << "Warnung: " << splineWarningText(warning) << '\n';
}

int runDump(const CommandArguments& arguments)
{
    const std::optional<LensData> loaded = loadLens(arguments.lensFile);
    if (!loaded) {
        return ExitFailure;
    }
    const LensData& lens = *loaded;

    const auto resolved = resolveSelection(arguments.selection, lens);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return usageError(*error);
    }
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);

    const SplineWarningSink warn = warnOnStderr;
    JsonValue::Array curves;
    try {
        for (const int frequency : selection.frequencies) {
            CurveSelection fixed = selection.fixed;
            fixed.FrequencyIndex = frequency;
            const ExtractedCurve curve = extractCurve(lens, selection.abscissa, fixed);
            const SeriesCurve sagittal = computeSeries(curve, Series::Sagittal, warn);
            const SeriesCurve tangential = computeSeries(curve, Series::Tangential, warn);
            curves.push_back(curveJson(frequency, curve, sagittal, tangential));
        }
    } catch (const std::exception& error) {
        std::cerr << arguments.lensFile << ": " << error.what() << '\n';
        return ExitFailure;
    }

    JsonValue::Object document = lensDataJson(lens);
    document.emplace_back("Curves", std::move(curves));
    std::cout << JsonValue(std::move(document)).serialize() << '\n';
    std::cout.flush();
    return std::cout ? 0 : ExitFailure;
}

// Everything of --export that needs the application object.
int exportWithApplication(const CommandArguments& arguments, const LensData& lens, const ResolvedSelection& selection)
{
    ChartSelection chart;
    chart.abscissa = selection.abscissa;
    chart.passes = chartPasses(lens, selection.abscissa, selection.fixed, arguments.overlayAll);
    for (const int frequency : selection.frequencies) {
        chart.frequencies[frequency] = 1;
    }
    chart.texts = windowAxisTexts(selection.abscissa);

    const SplineWarningSink warn = warnOnStderr;
    const QString out = QString::fromStdString(arguments.outputFile);
    try {
        switch (arguments.format) {
        case ExportFormat::Png:
            writeChartPng(out, lens, chart, arguments.scale, warn);
            break;
        case ExportFormat::Svg:
            writeChartSvg(out, lens, chart, warn);
            break;
        case ExportFormat::Csv:
            writeChartCsv(out, lens, chart, warn);
            break;
        case ExportFormat::Pdf:
            // The report as the print button prints it right after drawing
            // the selection.
            writeReportPdf(out,
                           buildReportInput(lens, selection.abscissa, selection.fixed, chart.frequencies, chart.texts,
                                            QDateTime::currentDateTime(), warn));
            break;
        }
    } catch (const WriteError& error) {
        std::cerr << "lumivex: " << error.what() << '\n';
        return ExitFailure;
    } catch (const std::exception& error) {
        std::cerr << arguments.lensFile << ": " << error.what() << '\n';
        return ExitFailure;
    }
    return 0;
}

// Qt's messages during an export go to stderr as usual, except the notice
// that XDG_RUNTIME_DIR is unset: a file export never uses that directory,
// and in containers and build jobs the notice would bury the real output.
void exportMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    std::cerr << qFormatLogMessage(type, context, message).toLocal8Bit().constData() << '\n';
}

int runExport(const CommandArguments& arguments, char* programName)
{
    const std::optional<LensData> loaded = loadLens(arguments.lensFile);
    if (!loaded) {
        return ExitFailure;
    }
    const auto resolved = resolveSelection(arguments.selection, *loaded);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return usageError(*error);
    }

    // Headless: no display is needed, and none is used when there is one,
    // unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(exportMessageHandler);
    // Qt sees only the program name: the options are ours.
    int qtArgc = 1;
    char* qtArgv[] = { programName, nullptr };
    const QGuiApplication application(qtArgc, qtArgv);
    // The platform plugin is loaded now, and the export needs no other:
    // PNG, SVG and PDF output are built into the libraries. Without plugin
    // paths, writing a PNG no longer loads every image-format plugin (JPEG,
    // SVG, TIFF ...) first only to find PNG built in; that took longer
    // than drawing the chart.
    QCoreApplication::setLibraryPaths({});
    installFontSubstitutions();
    return exportWithApplication(arguments, *loaded, std::get<ResolvedSelection>(resolved));
}

} // namespace

std::optional<int> runCommandLine(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto parsed = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
        return usageError(*error);
    }
    const CommandArguments& command = std::get<CommandArguments>(parsed);
    switch (command.mode) {
    case CommandMode::Window:
        return std::nullopt;
    case CommandMode::Help:
        std::cout << usageText() << '\n' << helpDetails();
        return 0;
    case CommandMode::Version:
        std::cout << "lumivex " << LUMIVEX_VERSION << '\n';
        return 0;
    case CommandMode::Dump:
        return runDump(command);
    case CommandMode::Export:
        return runExport(command, argc > 0 ? argv[0] : nullptr);
    }
    return std::nullopt;
}
