// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct MapColour
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const MapColour&) const = default;
};

// The colour of a modulation in percent on a perceptually uniform scale
// that people with a colour vision deficiency read alike: 0 % dark blue,
// 100 % bright yellow, one of 256 steps. Values outside 0..100 (a spline
// overshooting) take the colour of the end they passed; NaN is 0.
MapColour modulationColour(double percent);

// The colour of a difference in percentage points on a diverging scale
// fixed at −50 … +50: white at 0, red below (the first lens lower), blue
// above; beyond ±50 the end colours.
MapColour differenceColour(double points);
