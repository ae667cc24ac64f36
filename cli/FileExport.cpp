// SPDX-License-Identifier: MIT
#include "FileExport.h"

#include "ChartExport.h"
#include "CurvePipeline.h"
#include "ExportFiles.h"
#include "LensFileReader.h"
#include "LoadError.h"
#include "ReportClock.h"
#include "ReportInput.h"
#include "Translation.h"

std::string ExportFailure::text() const
{
    return where + ": " + translatedMessage(message).toStdString();
}

std::variant<LensData, ExportFailure> readExportLens(const std::string& path)
{
    using Kind = ExportFailure::Kind;
    try {
        return readLensFile(path, LensData());
    } catch (const FileOpenError& error) {
        return ExportFailure { Kind::Read, path + ":0", error.text() };
    } catch (const LoadError& error) {
        return ExportFailure { Kind::Read, path + ':' + std::to_string(error.line()), error.messageText() };
    }
}

std::optional<ExportFailure> exportLensFile(const CommandArguments& arguments, const std::string& lensFile,
                                            const QString& outputFile, const SplineWarningSink& warn,
                                            std::shared_ptr<const LensData> reference)
{
    using Kind = ExportFailure::Kind;
    auto read = readExportLens(lensFile);
    if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
        return *failure;
    }
    const LensData& lens = std::get<LensData>(read);
    if (!reference && !arguments.compareFile.empty()) {
        auto other = readExportLens(arguments.compareFile);
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
    try {
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
    } catch (const WriteError& error) {
        return ExportFailure { Kind::Write, lensFile, std::string(error.what()) };
    } catch (const std::exception& error) {
        return ExportFailure { Kind::Draw, lensFile, errorText(error).toStdString() };
    }
    return std::nullopt;
}
