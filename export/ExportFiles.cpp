// SPDX-License-Identifier: MIT
#include "ExportFiles.h"

#include "ComparisonTexts.h"
#include "CsvExport.h"
#include "PlotGeometry.h"
#include "PngEncoding.h"
#include "ReportOutput.h"
#include "SvgCanvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

WriteError::WriteError(const QString& path)
    : std::runtime_error(QCoreApplication::translate("ExportFiles", "Die Datei „%1“ kann nicht geschrieben werden")
                             .arg(path)
                             .toStdString())
{
}

namespace {

// A new file beside target, opened for writing; -1 when none can be made.
// O_EXCL: an existing file is never taken over.
int createTemporaryBeside(const QString& target, QByteArray& name)
{
    const QFileInfo info(target);
    const QByteArray stem = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Removes the temporary file unless it has been renamed over the target.
struct TemporaryFile
{
    QByteArray name;
    bool kept = false;
    ~TemporaryFile()
    {
        if (!kept && !name.isEmpty()) {
            ::unlink(name.constData());
        }
    }
};

} // namespace

void writeFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat existing
    {
    };
    const bool replaces = ::stat(target.constData(), &existing) == 0;
    if (replaces && !S_ISREG(existing.st_mode)) {
        throw WriteError(path); // a directory or a device is never replaced
    }

    TemporaryFile temporary;
    const int fd = createTemporaryBeside(path, temporary.name);
    if (fd < 0) {
        temporary.name.clear();
        throw WriteError(path);
    }
    {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            throw WriteError(path);
        }
        write(file);
        if (!file.flush() || file.error() != QFileDevice::NoError) {
            throw WriteError(path);
        }
        if (replaces) {
            ::fchmod(fd, existing.st_mode & 07777);
        }
        file.close();
        if (file.error() != QFileDevice::NoError) {
            throw WriteError(path);
        }
    }
    if (std::rename(temporary.name.constData(), target.constData()) != 0) {
        throw WriteError(path);
    }
    temporary.kept = true;
}

void writeFileAtomically(const QString& path, const QByteArray& contents)
{
    writeFileAtomically(path, [&](QIODevice& file) {
        if (file.write(contents) != contents.size()) {
            throw WriteError(path);
        }
    });
}

void writeChartPng(const QString& path, const LensData& lens, const ChartSelection& chart, int scale,
                   const SplineWarningSink& warn)
{
    const QByteArray bytes = encodePng(renderChartImage(lens, chart, scale, warn));
    if (bytes.isEmpty()) {
        throw WriteError(path);
    }
    writeFileAtomically(path, bytes);
}

QByteArray renderChartSvg(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn)
{
    // CSS pixels: the 250 px image is 66.1 mm wide.
    QString name = QString::fromStdString(lens.LensName);
    if (chart.reference) {
        name = ComparisonTexts::lensNames(name, QString::fromStdString(chart.reference->LensName));
    }
    SvgCanvas canvas(QSize(PlotGeometry::ImageSize, PlotGeometry::ImageSize),
                     QCoreApplication::translate("ReportDrawing", "Lumivex des Objektivs: ") + name,
                     QCoreApplication::translate("ExportFiles", "MTF-Diagramm, erstellt mit Lumivex"));
    drawChartPasses(canvas, lens, chart, warn);
    return canvas.document();
}

void writeChartSvg(const QString& path, const LensData& lens, const ChartSelection& chart,
                   const SplineWarningSink& warn)
{
    writeFileAtomically(path, renderChartSvg(lens, chart, warn));
}

void writeChartCsv(const QString& path, const LensData& lens, const ChartSelection& chart,
                   const SplineWarningSink& warn)
{
    writeFileAtomically(path, QByteArray::fromStdString(chartCsv(lens, chart, warn)));
}

void writeReportPdf(const QString& path, const ReportInput& input)
{
    writeFileAtomically(path, reportPdf(input));
}
