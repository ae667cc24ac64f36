// SPDX-License-Identifier: MIT
#pragma once

#include "ChartExport.h"
#include "LensData.h"
#include "ReportInput.h"
#include "Spline.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

class QIODevice;

// A file that could not be written; the message is German and names it.
struct WriteError : std::runtime_error
{
    explicit WriteError(const QString& path);
};

// Writes a file all or nothing: write fills a new temporary file in the
// target's directory, which replaces the target (an atomic rename) only
// once it is complete. When write throws or a step fails, the target keeps
// its old bytes and the temporary file is removed. A new file gets the
// usual permissions (0666 less the umask), a replaced one keeps its own.
// No disk sync: the rename orders the replacement, and a sync would cost
// more than the whole export. Throws WriteError, or what write throws.
void writeFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write);
void writeFileAtomically(const QString& path, const QByteArray& contents);

// The export files of a chart and of the report, each written all or
// nothing as above. Drawing errors (RangeError) are thrown before the
// target is touched; spline warnings go to warn.
void writeChartPng(const QString& path, const LensData& lens, const ChartSelection& chart, int scale,
                   const SplineWarningSink& warn);
void writeChartSvg(const QString& path, const LensData& lens, const ChartSelection& chart,
                   const SplineWarningSink& warn);
void writeChartCsv(const QString& path, const LensData& lens, const ChartSelection& chart,
                   const SplineWarningSink& warn);
void writeReportPdf(const QString& path, const ReportInput& input);

// The chart as an SVG document with a 250 x 250 viewBox and a title naming
// the lens; the curves at their real coordinates, each series one path.
QByteArray renderChartSvg(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn);
