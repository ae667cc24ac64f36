#pragma once

#include "LensData.h"

#include <string>
#include <vector>

// Lens data sets built directly, without the file reader.

// A byte that tells every table position apart for the small tables used
// here (0-based indices, as stored).
inline int sagPattern(int f, int q, int h, int m)
{
    return (f * 37 + q * 11 + h * 5 + m * 3) % 256;
}
inline int tanPattern(int f, int q, int h, int m)
{
    return 255 - sagPattern(f, q, h, m);
}

// Counts as given, every table entry filled with the patterns above, one
// common image-height row 0, 5, 10, ... (ImageHeightPerFNumber 0).
inline LensData patternLens(int fNumbers, int frequencies, int imageHeights, int magnifications)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = imageHeights;
    lens.MagnificationCount = magnifications;
    for (int f = 0; f < ModulationTable::FNumbers; ++f) {
        for (int q = 0; q < ModulationTable::Frequencies; ++q) {
            for (int h = 0; h < ModulationTable::ImageHeights; ++h) {
                for (int m = 0; m < ModulationTable::Magnifications; ++m) {
                    lens.SagModulation.set(f, q, h, m, static_cast<std::uint8_t>(sagPattern(f, q, h, m)));
                    lens.TanModulation.set(f, q, h, m, static_cast<std::uint8_t>(tanPattern(f, q, h, m)));
                }
            }
        }
    }
    for (int j = 1; j <= imageHeights; ++j) {
        lens.ImageHeightText[1][j] = std::to_string(5 * (j - 1));
    }
    lens.ImageHeightValidCount[1] = imageHeights;
    lens.MaxImageHeight = 5.0 * (imageHeights - 1);
    lens.FileLoaded = 1;
    return lens;
}

// Sets image-height row r to the texts as the reader leaves them (already
// capped) with the given usable count.
inline void setImageHeightRow(LensData& lens, int row, const std::vector<std::string>& texts, int validCount)
{
    for (int j = 1; j <= static_cast<int>(texts.size()); ++j) {
        lens.ImageHeightText[row][j] = texts[j - 1];
    }
    lens.ImageHeightValidCount[row] = validCount;
}
