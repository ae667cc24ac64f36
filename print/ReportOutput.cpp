#include "ReportOutput.h"

#include "PageCanvas.h"
#include "PrintReport.h"
#include "RecordingCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <stdexcept>

namespace {

// A dry run on a recording canvas finds a bad input before a page is
// opened, so an error never leaves half a report behind.
void checkReport(const ReportInput& input)
{
    RecordingCanvas dryRun;
    PrintReport(dryRun, input);
}

void paintReport(QPaintDevice& device, const ReportInput& input, const QString& target)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error(("Der Bericht kann nicht ausgegeben werden: " + target).toStdString());
    }
    PageCanvas page(painter);
    PrintReport(page, input);
    painter.end();
}

} // namespace

void writeReportPdf(const QString& path, const ReportInput& input)
{
    checkReport(input);
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(254); // one device unit is 0.1 mm
    writer.setCreator(QStringLiteral("Lumivex"));
    writer.setTitle(QStringLiteral("Lumivex des Objektivs: ") + QString::fromStdString(input.lens.LensName));
    paintReport(writer, input, path);
}

void printReport(QPrinter& printer, const ReportInput& input)
{
    checkReport(input);
    paintReport(printer, input, printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
}
