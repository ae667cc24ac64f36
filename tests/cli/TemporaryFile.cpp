#include "TemporaryFile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <stdlib.h>

std::string makeTemporaryDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lumivex-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    return pattern;
}

TemporaryFile::TemporaryFile(const std::string& contents)
    : m_directory(makeTemporaryDirectory())
    , m_path(m_directory + "/linse.mtf")
{
    std::ofstream(m_path, std::ios::binary) << contents;
}

TemporaryFile::~TemporaryFile()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_directory, ignored);
}

TemporaryDirectory::TemporaryDirectory()
    : m_path(makeTemporaryDirectory())
{
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
