// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Handles the command-line modes (--dump, --export, --help, --version and
// usage errors). Returns the exit code when the command line was such a
// mode, or nullopt when the window is to start (no option, or a FILE to open).
std::optional<int> runCommandLine(int argc, char** argv);
