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

// Runs the built lumivex with the arguments and collects both output
// streams. The environment is the test's own, without the named variables.
ProgramRun runLumivex(const std::vector<std::string>& arguments, const std::vector<std::string>& unset = {});
