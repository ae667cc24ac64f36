// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <stdexcept>
#include <string>

// A single line of a lens data file that does not have the expected form.
// The text is German and names the offending text; the reader adds the line
// number when it turns this into a LoadError.
class LineFormatError : public std::runtime_error, public TranslatableError
{
public:
    explicit LineFormatError(const MessageText& message)
        : std::runtime_error(message.german())
        , TranslatableError(message)
    {
    }
};
