// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "WindowLoader.h"

#include <csignal>
#include <vector>

int main(int argc, char** argv)
{
    // Under a file-size limit (ulimit -f) a write beyond it would end the
    // process by SIGXFSZ, leaving a half-written temporary file behind.
    // Ignored, the write fails with EFBIG instead and takes the usual error
    // path: the file is named, the temporary file removed, the old one kept.
    std::signal(SIGXFSZ, SIG_IGN);
    auto outcome = runCommandLine(argc, argv);
    if (const int* exitCode = std::get_if<int>(&outcome)) {
        return *exitCode;
    }
    // The window sees the program name and the lens file; the options have
    // been taken care of.
    WindowStart& start = std::get<WindowStart>(outcome);
    char programName[] = "lumivex";
    std::vector<char*> arguments { argc > 0 ? argv[0] : programName };
    if (!start.lensFile.empty()) {
        arguments.push_back(start.lensFile.data());
    }
    arguments.push_back(nullptr);
    return runWindowFromLibrary(static_cast<int>(arguments.size()) - 1, arguments.data(), languageCode(start.language));
}
