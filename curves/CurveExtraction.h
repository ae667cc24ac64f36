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

// Throws RangeError for an index outside the data set's table shapes.
ExtractedCurve ExtractCurve(const LensData& lens, Abscissa abscissa, const CurveSelection& selection);
