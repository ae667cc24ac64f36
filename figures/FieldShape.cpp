// SPDX-License-Identifier: MIT
#include "FieldShape.h"

#include <array>
#include <charconv>

namespace {

std::optional<double> positiveNumber(std::string_view text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) || value <= 0.0)
        return std::nullopt;
    return value;
}

// In the notation parseFieldShape reads: no exponent, so that 1e-07 is
// written 0.0000001 and 1e+30 with all its digits (a double has at most
// 309 digits before the point and 1074 after it).
std::string shortest(double value)
{
    std::array<char, 1100> buffer {};
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer.data(), ptr) : std::string();
}

} // namespace

std::optional<FieldShape> parseFieldShape(std::string_view text)
{
    if (text == "circle")
        return FieldShape {};
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto width = positiveNumber(text.substr(0, colon));
    const auto height = positiveNumber(text.substr(colon + 1));
    if (!width || !height)
        return std::nullopt;
    return FieldShape { *width, *height };
}

std::string fieldShapeText(const FieldShape& shape)
{
    if (shape.isCircle())
        return "circle";
    return shortest(shape.width) + ":" + shortest(shape.height);
}
