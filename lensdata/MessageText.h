// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A German source text with the placeholders %1 .. %9, and the context
// under which the translation file keeps it.
struct SourceText
{
    const char* context;
    const char* text;
};

// Names a source text of the plain C++ libraries. Qt's translation tools
// read this macro as QT_TRANSLATE_NOOP (lupdate -tr-function-alias), so the
// libraries mark their texts for translation without depending on Qt.
#define LUMIVEX_TEXT(context, text) (SourceText { context, text })

// A user-visible message in pieces: a source text whose placeholders take
// the arguments, each again a message or a literal (a number, a text quoted
// from a file). german() is the message as the libraries write it; the
// window and the command line translate the same pieces instead.
class MessageText
{
public:
    MessageText(SourceText source, std::vector<MessageText> arguments = {})
        : m_source(source)
        , m_arguments(std::move(arguments))
    {
    }
    // A literal, never translated.
    MessageText(std::string literal)
        : m_literal(std::move(literal))
    {
    }
    MessageText(int number)
        : m_literal(std::to_string(number))
    {
    }

    bool isLiteral() const { return m_source.text == nullptr; }
    const SourceText& source() const { return m_source; }
    const std::string& literal() const { return m_literal; }
    const std::vector<MessageText>& arguments() const { return m_arguments; }

    // The German text, the placeholders filled (UTF-8).
    std::string german() const;

private:
    SourceText m_source { nullptr, nullptr };
    std::string m_literal;
    std::vector<MessageText> m_arguments;
};

// Replaces each %1 .. %9 of text by the argument of that number in one
// pass, so a "%2" inside an argument stays as it is; a placeholder without
// an argument stays too.
std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& arguments);

// An exception of ours that carries its message in pieces for translation;
// what() of the exception is the German text.
class TranslatableError
{
public:
    explicit TranslatableError(MessageText text)
        : m_text(std::move(text))
    {
    }
    virtual ~TranslatableError() = default;
    TranslatableError(const TranslatableError&) = default;
    TranslatableError& operator=(const TranslatableError&) = default;

    const MessageText& text() const { return m_text; }

private:
    MessageText m_text;
};
