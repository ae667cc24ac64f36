// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "Canvas.h"
#include "CurveDrawing.h"
#include "CurveExtraction.h"
#include "CurvePipeline.h"
#include "ReportInput.h"

// Where the report's rows lie on the page: 0.1 mm, y up, origin at the
// top-left corner of the printable area (so every row is negative). The
// diagram itself lies at PlotGeometry's Print* values.
namespace ReportLayout {

inline constexpr int TextLeft = 200; // title, rule and footer
inline constexpr int TitleY = -300;
inline constexpr int SettingsLeft = 900; // settings, wavelengths and weights
inline constexpr int FNumberY = -500;
inline constexpr int FrequencyY = -550;
inline constexpr int ImageHeightY = -600;
inline constexpr int MagnificationY = -650;
inline constexpr int WavelengthHeadingY = -750;
inline constexpr int WavelengthY = -800;
inline constexpr int WeightY = -850;
// What a reference lens lacks, one line each, at most MissingLines.
inline constexpr int MissingY = -930;
inline constexpr int MissingStep = 40;
inline constexpr int MissingLines = 3;
inline constexpr int RuleY = -1050;
inline constexpr int FooterY = -1110;

// Character-cell heights of the report's own texts.
inline constexpr int TitleHeight = 50;
inline constexpr int LineHeight = 40;
inline constexpr int FooterHeight = 30;
// Character height of the diagram's values and axis texts.
inline constexpr int AxisTextHeight = 20;

} // namespace ReportLayout

// The one-page report on a page canvas: frame, grid and axis texts of
// the diagram, title, settings lines, wavelengths and weights, the curves
// of every checked frequency (then the reference lens's, lighter, and what
// it lacks), a rule and the footer. Draws only through the
// canvas. Throws RangeError, before drawing anything, when a selection index
// of a printed settings line lies outside the lists.
void drawReport(Canvas& page, const ReportInput& input);

// Dotted blue grid, black ticks, ordinate values 80 .. 20, abscissa values
// 20 .. 80 (image height only) and the axis texts of the diagram: the range
// and variable texts, and the fixed ordinate title reading upward.
void drawPageGrid(Canvas& page, Abscissa abscissa, const AxisTexts& texts);

// One sampled series on the page: sagittal solid red 0.2 mm wide,
// tangential dotted blue through every fourth sample; then white 0.8 mm
// markers outlined black at the support points except the first.
void drawPageCurve(Canvas& page, const SeriesCurve& curve, double abscissaFactor, Series series,
                   const CurveStyle& style = CurveStyle::Page);
