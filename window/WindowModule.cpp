// SPDX-License-Identifier: MIT
// The entry point of the window library: the program loads it only when it
// shows the window, so that the command-line modes never load the widgets.
#include "GuiMain.h"
#include "Language.h"

// language: "de" or "en", as the command line chose it.
extern "C" __attribute__((visibility("default"))) int lumivexRunWindow(int argc, char** argv, const char* language)
{
    return runGui(argc, argv, languageNamed(language).value_or(Language::German));
}
