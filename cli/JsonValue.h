// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

// A JSON document built in memory and written with a stable layout: object
// keys in insertion order, arrays of plain values on one line, everything
// else indented by two blanks. Strings are UTF-8 and escaped as JSON
// requires; doubles are written in the shortest form that reads back to the
// same value, and non-finite doubles as null.
class JsonValue
{
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    // The constructors are implicit on purpose: a C++ value converts to the
    // JSON value of the same kind, which keeps documents short to build.
    JsonValue() = default;
    JsonValue(bool value)
        : m_value(value)
    {
    }
    JsonValue(int value)
        : m_value(static_cast<long long>(value))
    {
    }
    JsonValue(long long value)
        : m_value(value)
    {
    }
    JsonValue(double value)
        : m_value(value)
    {
    }
    JsonValue(std::string value)
        : m_value(std::move(value))
    {
    }
    JsonValue(const char* value)
        : m_value(std::string(value))
    {
    }
    JsonValue(Array value)
        : m_value(std::move(value))
    {
    }
    JsonValue(Object value)
        : m_value(std::move(value))
    {
    }

    // The document as text, without a final line end.
    std::string serialize() const;

private:
    bool isContainer() const;
    void write(std::string& out, int indent) const;

    std::variant<std::nullptr_t, bool, long long, double, std::string, Array, Object> m_value = nullptr;
};

// A string with JSON's escapes, in double quotes.
std::string jsonQuoted(const std::string& text);
