#include "ProgramRun.h"

#include "TemporaryFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

ProgramRun runLumivex(const std::vector<std::string>& arguments, const std::vector<std::string>& unset)
{
    const std::string directory = makeTemporaryDirectory();
    const std::string outPath = directory + "/out";
    const std::string errPath = directory + "/err";

    std::vector<std::string> argv = { LUMIVEX_BINARY };
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);

    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        const bool dropped = std::any_of(unset.begin(), unset.end(), [&](const std::string& name) {
            return entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=';
        });
        if (!dropped) {
            environment.push_back(*variable);
        }
    }
    environment.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);

    ProgramRun run;
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = readAll(outPath);
        run.err = readAll(errPath);
    }
    std::filesystem::remove_all(directory);
    return run;
}
