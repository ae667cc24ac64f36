// SPDX-License-Identifier: MIT
#pragma once

#include "RangeArray.h"

#include <cstdint>
#include <string>

// Modulation values in percent for one orientation, indexed 0-based by
// f-number, spatial frequency, image height and magnification.
class ModulationTable
{
public:
    static constexpr int FNumbers = 8;
    static constexpr int Frequencies = 8;
    static constexpr int ImageHeights = 6;
    static constexpr int Magnifications = 9;

    // 0-based indices; throws RangeError outside the table.
    std::uint8_t at(int fNumber, int frequency, int imageHeight, int magnification) const
    {
        return m_values[offset(fNumber, frequency, imageHeight, magnification)];
    }
    void set(int fNumber, int frequency, int imageHeight, int magnification, std::uint8_t value)
    {
        m_values[offset(fNumber, frequency, imageHeight, magnification)] = value;
    }

    bool operator==(const ModulationTable&) const = default;

private:
    static int checkedIndex(int index, int count)
    {
        if (index < 0 || index >= count) {
            throw RangeError(
                MessageText(LUMIVEX_TEXT("RangeArray", "Bereichsfehler: Tabellenindex %1 liegt außerhalb von 0..%2"),
                            { index, count - 1 }));
        }
        return index;
    }
    static int offset(int fNumber, int frequency, int imageHeight, int magnification)
    {
        return ((checkedIndex(fNumber, FNumbers) * Frequencies + checkedIndex(frequency, Frequencies)) * ImageHeights
                + checkedIndex(imageHeight, ImageHeights))
            * Magnifications
            + checkedIndex(magnification, Magnifications);
    }

    RangeArray<std::uint8_t, 0, FNumbers * Frequencies * ImageHeights * Magnifications - 1> m_values;
};

// The in-memory model of one lens data file. Texts are held as written in
// the file (decoded from Windows-1252 to UTF-8), because they serve as
// captions and printed values. Lists are 1-based, as the panels count.
struct LensData
{
    static constexpr int MaxFNumbers = 8;
    static constexpr int MaxFrequencies = 8;
    static constexpr int MaxImageHeights = 6;
    static constexpr int MaxMagnifications = 9;

    std::string LensName;
    std::string WavelengthText;
    std::string WeightText;
    ModulationTable SagModulation;
    ModulationTable TanModulation;
    int FNumberCount = 0;
    int FrequencyCount = 0;
    int ImageHeightCount = 0; // as read: values on the last image-height line
    int MagnificationCount = 0;
    RangeArray<std::string, 1, MaxFNumbers> FNumberText;
    RangeArray<std::string, 1, MaxFrequencies> FrequencyText;
    RangeArray<RangeArray<std::string, 1, MaxImageHeights>, 1, MaxFNumbers> ImageHeightText;
    RangeArray<std::string, 1, MaxMagnifications> MagnificationText;
    RangeArray<std::string, 1, MaxMagnifications> DistanceText;
    // Captions of the nine distance labels: "unendlich" or the rounded distance.
    RangeArray<std::string, 1, MaxMagnifications> DistanceLabels;
    double MaxImageHeight = 0.0;
    RangeArray<int, 1, MaxFNumbers> ImageHeightValidCount;
    int FileLoaded = 0;
    int ImageHeightPerFNumber = 0;

    // Image-height row that serves f-number fNumberIndex (1-based).
    int imageHeightRow(int fNumberIndex) const { return ImageHeightPerFNumber > 0 ? fNumberIndex : 1; }
    // Number of valid image-height rows: one per f-number, or one common row.
    int imageHeightRowCount() const { return ImageHeightPerFNumber > 0 ? FNumberCount : 1; }

    // Modulation at 1-based indices, as the selection controls count them.
    int sag(int fNumber, int frequency, int imageHeight, int magnification) const
    {
        return SagModulation.at(fNumber - 1, frequency - 1, imageHeight - 1, magnification - 1);
    }
    int tan(int fNumber, int frequency, int imageHeight, int magnification) const
    {
        return TanModulation.at(fNumber - 1, frequency - 1, imageHeight - 1, magnification - 1);
    }

    bool operator==(const LensData&) const = default;
};
