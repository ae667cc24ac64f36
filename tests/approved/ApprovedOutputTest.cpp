// SPDX-License-Identifier: MIT
// Charts and the report as a whole, against outputs a person has looked at
// and accepted (the files beside this one). Any change of the drawing shows
// here: the test fails and writes what it drew as a received file beside
// the approved one; scripts/approve accepts it once it looks right.
#include "ApprovedFile.h"
#include "ExportFiles.h"
#include "LensFileReader.h"
#include "MapDrawing.h"
#include "PlotImage.h"
#include "RecordingCanvas.h"
#include "ReportDrawing.h"
#include "ReportOutput.h"

#include <QImage>
#include <QTextStream>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const LensData Full = readLensFile(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf", LensData {});
const auto Reference = std::make_shared<const LensData>(
    readLensFile(LUMIVEX_SOURCE_DIR "/examples/vergleich-normal-1.8.mtf", LensData {}));

// A selection of the full-size example as the command line makes it:
// f-number 2.8, image height 0 mm and magnification 0 where they are fixed
// (the reference lens has all three).
struct Chart
{
    const char* file;
    Abscissa abscissa;
    std::vector<int> frequencies;
    bool overlayAll = false;
    bool compared = false;
    int scale = 1;
};

ChartSelection selection(const Chart& c)
{
    ChartSelection chart;
    chart.abscissa = c.abscissa;
    chart.passes = chartPasses(Full, c.abscissa, CurveSelection { 0, 3, 1, 1 }, c.overlayAll);
    for (const int q : c.frequencies) {
        chart.frequencies[q] = 1;
    }
    chart.texts = windowAxisTexts(c.abscissa);
    if (c.compared) {
        chart.reference = Reference;
    }
    return chart;
}

const Chart Charts[] = {
    // The window's raster: the eight f-numbers overlaid over the image height.
    { "chart-y-overlay.png", Abscissa::ImageHeight, { 3 }, true },
    // A comparison: the reference lens beneath, lighter, with hollow markers.
    { "chart-lpmm-compared.png", Abscissa::Frequency, { 2 }, false, true },
    // Three times larger: frame and texts crisp, the curves antialiased.
    { "chart-k-compared-x3.png", Abscissa::FNumber, { 2, 5 }, false, true, 3 },
    { "chart-lpmm-compared.svg", Abscissa::Frequency, { 2 }, false, true },
};

TEST(Approved, Charts)
{
    for (const Chart& c : Charts) {
        SCOPED_TRACE(c.file);
        const QString file = QString::fromLatin1(c.file);
        if (file.endsWith(QStringLiteral(".svg"))) {
            expectApproved(file, renderChartSvg(Full, selection(c), {}));
        } else {
            expectApproved(file, renderChartImage(Full, selection(c), c.scale, {}));
        }
    }
    // The window's plot at twice the pixel density: each operation painted
    // on its own, sharp.
    PlotImage plot(2.0);
    drawChartPasses(plot, Full, selection(Charts[0]), {});
    expectApproved(QStringLiteral("window-y-overlay-x2.png"), plot.image());
}

// The three kinds of map: the full-size example over height and frequency
// at the window's default size; the difference to the reference lens over
// height and f-number as SVG (the field one embedded image); the field of a
// 3:2 picture at twice the pixel density, its colour field as sharp.
TEST(Approved, Maps)
{
    const CurveSelection at { 3, 3, 1, 1 }; // 20 LP/mm, f-number 2.8
    expectApproved(QStringLiteral("map-height-frequency.png"),
                   renderMapImage(makeMapScene(Full, { MapKind::HeightFrequency, at, {} }), QSize(800, 450)));
    expectApproved(
        QStringLiteral("map-height-fnumber-compared.svg"),
        renderMapSvg(makeMapScene(Full, { MapKind::HeightFNumber, at, {} }, Reference.get()), QSize(560, 315)));
    expectApproved(
        QStringLiteral("map-field-x2.png"),
        renderMapImage(makeMapScene(Full, { MapKind::Field, at, FieldShape { 3, 2 } }), QSize(400, 225), 2.0));
}

// Over the image height, compared: the reference lens has 10 and 30 LP/mm
// but not 60 and 80 (the last frequency of the table).
ReportInput comparedReport()
{
    FrequencyFlags frequencies;
    frequencies[2] = frequencies[4] = frequencies[7] = frequencies[8] = 1;
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 30), QTimeZone::utc());
    return buildReportInput(Full, Abscissa::ImageHeight, CurveSelection { 0, 3, 1, 1 }, frequencies,
                            windowAxisTexts(Abscissa::ImageHeight), when, {}, Reference.get(),
                            QLocale(QLocale::German, QLocale::Germany));
}

QString colour(const QColor& c)
{
    return !c.isValid() ? QStringLiteral("-") : c.alpha() == 0 ? QStringLiteral("none") : c.name();
}

// One line per operation: its kind and corners (or reference point), the
// pen, brush and fill colour in force, and for a text its font and angle.
QByteArray operationList(const RecordingCanvas& canvas)
{
    static const char* const kinds[] = { "line", "rectangle", "ellipse", "fill", "text", "series" };
    QString out;
    QTextStream line(&out);
    for (const CanvasOp& op : canvas.ops()) {
        line << kinds[static_cast<int>(op.kind)] << ' ' << op.from.x() << ',' << op.from.y() << ' ' << op.to.x() << ','
             << op.to.y() << " pen " << colour(op.penColor) << ' ' << op.penWidth
             << (op.penStyle == PenStyle::Dotted ? " dotted" : "") << " brush " << colour(op.brushColor) << " fill "
             << colour(op.fillColor);
        if (op.kind == CanvasOp::Kind::Text) {
            line << ' ' << op.font.family << ' ' << op.font.height << (op.font.cellHeight ? "c" : "")
                 << (op.font.bold ? " bold" : "") << ' ' << op.angle << '|' << op.text;
        }
        line << '\n';
    }
    line.flush();
    return out.toUtf8();
}

// The report's operations in 0.1 mm, and the page as a printer at 100 dpi
// gets it (A4, the curves and texts antialiased).
TEST(Approved, Report)
{
    const ReportInput input = comparedReport();
    RecordingCanvas operations;
    drawReport(operations, input);
    expectApproved(QStringLiteral("report-y-compared.txt"), operationList(operations));

    QImage page(827, 1169, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    paintReport(page, input, QStringLiteral("test"));
    expectApproved(QStringLiteral("report-y-compared.png"), page);
}

} // namespace
