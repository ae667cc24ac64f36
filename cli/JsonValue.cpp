// SPDX-License-Identifier: MIT
#include "JsonValue.h"

#include "LineParsing.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

void newline(std::string& out, int indent)
{
    out += '\n';
    out.append(static_cast<std::size_t>(indent), ' ');
}

} // namespace

std::string jsonQuoted(const std::string& text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += Hex[(c >> 4) & 0xF];
                out += Hex[c & 0xF];
            } else {
                out += c; // UTF-8 passes unchanged
            }
        }
    }
    out += '"';
    return out;
}

std::string JsonValue::serialize() const
{
    std::string out;
    write(out, 0);
    return out;
}

bool JsonValue::isContainer() const
{
    return std::holds_alternative<Array>(m_value) || std::holds_alternative<Object>(m_value);
}

void JsonValue::write(std::string& out, int indent) const
{
    if (std::holds_alternative<std::nullptr_t>(m_value)) {
        out += "null";
    } else if (const bool* flag = std::get_if<bool>(&m_value)) {
        out += *flag ? "true" : "false";
    } else if (const long long* integer = std::get_if<long long>(&m_value)) {
        out += std::to_string(*integer);
    } else if (const double* real = std::get_if<double>(&m_value)) {
        if (std::isfinite(*real)) {
            out += shortestNumber(*real);
        } else {
            out += "null";
        }
    } else if (const std::string* text = std::get_if<std::string>(&m_value)) {
        out += jsonQuoted(*text);
    } else if (const Array* array = std::get_if<Array>(&m_value)) {
        bool nested = false;
        for (const JsonValue& item : *array) {
            nested = nested || item.isContainer();
        }
        out += '[';
        for (std::size_t i = 0; i < array->size(); ++i) {
            if (i > 0) {
                out += nested ? "," : ", ";
            }
            if (nested) {
                newline(out, indent + 2);
            }
            (*array)[i].write(out, indent + 2);
        }
        if (nested) {
            newline(out, indent);
        }
        out += ']';
    } else if (const Object* object = std::get_if<Object>(&m_value)) {
        out += '{';
        for (std::size_t i = 0; i < object->size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            newline(out, indent + 2);
            out += jsonQuoted((*object)[i].first);
            out += ": ";
            (*object)[i].second.write(out, indent + 2);
        }
        if (!object->empty()) {
            newline(out, indent);
        }
        out += '}';
    }
}
