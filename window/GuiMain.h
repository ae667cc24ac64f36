// SPDX-License-Identifier: MIT
#pragma once

#include "Language.h"

// Starts the window (optionally with a lens file given on the command line)
// and runs the event loop; returns the process exit code. The window
// speaks language (German without one).
int runGui(int argc, char** argv);
int runGui(int argc, char** argv, Language language);
