// SPDX-License-Identifier: MIT
#include "MapExport.h"

#include "ExportFiles.h"
#include "MapDrawing.h"
#include "MapGrid.h"
#include "PngEncoding.h"
#include "Translation.h"

std::optional<ExportFailure> writeMapFile(const CommandArguments& arguments)
{
    using Kind = ExportFailure::Kind;
    const std::string& lensFile = arguments.lensFile;
    auto read = readInputLens(lensFile);
    if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
        return *failure;
    }
    const LensData& lens = std::get<LensData>(read);
    std::optional<LensData> reference;
    if (!arguments.compareFile.empty()) {
        auto other = readInputLens(arguments.compareFile);
        if (const ExportFailure* failure = std::get_if<ExportFailure>(&other)) {
            return *failure;
        }
        reference = std::move(std::get<LensData>(other));
    }
    const auto resolved = resolveSelection(arguments.selection, lens);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return ExportFailure { Kind::Selection, lensFile, error->text };
    }
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);
    MapRequest request;
    request.kind = arguments.mapKind;
    request.field = arguments.figures.field;
    request.selection = selection.fixed;
    request.selection.FrequencyIndex = selection.frequencies.front();

    const QString path = QString::fromStdString(arguments.outputFile);
    const QSize size(arguments.mapWidth, arguments.mapHeight);
    // A map that cannot be made (frequencies not increasing …) writes nothing.
    std::optional<ExportFailure> unavailable;
    const std::optional<ExportFailure> failure = writeForLens(lensFile, [&] {
        const MapScene scene = makeMapScene(lens, request, reference ? &*reference : nullptr);
        if (!scene.model.available()) {
            unavailable = ExportFailure { Kind::Draw, lensFile, *scene.model.unavailable() };
            return;
        }
        switch (arguments.format) {
        case ExportFormat::Svg:
            writeFileAtomically(path, renderMapSvg(scene, size));
            break;
        case ExportFormat::Csv: {
            const bool difference = scene.reference && scene.reference->available();
            writeFileAtomically(
                path, QByteArray::fromStdString(mapCsv(scene.model, difference ? &*scene.reference : nullptr)));
            break;
        }
        default: {
            const QByteArray png = encodePng(renderMapImage(scene, size));
            if (png.isEmpty()) {
                throw WriteError(path);
            }
            writeFileAtomically(path, png);
            break;
        }
        }
    });
    return unavailable ? unavailable : failure;
}
