// SPDX-License-Identifier: MIT
#pragma once

#include "CurveExtraction.h"
#include "LensData.h"
#include "Spline.h"

#include <optional>
#include <string>
#include <vector>

// Converts between a value in the axis's own terms and the abscissa of the
// curves drawn over it (their KnotX scale):
// - f-number, frequency, magnification: the values of the file's list sit
//   at positions 0, 1, 2, ...; between two neighbouring entries the value is
//   linear in the position;
// - image height: percent of the lens's largest image height, and the
//   curves' abscissa is the height in mm (100 % = MaxImageHeight).
class AbscissaScale
{
public:
    AbscissaScale(const LensData& lens, Abscissa abscissa);

    Abscissa abscissa() const { return m_abscissa; }
    // Number of list entries (0 for the image height).
    int count() const { return static_cast<int>(m_values.size()); }
    // The 1-based number of the first list entry that is not a number, or 0.
    int firstNonNumeric() const;
    // The text of list entry i (1-based) as written in the file.
    const std::string& text(int i) const { return m_texts.at(static_cast<std::size_t>(i - 1)); }

    // The curve abscissa of an axis value: for a list, the position found
    // between the first pair of neighbouring entries that encloses x
    // (either order), nullopt outside the list or where an entry of the pair
    // is not a number; for the image height, x / 100 * MaxImageHeight.
    std::optional<double> positionOf(double x) const;
    // The axis value at a curve abscissa, the inverse of positionOf: for a
    // list, linear between the two entries around the position (nullopt
    // outside 0..count-1 or where an entry is not a number); for the image
    // height, the percent of MaxImageHeight (nullopt without a positive one).
    std::optional<double> valueAt(double position) const;

private:
    Abscissa m_abscissa;
    std::vector<std::optional<double>> m_values; // the list, read as numbers
    std::vector<std::string> m_texts;
    double m_maxImageHeight = 0.0;
};

// The modulation of one extracted curve read at a position of its own
// abscissa. Both series share the support points.
struct CurveProbe
{
    ExtractedCurve curve;
    SplineState sagittal; // computed splines, as the samples come from them
    SplineState tangential;
};

// What a probe finds on one curve.
struct ProbeValue
{
    double sag = 0.0;
    double tan = 0.0;
    // The position is a support point (1-based index in the curve): the
    // values are the table's.
    int node = 0;
};

// The first support point that may be read: the curve starts at 0 (an
// image-height curve's mirrored first point is not part of it).
double probeStart(const ExtractedCurve& curve);

// The values at position p. At a support point (p equal to its KnotX within
// 1e-9 relative) they are the table's values; elsewhere within the curve,
// from probeStart to its last support point, the splines' values; outside
// nullopt. Never throws for a curve from extractCurve.
std::optional<ProbeValue> probeCurve(const CurveProbe& probe, double position);

// The table's values at support point i (1-based).
ProbeValue nodeValue(const CurveProbe& probe, int i);

// Extracts the curve and computes both splines (spline warnings go to warn).
// Throws as extractCurve.
CurveProbe makeCurveProbe(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                          const SplineWarningSink& warn = {});
