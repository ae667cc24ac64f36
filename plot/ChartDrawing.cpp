// SPDX-License-Identifier: MIT
#include "ChartDrawing.h"

#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "PlotFrame.h"

std::optional<LastExtraction> drawSelectedCurves(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                                 const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                                 const AxisTexts& texts, const SplineWarningSink& warn)
{
    std::optional<LastExtraction> last;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (frequencies[i] != 1) {
            continue;
        }
        CurveSelection selection = fixed;
        selection.FrequencyIndex = i;
        const ExtractedCurve curve = extractCurve(lens, abscissa, selection);
        drawAxisTitles(screen, abscissa, texts);
        // Sagittal first: the tangential curve covers it where they meet.
        drawCurve(screen, computeSeries(curve, Series::Sagittal, warn), curve.AbscissaFactor, Series::Sagittal);
        drawCurve(screen, computeSeries(curve, Series::Tangential, warn), curve.AbscissaFactor, Series::Tangential);
        last = LastExtraction { selection, curve };
    }
    return last;
}

std::optional<LastExtraction> drawChart(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                        const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                        const AxisTexts& texts, const SplineWarningSink& warn)
{
    drawPlotFrame(screen, abscissa, texts);
    return drawSelectedCurves(screen, lens, abscissa, fixed, frequencies, texts, warn);
}
