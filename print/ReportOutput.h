// SPDX-License-Identifier: MIT
#pragma once

#include "ReportInput.h"

#include <QByteArray>

// The report as a one-page A4 PDF document, rendered in memory, with one
// unit = 0.1 mm and the layout's origin at the page's top-left corner (a
// PDF has no unprintable border). Throws RangeError for a bad selection
// index before anything is rendered.
QByteArray reportPdf(const ReportInput& input);

class QPaintDevice;

// A dry run of the report on a recording canvas: finds a bad input (throws
// RangeError) before a page is opened, so an error never leaves half a
// report behind.
void checkReport(const ReportInput& input);

// Paints the report on a device whose unit is 0.1 mm, the layout's origin
// at the device's origin. Throws std::runtime_error naming target when the
// device cannot be painted on.
void paintReport(QPaintDevice& device, const ReportInput& input, const QString& target);
