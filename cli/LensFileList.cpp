// SPDX-License-Identifier: MIT
#include "LensFileList.h"

#include "MessageText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <sched.h>
#include <sys/types.h>

namespace fs = std::filesystem;

namespace {

bool hasMtfEnding(const fs::path& path)
{
    std::string ending = path.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".mtf";
}

} // namespace

void addLensFileEntries(const std::string& input, std::vector<LensFileEntry>& entries)
{
    std::error_code error;
    if (!fs::is_directory(input, error)) {
        entries.push_back({ input, std::nullopt });
        return;
    }
    std::vector<std::string> files;
    for (fs::directory_iterator it(input, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (hasMtfEnding(it->path()) && it->is_regular_file(typeError)) {
            files.push_back(it->path().string());
        }
    }
    if (error) {
        entries.push_back(
            { input,
              input
                  + QCoreApplication::translate("BatchExport", ": Das Verzeichnis kann nicht gelesen werden")
                        .toStdString() });
        return;
    }
    std::sort(files.begin(), files.end());
    for (std::string& file : files) {
        entries.push_back({ std::move(file), std::nullopt });
    }
}

void readLensFileNames(std::FILE* in, const std::function<void(std::string)>& take)
{
    char* buffer = nullptr;
    std::size_t capacity = 0;
    ssize_t length = 0;
    while ((length = ::getline(&buffer, &capacity, in)) >= 0) {
        std::string line(buffer, static_cast<std::size_t>(length));
        // LF or CR LF: neither is part of the name.
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            take(std::move(line));
        }
    }
    std::free(buffer);
}

void forEachLensFile(const std::vector<std::string>& inputs, const std::function<void(LensFileEntry)>& take)
{
    for (const std::string& input : inputs) {
        if (input == "-") {
            readLensFileNames(stdin, [&take](std::string name) { take({ std::move(name), std::nullopt }); });
            continue;
        }
        std::vector<LensFileEntry> entries;
        addLensFileEntries(input, entries);
        for (LensFileEntry& entry : entries) {
            take(std::move(entry));
        }
    }
}

int processorCount()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}
