// SPDX-License-Identifier: MIT
#include "ChartExport.h"

#include "ImageCanvas.h"
#include "PainterCanvas.h"
#include "PlotGeometry.h"

#include <QPainter>

#include <algorithm>

AxisTexts windowAxisTexts(Abscissa abscissa)
{
    return abscissa == Abscissa::ImageHeight ? initialAxisTexts() : axisTextsFor(abscissa);
}

std::vector<CurveSelection> chartPasses(const LensData& lens, Abscissa abscissa, const CurveSelection& fixed,
                                        bool overlayAll)
{
    if (!overlayAll) {
        return { fixed };
    }
    const bool overMagnification = abscissa == Abscissa::FNumber;
    const int count = overMagnification ? lens.MagnificationCount : lens.FNumberCount;
    std::vector<CurveSelection> passes;
    for (int index = 1; index <= count; ++index) {
        CurveSelection pass = fixed;
        (overMagnification ? pass.MagnificationIndex : pass.FNumberIndex) = index;
        passes.push_back(pass);
    }
    return passes;
}

void drawChartPasses(Canvas& screen, const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn)
{
    const LensData& shown = chart.lensOfPass(chart.passes.size() - 1, lens);
    for (std::size_t i = 0; i < chart.passes.size(); ++i) {
        const LensData& passLens = chart.lensOfPass(i, lens);
        const FrequencyFlags& frequencies = chart.frequenciesOfPass(i);
        // The reference lens is compared with the lens shown now only.
        const LensData* reference = &passLens == &shown ? chart.reference.get() : nullptr;
        if (i == 0) {
            drawChart(screen, passLens, chart.abscissa, chart.passes[i], frequencies, chart.texts, warn, reference);
        } else {
            drawSelectedCurves(screen, passLens, chart.abscissa, chart.passes[i], frequencies, chart.texts, warn,
                               reference);
        }
    }
}

QImage renderChartImage(const LensData& lens, const ChartSelection& chart, int scale, const SplineWarningSink& warn)
{
    const int size = PlotGeometry::ImageSize * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (scale == 1) {
        // The very canvas the window draws on, so the pixels are the screen's.
        ImageCanvas canvas(image);
        drawChartPasses(canvas, lens, chart, warn);
        return image;
    }
    QPainter painter(&image);
    PainterCanvas canvas(painter, scaledScreenMapping(scale));
    drawChartPasses(canvas, lens, chart, warn);
    painter.end();
    return image;
}

QImage renderSmoothChart(const LensData& lens, const ChartSelection& chart, int pixels, const SplineWarningSink& warn)
{
    const int size = std::max(pixels, 1);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, scaledScreenMapping(size / static_cast<double>(PlotGeometry::ImageSize)));
    drawChartPasses(canvas, lens, chart, warn);
    painter.end();
    return image;
}
