// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// A piece of a contour line in grid units: the centre of cell (i, j) of a
// MapGrid is (i + 0.5, j + 0.5).
struct ContourSegment
{
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};

// Where the values (row by row, `columns` wide) cross `level`, by marching
// squares over the squares between four neighbouring cell centres, linear
// along each edge. A square with a NaN corner gives nothing; a saddle is
// split by the mean of its corners. A corner exactly at the level counts as
// above it.
std::vector<ContourSegment> contourSegments(const std::vector<double>& values, int columns, int rows, double level);

struct ContourPoint
{
    double x = 0.0;
    double y = 0.0;
};

// The same crossings joined into lines: segments that meet end to end (on
// the edge two squares share) make one polyline; a closed line ends where
// it started.
std::vector<std::vector<ContourPoint>> contourLines(const std::vector<double>& values, int columns, int rows,
                                                    double level);
