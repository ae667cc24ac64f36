#include "ReportOutput.h"
#include "ReportTestData.h"

#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Page objects of a PDF ("/Type /Page", not "/Type /Pages").
int pageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    int count = 0;
    auto it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

TEST(ReportOutput, PdfHasOneA4Page)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
    writeReportPdf(path, smallReport());
    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageCount(pdf), 1);
    // A4 in points: 595 x 842.
    EXPECT_TRUE(QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 595"))));
}

TEST(ReportOutput, PrinterWithPdfOutputPrintsOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("drucker.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printReport(printer, smallReport(Abscissa::Magnification));
    const QByteArray pdf = readAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageCount(pdf), 1);
}

TEST(ReportOutput, BadInputWritesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kaputt.pdf"));
    ReportInput input = smallReport();
    input.selection.MagnificationIndex = 10;
    EXPECT_THROW(writeReportPdf(path, input), RangeError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReportOutput, UnwritablePathThrows)
{
    EXPECT_THROW(writeReportPdf(QStringLiteral("/nonexistent-dir/x/bericht.pdf"), smallReport()), std::runtime_error);
}

} // namespace
