// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "Canvas.h"
#include "CurveExtraction.h"
#include "LensData.h"
#include "RangeArray.h"
#include "Spline.h"

#include <optional>

// 1 = the curves of spatial frequency i are drawn, 0 = not (as the check
// boxes are read by the draw command).
using FrequencyFlags = RangeArray<int, 1, LensData::MaxFrequencies>;

// What a draw pass leaves behind for the print command: the selection of
// its most recent extraction (FrequencyIndex set) and that curve's support
// points.
struct LastExtraction
{
    CurveSelection selection;
    ExtractedCurve curve;
};

// The part of the draw command that adds curves to the screen image: for
// every frequency with flag 1, in ascending order, sets FrequencyIndex,
// extracts the curve, rewrites the axis texts and draws the sagittal
// (solid red) and then the tangential (dotted blue) series with their
// markers. With a reference lens, its curves of the same fixed values go
// beneath all of these, on the same axes in the lighter reference style
// (a value it lacks: no curve). Every curve is extracted before anything
// is drawn, so an index outside the tables draws nothing. Neither clears
// nor refreshes. The index of
// the abscissa's own variable in `fixed` is not read. Spline warnings go to
// warn as they arise and drawing goes on. Returns the last extraction, or
// nullopt when no flag is set. Throws RangeError for an index outside the
// data set's tables.
std::optional<LastExtraction> drawSelectedCurves(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                                 const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                                 const AxisTexts& texts, const SplineWarningSink& warn,
                                                 const LensData* reference = nullptr);

// The 250 x 250 screen image as the draw command leaves it in single mode:
// the empty frame for the abscissa, then drawSelectedCurves. Throws as
// drawSelectedCurves.
std::optional<LastExtraction> drawChart(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                        const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                        const AxisTexts& texts, const SplineWarningSink& warn,
                                        const LensData* reference = nullptr);
