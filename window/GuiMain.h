// SPDX-License-Identifier: MIT
#pragma once

// Starts the window (optionally with a lens file given on the command line)
// and runs the event loop; returns the process exit code.
int runGui(int argc, char** argv);
