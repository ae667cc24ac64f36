// SPDX-License-Identifier: MIT
#include "FileExport.h"

#include "ChartExport.h"
#include "CommandOptions.h"
#include "CurvePipeline.h"
#include "ExportFiles.h"
#include "LensFileReader.h"
#include "LoadError.h"
#include "ReportClock.h"
#include "ReportInput.h"
#include "Translation.h"

#include <algorithm>

namespace {

// range: the valid range, %1 its end, and the list of the file it counts.
std::optional<UsageError> checkIndex(const char* option, int index, int count, SourceText range)
{
    if (index > count) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1: %2 liegt außerhalb von %3"),
                     { std::string(option), index, MessageText(range, { count }) });
    }
    return std::nullopt;
}

} // namespace

std::string ExportFailure::text() const
{
    return where + ": " + translatedMessage(message).toStdString();
}

std::optional<ExportFailure> writeForLens(const std::string& lensFile, const std::function<void()>& write)
{
    try {
        write();
    } catch (const WriteError& error) {
        return ExportFailure { ExportFailure::Kind::Write, lensFile, std::string(error.what()) };
    } catch (const std::exception& error) {
        return ExportFailure { ExportFailure::Kind::Draw, lensFile, errorText(error).toStdString() };
    }
    return std::nullopt;
}

std::variant<LensData, ExportFailure> readInputLens(const std::string& path)
{
    using Kind = ExportFailure::Kind;
    try {
        return readLensFile(path, LensData());
    } catch (const FileOpenError& error) {
        // No line to name: the file and why it cannot be read.
        return ExportFailure { Kind::Read, path, error.causeText() };
    } catch (const LoadError& error) {
        return ExportFailure { Kind::Read, path + ':' + std::to_string(error.line()), error.messageText() };
    }
}

std::variant<ResolvedSelection, UsageError> resolveSelection(const SelectionOptions& options, const LensData& lens)
{
    ResolvedSelection resolved;
    resolved.abscissa = options.abscissa;
    resolved.fixed.FNumberIndex = options.fNumber.value_or(1);
    resolved.fixed.ImageHeightIndex = options.imageHeight.value_or(1);
    resolved.fixed.MagnificationIndex = options.magnification.value_or(1);
    // The window starts with the second frequency checked; a file with a
    // single frequency has only the first.
    resolved.frequencies
        = options.frequencies.empty() ? std::vector<int> { std::min(2, lens.FrequencyCount) } : options.frequencies;

    std::optional<UsageError> error = checkIndex("--f-number", resolved.fixed.FNumberIndex, lens.FNumberCount,
                                                 LUMIVEX_TEXT("CommandArguments", "1..%1 (Blendenzahlen der Datei)"));
    if (!error) {
        error = checkIndex("--image-height", resolved.fixed.ImageHeightIndex, lens.ImageHeightCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Bildhöhen der Datei)"));
    }
    if (!error) {
        error = checkIndex("--magnification", resolved.fixed.MagnificationIndex, lens.MagnificationCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Abbildungsmaßstäbe der Datei)"));
    }
    if (!error) {
        error = checkIndex("--frequencies", resolved.frequencies.back(), lens.FrequencyCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Ortsfrequenzen der Datei)"));
    }
    if (error) {
        return *error;
    }
    return resolved;
}

std::optional<ExportFailure> exportLensFile(const CommandArguments& arguments, const std::string& lensFile,
                                            const QString& outputFile, const SplineWarningSink& warn,
                                            std::shared_ptr<const LensData> reference)
{
    using Kind = ExportFailure::Kind;
    auto read = readInputLens(lensFile);
    if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
        return *failure;
    }
    const LensData& lens = std::get<LensData>(read);
    if (!reference && !arguments.compareFile.empty()) {
        auto other = readInputLens(arguments.compareFile);
        if (const ExportFailure* failure = std::get_if<ExportFailure>(&other)) {
            return *failure;
        }
        reference = std::make_shared<const LensData>(std::move(std::get<LensData>(other)));
    }
    const auto resolved = resolveSelection(arguments.selection, lens);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return ExportFailure { Kind::Selection, lensFile, error->text };
    }
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);

    ChartSelection chart;
    chart.abscissa = selection.abscissa;
    chart.passes = chartPasses(lens, selection.abscissa, selection.fixed, arguments.overlayAll);
    for (const int frequency : selection.frequencies) {
        chart.frequencies[frequency] = 1;
    }
    chart.texts = windowAxisTexts(selection.abscissa);
    chart.reference = reference;
    return writeForLens(lensFile, [&] {
        switch (arguments.format) {
        case ExportFormat::Png:
            writeChartPng(outputFile, lens, chart, arguments.scale, warn);
            break;
        case ExportFormat::Svg:
            writeChartSvg(outputFile, lens, chart, warn);
            break;
        case ExportFormat::Csv:
            writeChartCsv(outputFile, lens, chart, warn);
            break;
        case ExportFormat::Pdf:
            // The report as the print button prints it right after drawing
            // the selection.
            writeReportPdf(outputFile,
                           buildReportInput(lens, selection.abscissa, selection.fixed, chart.frequencies, chart.texts,
                                            reportTime(), warn, reference.get(),
                                            languageLocale(arguments.language.value_or(Language::German))));
            break;
        }
    });
}
