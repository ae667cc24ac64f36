// SPDX-License-Identifier: MIT
#include "LensFigures.h"

#include "CurveProbe.h"
#include "FieldMean.h"
#include "LineParsing.h"

#include <map>
#include <utility>

namespace {

// The support point of image height j (1-based in the row) in a curve over
// the image height: behind the mirrored point, unless the row has one
// height only.
int supportPointOfHeight(const ExtractedCurve& curve, int j)
{
    return curve.CurvePointCount == 1 ? 1 : j + 1;
}

std::string figureField(const std::optional<double>& value)
{
    return value ? formatFigure(*value) : std::string();
}

std::string figureField(const std::optional<ThresholdFrequency>& value)
{
    return value ? thresholdText(*value) : std::string();
}

} // namespace

LensFigures lensFigures(const LensData& lens, int fNumberIndex, int magnificationIndex, const FigureOptions& options)
{
    LensFigures figures;
    figures.fNumberIndex = fNumberIndex;
    figures.magnificationIndex = magnificationIndex;
    figures.heightRow = lens.imageHeightRow(fNumberIndex);
    figures.heightCount = std::max(lens.ImageHeightValidCount[figures.heightRow], 0);

    // Per height and frequency the values at the support points; sagittal
    // [j][q] and tangential.
    std::vector<std::vector<double>> sag(static_cast<std::size_t>(figures.heightCount));
    std::vector<std::vector<double>> tan(sag.size());
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        const CurveProbe probe
            = makeCurveProbe(lens, Abscissa::ImageHeight, CurveSelection { q, fNumberIndex, 1, magnificationIndex });
        const ExtractedCurve& curve = probe.curve;
        FieldMeanRow row { q, std::nullopt, std::nullopt };
        if (curve.CurvePointCount >= 2) {
            const double radius = curve.KnotX[curve.CurvePointCount];
            row.sag = fieldMean(probe.sagittal, radius, options.field);
            row.tan = fieldMean(probe.tangential, radius, options.field);
        }
        figures.means.push_back(row);
        for (int j = 1; j <= figures.heightCount; ++j) {
            const int point = supportPointOfHeight(curve, j);
            sag[static_cast<std::size_t>(j - 1)].push_back(curve.SagPointValues[point]);
            tan[static_cast<std::size_t>(j - 1)].push_back(curve.TanPointValues[point]);
        }
    }

    const auto frequencies = risingFrequencies(lens);
    if (const auto* problem = std::get_if<MessageText>(&frequencies)) {
        figures.thresholdProblem = *problem;
    }
    const auto* values = std::get_if<std::vector<double>>(&frequencies);
    for (int j = 1; j <= figures.heightCount; ++j) {
        ThresholdRow row { j, std::nullopt, std::nullopt };
        const auto k = static_cast<std::size_t>(j - 1);
        if (values != nullptr && !values->empty()) {
            row.sag = thresholdFrequency(*values, sag[k], options.threshold);
            row.tan = thresholdFrequency(*values, tan[k], options.threshold);
        }
        figures.thresholds.push_back(row);
    }
    return figures;
}

ReferenceFigures referenceFigures(const LensData& lens, const LensFigures& figures, const LensData& reference,
                                  const FigureOptions& options)
{
    ReferenceFigures result;
    // The reference lens's figures at its f-number and magnification of the
    // same values, each computed once.
    std::map<std::pair<int, int>, LensFigures> computed;
    const auto figuresOf = [&](const CurveSelection& own) -> const LensFigures& {
        const auto key = std::make_pair(own.FNumberIndex, own.MagnificationIndex);
        auto found = computed.find(key);
        if (found == computed.end()) {
            found = computed.emplace(key, lensFigures(reference, key.first, key.second, options)).first;
            result.thresholdProblem = found->second.thresholdProblem;
        }
        return found->second;
    };

    for (const FieldMeanRow& row : figures.means) {
        const CurveSelection selection { row.frequencyIndex, figures.fNumberIndex, 1, figures.magnificationIndex };
        const ReferenceCurve compared = compareCurve(lens, reference, Abscissa::ImageHeight, selection);
        MatchedRow<FieldMeanRow> match { compared.missing, {} };
        if (!match.missing) {
            match.row = figuresOf(compared.selection)
                            .means.at(static_cast<std::size_t>(compared.selection.FrequencyIndex - 1));
        }
        result.means.push_back(match);
    }
    for (const ThresholdRow& row : figures.thresholds) {
        const CurveSelection selection { 1, figures.fNumberIndex, row.heightIndex, figures.magnificationIndex };
        const ReferenceCurve compared = compareCurve(lens, reference, Abscissa::Frequency, selection);
        MatchedRow<ThresholdRow> match { compared.missing, {} };
        if (!match.missing) {
            const LensFigures& own = figuresOf(compared.selection);
            const int j = compared.selection.ImageHeightIndex;
            if (j >= 1 && j <= own.heightCount) {
                match.row = own.thresholds.at(static_cast<std::size_t>(j - 1));
            } else {
                // A height of B's list that is not a usable height of B's curve.
                match.missing = MissingValue { Abscissa::ImageHeight, figures.heightText(lens, row.heightIndex) };
            }
        }
        result.thresholds.push_back(match);
    }
    return result;
}

std::string thresholdFigureName(double threshold)
{
    return "mtf" + shortestNumber(threshold);
}

std::string figuresCsvRows(const std::string& file, const LensData& lens, const FiguresRequest& request)
{
    std::vector<LensFigures> all;
    for (const int f : request.fNumbers) {
        for (const int m : request.magnifications) {
            all.push_back(lensFigures(lens, f, m, request.options));
        }
    }
    // The reader keeps the blanks a name may end in.
    const std::size_t first = lens.LensName.find_first_not_of(' ');
    const std::string name = first == std::string::npos
        ? std::string()
        : lens.LensName.substr(first, lens.LensName.find_last_not_of(' ') - first + 1);
    const std::string start = csvField(file) + ';' + csvField(name) + ';';
    const auto fixed = [&lens](const LensFigures& figures) {
        return csvField(lens.FNumberText[figures.fNumberIndex]) + ';'
            + csvField(lens.MagnificationText[figures.magnificationIndex]) + ';';
    };
    std::string csv;
    for (const LensFigures& figures : all) {
        const std::string prefix = start + "field_mean;" + fixed(figures);
        const std::string radius = ';' + csvField(figures.radiusText(lens)) + ';';
        for (const FieldMeanRow& row : figures.means) {
            csv += prefix + csvField(lens.FrequencyText[row.frequencyIndex]) + radius + figureField(row.sag) + ';'
                + figureField(row.tan) + '\n';
        }
    }
    const std::string figure = thresholdFigureName(request.options.threshold);
    for (const LensFigures& figures : all) {
        const std::string prefix = start + figure + ';' + fixed(figures) + ';';
        for (const ThresholdRow& row : figures.thresholds) {
            csv += prefix + csvField(figures.heightText(lens, row.heightIndex)) + ';' + figureField(row.sag) + ';'
                + figureField(row.tan) + '\n';
        }
    }
    return csv;
}
