// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

// The part of the image that a field figure or a field map covers: the
// image circle of radius R, or a W:H rectangle centred on the axis whose
// half-diagonal is R (the format that the lens's image circle just covers).
struct FieldShape
{
    // 0:0 stands for the circle; otherwise both are positive.
    double width = 0.0;
    double height = 0.0;

    bool isCircle() const { return width <= 0.0 || height <= 0.0; }

    // Half-sides of the rectangle for the half-diagonal radius:
    // a = R·W/√(W²+H²), b = R·H/√(W²+H²). For the circle both are radius.
    double halfWidth(double radius) const { return isCircle() ? radius : radius * width / std::hypot(width, height); }
    double halfHeight(double radius) const { return isCircle() ? radius : radius * height / std::hypot(width, height); }

    bool operator==(const FieldShape&) const = default;
};

// Reads "circle" or "W:H" with positive decimal numbers (a decimal point,
// no blanks), e.g. "3:2", "16:9", "1.5:1". Anything else is nullopt.
std::optional<FieldShape> parseFieldShape(std::string_view text);

// The text that parseFieldShape reads back: "circle" or "W:H" with the
// numbers in their shortest form.
std::string fieldShapeText(const FieldShape& shape);
