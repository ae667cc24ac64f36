#pragma once

#include <string>

// A fresh directory under the system's temporary directory.
std::string makeTemporaryDirectory();

// A file in a fresh temporary directory, removed with the object.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& contents);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_directory;
    std::string m_path;
};

// A fresh temporary directory, removed with everything in it with the
// object.
class TemporaryDirectory
{
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    // The path of an entry of the directory.
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};
