// SPDX-License-Identifier: MIT
#include "ReportOutput.h"

#include "PageCanvas.h"
#include "RecordingCanvas.h"
#include "ReportDrawing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <stdexcept>

void checkReport(const ReportInput& input)
{
    RecordingCanvas dryRun;
    drawReport(dryRun, input);
}

void paintReport(QPaintDevice& device, const ReportInput& input, const QString& target)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error(
            QCoreApplication::translate("ReportOutput", "Der Bericht kann nicht ausgegeben werden: %1")
                .arg(target)
                .toStdString());
    }
    PageCanvas page(painter);
    drawReport(page, input);
    painter.end();
}

QByteArray reportPdf(const ReportInput& input)
{
    checkReport(input);
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(254); // one device unit is 0.1 mm
        writer.setCreator(QStringLiteral("Lumivex"));
        writer.setTitle(QCoreApplication::translate("ReportDrawing", "Lumivex des Objektivs: ")
                        + QString::fromStdString(input.lens.LensName));
        paintReport(writer, input, QStringLiteral("PDF"));
    }
    return document;
}
