// SPDX-License-Identifier: MIT
#include "MapContours.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <optional>
#include <utility>

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
            const std::array<double, 4> v { value(i, j), value(i + 1, j), value(i + 1, j + 1), value(i, j + 1) };
            // Most squares lie wholly on one side of the level (a NaN
            // corner, which counts as below here, is left out next).
            const int above = (v[0] >= level) + (v[1] >= level) + (v[2] >= level) + (v[3] >= level);
            if (above == 0 || above == 4 || std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(v[2])
                || std::isnan(v[3])) {
                continue;
            }
            // Corners counter-clockwise on the screen: top-left, top-right,
            // bottom-right, bottom-left (rows run down).
            const std::array<Point, 4> at {
                { { i + 0.5, j + 0.5 }, { i + 1.5, j + 0.5 }, { i + 1.5, j + 1.5 }, { i + 0.5, j + 1.5 } }
            };
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

std::vector<std::vector<ContourPoint>> contourLines(const std::vector<double>& values, int columns, int rows,
                                                    double level)
{
    const std::vector<ContourSegment> segments = contourSegments(values, columns, rows, level);
    // Both squares beside an edge compute its crossing from the same two
    // values, so the ends meet exactly up to rounding.
    using Key = std::pair<long long, long long>;
    const auto key = [](double x, double y) { return Key { std::llround(x * 1e6), std::llround(y * 1e6) }; };
    std::multimap<Key, std::size_t> ends;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        ends.emplace(key(segments[k].x1, segments[k].y1), k);
        ends.emplace(key(segments[k].x2, segments[k].y2), k);
    }
    std::vector<bool> used(segments.size(), false);
    // The unused segment with an end at p, and its other end.
    const auto next = [&](const ContourPoint& p) -> std::optional<ContourPoint> {
        const auto [first, last] = ends.equal_range(key(p.x, p.y));
        for (auto it = first; it != last; ++it) {
            if (!used[it->second]) {
                used[it->second] = true;
                const ContourSegment& s = segments[it->second];
                return key(s.x1, s.y1) == key(p.x, p.y) ? ContourPoint { s.x2, s.y2 } : ContourPoint { s.x1, s.y1 };
            }
        }
        return std::nullopt;
    };
    std::vector<std::vector<ContourPoint>> lines;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        if (used[k]) {
            continue;
        }
        used[k] = true;
        std::vector<ContourPoint> forward { { segments[k].x1, segments[k].y1 }, { segments[k].x2, segments[k].y2 } };
        while (const std::optional<ContourPoint> p = next(forward.back())) {
            forward.push_back(*p);
        }
        std::vector<ContourPoint> backward { forward.front() };
        while (const std::optional<ContourPoint> p = next(backward.back())) {
            backward.push_back(*p);
        }
        std::vector<ContourPoint> line(backward.rbegin(), backward.rend() - 1);
        line.insert(line.end(), forward.begin(), forward.end());
        lines.push_back(std::move(line));
    }
    return lines;
}
