// SPDX-License-Identifier: MIT
#include "MessageText.h"

std::string MessageText::german() const
{
    if (isLiteral()) {
        return m_literal;
    }
    std::vector<std::string> filled;
    filled.reserve(m_arguments.size());
    for (const MessageText& argument : m_arguments) {
        filled.push_back(argument.german());
    }
    return fillPlaceholders(m_source.text, filled);
}

std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& arguments)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                result += arguments[index];
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}
