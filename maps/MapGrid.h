// SPDX-License-Identifier: MIT
#pragma once

#include "MapModel.h"

#include <string>
#include <vector>

// A map's values on a raster of cells, each cell's the value at its centre:
// cell (i, j) lies at x = x.at((i + 0.5) / columns) and, row 0 at the top,
// y = y.at(1 - (j + 0.5) / rows). NaN where there is no value.
struct MapGrid
{
    int columns = 0;
    int rows = 0;
    std::vector<double> sag; // row by row, from the top
    std::vector<double> tan;

    double sagAt(int i, int j) const { return sag[static_cast<std::size_t>(j * columns + i)]; }
    double tanAt(int i, int j) const { return tan[static_cast<std::size_t>(j * columns + i)]; }
};

// The model's values on the raster over the given axes (the model's own, or
// another lens's to compare on its grid).
MapGrid sampleGrid(const MapModel& model, const MapAxis& x, const MapAxis& y, int columns, int rows);

// A − B cell by cell; NaN where either has no value. The grids must have the
// same size.
MapGrid differenceGrid(const MapGrid& a, const MapGrid& b);

// The values as `;`-separated text with a decimal point on 101 × 101 points
// evenly spread over both axes, ends included, x varying fastest, y rising:
// "image_height_mm;frequency_lpmm;sag;tan", "image_height_mm;f_number;sag;tan"
// (the f-number 2^(stop/2)) or "x_mm;y_mm;sag;tan"; points without a value
// (outside the format) are left out. With a reference map the last two
// columns are "sag_difference;tan_difference", A − B, and points B does not
// cover are left out too. An unavailable map gives the header alone.
std::string mapCsv(const MapModel& model, const MapModel* reference = nullptr);
