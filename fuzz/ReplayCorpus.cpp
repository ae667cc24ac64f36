// SPDX-License-Identifier: MIT
// Runs stored inputs through a fuzz target's entry function, in any build:
//   lumivex_fuzz_replay TARGET PATH...
// A PATH is a file or a directory (its files, not recursive). A broken
// invariant or a sanitizer report ends the process; an unknown target or no
// input at all is an error too, so a mistyped path cannot pass unnoticed.
#include "FuzzEntries.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Entry = void (*)(const std::uint8_t*, std::size_t);

std::vector<std::filesystem::path> inputFiles(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(path)) {
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
    } else if (std::filesystem::is_regular_file(path)) {
        files.push_back(path);
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, Entry> entries = {
        { "lensfile", fuzzLensFile },
        { "commandline", fuzzCommandLine },
        { "figures", fuzzFigures },
        { "maps", fuzzMapGrids },
    };
    const auto entry = argc >= 3 ? entries.find(argv[1]) : entries.end();
    if (entry == entries.end()) {
        std::fprintf(stderr, "usage: lumivex_fuzz_replay lensfile|commandline|figures|maps PATH...\n");
        return 2;
    }
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        for (const std::filesystem::path& file : inputFiles(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
            entry->second(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("%s: %d inputs replayed\n", argv[1], count);
    return count > 0 ? 0 : 1;
}
