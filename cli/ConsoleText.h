// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string_view>

// Text for standard error and standard output through C stdio. The
// command line avoids <iostream>: setting up its standard streams and their
// locales costs every run, even a single export, about 0.4 MB.

inline void printError(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// False when the text did not reach standard output completely.
inline bool printOutput(std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}
