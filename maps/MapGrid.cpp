// SPDX-License-Identifier: MIT
#include "MapGrid.h"

#include "LineParsing.h"

#include <cmath>

namespace {

// A coordinate or value to nine decimals, so that the rounding of the
// splines' arithmetic does not show: 92, not 91.99999999999999.
std::string csvNumber(double value)
{
    const double rounded = std::round(value * 1e9) / 1e9;
    return shortestNumber(rounded == 0.0 ? 0.0 : rounded);
}

} // namespace

MapGrid sampleGrid(const MapModel& model, const MapAxis& x, const MapAxis& y, int columns, int rows)
{
    MapGrid grid;
    grid.columns = std::max(columns, 0);
    grid.rows = std::max(rows, 0);
    const std::size_t cells = static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows);
    grid.sag.assign(cells, NAN);
    grid.tan.assign(cells, NAN);
    for (int i = 0; i < grid.columns; ++i) {
        const MapModel::Column column = model.column(x.at((i + 0.5) / grid.columns));
        for (int j = 0; j < grid.rows; ++j) {
            if (const std::optional<MapValue> value = column.at(y.at(1.0 - (j + 0.5) / grid.rows))) {
                const std::size_t k = static_cast<std::size_t>(j * grid.columns + i);
                grid.sag[k] = value->sag;
                grid.tan[k] = value->tan;
            }
        }
    }
    return grid;
}

MapGrid differenceGrid(const MapGrid& a, const MapGrid& b)
{
    MapGrid difference = a;
    for (std::size_t k = 0; k < a.sag.size() && k < b.sag.size(); ++k) {
        // NaN on either side stays NaN.
        difference.sag[k] = a.sag[k] - b.sag[k];
        difference.tan[k] = a.tan[k] - b.tan[k];
    }
    return difference;
}

std::string mapCsv(const MapModel& model, const MapModel* reference)
{
    static constexpr int Points = 101;
    std::string csv;
    switch (model.kind()) {
    case MapKind::HeightFrequency:
        csv = "image_height_mm;frequency_lpmm;";
        break;
    case MapKind::HeightFNumber:
        csv = "image_height_mm;f_number;";
        break;
    case MapKind::Field:
        csv = "x_mm;y_mm;";
        break;
    }
    csv += reference != nullptr ? "sag_difference;tan_difference\n" : "sag;tan\n";
    if (!model.available()) {
        return csv;
    }
    const MapAxis& xAxis = model.xAxis();
    const MapAxis& yAxis = model.yAxis();
    for (int j = 0; j < Points; ++j) {
        const double y = yAxis.at(j / (Points - 1.0));
        const std::string yText = csvNumber(model.kind() == MapKind::HeightFNumber ? std::exp2(y / 2.0) : y) + ';';
        for (int i = 0; i < Points; ++i) {
            const double x = xAxis.at(i / (Points - 1.0));
            std::optional<MapValue> value = model.at(x, y);
            if (value && reference != nullptr) {
                const std::optional<MapValue> theirs = reference->at(x, y);
                value = theirs ? std::optional(MapValue { value->sag - theirs->sag, value->tan - theirs->tan })
                               : std::nullopt;
            }
            if (value) {
                csv += csvNumber(x) + ';' + yText + csvNumber(value->sag) + ';' + csvNumber(value->tan) + '\n';
            }
        }
    }
    return csv;
}
