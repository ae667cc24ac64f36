// SPDX-License-Identifier: MIT
// The entry point of the window library: the program loads it only when it
// shows the window, so that the command-line modes never load the widgets.
#include "GuiMain.h"

extern "C" __attribute__((visibility("default"))) int lumivexRunWindow(int argc, char** argv)
{
    return runGui(argc, argv);
}
