// SPDX-License-Identifier: MIT
#include "WindowLoader.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr const char* LibraryName = "liblumivex_window.so";

// The directory of the running program, symbolic links resolved; empty
// when the system does not tell.
std::filesystem::path programDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

// Said before any Qt object exists, so the translation system cannot help:
// the two languages are written out here.
bool english(const char* language)
{
    return language != nullptr && std::string(language) == "en";
}

int cannotLoad(const char* language, const std::string& reason)
{
    std::fprintf(stderr,
                 english(language) ? "lumivex: The window cannot be loaded: %s\n"
                                   : "lumivex: Das Fenster kann nicht geladen werden: %s\n",
                 reason.c_str());
    return 1;
}

} // namespace

int runWindowFromLibrary(int argc, char** argv, const char* language)
{
    const std::filesystem::path directory = programDirectory();
    const std::filesystem::path candidates[]
        = { directory / LibraryName, (directory / LUMIVEX_WINDOW_LIBRARY_DIR / LibraryName).lexically_normal() };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (directory.empty() || !std::filesystem::is_regular_file(candidate, error)) {
            continue;
        }
        // RTLD_LOCAL: the library's own copies of the drawing code stay
        // private to it. It stays loaded until the process ends, as Qt's
        // objects from it live until the exit handlers.
        void* library = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return cannotLoad(language, ::dlerror());
        }
        using Entry = int (*)(int, char**, const char*);
        const auto run = reinterpret_cast<Entry>(::dlsym(library, "lumivexRunWindow"));
        if (run == nullptr) {
            return cannotLoad(language, ::dlerror());
        }
        return run(argc, argv, language);
    }
    const std::string first = candidates[0].parent_path().string();
    const std::string second = candidates[1].parent_path().string();
    return cannotLoad(language,
                      english(language) ? std::string(LibraryName) + " neither in " + first + " nor in " + second
                                        : std::string(LibraryName) + " weder in " + first + " noch in " + second);
}
