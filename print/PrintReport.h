#pragma once

#include "AxisTexts.h"
#include "Canvas.h"
#include "CurveExtraction.h"
#include "CurvePipeline.h"
#include "ReportInput.h"

// The one-page report on a page canvas (0.1 mm, y up, origin at the
// top-left corner of the printable area): frame, grid and axis texts of
// the diagram, title, settings lines, wavelengths and weights, the curves
// of every checked frequency, a rule and the footer. Draws only through the
// canvas. Throws RangeError, before drawing anything, when a selection index
// of a printed settings line lies outside the lists.
void PrintReport(Canvas& page, const ReportInput& input);

// Dotted blue grid, black ticks, ordinate values 80 .. 20, abscissa values
// 20 .. 80 (image height only) and the three axis texts of the diagram.
void PrintPlotGrid(Canvas& page, Abscissa abscissa, const AxisTexts& texts);

// One sampled series on the page: sagittal solid red 0.2 mm wide,
// tangential dotted blue through every fourth sample; then white 0.8 mm
// markers outlined black at the support points except the first.
void PrintCurve(Canvas& page, const SeriesCurve& curve, double abscissaFactor, Series series);
