// SPDX-License-Identifier: MIT
#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "CommandArguments.h"
#include "FileExport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitArguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    std::string argument;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            arguments.push_back(std::move(argument));
            argument.clear();
        } else {
            argument.push_back(static_cast<char>(data[i]));
        }
    }
    if (!argument.empty()) {
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

LensData lensWithCounts(int fNumbers, int frequencies, int imageHeights, int magnifications)
{
    LensData lens;
    lens.FNumberCount = fNumbers;
    lens.FrequencyCount = frequencies;
    lens.ImageHeightCount = imageHeights;
    lens.MagnificationCount = magnifications;
    return lens;
}

void checkParsed(const CommandArguments& parsed)
{
    LUMIVEX_FUZZ_CHECK(parsed.scale >= 1);
    LUMIVEX_FUZZ_CHECK(parsed.scale <= MaxExportScale);
    LUMIVEX_FUZZ_CHECK(parsed.jobs >= 0);
    LUMIVEX_FUZZ_CHECK(parsed.jobs <= MaxExportJobs);
    const SelectionOptions& selection = parsed.selection;
    for (const std::optional<int>& index : { selection.fNumber, selection.imageHeight, selection.magnification }) {
        LUMIVEX_FUZZ_CHECK(!index || *index >= 1);
    }
    const std::vector<int>& frequencies = selection.frequencies;
    LUMIVEX_FUZZ_CHECK(std::all_of(frequencies.begin(), frequencies.end(), [](int f) { return f >= 1; }));
    LUMIVEX_FUZZ_CHECK(std::adjacent_find(frequencies.begin(), frequencies.end(), std::greater_equal<int>())
                       == frequencies.end());
    switch (parsed.mode) {
    case CommandMode::Dump:
        LUMIVEX_FUZZ_CHECK(!parsed.lensFile.empty());
        break;
    case CommandMode::Export:
        LUMIVEX_FUZZ_CHECK(!parsed.lensFile.empty());
        LUMIVEX_FUZZ_CHECK(!parsed.outputFile.empty());
        break;
    case CommandMode::ExportDir:
        LUMIVEX_FUZZ_CHECK(!parsed.exportDirectory.empty());
        LUMIVEX_FUZZ_CHECK(!parsed.inputs.empty());
        LUMIVEX_FUZZ_CHECK(std::count(parsed.inputs.begin(), parsed.inputs.end(), "-") <= 1);
        break;
    case CommandMode::Thumbnail:
        LUMIVEX_FUZZ_CHECK(parsed.thumbnailSize >= MinThumbnailSize);
        LUMIVEX_FUZZ_CHECK(parsed.thumbnailSize <= MaxThumbnailSize);
        LUMIVEX_FUZZ_CHECK(!parsed.lensFile.empty());
        LUMIVEX_FUZZ_CHECK(!parsed.outputFile.empty());
        break;
    default:
        break;
    }
}

} // namespace

void fuzzCommandLine(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> arguments = splitArguments(data, size);
    requestedLanguage(arguments);
    const auto outcome = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&outcome)) {
        LUMIVEX_FUZZ_CHECK(!error->message.empty());
        return;
    }
    const CommandArguments& parsed = std::get<CommandArguments>(outcome);
    checkParsed(parsed);
    // The small example's counts, and a lens with one of each.
    for (const LensData& lens : { lensWithCounts(2, 2, 3, 2), lensWithCounts(1, 1, 1, 1) }) {
        const auto resolved = resolveSelection(parsed.selection, lens);
        if (const ResolvedSelection* selection = std::get_if<ResolvedSelection>(&resolved)) {
            const CurveSelection& fixed = selection->fixed;
            LUMIVEX_FUZZ_CHECK(fixed.FNumberIndex >= 1);
            LUMIVEX_FUZZ_CHECK(fixed.FNumberIndex <= lens.FNumberCount);
            LUMIVEX_FUZZ_CHECK(fixed.ImageHeightIndex >= 1);
            LUMIVEX_FUZZ_CHECK(fixed.ImageHeightIndex <= lens.ImageHeightCount);
            LUMIVEX_FUZZ_CHECK(fixed.MagnificationIndex >= 1);
            LUMIVEX_FUZZ_CHECK(fixed.MagnificationIndex <= lens.MagnificationCount);
            LUMIVEX_FUZZ_CHECK(!selection->frequencies.empty());
            for (const int frequency : selection->frequencies) {
                LUMIVEX_FUZZ_CHECK(frequency >= 1);
                LUMIVEX_FUZZ_CHECK(frequency <= lens.FrequencyCount);
            }
        }
    }
}
