// SPDX-License-Identifier: MIT
#include "FuzzLensInput.h"

#include "FuzzCheck.h"
#include "LensFileReader.h"
#include "LoadError.h"

#include <sstream>

namespace {

std::optional<LensData> readOrRefuse(const std::string& bytes, const LensData& current)
{
    std::istringstream in(bytes);
    try {
        return readLensData(in, current);
    } catch (const LoadError& error) {
        // A refused file names a line of it (there is no line 0).
        LUMIVEX_FUZZ_CHECK(error.line() >= 1);
        return std::nullopt;
    }
}

void checkConsistent(const LensData& lens)
{
    LUMIVEX_FUZZ_CHECK(lens.FileLoaded == 1);
    const auto checkCount = [](int count, int most) {
        LUMIVEX_FUZZ_CHECK(count >= 1);
        LUMIVEX_FUZZ_CHECK(count <= most);
    };
    checkCount(lens.FNumberCount, LensData::MaxFNumbers);
    checkCount(lens.FrequencyCount, LensData::MaxFrequencies);
    checkCount(lens.ImageHeightCount, LensData::MaxImageHeights);
    checkCount(lens.MagnificationCount, LensData::MaxMagnifications);
    for (int r = 1; r <= lens.imageHeightRowCount(); ++r) {
        checkCount(lens.ImageHeightValidCount[r], lens.ImageHeightCount);
    }
}

} // namespace

std::optional<FuzzLenses> readFuzzLenses(const std::string& bytes)
{
    const std::size_t cut = bytes.find('\f');
    const std::optional<LensData> lens = readOrRefuse(bytes.substr(0, cut), LensData());
    if (!lens) {
        return std::nullopt;
    }
    checkConsistent(*lens);
    std::optional<LensData> reference = lens;
    if (cut != std::string::npos) {
        reference = readOrRefuse(bytes.substr(cut + 1), *lens);
        if (!reference) {
            reference = lens;
        }
        checkConsistent(*reference);
    }
    return FuzzLenses { *lens, *reference };
}

FuzzOptionsLine splitOptionsLine(const std::string& bytes)
{
    const std::size_t end = bytes.find('\n');
    if (end == std::string::npos) {
        return { std::string(), bytes };
    }
    return { bytes.substr(0, end), bytes.substr(end + 1) };
}
