// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// A single line of a lens data file that does not have the expected form.
// The text is German and names the offending text; the reader adds the line
// number when it turns this into a LoadError.
class LineFormatError : public std::runtime_error
{
public:
    explicit LineFormatError(const std::string& message)
        : std::runtime_error(message)
    {
    }
};
