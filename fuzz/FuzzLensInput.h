// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"

#include <optional>
#include <string>

// The lens files of one fuzz input: the bytes before the first form feed as
// a lens data file, the bytes after it (if any) as a second one read over the
// first, as a second load in the window does. The second lens is the first
// when there is no form feed or when the second file is refused.
struct FuzzLenses
{
    LensData lens;
    LensData reference;
};

// nullopt when the first file is refused. A refused file must name a line
// of it, and a read file must have counts within its tables; a broken
// promise ends the process.
std::optional<FuzzLenses> readFuzzLenses(const std::string& bytes);

// The input split at its first line feed: the line (the options of a
// target) and the rest (the lens files); all of it is the rest when there is
// no line feed.
struct FuzzOptionsLine
{
    std::string options;
    std::string rest;
};
FuzzOptionsLine splitOptionsLine(const std::string& bytes);
