// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// A lens data file that could not be read. message() is the German text
// without position; line() is the 1-based line of the file it concerns.
// what() is "Zeile N: message".
class LoadError : public std::runtime_error
{
public:
    LoadError(int line, const std::string& message)
        : std::runtime_error("Zeile " + std::to_string(line) + ": " + message)
        , m_line(line)
        , m_message(message)
    {
    }

    int line() const { return m_line; }
    const std::string& message() const { return m_message; }

private:
    int m_line;
    std::string m_message;
};

// The chosen file could not be opened at all. Its text is the fixed
// message the user sees: "Abbruch beim Dateilesen".
class FileOpenError : public std::runtime_error
{
public:
    FileOpenError()
        : std::runtime_error("Abbruch beim Dateilesen")
    {
    }
};
