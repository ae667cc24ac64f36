// SPDX-License-Identifier: MIT
#pragma once

#include "Language.h"

#include <string>
#include <variant>

// What the window starts with: the language chosen for the run and the
// lens file named on the command line (empty: none).
struct WindowStart
{
    Language language = Language::German;
    std::string lensFile;
};

// Handles the command-line modes (--dump, --export, --export-dir, --help,
// --version and usage errors) in the language that --lang or the system
// chooses. Returns the exit code when the command line was such a mode, or
// the window's start when the window is to start.
std::variant<int, WindowStart> runCommandLine(int argc, char** argv);
