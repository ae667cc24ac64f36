#pragma once

#include <string>
#include <vector>

// The outcome of one run of the lumivex program.
struct ProgramRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built lumivex with the arguments and collects both output streams.
ProgramRun runLumivex(const std::vector<std::string>& arguments);
