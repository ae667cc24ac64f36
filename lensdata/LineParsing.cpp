// SPDX-License-Identifier: MIT
#include "LineParsing.h"

#include "LineFormatError.h"
#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t MaxModulationLineLength = 255;
constexpr int MaxBoundaries = 10;

// A quoted text of the file shows at most this many characters, so that a
// malformed file cannot flood a terminal or a message box.
constexpr std::size_t QuotedLength = 60;

// The bytes that a terminal could take as the start of a command: C0
// controls, DEL, and the bytes Windows-1252 leaves undefined (decoded to C1
// controls).
bool isControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// An optional sign followed by one or more digits.
bool hasIntegerForm(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

MessageText outOfByteRange(std::string_view field)
{
    return MessageText(LUMIVEX_TEXT("LineParsing", "Modulationswert %1 liegt außerhalb von 0..255"), { quoted(field) });
}

} // namespace

MessageText quoted(std::string_view bytes)
{
    constexpr std::string_view Hex = "0123456789abcdef";
    std::string shown;
    std::string plain; // a run of printable bytes, decoded at once
    for (std::size_t i = 0; i < std::min(bytes.size(), QuotedLength); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isControl(byte)) {
            plain += bytes[i];
            continue;
        }
        shown += decodeWindows1252(plain) + "\\x" + Hex[byte >> 4] + Hex[byte & 0xF];
        plain.clear();
    }
    shown += decodeWindows1252(plain);
    if (bytes.size() > QuotedLength) {
        shown += "…";
    }
    return MessageText(LUMIVEX_TEXT("LineParsing", "„%1“"), { shown });
}

std::string shortestNumber(double value)
{
    std::array<char, 32> text {};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

std::string trimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(";\"\n\r") == std::string::npos) {
        return text;
    }
    std::string quotedField = "\"";
    for (const char c : text) {
        quotedField += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quotedField + "\"";
}

void splitLine(std::string_view line, LineTokens& tokens)
{
    std::string padded;
    padded.reserve(line.size() + 2);
    padded.push_back(' ');
    padded.append(line);
    padded.push_back(' ');

    int count = 0;
    std::size_t previousEnd = 0; // 0-based position of the blank that ended the previous item
    for (std::size_t i = 1; i < padded.size(); ++i) {
        if (padded[i] != ' ' || padded[i - 1] == ' ') {
            continue;
        }
        if (count > 0) {
            const int valueIndex = count; // the label is item 1, value k is item k + 1
            const std::string_view value = std::string_view(padded).substr(previousEnd + 1, i - previousEnd - 1);
            if (valueIndex > LineTokens::MaxValues) {
                tokens.count = count;
                throw LineFormatError(MessageText(
                    LUMIVEX_TEXT("LineParsing", "Bereichsfehler: mehr als %1 Werte in der Zeile, der %2. Wert ist %3"),
                    { LineTokens::MaxValues, valueIndex, quoted(value) }));
            }
            tokens.LineToken[valueIndex] = std::string(value);
        }
        ++count;
        previousEnd = i;
    }
    tokens.count = count;
}

std::vector<int> parseModulationLine(std::string_view line, int valueCount)
{
    if (line.size() > MaxModulationLineLength) {
        throw LineFormatError(MessageText(
            LUMIVEX_TEXT("LineParsing", "Bereichsfehler: Modulationszeile ist %1 Zeichen lang, erlaubt sind %2: %3"),
            { std::to_string(line.size()), static_cast<int>(MaxModulationLineLength), quoted(line) }));
    }

    // Boundaries as 1-based columns, as the layout describes them.
    std::vector<std::size_t> boundaries;
    boundaries.reserve(MaxBoundaries);
    const std::size_t length = line.size();
    for (std::size_t column = 1; column <= length; ++column) {
        if (line[column - 1] != ' ') {
            continue;
        }
        if (column == length || line[column] != ' ') {
            if (static_cast<int>(boundaries.size()) == MaxBoundaries) {
                throw LineFormatError(MessageText(
                    LUMIVEX_TEXT("LineParsing", "Bereichsfehler: Modulationszeile hat mehr als %1 Wertgrenzen: %2"),
                    { MaxBoundaries, quoted(line) }));
            }
            boundaries.push_back(column);
        }
    }
    if (boundaries.empty()) {
        throw LineFormatError(MessageText(
            LUMIVEX_TEXT("LineParsing", "Bereichsfehler: Modulationszeile %1 enthält kein Leerzeichen vor einem Wert"),
            { quoted(line) }));
    }
    boundaries.back() = length;

    std::vector<int> values;
    values.reserve(static_cast<std::size_t>(valueCount > 0 ? valueCount : 0));
    for (int q = 1; q <= valueCount; ++q) {
        if (static_cast<std::size_t>(q) >= boundaries.size()) {
            throw LineFormatError(
                MessageText(LUMIVEX_TEXT("LineParsing", "Modulationszeile %1 enthält nur %2 von %3 Werten"),
                            { quoted(line), std::to_string(boundaries.size() - 1), valueCount }));
        }
        const std::size_t first = boundaries[static_cast<std::size_t>(q) - 1]; // 0-based start = 1-based boundary
        const std::size_t last = boundaries[static_cast<std::size_t>(q)];
        const std::string_view field = line.substr(first, last > first ? last - 1 - first : 0);
        const std::optional<long long> value = parseInteger(field);
        if (!value) {
            // A well-formed integer too large for long long is out of range,
            // not malformed.
            if (hasIntegerForm(field)) {
                throw LineFormatError(outOfByteRange(field));
            }
            // A field with a blank in it means two values ran together.
            const bool hasBlank = field.find(' ') != std::string_view::npos;
            throw LineFormatError(
                hasBlank ? MessageText(LUMIVEX_TEXT("LineParsing",
                                                    "Modulationswert %1 ist keine ganze Zahl (Werte durch genau ein "
                                                    "Leerzeichen trennen und die Zeile mit einem Leerzeichen beenden)"),
                                       { quoted(field) })
                         : MessageText(LUMIVEX_TEXT("LineParsing", "Modulationswert %1 ist keine ganze Zahl"),
                                       { quoted(field) }));
        }
        if (*value < 0 || *value > 255) {
            throw LineFormatError(outOfByteRange(field));
        }
        values.push_back(static_cast<int>(*value));
    }
    return values;
}

std::optional<double> parseDecimal(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::nullopt;
        }
    }
    // The general format reads no hexadecimal; "inf" and "nan", which it
    // does read, are refused as not finite.
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> parseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}
