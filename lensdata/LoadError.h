// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <stdexcept>
#include <string>

// A lens data file that could not be read. message() is the German text
// without position, messageText() the same in pieces; line() is the 1-based
// line of the file it concerns. what() is "Zeile N: message", text() the
// same in pieces.
class LoadError : public std::runtime_error, public TranslatableError
{
public:
    LoadError(int line, const MessageText& message)
        : LoadError(line, message, message.german())
    {
    }

    int line() const { return m_line; }
    const std::string& message() const { return m_message; }
    const MessageText& messageText() const { return m_messageText; }

private:
    LoadError(int line, const MessageText& message, const std::string& german)
        : std::runtime_error("Zeile " + std::to_string(line) + ": " + german)
        , TranslatableError(MessageText(LUMIVEX_TEXT("LoadError", "Zeile %1: %2"), { line, message }))
        , m_line(line)
        , m_message(german)
        , m_messageText(message)
    {
    }

    int m_line;
    std::string m_message;
    MessageText m_messageText;
};

// The chosen file could not be opened at all. Its text is the fixed
// message the window shows: "Abbruch beim Dateilesen"; causeText() says
// why, for a message that names the file ("Datei nicht gefunden").
class FileOpenError : public std::runtime_error, public TranslatableError
{
public:
    enum class Cause
    {
        NotFound,
        Directory,
        NoPermission,
        Unreadable, // any other failure to open or read
    };

    explicit FileOpenError(Cause cause = Cause::Unreadable)
        : std::runtime_error("Abbruch beim Dateilesen")
        , TranslatableError(MessageText(LUMIVEX_TEXT("LoadError", "Abbruch beim Dateilesen")))
        , m_cause(cause)
    {
    }

    Cause cause() const { return m_cause; }
    MessageText causeText() const
    {
        switch (m_cause) {
        case Cause::NotFound:
            return MessageText(LUMIVEX_TEXT("LoadError", "Datei nicht gefunden"));
        case Cause::Directory:
            return MessageText(LUMIVEX_TEXT("LoadError", "ist ein Verzeichnis"));
        case Cause::NoPermission:
            return MessageText(LUMIVEX_TEXT("LoadError", "keine Leseberechtigung"));
        case Cause::Unreadable:
            break;
        }
        return text();
    }

private:
    Cause m_cause;
};
