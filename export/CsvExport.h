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
// point whatever the locale; lines end with LF. With a reference lens, or
// passes of more than one lens, a first column "lens" says whose the row
// is: the passes' lenses numbered from 1 in the order of their first pass,
// the reference lens the number after them (2 with one lens). The rows of
// each pass of the last pass's lens are followed by the reference lens's
// curves of the same values: its fixed values and table values, at the
// abscissae where they are drawn on the lens's axis. Spline warnings go to warn.
// Throws RangeError as the curve extraction does.
std::string chartCsv(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn);
