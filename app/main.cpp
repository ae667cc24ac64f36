// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "WindowLoader.h"

int main(int argc, char** argv)
{
    if (const auto exitCode = runCommandLine(argc, argv)) {
        return *exitCode;
    }
    return runWindowFromLibrary(argc, argv);
}
