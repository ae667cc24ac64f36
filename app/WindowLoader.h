// SPDX-License-Identifier: MIT
#pragma once

// Loads the window library (liblumivex_window.so) and runs the window:
// the library lies beside the program (the build tree) or in the private
// library directory relative to it (an installation). Returns the exit
// code; 1 with a message on stderr when the library cannot be loaded.
// language: "de" or "en", the window's language.
int runWindowFromLibrary(int argc, char** argv, const char* language);
