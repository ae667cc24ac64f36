// SPDX-License-Identifier: MIT
#pragma once

#include "ReportInput.h"

class QPrinter;

// Prints the report on a printer already set up (by a print dialog or in
// code), the layout's origin at the top-left corner of its printable area.
// Throws RangeError for a bad selection index (nothing is printed then)
// and std::runtime_error when the printer cannot be used.
void printReport(QPrinter& printer, const ReportInput& input);
