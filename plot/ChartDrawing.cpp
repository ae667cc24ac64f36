#include "ChartDrawing.h"

#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "PlotFrame.h"

std::optional<LastExtraction> DrawSelectedCurves(Canvas& screen, const LensData& lens, Abscissa abscissa,
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
        const ExtractedCurve curve = ExtractCurve(lens, abscissa, selection);
        DrawAxisTitles(screen, DrawTarget::Screen, abscissa, texts);
        // Sagittal first: the tangential curve covers it where they meet.
        DrawCurve(screen, ComputeSeries(curve, Series::Sagittal, warn), curve.AbscissaFactor, Series::Sagittal);
        DrawCurve(screen, ComputeSeries(curve, Series::Tangential, warn), curve.AbscissaFactor, Series::Tangential);
        last = LastExtraction { selection, curve };
    }
    return last;
}

std::optional<LastExtraction> DrawChart(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                        const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                        const AxisTexts& texts, const SplineWarningSink& warn)
{
    DrawPlotFrame(screen, abscissa, texts);
    return DrawSelectedCurves(screen, lens, abscissa, fixed, frequencies, texts, warn);
}
