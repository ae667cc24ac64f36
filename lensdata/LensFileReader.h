// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"

#include <istream>
#include <string>
#include <string_view>

// Reads one lens data file (path in the system's encoding). A load is all-or-nothing: the reader fills a
// copy of `current` and returns it only when the whole file has been read
// (with FileLoaded = 1); entries beyond the new counts keep the values of
// `current`. Throws FileOpenError when the file cannot be opened or read and
// LoadError (German message naming the offending text, 1-based line) when it
// is malformed or ends early.
LensData readLensFile(const std::string& path, const LensData& current);

// The same on an already opened byte stream (Windows-1252 text, lines end at
// LF or CR LF).
LensData readLensData(std::istream& in, const LensData& current);

// Caption of a distance label for the distance text of one magnification:
// "unendlich" for exactly "-1E20" in the first entry, "0" for an empty text
// (an entry no file has filled), else the distance rounded to the nearest
// integer, a half to the even neighbour. Throws LineFormatError when the
// text is not a number or the rounded value does not fit a 32-bit integer.
std::string distanceLabel(std::string_view distanceText, bool firstEntry);
