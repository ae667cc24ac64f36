// SPDX-License-Identifier: MIT
#include "Thumbnail.h"

#include "ChartExport.h"
#include "ExportFiles.h"
#include "PainterCanvas.h"
#include "PlotGeometry.h"
#include "PngEncoding.h"
#include "Translation.h"

#include <QPainter>

QImage renderThumbnail(const LensData& lens, int size)
{
    const ResolvedSelection selection = std::get<ResolvedSelection>(resolveSelection(SelectionOptions(), lens));
    ChartSelection chart;
    chart.abscissa = selection.abscissa;
    chart.passes = { selection.fixed };
    for (const int frequency : selection.frequencies) {
        chart.frequencies[frequency] = 1;
    }
    chart.texts = windowAxisTexts(selection.abscissa);

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, scaledScreenMapping(static_cast<double>(size) / PlotGeometry::ImageSize));
    drawChartPasses(canvas, lens, chart, {});
    painter.end();
    return image;
}

std::optional<ExportFailure> writeThumbnail(const std::string& lensFile, int size, const QString& outputFile)
{
    auto read = readInputLens(lensFile);
    if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
        return *failure;
    }
    return writeForLens(lensFile, [&] {
        const QByteArray png = encodePng(renderThumbnail(std::get<LensData>(read), size));
        if (png.isEmpty()) {
            throw WriteError(outputFile);
        }
        writeFileAtomically(outputFile, png);
    });
}
