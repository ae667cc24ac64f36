#pragma once

#include "ReportInput.h"

#include <QString>

class QPrinter;

// Writes the report as a one-page A4 PDF with one unit = 0.1 mm and the
// layout's origin at the page's top-left corner (a PDF has no unprintable
// border). Throws RangeError for a bad selection index (no file is written
// then) and std::runtime_error with a German message when the file cannot
// be written.
void writeReportPdf(const QString& path, const ReportInput& input);

// Prints the report on a printer already set up (by a print dialog or in
// code), the layout's origin at the top-left corner of its printable area.
// Throws as writeReportPdf.
void printReport(QPrinter& printer, const ReportInput& input);
