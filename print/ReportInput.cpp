// SPDX-License-Identifier: MIT
#include "ReportInput.h"

#include "ComparisonTexts.h"
#include "CurveComparison.h"

#include <QLocale>

#include <algorithm>

std::vector<ReportCurve> computeReportCurves(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                                             const RangeArray<bool, 1, LensData::MaxFrequencies>& frequencySelected,
                                             const SplineWarningSink& warn)
{
    std::vector<ReportCurve> curves;
    for (int k = 1; k <= LensData::MaxFrequencies; ++k) {
        if (!frequencySelected[k]) {
            continue;
        }
        CurveSelection current = selection;
        current.FrequencyIndex = k;
        const ExtractedCurve extracted = extractCurve(lens, abscissa, current);
        ReportCurve curve;
        curve.sagittal = computeSeries(extracted, Series::Sagittal, warn);
        curve.tangential = computeSeries(extracted, Series::Tangential, warn);
        curve.AbscissaFactor = extracted.AbscissaFactor;
        curves.push_back(curve);
    }
    return curves;
}

ReportInput buildReportInput(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                             const FrequencyFlags& frequencies, const AxisTexts& texts, const QDateTime& now,
                             const SplineWarningSink& warn, const LensData* reference, const QLocale& locale)
{
    ReportInput input;
    input.lens = lens;
    input.abscissa = abscissa;
    input.selection = selection;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        input.frequencySelected[i] = frequencies[i] == 1;
    }
    input.axisTexts = texts;
    stampReport(input, now, locale);
    input.curves = computeReportCurves(lens, abscissa, selection, input.frequencySelected, warn);
    if (reference == nullptr) {
        return input;
    }
    input.referenceName = reference->LensName;
    std::size_t drawn = 0; // the first lens's curve of frequency k
    for (int k = 1; k <= LensData::MaxFrequencies; ++k) {
        if (!input.frequencySelected[k]) {
            continue;
        }
        CurveSelection current = selection;
        current.FrequencyIndex = k;
        const ReferenceCurve compared = compareCurve(lens, *reference, abscissa, current);
        const double scaleX = input.curves[drawn++].sagittal.samples.ScaleX;
        if (compared.missing) {
            ComparisonTexts::addMissing(input.referenceMissing, *compared.missing);
            continue;
        }
        input.referenceCurves.push_back({ referenceSeries(compared, Series::Sagittal, scaleX, warn),
                                          referenceSeries(compared, Series::Tangential, scaleX, warn),
                                          compared.curve.AbscissaFactor });
    }
    return input;
}

void stampReport(ReportInput& input, const QDateTime& when, const QLocale& locale)
{
    input.dateText = locale.toString(when.date(), QLocale::ShortFormat);
    input.timeText = locale.toString(when.time(), QLocale::ShortFormat);
    input.stamped = when;
}
