// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"
#include "RangeArray.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Working storage of SplitLine: the items of the last labelled value line.
// Texts are the file's bytes (Windows-1252), not yet decoded.
struct LineTokens
{
    static constexpr int MaxValues = 15;

    // Blank-delimited items of the line, the label included; 0 for a line
    // without any item.
    int count = 0;
    // Values 1 .. count - 1; entries above keep what an earlier line left.
    RangeArray<std::string, 1, MaxValues> LineToken;

    int valueCount() const { return count > 0 ? count - 1 : 0; }
};

// A text of the file (Windows-1252 bytes) in quotes, for messages: German
// quotes in the German text, a translation sets its own. Safe to print:
// at most 60 characters, then "…"; control characters (below 0x20, DEL and
// the bytes Windows-1252 leaves undefined) written as "\x1b".
MessageText quoted(std::string_view bytes);

// The shortest text that reads back as the same double, with a decimal
// point whatever the locale ("0.1", "25", "1e+20").
std::string shortestNumber(double value);

// A text of the file without its leading and trailing blanks.
std::string trimBlanks(const std::string& text);

// A field of a ';'-separated CSV line: as it is, or in double quotes (each
// quote doubled) when it holds the separator, a quote or a line end.
std::string csvField(const std::string& text);

// Splits one labelled value line at blanks (the space character only). The
// first item is the label: counted, not stored. A run of several blanks
// between two items stays at the front of the following value's text, so
// "k  2.8" yields the value " 2.8". Throws LineFormatError for a 16th value
// (after storing the first 15).
void splitLine(std::string_view line, LineTokens& tokens);

// The values of one modulation line: valueCount integers in 0..255. A value
// is the text between two boundaries, where a boundary is a blank followed
// by a non-blank, or a blank in the last column; the last boundary is moved
// to the end of the line. A label in column 1 is thereby skipped, the
// trailing blank is required, and two blanks between values make a field
// that is not an integer. Throws LineFormatError for a line longer than 255
// characters, more than 10 boundaries, none at all, fewer values than
// valueCount, a value that is not an integer or one outside 0..255.
std::vector<int> parseModulationLine(std::string_view line, int valueCount);

// A real number as written in the file: optional leading blanks, optional
// sign, digits with a decimal point and an optional exponent (E or e).
// nullopt for anything else, including texts like "inf", a decimal comma
// and values outside the range of double.
std::optional<double> parseDecimal(std::string_view text);

// A decimal integer with an optional sign and nothing else; nullopt when the
// text is not of that form or does not fit a long long.
std::optional<long long> parseInteger(std::string_view text);
