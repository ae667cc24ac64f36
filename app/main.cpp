#include "CommandLine.h"
#include "GuiMain.h"

int main(int argc, char** argv)
{
    if (const auto exitCode = runCommandLine(argc, argv)) {
        return *exitCode;
    }
    return runGui(argc, argv);
}
