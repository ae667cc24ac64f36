// SPDX-License-Identifier: MIT
#include "ReportPrinter.h"

#include "ReportOutput.h"

#include <QPrinter>

void printReport(QPrinter& printer, const ReportInput& input)
{
    checkReport(input);
    paintReport(printer, input, printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
}
