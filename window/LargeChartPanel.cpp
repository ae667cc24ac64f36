// SPDX-License-Identifier: MIT
#include "LargeChartPanel.h"

#include "ChartExport.h"
#include "ExportFiles.h"
#include "MainWindow.h"
#include "PlotGeometry.h"
#include "PlotReadoutTip.h"
#include "PngEncoding.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// The warnings were shown when the main window drew the curves.
const SplineWarningSink Quiet;

} // namespace

LargeChartPanel::LargeChartPanel(MainWindow& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(tr("Diagramm"));
    setAccessibleDescription(tr("Das Diagramm des Hauptfensters in der Größe dieser Seite; unter dem Mauszeiger "
                                "die Werte aller Kurven, mit ← und → von Stützstelle zu Stützstelle"));
    setMinimumSize(PlotGeometry::ImageSize, PlotGeometry::ImageSize);
    m_readoutTip = new PlotReadoutTip(*this, main.plotState().drawn);
    connect(&main, &MainWindow::plotChanged, this, [this] {
        m_outOfDate = true;
        update();
    });
}

QRect LargeChartPanel::chartRect() const
{
    const int side = std::min(width(), height());
    return { (width() - side) / 2, (height() - side) / 2, side, side };
}

const QImage& LargeChartPanel::chartImage() const
{
    const double ratio = devicePixelRatioF();
    const int pixels = static_cast<int>(std::lround(chartRect().width() * ratio));
    if (m_outOfDate || m_image.width() != pixels || m_image.devicePixelRatio() != ratio) {
        const PlotState& plot = m_main.plotState();
        m_image = renderSmoothChart(m_main.lensData(), chartOfPlot(plot.drawn, plot.selection), pixels, Quiet);
        m_image.setDevicePixelRatio(ratio);
        m_outOfDate = false;
    }
    return m_image;
}

void LargeChartPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(chartRect().topLeft(), chartImage());
}

void LargeChartPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect chart = chartRect();
    m_readoutTip->setChartGeometry(chart.topLeft(), chart.width() / static_cast<double>(PlotGeometry::ImageSize));
}

QStringList LargeChartPanel::saveFilters() const
{
    return { tr("PNG-Bild (*.png)"), tr("SVG-Grafik (*.svg)"), tr("CSV-Werte (*.csv)") };
}

QString LargeChartPanel::suggestedFileName() const
{
    return tr("diagramm") + QStringLiteral(".png");
}

void LargeChartPanel::saveTo(const QString& path) const
{
    const LensData& lens = m_main.lensData();
    const PlotState& plot = m_main.plotState();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        const QByteArray png = encodePng(chartImage());
        if (png.isEmpty()) {
            throw WriteError(path);
        }
        writeFileAtomically(path, png);
    } else if (suffix == QLatin1String("svg")) {
        writeChartSvg(path, lens, chartOfPlot(plot.drawn, plot.selection), Quiet);
    } else if (suffix == QLatin1String("csv")) {
        writeChartCsv(path, lens, chartOfPlot(plot.drawn, plot.selection), Quiet);
    } else {
        throw std::runtime_error(tr("Die Datei „%1“ kann nicht geschrieben werden: das Diagramm wird als .png, .svg "
                                    "oder .csv gespeichert")
                                     .arg(path)
                                     .toStdString());
    }
}

void LargeChartPanel::copyToClipboard() const
{
    QGuiApplication::clipboard()->setImage(chartImage());
}
