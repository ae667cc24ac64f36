// SPDX-License-Identifier: MIT
#include "ChartDrawing.h"

#include "CurveComparison.h"
#include "CurveDrawing.h"
#include "CurvePipeline.h"
#include "PlotFrame.h"

#include <vector>

std::optional<LastExtraction> drawSelectedCurves(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                                 const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                                 const AxisTexts& texts, const SplineWarningSink& warn,
                                                 const LensData* reference)
{
    struct FirstLensCurve
    {
        CurveSelection selection;
        ExtractedCurve curve;
        SeriesCurve sagittal;
        SeriesCurve tangential;
    };
    std::vector<FirstLensCurve> curves;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (frequencies[i] != 1) {
            continue;
        }
        CurveSelection selection = fixed;
        selection.FrequencyIndex = i;
        ExtractedCurve curve = extractCurve(lens, abscissa, selection);
        SeriesCurve sagittal = computeSeries(curve, Series::Sagittal, warn);
        SeriesCurve tangential = computeSeries(curve, Series::Tangential, warn);
        curves.push_back({ selection, std::move(curve), std::move(sagittal), std::move(tangential) });
    }
    // The reference lens goes beneath the first lens's curves, so that
    // these stay in front wherever the two meet (a lens compared with
    // itself would otherwise hide it). Its curves take the horizontal
    // scale of the first lens's curve of the same frequency.
    if (reference != nullptr) {
        for (const FirstLensCurve& first : curves) {
            const ReferenceCurve compared = compareCurve(lens, *reference, abscissa, first.selection);
            if (compared.missing) {
                continue;
            }
            for (const Series series : { Series::Sagittal, Series::Tangential }) {
                drawSeries(screen, referenceSeries(compared, series, first.sagittal.samples.ScaleX, warn),
                           compared.curve.AbscissaFactor, series, CurveStyle::ScreenReference);
            }
        }
    }
    for (const FirstLensCurve& first : curves) {
        drawAxisTitles(screen, abscissa, texts);
        // Sagittal first: the tangential curve covers it where they meet.
        drawCurve(screen, first.sagittal, first.curve.AbscissaFactor, Series::Sagittal);
        drawCurve(screen, first.tangential, first.curve.AbscissaFactor, Series::Tangential);
    }
    if (curves.empty()) {
        return std::nullopt;
    }
    return LastExtraction { curves.back().selection, curves.back().curve };
}

std::optional<LastExtraction> drawChart(Canvas& screen, const LensData& lens, Abscissa abscissa,
                                        const CurveSelection& fixed, const FrequencyFlags& frequencies,
                                        const AxisTexts& texts, const SplineWarningSink& warn,
                                        const LensData* reference)
{
    drawPlotFrame(screen, abscissa, texts);
    return drawSelectedCurves(screen, lens, abscissa, fixed, frequencies, texts, warn, reference);
}
