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

namespace {

// The PDF writer stamps its document with the clock it reads; a report
// stamped with another moment (SOURCE_DATE_EPOCH) takes that one, so that
// the same call makes the same bytes. The date stands once, in the
// document information, as "D:YYYYMMDDHHmmSS" and an offset ("Z" or
// "+HH'mm'"); it is rewritten in UTC with an offset of the same length, so
// that no byte offset of the document moves.
void setCreationDate(QByteArray& pdf, const QDateTime& when)
{
    static const QByteArray Key = "/CreationDate (D:";
    const qsizetype start = pdf.indexOf(Key);
    const qsizetype end = start == -1 ? -1 : pdf.indexOf(')', start);
    if (end < 0 || !when.isValid()) {
        return;
    }
    const qsizetype from = start + Key.size();
    const qsizetype length = end - from;
    const QByteArray digits = when.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    const QByteArray offset = length == digits.size() + 1 ? QByteArray("Z") : QByteArray("+00'00'");
    if (digits.size() + offset.size() == length) {
        pdf.replace(from, length, digits + offset);
    }
}

} // namespace

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
    setCreationDate(document, input.stamped);
    return document;
}
