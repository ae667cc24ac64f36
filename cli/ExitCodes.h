// SPDX-License-Identifier: MIT
#pragma once

// The exit codes of the command line, as the help lists them.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1; // a file cannot be read, is malformed or cannot be written
inline constexpr int ExitUsage = 2;   // the command line is wrong
