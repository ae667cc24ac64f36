#include "ChartExport.h"

#include "ImageCanvas.h"
#include "PainterCanvas.h"
#include "PlotGeometry.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

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
    bool first = true;
    for (const CurveSelection& pass : chart.passes) {
        if (first) {
            DrawChart(screen, lens, chart.abscissa, pass, chart.frequencies, chart.texts, warn);
            first = false;
        } else {
            DrawSelectedCurves(screen, lens, chart.abscissa, pass, chart.frequencies, chart.texts, warn);
        }
    }
}

namespace {

// A painter canvas on which one logical unit is one pixel of the screen
// image, drawn `scale` device pixels large.
CanvasMapping scaledScreen(double scale)
{
    CanvasMapping mapping;
    mapping.pixelsPerUnit = scale;
    mapping.yUp = false;
    mapping.pixelCentres = true;
    mapping.dotLength = 3.0;
    mapping.antialias = true;
    return mapping;
}

} // namespace

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
    PainterCanvas canvas(painter, scaledScreen(scale));
    drawChartPasses(canvas, lens, chart, warn);
    painter.end();
    return image;
}

QByteArray renderChartSvg(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn)
{
    QByteArray document;
    QBuffer buffer(&document);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(PlotGeometry::ImageSize, PlotGeometry::ImageSize));
    generator.setResolution(96); // CSS pixels: the 250 px image is 66.1 mm wide
    generator.setViewBox(QRect(0, 0, PlotGeometry::ImageSize, PlotGeometry::ImageSize));
    generator.setTitle(QStringLiteral("Lumivex des Objektivs: ") + QString::fromStdString(lens.LensName));
    generator.setDescription(QStringLiteral("MTF-Diagramm, erstellt mit Lumivex"));
    QPainter painter(&generator);
    PainterCanvas canvas(painter, scaledScreen(1.0));
    drawChartPasses(canvas, lens, chart, warn);
    painter.end();
    return document;
}
