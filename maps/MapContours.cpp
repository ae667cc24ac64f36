// SPDX-License-Identifier: MIT
#include "MapContours.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace {

struct Point
{
    double x;
    double y;
};

} // namespace

std::vector<ContourSegment> contourSegments(const std::vector<double>& values, int columns, int rows, double level)
{
    std::vector<ContourSegment> segments;
    const auto value = [&](int i, int j) { return values[static_cast<std::size_t>(j * columns + i)]; };
    for (int j = 0; j + 1 < rows; ++j) {
        for (int i = 0; i + 1 < columns; ++i) {
            // Corners counter-clockwise on the screen: top-left, top-right,
            // bottom-right, bottom-left (rows run down).
            const std::array<Point, 4> at {
                { { i + 0.5, j + 0.5 }, { i + 1.5, j + 0.5 }, { i + 1.5, j + 1.5 }, { i + 0.5, j + 1.5 } }
            };
            const std::array<double, 4> v { value(i, j), value(i + 1, j), value(i + 1, j + 1), value(i, j + 1) };
            if (std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(v[2]) || std::isnan(v[3])) {
                continue;
            }
            // Where the edge from corner a to corner b crosses the level.
            const auto cross = [&](int a, int b) {
                const double t = (level - v[a]) / (v[b] - v[a]);
                return Point { at[a].x + t * (at[b].x - at[a].x), at[a].y + t * (at[b].y - at[a].y) };
            };
            std::array<Point, 4> crossings {};
            int count = 0;
            for (int e = 0; e < 4; ++e) {
                const int a = e;
                const int b = (e + 1) % 4;
                if ((v[a] >= level) != (v[b] >= level)) {
                    crossings[count++] = cross(a, b);
                }
            }
            if (count == 2) {
                segments.push_back({ crossings[0].x, crossings[0].y, crossings[1].x, crossings[1].y });
            } else if (count == 4) {
                // A saddle: when the centre is on the side of corner 0, the
                // lines cut off corners 1 and 3; otherwise corners 0 and 2.
                const bool centreAbove = (v[0] + v[1] + v[2] + v[3]) / 4.0 >= level;
                const bool cutCorners0And2 = centreAbove != (v[0] >= level);
                if (cutCorners0And2) {
                    // Edges 0-1 and 3-0 cut off corner 0; 1-2 and 2-3 corner 2.
                    segments.push_back({ crossings[0].x, crossings[0].y, crossings[3].x, crossings[3].y });
                    segments.push_back({ crossings[1].x, crossings[1].y, crossings[2].x, crossings[2].y });
                } else {
                    segments.push_back({ crossings[0].x, crossings[0].y, crossings[1].x, crossings[1].y });
                    segments.push_back({ crossings[2].x, crossings[2].y, crossings[3].x, crossings[3].y });
                }
            }
        }
    }
    return segments;
}
