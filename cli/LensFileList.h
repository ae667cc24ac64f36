// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The lens files a catalogue command names: files, directories and "-".

// A lens file to work on, or a name that fails before it is read.
struct LensFileEntry
{
    std::string path;
    std::optional<std::string> refusal; // the report line when it fails at once
};

// The entries of one command-line word other than "-": a directory gives
// its *.mtf files sorted by name (not recursive), anything else is a lens
// file (one that does not exist fails when it is read). A directory that
// cannot be read is one refused entry.
void addLensFileEntries(const std::string& input, std::vector<LensFileEntry>& entries);

// Calls take with each line of in that is not empty, without its line end,
// as the lines come.
void readLensFileNames(std::FILE* in, const std::function<void(std::string)>& take);

// Calls take with the entries of every input in order, "-" standing for
// the names on standard input, read as they come.
void forEachLensFile(const std::vector<std::string>& inputs, const std::function<void(LensFileEntry)>& take);

// The processor cores this process may run on (at least 1).
int processorCount();
