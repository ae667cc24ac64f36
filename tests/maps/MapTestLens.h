// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"

#include <functional>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;
// Sagittal modulation by 1-based f-number, frequency and image height; the
// tangential is 10 below it.
using Values = std::function<int(int f, int q, int h)>;

inline LensData lens(const Texts& fNumbers, const Texts& frequencies, const Texts& heights, const Values& sag)
{
    LensData data;
    const auto fill = [](auto& list, int& count, const Texts& texts) {
        count = static_cast<int>(texts.size());
        for (int i = 1; i <= count; ++i) {
            list[i] = texts[static_cast<std::size_t>(i - 1)];
        }
    };
    fill(data.FNumberText, data.FNumberCount, fNumbers);
    fill(data.FrequencyText, data.FrequencyCount, frequencies);
    fill(data.ImageHeightText[1], data.ImageHeightCount, heights);
    fill(data.MagnificationText, data.MagnificationCount, { "0" });
    data.ImageHeightValidCount[1] = data.ImageHeightCount;
    data.MaxImageHeight = std::stod(heights.back());
    for (int f = 1; f <= data.FNumberCount; ++f) {
        for (int q = 1; q <= data.FrequencyCount; ++q) {
            for (int h = 1; h <= data.ImageHeightCount; ++h) {
                data.SagModulation.set(f - 1, q - 1, h - 1, 0, static_cast<std::uint8_t>(sag(f, q, h)));
                data.TanModulation.set(f - 1, q - 1, h - 1, 0, static_cast<std::uint8_t>(sag(f, q, h) - 10));
            }
        }
    }
    return data;
}
