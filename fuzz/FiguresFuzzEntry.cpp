// SPDX-License-Identifier: MIT
#include "FuzzCheck.h"
#include "FuzzEntries.h"
#include "FuzzLensInput.h"

#include "LensFigures.h"
#include "MtfThreshold.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The first word of the line as a field shape (the circle when it does not
// parse); the threshold is a fixed 50 %, as every threshold in 0 < P < 100
// takes the same path, and a whole number that a file's value can equal.
FigureOptions readOptions(const std::string& line)
{
    FigureOptions options;
    options.threshold = 50.0;
    std::istringstream words(line);
    std::string field;
    words >> field;
    if (const std::optional<FieldShape> shape = parseFieldShape(field)) {
        options.field = *shape;
        // The text written for a shape reads back as the same shape.
        LUMIVEX_FUZZ_CHECK(parseFieldShape(fieldShapeText(*shape)) == shape);
    }
    return options;
}

// A figure's text reads back as the figure to the 4 decimals it keeps.
void checkWritten(double value)
{
    LUMIVEX_FUZZ_CHECK(std::isfinite(value));
    const double read = std::strtod(formatFigure(value).c_str(), nullptr);
    LUMIVEX_FUZZ_CHECK(std::abs(read - value) <= std::max(0.5e-4, std::abs(value) * 1e-12));
}

void checkThreshold(const std::optional<ThresholdFrequency>& found, double lowest, double highest)
{
    if (!found) {
        return;
    }
    switch (found->kind) {
    case ThresholdFrequency::Kind::At:
        LUMIVEX_FUZZ_CHECK(found->frequency >= lowest);
        LUMIVEX_FUZZ_CHECK(found->frequency <= highest);
        break;
    case ThresholdFrequency::Kind::Below:
        LUMIVEX_FUZZ_CHECK(found->frequency == lowest);
        break;
    case ThresholdFrequency::Kind::Above:
        LUMIVEX_FUZZ_CHECK(found->frequency == highest);
        break;
    }
}

} // namespace

void fuzzFigures(const std::uint8_t* data, std::size_t size)
{
    const FuzzOptionsLine input = splitOptionsLine(std::string(reinterpret_cast<const char*>(data), size));
    const FigureOptions options = readOptions(input.options);
    const std::optional<FuzzLenses> lenses = readFuzzLenses(input.rest);
    if (!lenses) {
        return;
    }
    const LensData& lens = lenses->lens;
    const auto rising = risingFrequencies(lens);
    const auto* frequencies = std::get_if<std::vector<double>>(&rising);

    FiguresRequest request;
    request.options = options;
    std::size_t rows = 0;
    for (int k = 1; k <= lens.FNumberCount; ++k) {
        request.fNumbers.push_back(k);
        for (int m = 1; m <= lens.MagnificationCount; ++m) {
            const LensFigures figures = lensFigures(lens, k, m, options);
            LUMIVEX_FUZZ_CHECK(figures.means.size() == static_cast<std::size_t>(lens.FrequencyCount));
            LUMIVEX_FUZZ_CHECK(figures.thresholds.size() == static_cast<std::size_t>(figures.heightCount));
            for (const FieldMeanRow& row : figures.means) {
                for (const std::optional<double>& mean : { row.sag, row.tan }) {
                    if (mean) {
                        checkWritten(*mean);
                    }
                }
            }
            // Thresholds exist exactly when the frequencies rise, and lie
            // within them.
            LUMIVEX_FUZZ_CHECK(figures.thresholdProblem.has_value() == (frequencies == nullptr));
            for (const ThresholdRow& row : figures.thresholds) {
                if (frequencies == nullptr) {
                    LUMIVEX_FUZZ_CHECK(!row.sag);
                    LUMIVEX_FUZZ_CHECK(!row.tan);
                } else {
                    checkThreshold(row.sag, frequencies->front(), frequencies->back());
                    checkThreshold(row.tan, frequencies->front(), frequencies->back());
                }
            }
            const ReferenceFigures theirs = referenceFigures(lens, figures, lenses->reference, options);
            LUMIVEX_FUZZ_CHECK(theirs.means.size() == figures.means.size());
            LUMIVEX_FUZZ_CHECK(theirs.thresholds.size() == figures.thresholds.size());
            rows += figures.means.size() + figures.thresholds.size();
        }
    }
    for (int m = 1; m <= lens.MagnificationCount; ++m) {
        request.magnifications.push_back(m);
    }
    // One line per figure row, whatever the texts of the file hold.
    const std::string csv = figuresCsvRows("fuzz.mtf", lens, request);
    LUMIVEX_FUZZ_CHECK(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) == rows);
}
