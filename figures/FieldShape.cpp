// SPDX-License-Identifier: MIT
#include "FieldShape.h"

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

std::string shortest(double value)
{
    char buffer[32];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
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
