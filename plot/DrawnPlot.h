// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "ChartDrawing.h"
#include "ChartExport.h"
#include "CurveExtraction.h"
#include "CurveProbe.h"
#include "LensData.h"

#include <QString>

#include <memory>
#include <vector>

// The abscissa of the curves drawn from one lens, for the readout: the
// scale between axis values and curve abscissae, and the texts of the
// support points.
struct ReadoutAxis
{
    AbscissaScale scale;
    double maxImageHeight = 0.0;
    std::vector<QString> distances; // magnification: the distance label of each entry

    ReadoutAxis(const LensData& lens, Abscissa abscissa);
};

// One curve in the plot, ready to be read at any pixel column.
struct DrawnCurve
{
    std::shared_ptr<const LensData> lens;
    CurveSelection selection; // FrequencyIndex set
    QString label;            // its fixed variables, "10 LP/mm, k 2.8, ß′ 0"
    CurveProbe probe;
    // Horizontal pixels per unit of the curve's abscissa, as it was drawn
    // (ScaleX * AbscissaFactor); 0 when its line could not be drawn.
    double pixelsPerUnit = 0.0;
    double scaleX = 0.0; // the drawing's ScaleX and ScaleY, for the markers' pixels
    double scaleY = 0.0;
    std::shared_ptr<const ReadoutAxis> axis;
};

// One draw command since the plot was last cleared.
struct DrawnPass
{
    CurveSelection fixed;
    PassSource source; // the lens it drew from and the frequencies it drew
};

// What the plot shows since it was last cleared: the draw commands in
// order (what an export needs to draw it again) and the distinct curves in
// the order they were first drawn (what the readout reads). The abscissa
// and the axis texts are those of the last clear; every draw until the next
// clear uses them.
struct DrawnPlot
{
    Abscissa abscissa = Abscissa::ImageHeight;
    AxisTexts texts = initialAxisTexts();
    std::vector<DrawnPass> passes;
    std::vector<DrawnCurve> curves;
    // The reference lens drawn with the curves of the lens shown now (kept
    // across clears), its curve of each of them that it has, on their axes,
    // in the same order, and what it lacks ("Vergleichsobjektiv: keine …",
    // each once).
    std::shared_ptr<const LensData> reference;
    std::vector<DrawnCurve> referenceCurves;
    std::vector<QString> referenceMissing;
};

// The lenses the plot draws from, in the order they were loaded (first
// drawn); the last is the one shown now.
std::vector<const LensData*> drawnLenses(const DrawnPlot& plot);

// The plot was cleared to the empty frame of the abscissa with the texts;
// the reference lens stays.
void clearDrawnPlot(DrawnPlot& plot, Abscissa abscissa, const AxisTexts& texts);

// A draw command drew the curves of every flagged frequency for `fixed`
// from lens over the abscissa (the plot's, since every abscissa change
// clears). A curve already in the plot (same lens and fixed values) is kept
// once; a lens equal to one drawn before counts as that one. The reference
// lens is matched against the curves of this lens only. Throws RangeError
// as the extraction.
void recordDraw(DrawnPlot& plot, const LensData& lens, Abscissa abscissa, const CurveSelection& fixed,
                const FrequencyFlags& frequencies);

// Sets the reference lens (or none) and finds its curves for every curve
// of the lens shown now (the last drawn). Throws RangeError as the
// extraction.
void setDrawnReference(DrawnPlot& plot, std::shared_ptr<const LensData> reference);

// The plot as an export chart: every pass with its lens and frequencies,
// and the reference lens.
// With nothing drawn, one pass without frequencies (the empty frame) for
// `fixed`.
ChartSelection chartOfPlot(const DrawnPlot& plot, const CurveSelection& fixed);

// The fixed variables of a curve, the abscissa's own left out, in the
// order frequency, f-number, image height, magnification:
// "10 LP/mm, k 2.8, y′ 10 mm, ß′ 0".
QString curveLabel(const LensData& lens, Abscissa abscissa, const CurveSelection& selection);
