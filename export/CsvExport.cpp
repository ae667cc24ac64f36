// SPDX-License-Identifier: MIT
#include "CsvExport.h"

#include "CurveComparison.h"
#include "CurvePipeline.h"
#include "LineParsing.h"

#include <algorithm>

namespace {

// The columns before "series" for one pass and frequency.
std::string fixedColumns(const LensData& lens, Abscissa abscissa, const CurveSelection& selection)
{
    const auto unless = [abscissa](Abscissa own, const std::string& text) {
        return abscissa == own ? std::string() : csvField(text);
    };
    const int row = lens.imageHeightRow(selection.FNumberIndex);
    return std::to_string(selection.FrequencyIndex) + ';'
        + unless(Abscissa::Frequency, lens.FrequencyText[selection.FrequencyIndex]) + ';'
        + unless(Abscissa::FNumber, lens.FNumberText[selection.FNumberIndex]) + ';'
        + unless(Abscissa::ImageHeight, lens.ImageHeightText[row][selection.ImageHeightIndex]) + ';'
        + unless(Abscissa::Magnification, lens.MagnificationText[selection.MagnificationIndex]) + ';';
}

void appendSeries(std::string& csv, const std::string& prefix, const SeriesCurve& curve, Series series)
{
    const std::string start = prefix + (series == Series::Sagittal ? "S" : "T") + ';';
    const SplineState& spline = curve.spline;
    for (int j = 1; j <= spline.CurvePointCount; ++j) {
        csv += start + "node;" + std::to_string(j) + ';' + shortestNumber(spline.KnotX[j]) + ';'
            + shortestNumber(spline.KnotY[j]) + '\n';
    }
    const CurveSamples& samples = curve.samples;
    for (int j = 1; j <= CurveSamples::SampleCount; ++j) {
        csv += start + "sample;" + std::to_string(j) + ';' + shortestNumber(samples.CurveSampleX[j]) + ';'
            + shortestNumber(samples.CurveSampleY[j]) + '\n';
    }
}

} // namespace

std::string chartCsv(const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn)
{
    const LensData* reference = chart.reference.get();
    // The lenses in the order of their first pass; the last pass's is the
    // one the reference lens is compared with.
    std::vector<const LensData*> lenses;
    for (std::size_t k = 0; k < chart.passes.size(); ++k) {
        if (std::find(lenses.begin(), lenses.end(), &chart.lensOfPass(k, lens)) == lenses.end()) {
            lenses.push_back(&chart.lensOfPass(k, lens));
        }
    }
    const LensData* shown = &chart.lensOfPass(chart.passes.size() - 1, lens);
    const bool lensColumn = reference != nullptr || lenses.size() > 1;
    const std::string referenceNumber = std::to_string(lenses.size() + 1) + ';';
    std::string csv = (lensColumn ? "lens;" : "") + std::string(ChartCsvHeader) + '\n';
    for (std::size_t k = 0; k < chart.passes.size(); ++k) {
        const LensData& passLens = chart.lensOfPass(k, lens);
        const auto number = std::find(lenses.begin(), lenses.end(), &passLens) - lenses.begin() + 1;
        const std::string first = lensColumn ? std::to_string(number) + ';' : std::string();
        const FrequencyFlags& frequencies = chart.frequenciesOfPass(k);
        RangeArray<double, 1, LensData::MaxFrequencies> scaleX;
        for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
            if (frequencies[i] != 1) {
                continue;
            }
            CurveSelection selection = chart.passes[k];
            selection.FrequencyIndex = i;
            const ExtractedCurve curve = extractCurve(passLens, chart.abscissa, selection);
            const std::string prefix = first + fixedColumns(passLens, chart.abscissa, selection);
            for (const Series series : { Series::Sagittal, Series::Tangential }) {
                const SeriesCurve computed = computeSeries(curve, series, warn);
                scaleX[i] = computed.samples.ScaleX;
                appendSeries(csv, prefix, computed, series);
            }
        }
        if (reference == nullptr || &passLens != shown) {
            continue;
        }
        // As drawn: the reference lens after the pass's own curves.
        for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
            if (frequencies[i] != 1) {
                continue;
            }
            CurveSelection selection = chart.passes[k];
            selection.FrequencyIndex = i;
            const ReferenceCurve compared = compareCurve(passLens, *reference, chart.abscissa, selection);
            if (compared.missing) {
                continue;
            }
            const std::string prefix = referenceNumber + fixedColumns(*reference, chart.abscissa, compared.selection);
            for (const Series series : { Series::Sagittal, Series::Tangential }) {
                appendSeries(csv, prefix, referenceSeries(compared, series, scaleX[i], warn), series);
            }
        }
    }
    return csv;
}
