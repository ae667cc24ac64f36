// SPDX-License-Identifier: MIT
#include "MtfThreshold.h"

#include "LineParsing.h"

#include <cmath>

ThresholdFrequency thresholdFrequency(const std::vector<double>& frequencies, const std::vector<double>& modulation,
                                      double threshold)
{
    using Kind = ThresholdFrequency::Kind;
    const std::size_t n = std::min(frequencies.size(), modulation.size());
    if (n == 0) {
        return { Kind::Above, 0.0 };
    }
    if (modulation[0] == threshold) {
        return { Kind::At, frequencies[0] };
    }
    if (modulation[0] < threshold) {
        return { Kind::Below, frequencies[0] };
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double high = modulation[i];
        const double low = modulation[i + 1];
        if (high > threshold && threshold >= low) {
            const double f = frequencies[i] + (frequencies[i + 1] - frequencies[i]) * (high - threshold) / (high - low);
            return { Kind::At, f };
        }
    }
    return { Kind::Above, frequencies[n - 1] };
}

std::string formatFigure(double value)
{
    const double rounded = std::round(value * 1e4) / 1e4;
    // No "-0" for a value that rounds to zero from below.
    return shortestNumber(rounded == 0.0 ? 0.0 : rounded);
}

std::string thresholdText(const ThresholdFrequency& found)
{
    switch (found.kind) {
    case ThresholdFrequency::Kind::Below:
        return "<" + formatFigure(found.frequency);
    case ThresholdFrequency::Kind::Above:
        return ">" + formatFigure(found.frequency);
    case ThresholdFrequency::Kind::At:
        break;
    }
    return formatFigure(found.frequency);
}

std::variant<std::vector<double>, MessageText> risingFrequencies(const LensData& lens)
{
    std::vector<double> values;
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        const std::optional<double> value = parseDecimal(lens.FrequencyText[q]);
        if (!value || (!values.empty() && !(*value > values.back()))) {
            return MessageText(LUMIVEX_TEXT("Figures", "Ortsfrequenzen nicht aufsteigend"));
        }
        values.push_back(*value);
    }
    return values;
}
