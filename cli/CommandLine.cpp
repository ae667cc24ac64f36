// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "BatchExport.h"
#include "CommandArguments.h"
#include "CommandHelp.h"
#include "ComparisonTexts.h"
#include "ConsoleText.h"
#include "CurveComparison.h"
#include "CurvePipeline.h"
#include "CurveProbe.h"
#include "ExitCodes.h"
#include "FiguresCommand.h"
#include "FileExport.h"
#include "FontSetup.h"
#include "JsonValue.h"
#include "LensDataJson.h"
#include "MapExport.h"
#include "Thumbnail.h"
#include "Translation.h"

#include <QGuiApplication>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string translated(const MessageText& message)
{
    return translatedMessage(message).toStdString();
}

int usageError(const UsageError& error)
{
    printError("lumivex: " + translated(error.text) + "\n\n" + usageText() + '\n'
               + QCoreApplication::translate("CommandLine", "Alle Optionen, Formate und Beispiele: lumivex --help\n")
                     .toStdString());
    return ExitUsage;
}

// Reads a lens file; on failure reports "FILE:LINE: message" and returns
// nullopt.
std::optional<LensData> readOrReport(const std::string& path)
{
    auto read = readInputLens(path);
    if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
        printError(failure->text() + '\n');
        return std::nullopt;
    }
    return std::move(std::get<LensData>(read));
}

// Spline warnings are reported as they arise, as the window's message boxes
// would show them, and the computation goes on.
void warnOnStderr(SplineWarning warning)
{
    printError(QCoreApplication::translate("CommandLine", "Warnung: %1")
                   .arg(translatedMessage(splineWarningMessage(warning)))
                   .toStdString()
               + '\n');
}

int runDump(const CommandArguments& arguments)
{
    const std::optional<LensData> loaded = readOrReport(arguments.lensFile);
    if (!loaded) {
        return ExitFailure;
    }
    const LensData& lens = *loaded;
    std::optional<LensData> reference;
    if (!arguments.compareFile.empty()) {
        reference = readOrReport(arguments.compareFile);
        if (!reference) {
            return ExitFailure;
        }
    }

    const auto resolved = resolveSelection(arguments.selection, lens);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return usageError(*error);
    }
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);

    const AbscissaScale scale(lens, selection.abscissa);
    if (arguments.probeAt) {
        if (const int bad = scale.firstNonNumeric()) {
            const SourceText message = selection.abscissa == Abscissa::FNumber
                ? LUMIVEX_TEXT("CommandLine", "Option --at: der Eintrag „%1“ der Blendenzahlen ist keine Zahl")
                : selection.abscissa == Abscissa::Frequency
                ? LUMIVEX_TEXT("CommandLine", "Option --at: der Eintrag „%1“ der Ortsfrequenzen ist keine Zahl")
                : LUMIVEX_TEXT("CommandLine", "Option --at: der Eintrag „%1“ der Abbildungsmaßstäbe ist keine Zahl");
            return usageError(UsageError(MessageText(message, { scale.text(bad) })));
        }
    }
    const std::optional<double> position = arguments.probeAt ? scale.positionOf(*arguments.probeAt) : std::nullopt;

    const SplineWarningSink warn = warnOnStderr;
    JsonValue::Array curves;
    JsonValue::Array probes;
    JsonValue::Array referenceCurves;
    JsonValue::Array referenceProbes;
    JsonValue::Array missing;
    try {
        for (const int frequency : selection.frequencies) {
            CurveSelection fixed = selection.fixed;
            fixed.FrequencyIndex = frequency;
            const ExtractedCurve curve = extractCurve(lens, selection.abscissa, fixed);
            const SeriesCurve sagittal = computeSeries(curve, Series::Sagittal, warn);
            const SeriesCurve tangential = computeSeries(curve, Series::Tangential, warn);
            curves.push_back(curveJson(frequency, curve, sagittal, tangential));
            if (arguments.probeAt) {
                const CurveProbe probe { curve, sagittal.spline, tangential.spline };
                probes.push_back(probeJson(frequency, position ? probeCurve(probe, *position) : std::nullopt));
            }
            if (!reference) {
                continue;
            }
            const ReferenceCurve compared = compareCurve(lens, *reference, selection.abscissa, fixed);
            if (compared.missing) {
                missing.push_back(missingJson(frequency, *compared.missing,
                                              ComparisonTexts::missing(*compared.missing).toStdString()));
                continue;
            }
            const double scaleX = sagittal.samples.ScaleX;
            const SeriesCurve otherSagittal = referenceSeries(compared, Series::Sagittal, scaleX, warn);
            const SeriesCurve otherTangential = referenceSeries(compared, Series::Tangential, scaleX, warn);
            const int otherFrequency = compared.selection.FrequencyIndex;
            referenceCurves.push_back(curveJson(otherFrequency, compared.curve, otherSagittal, otherTangential));
            if (arguments.probeAt) {
                const CurveProbe probe { compared.curve, otherSagittal.spline, otherTangential.spline };
                referenceProbes.push_back(
                    probeJson(otherFrequency, position ? probeCurve(probe, *position) : std::nullopt));
            }
        }
    } catch (const std::exception& error) {
        printError(arguments.lensFile + ": " + errorText(error).toStdString() + '\n');
        return ExitFailure;
    }

    JsonValue::Object document = lensDataJson(lens);
    document.emplace_back("Curves", std::move(curves));
    if (reference) {
        document.emplace_back("Compare",
                              JsonValue::Object {
                                  { "LensName", reference->LensName },
                                  { "Curves", std::move(referenceCurves) },
                                  { "Missing", std::move(missing) },
                              });
    }
    if (arguments.probeAt) {
        JsonValue::Object probe {
            { "Abscissa", abscissaName(selection.abscissa) },
            { "At", *arguments.probeAt },
            { "Position", position ? JsonValue(*position) : JsonValue() },
            { "Curves", std::move(probes) },
        };
        if (reference) {
            probe.emplace_back("CompareCurves", std::move(referenceProbes));
        }
        document.emplace_back("Probe", std::move(probe));
    }
    return printOutput(JsonValue(std::move(document)).serialize() + '\n') ? ExitSuccess : ExitFailure;
}

// Qt's messages during an export go to stderr as usual, except the notice
// that XDG_RUNTIME_DIR is unset: a file export never uses that directory,
// and in containers and build jobs the notice would bury the real output.
void exportMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    printError((qFormatLogMessage(type, context, message) + u'\n').toLocal8Bit().toStdString());
}

// Runs a mode that writes only text (run): in German as it is, in another
// language with the application object that the translation needs.
int withTextApplication(char* programName, Language language, const std::function<int()>& run)
{
    if (language == Language::German) {
        return run();
    }
    int qtArgc = 1;
    char* qtArgv[] = { programName, nullptr };
    QCoreApplication application(qtArgc, qtArgv);
    installTranslations(application, language);
    return run();
}

// Runs an export (run) with the application object it needs, its texts in
// language.
int withExportApplication(char* programName, Language language, const std::function<int()>& run)
{
    // Headless: no display is needed, and none is used when there is one,
    // unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(exportMessageHandler);
    // Qt sees only the program name: the options are ours.
    int qtArgc = 1;
    char* qtArgv[] = { programName, nullptr };
    QGuiApplication application(qtArgc, qtArgv);
    installTranslations(application, language);
    // The platform plugin is loaded now, and the export needs no other:
    // PNG, SVG and PDF output are built into the libraries. Without plugin
    // paths, writing a PNG no longer loads every image-format plugin (JPEG,
    // SVG, TIFF ...) first only to find PNG built in; that took longer
    // than drawing the chart.
    QCoreApplication::setLibraryPaths({});
    installFontSubstitutions();
    return run();
}

int runExport(const CommandArguments& arguments, char* programName)
{
    return withExportApplication(programName, *arguments.language, [&] {
        const std::optional<ExportFailure> failure = arguments.mode == CommandMode::Map
            ? writeMapFile(arguments)
            : exportLensFile(arguments, arguments.lensFile, QString::fromStdString(arguments.outputFile), warnOnStderr);
        if (!failure) {
            return ExitSuccess;
        }
        switch (failure->kind) {
        case ExportFailure::Kind::Selection:
            return usageError(UsageError(failure->message));
        case ExportFailure::Kind::Write:
            printError("lumivex: " + translated(failure->message) + '\n');
            break;
        default:
            printError(failure->text() + '\n');
            break;
        }
        return ExitFailure;
    });
}

// The thumbnail of a file manager: no message but on stderr, and nothing
// written for a file that cannot be read, so the manager shows its own icon.
int runThumbnail(const CommandArguments& arguments, char* programName)
{
    return withExportApplication(programName, *arguments.language, [&] {
        const std::optional<ExportFailure> failure
            = writeThumbnail(arguments.lensFile, arguments.thumbnailSize, QString::fromStdString(arguments.outputFile));
        if (!failure) {
            return ExitSuccess;
        }
        printError(failure->kind == ExportFailure::Kind::Write ? "lumivex: " + translated(failure->message) + '\n'
                                                               : failure->text() + '\n');
        return ExitFailure;
    });
}

// --help, --version and --dump: text on the standard streams only.
int runTextMode(const CommandArguments& command)
{
    switch (command.mode) {
    case CommandMode::Help:
        printOutput(usageText() + '\n' + helpDetails());
        return ExitSuccess;
    case CommandMode::Version:
        printOutput(std::string("lumivex ") + LUMIVEX_VERSION + '\n');
        return ExitSuccess;
    default:
        return runDump(command);
    }
}

} // namespace

std::variant<int, WindowStart> runCommandLine(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    auto parsed = parseArguments(arguments);
    CommandArguments* command = std::get_if<CommandArguments>(&parsed);
    // Chosen once for the whole run, also for a usage error.
    const Language language = chooseLanguage(command ? command->language : requestedLanguage(arguments),
                                             [](const char* name) { return std::getenv(name); });
    char* programName = argc > 0 ? argv[0] : nullptr;
    if (command == nullptr) {
        return withTextApplication(programName, language,
                                   [&parsed] { return usageError(std::get<UsageError>(parsed)); });
    }
    command->language = language;
    switch (command->mode) {
    case CommandMode::Window:
        return WindowStart { language, command->lensFile };
    case CommandMode::Export:
    case CommandMode::Map:
        return runExport(*command, programName);
    case CommandMode::ExportDir:
        return withExportApplication(programName, language, [command] { return runBatchExport(*command); });
    case CommandMode::Thumbnail:
        return runThumbnail(*command, programName);
    case CommandMode::Figures:
        return withTextApplication(programName, language, [command] { return runFigures(*command); });
    default:
        return withTextApplication(programName, language, [command] { return runTextMode(*command); });
    }
}
