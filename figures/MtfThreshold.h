// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"
#include "MessageText.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// Where the modulation of one image height falls to a threshold P percent
// along the frequency list.
struct ThresholdFrequency
{
    enum class Kind
    {
        At,    // at `frequency` LP/mm
        Below, // already below P at the lowest frequency: "<f₁"
        Above, // still above P at the highest frequency: ">fₙ"
    };
    Kind kind = Kind::At;
    double frequency = 0.0; // the frequency found, or f₁ (Below), or fₙ (Above)

    bool operator==(const ThresholdFrequency&) const = default;
};

// The lowest frequency at which the modulation, linear between neighbouring
// frequencies, falls to `threshold`: M₁ = P gives f₁; otherwise the first i
// with Mᵢ > P ≥ Mᵢ₊₁ gives fᵢ + (fᵢ₊₁ − fᵢ)·(Mᵢ − P)/(Mᵢ − Mᵢ₊₁). M₁ < P
// gives Below, no fall to P Above. frequencies must rise strictly and be as
// many as modulation (at least one); otherwise the result is meaningless.
ThresholdFrequency thresholdFrequency(const std::vector<double>& frequencies, const std::vector<double>& modulation,
                                      double threshold);

// The text of a result in the figures' tables and files: the frequency,
// "<f₁" or ">fₙ", the numbers as formatNumber writes them.
std::string thresholdText(const ThresholdFrequency& found);

// A figure in the tables and files: rounded to 4 decimals (the figures are
// no more exact), then the shortest text with a decimal point ("78",
// "30.5", "33.3333").
std::string formatFigure(double value);

// The file's frequencies as numbers, in the file's order, or why the
// threshold frequencies cannot be found: "Ortsfrequenzen nicht aufsteigend"
// (a list that does not rise strictly, or holds a text that is no number).
std::variant<std::vector<double>, MessageText> risingFrequencies(const LensData& lens);
