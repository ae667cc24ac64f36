// SPDX-License-Identifier: MIT
#pragma once

#include "CurveExtraction.h"
#include "CurvePipeline.h"
#include "LensData.h"

#include <optional>
#include <string>

// A fixed value of a curve for which the reference lens has no entry.
struct MissingValue
{
    Abscissa variable = Abscissa::Frequency; // the variable whose value is missing
    std::string text;                        // the value as written in the first lens's file, trimmed

    bool operator==(const MissingValue&) const = default;
};

// The reference lens's counterpart of one curve of the first lens.
struct ReferenceCurve
{
    // The reference lens's own indices of the same fixed values
    // (FrequencyIndex set); only meaningful without `missing`.
    CurveSelection selection;
    // The first fixed value (frequency, f-number, image height,
    // magnification, in this order) the reference lens lacks; then the
    // curve is empty.
    std::optional<MissingValue> missing;
    // The reference lens's support points on the first lens's abscissa,
    // ascending; AbscissaFactor is the first lens's curve's, so that both
    // are drawn with one horizontal scale.
    ExtractedCurve curve;
};

// Two values written in two files name the same value: their numbers are
// equal within 1e-6 relative; texts that are no numbers must match exactly
// (blanks around them ignored).
bool sameValue(const std::string& a, const std::string& b);

// The curve of the reference lens that belongs to the first lens's curve
// of `selection` (FrequencyIndex set) over the abscissa: the one whose
// fixed values have the same values in the reference lens.
//
// Its support points are placed on the first lens's abscissa:
// - f-number, frequency, magnification: each entry's value is put at the
//   position it has on the first lens's list (its own position where the
//   value is there, else linear between the two neighbouring entries that
//   enclose it; the list may run either way); values outside the list, or
//   that are no numbers, are left out;
// - image height: the heights in mm as they are (with the mirrored second
//   height first); heights beyond the first lens's largest image height are
//   left out.
// Both lenses are only read. Throws RangeError as extractCurve.
ReferenceCurve compareCurve(const LensData& lens, const LensData& reference, Abscissa abscissa,
                            const CurveSelection& selection);

// One series of a reference curve as it is drawn over the first lens's
// curve: the natural spline through the placed points, sampled as any
// curve, with the first lens's curve's horizontal scale (scaleX, pixels per
// abscissa unit before AbscissaFactor). With fewer than two placed points
// it is not drawable (markers only).
SeriesCurve referenceSeries(const ReferenceCurve& compared, Series series, double scaleX, const SplineWarningSink& warn,
                            int plotAreaWidth = 170, int plotAreaHeight = 170);
