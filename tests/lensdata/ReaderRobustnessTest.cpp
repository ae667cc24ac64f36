// SPDX-License-Identifier: MIT
// Mutated example files must never crash or hang the reader: each loads to a consistent data set or fails with
// a LoadError naming a line. The generator is seeded; a failure message carries the case number to rebuild it.
#include "LoadError.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

namespace {

// One to three edits: truncate, overwrite, insert or drop a byte, duplicate or remove a whole line. Bytes that
// matter to the format are chosen more often than others.
std::string mutate(std::string text, std::mt19937& random)
{
    const auto pick = [&](std::size_t size) { return std::uniform_int_distribution<std::size_t>(0, size - 1)(random); };
    static constexpr char Bytes[] = " \n\r/[]-+.E09\t\xE4\xFF\x80";
    const auto byte = [&] { return pick(4) == 0 ? static_cast<char>(pick(256)) : Bytes[pick(sizeof(Bytes))]; };
    for (std::size_t step = pick(3); step < 3 && !text.empty(); ++step) {
        const std::size_t at = pick(text.size());
        const std::size_t lineStart = at == 0 ? 0 : text.rfind('\n', at - 1) + 1; // npos + 1 is 0
        const std::size_t lineEnd = std::min(text.find('\n', at), text.size() - 1) + 1;
        // clang-format off
        switch (pick(7)) {
        case 0: text.resize(at); break;
        case 1: case 2: text[at] = byte(); break;
        case 3: text.insert(at, 1, byte()); break;
        case 4: text.erase(at, 1); break;
        case 5: text.insert(lineStart, text.substr(lineStart, lineEnd - lineStart)); break;
        default: text.erase(lineStart, lineEnd - lineStart); break;
        }
        // clang-format on
    }
    return text;
}

void expectConsistent(const LensData& lens)
{
    EXPECT_EQ(lens.FileLoaded, 1);
    const std::pair<int, int> countsAndLimits[] = { { lens.FNumberCount, LensData::MaxFNumbers },
                                                    { lens.FrequencyCount, LensData::MaxFrequencies },
                                                    { lens.ImageHeightCount, LensData::MaxImageHeights },
                                                    { lens.MagnificationCount, LensData::MaxMagnifications } };
    for (const auto& [count, limit] : countsAndLimits) {
        EXPECT_TRUE(count >= 1 && count <= limit) << count;
    }
    for (int r = 1; r <= lens.imageHeightRowCount(); ++r) {
        EXPECT_TRUE(lens.ImageHeightValidCount[r] >= 1 && lens.ImageHeightValidCount[r] <= lens.ImageHeightCount);
    }
}

TEST(MutatedExamples, LoadOrFailWithALine)
{
    const LensData previous = readLensFile(examplePath("beispiel-testlinse.mtf"), LensData());
    // The full-size file is large, so it gets fewer mutations.
    for (const auto& [name, mutations] :
         { std::pair { "beispiel-testlinse.mtf", 2500 }, std::pair { "vollformat-objektiv.mtf", 1000 },
           std::pair { "bildhoehe-je-blende.mtf", 2000 } }) {
        const std::string original = exampleText(name);
        std::mt19937 random(20240611U);
        int loaded = 0;
        int failed = 0;
        for (int i = 0; i < mutations && !HasFailure(); ++i) { // one reported case is enough to rebuild it
            const std::string text = mutate(original, random);
            SCOPED_TRACE(name + (" case " + std::to_string(i)));
            try {
                expectConsistent(readText(text, previous));
                ++loaded;
            } catch (const LoadError& error) {
                ++failed;
                const auto lines
                    = std::count(text.begin(), text.end(), '\n') + (text.empty() || text.ends_with('\n') ? 0 : 1);
                EXPECT_GE(error.line(), 1);
                EXPECT_LE(error.line(), lines + 1);
                EXPECT_FALSE(error.message().empty());
            } catch (const std::exception& error) {
                ADD_FAILURE() << "unexpected exception: " << error.what();
            }
        }
        // Both outcomes occur, or the mutations would not reach the reader's paths.
        EXPECT_GT(loaded, mutations / 20) << name;
        EXPECT_GT(failed, mutations / 4) << name;
    }
}

} // namespace
