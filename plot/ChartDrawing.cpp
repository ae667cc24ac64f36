// SPDX-License-Identifier: MIT
#include "ChartDrawing.h"

#include "CurveComparison.h"
#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "PlotFrame.h"

std::optional<LastExtraction> drawSelectedCurves(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                                 const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                                 const AxisTexts& texts, const SplineWarningSink& warn,
                                                 const LensData* reference)
{
    std::optional<LastExtraction> last;
    RangeArray<double, 1, LensData::MaxFrequencies> scaleX; // of each first-lens curve drawn
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (frequencies[i] != 1) {
            continue;
        }
        CurveSelection selection = fixed;
        selection.FrequencyIndex = i;
        const ExtractedCurve curve = extractCurve(lens, abscissa, selection);
        drawAxisTitles(screen, abscissa, texts);
        // Sagittal first: the tangential curve covers it where they meet.
        const SeriesCurve sagittal = computeSeries(curve, Series::Sagittal, warn);
        drawCurve(screen, sagittal, curve.AbscissaFactor, Series::Sagittal);
        drawCurve(screen, computeSeries(curve, Series::Tangential, warn), curve.AbscissaFactor, Series::Tangential);
        scaleX[i] = sagittal.samples.ScaleX;
        last = LastExtraction { selection, curve };
    }
    if (reference == nullptr) {
        return last;
    }
    // The reference lens after all of the first lens's curves, so that
    // those stay in front of it.
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (frequencies[i] != 1) {
            continue;
        }
        CurveSelection selection = fixed;
        selection.FrequencyIndex = i;
        const ReferenceCurve compared = compareCurve(lens, *reference, abscissa, selection);
        if (compared.missing) {
            continue;
        }
        const double factor = compared.curve.AbscissaFactor;
        for (const Series series : { Series::Sagittal, Series::Tangential }) {
            drawSeries(screen, referenceSeries(compared, series, scaleX[i], warn), factor, series,
                       CurveStyle::ScreenReference);
        }
    }
    return last;
}

std::optional<LastExtraction> drawChart(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                        const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                        const AxisTexts& texts, const SplineWarningSink& warn,
                                        const LensData* reference)
{
    drawPlotFrame(screen, abscissa, texts);
    return drawSelectedCurves(screen, lens, abscissa, fixed, frequencies, texts, warn, reference);
}
