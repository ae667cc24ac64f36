// SPDX-License-Identifier: MIT
#include "LensPresentation.h"

namespace {

// The first n characters, or the whole text when it is shorter. The texts
// come from a single-byte code page, so a character is one QChar.
QString firstCharacters(const std::string& utf8, int n)
{
    return QString::fromStdString(utf8).left(n);
}

template <std::size_t N, typename CaptionOf>
void labelPanel(std::array<ValueControlState, N>& controls, int count, CaptionOf captionOf)
{
    for (int k = 1; k <= static_cast<int>(N); ++k) {
        ValueControlState& control = controls[static_cast<std::size_t>(k - 1)];
        if (k >= 2 && k > count) {
            control = { std::nullopt, false };
        } else {
            control = { captionOf(k), true };
        }
    }
}

} // namespace

LensPresentation presentLens(const LensData& lens, const QString& wavelengthPrefix, const QString& weightPrefix)
{
    LensPresentation result;
    result.lensName = QString::fromStdString(lens.LensName);
    result.wavelengthCaption = wavelengthPrefix + QString::fromStdString(lens.WavelengthText);
    result.weightCaption = weightPrefix + QString::fromStdString(lens.WeightText);

    labelPanel(result.fNumbers, lens.FNumberCount, [&lens](int k) { return firstCharacters(lens.FNumberText[k], 5); });
    labelPanel(result.frequencies, lens.FrequencyCount,
               [&lens](int k) { return QStringLiteral(" ") + firstCharacters(lens.FrequencyText[k], 3); });
    labelPanel(result.imageHeights, lens.ImageHeightCount,
               [&lens](int k) { return firstCharacters(lens.ImageHeightText[1][k], 6); });
    labelPanel(result.magnifications, lens.MagnificationCount,
               [&lens](int k) { return firstCharacters(lens.MagnificationText[k], k == 1 ? 6 : 7); });
    for (std::size_t k = 0; k < result.distancesShown.size(); ++k) {
        result.distancesShown[k] = result.magnifications[k].shown;
    }
    return result;
}
