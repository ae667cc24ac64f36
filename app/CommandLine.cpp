#include "CommandLine.h"

std::optional<int> runCommandLine(int, char**)
{
    return std::nullopt;
}
