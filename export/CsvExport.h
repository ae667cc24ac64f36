// SPDX-License-Identifier: MIT
#pragma once

#include "ChartExport.h"
#include "LensData.h"
#include "Spline.h"

#include <string>

// The header row of the chart's data (columns separated by ';').
inline constexpr const char* ChartCsvHeader
    = "frequency_index;frequency;f_number;image_height;magnification;series;kind;point;abscissa;modulation_percent";

// The points behind the chart in long form, one row per point, in drawing
// order: per pass and checked frequency the sagittal and then the
// tangential series, each with its support points (kind "node", as in the
// file's tables) and then its 101 spline samples (kind "sample"). The
// abscissa is the curve's own x (list positions 0, 1, ... or image heights
// in mm), not scaled for the plot. Fixed values are the file's texts; the
// column of the abscissa's own variable stays empty. Numbers use a decimal
// point whatever the locale; lines end with LF. With a reference lens a
// first column "lens" says whose the row is (1 the lens, 2 the reference
// lens), and each pass's rows are followed by the reference lens's curves
// of the same values: its fixed values and table values, at the abscissae
// where they are drawn on the lens's axis. Spline warnings go to warn.
// Throws RangeError as the curve extraction does.
std::string chartCsv(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn);
