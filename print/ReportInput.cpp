#include "ReportInput.h"

#include <QLocale>

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
        const ExtractedCurve extracted = ExtractCurve(lens, abscissa, current);
        ReportCurve curve;
        curve.sagittal = ComputeSeries(extracted, Series::Sagittal, warn);
        curve.tangential = ComputeSeries(extracted, Series::Tangential, warn);
        curve.AbscissaFactor = extracted.AbscissaFactor;
        curves.push_back(curve);
    }
    return curves;
}

void stampReport(ReportInput& input, const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    input.dateText = locale.toString(when.date(), QLocale::ShortFormat);
    input.timeText = locale.toString(when.time(), QLocale::ShortFormat);
}
