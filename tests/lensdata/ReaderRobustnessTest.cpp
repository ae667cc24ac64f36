// Mutated example files must never crash or hang the reader: each either
// loads to a consistent data set or fails with a LoadError that names a
// line of the file. The generator is seeded, so every run sees the same
// files; a failure message carries the case number to rebuild it.
#include "LensFileReader.h"

#include "LoadError.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct Example
{
    const char* name;
    int mutations; // the full-size file is large, so it gets fewer
};

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end + 1 - start)); // keeps its line end
        start = end + 1;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

int countLines(const std::string& text)
{
    const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return text.empty() || text.back() == '\n' ? breaks : breaks + 1;
}

std::size_t pick(std::mt19937& random, std::size_t size)
{
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

// Bytes that matter to the format are chosen more often than others.
char interestingByte(std::mt19937& random)
{
    static constexpr char Bytes[]
        = { ' ', ' ', '\n', '\r', '/', '[', ']', '-', '+', '.', 'E', '0', '9', '\0', '\t', '\xE4', '\xFF', '\x80' };
    if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
        return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    }
    return Bytes[pick(random, sizeof(Bytes))];
}

std::string mutate(const std::string& original, std::mt19937& random)
{
    std::string text = original;
    const int steps = std::uniform_int_distribution<int>(1, 3)(random);
    for (int step = 0; step < steps && !text.empty(); ++step) {
        const int kind = std::uniform_int_distribution<int>(0, 7)(random);
        std::vector<std::string> lines = kind >= 4 && kind <= 6 ? splitLines(text) : std::vector<std::string>();
        switch (kind) {
        case 0: // truncate
            text.resize(pick(random, text.size()));
            break;
        case 1: // overwrite a byte
        case 2:
            text[pick(random, text.size())] = interestingByte(random);
            break;
        case 3: // insert a byte
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(pick(random, text.size())), interestingByte(random));
            break;
        case 4: // duplicate a line
        {
            const std::size_t i = pick(random, lines.size());
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
            text = joined(lines);
            break;
        }
        case 5: // remove a line
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(pick(random, lines.size())));
            text = joined(lines);
            break;
        case 6: // move a line elsewhere
        {
            const std::size_t from = pick(random, lines.size());
            const std::string line = lines[from];
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from));
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pick(random, lines.size() + 1)), line);
            text = joined(lines);
            break;
        }
        default: // drop a byte
            text.erase(pick(random, text.size()), 1);
            break;
        }
    }
    return text;
}

void expectConsistent(const LensData& lens)
{
    EXPECT_EQ(lens.FileLoaded, 1);
    EXPECT_GE(lens.FNumberCount, 1);
    EXPECT_LE(lens.FNumberCount, LensData::MaxFNumbers);
    EXPECT_GE(lens.FrequencyCount, 1);
    EXPECT_LE(lens.FrequencyCount, LensData::MaxFrequencies);
    EXPECT_GE(lens.ImageHeightCount, 1);
    EXPECT_LE(lens.ImageHeightCount, LensData::MaxImageHeights);
    EXPECT_GE(lens.MagnificationCount, 1);
    EXPECT_LE(lens.MagnificationCount, LensData::MaxMagnifications);
    for (int r = 1; r <= lens.imageHeightRowCount(); ++r) {
        EXPECT_GE(lens.ImageHeightValidCount[r], 1);
        EXPECT_LE(lens.ImageHeightValidCount[r], lens.ImageHeightCount);
    }
}

void PrintTo(const Example& example, std::ostream* out)
{
    *out << example.name;
}

class MutatedExamples : public ::testing::TestWithParam<Example>

{
};

TEST_P(MutatedExamples, LoadOrFailWithALine)
{
    const std::string original = exampleText(GetParam().name);
    const int mutations = GetParam().mutations;
    const LensData previous = readLensFile(examplePath("beispiel-testlinse.mtf"), LensData());
    std::mt19937 random(20240611U);
    int loaded = 0;
    int failed = 0;
    for (int i = 0; i < mutations; ++i) {
        const std::string text = mutate(original, random);
        SCOPED_TRACE("case " + std::to_string(i));
        try {
            expectConsistent(readText(text, previous));
            ++loaded;
        } catch (const LoadError& error) {
            ++failed;
            EXPECT_GE(error.line(), 1);
            EXPECT_LE(error.line(), countLines(text) + 1);
            EXPECT_FALSE(error.message().empty());
        } catch (const std::exception& error) {
            ADD_FAILURE() << "unexpected exception: " << error.what();
        }
        if (HasFailure()) {
            return; // one reported case is enough to rebuild it
        }
    }
    // Both outcomes occur, or the mutations would not reach the reader's paths.
    EXPECT_GT(loaded, mutations / 20);
    EXPECT_GT(failed, mutations / 4);
}

INSTANTIATE_TEST_SUITE_P(Examples, MutatedExamples,
                         ::testing::Values(Example { "beispiel-testlinse.mtf", 2500 },
                                           Example { "vollformat-objektiv.mtf", 1000 },
                                           Example { "bildhoehe-je-blende.mtf", 2000 }),
                         [](const auto& info) { return "File" + std::to_string(info.index); });

} // namespace
