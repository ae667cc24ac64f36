#pragma once

#include "LensData.h"

#include <filesystem>
#include <istream>

// Reads one lens data file. A load is all-or-nothing: the reader fills a
// copy of `current` and returns it only when the whole file has been read
// (with FileLoaded = 1); entries beyond the new counts keep the values of
// `current`. Throws FileOpenError when the file cannot be opened and
// LoadError (German message, 1-based line) when it is malformed.
LensData readLensFile(const std::filesystem::path& path, const LensData& current);

// The same on an already opened byte stream (Windows-1252 text, lines end at
// LF or CR LF).
LensData readLensData(std::istream& in, const LensData& current);
