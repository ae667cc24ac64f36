// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"
#include "RangeArray.h"

// The variable that runs along the x axis.
enum class Abscissa
{
    FNumber,       // k
    Frequency,     // LP/mm
    ImageHeight,   // y'
    Magnification, // ß'
};

// The fixed values of the selection, 1-based as the panels count.
struct CurveSelection
{
    int FrequencyIndex = 0;
    int FNumberIndex = 0;
    int ImageHeightIndex = 0;
    int MagnificationIndex = 0;
};

// Support points of one curve (both orientations share the abscissae).
struct ExtractedCurve
{
    static constexpr int MaxPoints = 20;

    int CurvePointCount = 0;
    RangeArray<double, 0, MaxPoints> KnotX;
    RangeArray<double, 1, MaxPoints> SagPointValues;
    RangeArray<double, 1, MaxPoints> TanPointValues;
    double AbscissaFactor = 1.0;
};

// The support points of the curve of selection.FrequencyIndex over the
// given abscissa; the other variables are fixed by the selection (the index
// of the abscissa variable itself is not read). The data set is only read.
//
// f-number, frequency, magnification: one support point per entry of the
// list, at its position 0, 1, 2, ...; AbscissaFactor 1.0.
//
// Image height: the m = ImageHeightValidCount[r] usable heights of the
// selected f-number's row r, preceded by the second height mirrored at the
// axis (with the second height's values); n = m + 1. The last usable height
// carries the values stored under the file's last image-height column
// (ImageHeightCount), where the values measured at that height are.
// AbscissaFactor = last usable height / MaxImageHeight. With one height
// there is nothing to mirror: the curve is that single point (n = 1), and
// with none it is empty (n = 0); neither can be drawn as a line.
//
// Throws RangeError for an index outside the data set's table shapes.
ExtractedCurve extractCurve(const LensData& lens, Abscissa abscissa, const CurveSelection& selection);
