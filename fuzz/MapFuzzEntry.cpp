// SPDX-License-Identifier: MIT
#include "FuzzCheck.h"
#include "FuzzEntries.h"
#include "FuzzLensInput.h"

#include "MapColours.h"
#include "MapContours.h"
#include "MapGrid.h"
#include "MapModel.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// A raster small enough to sample often, odd and even in the two directions.
constexpr int Columns = 13;
constexpr int Rows = 8;

// What the drawing relies on: a value is a number or NaN (no value), and
// contour points lie on the grid of cell centres.
void checkGrid(const MapGrid& grid)
{
    LUMIVEX_FUZZ_CHECK(grid.columns == Columns);
    LUMIVEX_FUZZ_CHECK(grid.rows == Rows);
    LUMIVEX_FUZZ_CHECK(grid.sag.size() == static_cast<std::size_t>(Columns * Rows)
                       && grid.tan.size() == grid.sag.size());
    for (const std::vector<double>* values : { &grid.sag, &grid.tan }) {
        for (const double v : *values) {
            LUMIVEX_FUZZ_CHECK(!std::isinf(v));
            modulationColour(v);
            differenceColour(v);
        }
        for (const double level : { 10.0, 50.0, -40.0 }) {
            for (const auto& line : contourLines(*values, Columns, Rows, level)) {
                LUMIVEX_FUZZ_CHECK(line.size() >= 2);
                for (const ContourPoint& p : line) {
                    LUMIVEX_FUZZ_CHECK(p.x >= 0.5);
                    LUMIVEX_FUZZ_CHECK(p.x <= Columns - 0.5);
                    LUMIVEX_FUZZ_CHECK(p.y >= 0.5);
                    LUMIVEX_FUZZ_CHECK(p.y <= Rows - 0.5);
                }
            }
        }
    }
}

// Every line of the CSV has the header's four fields; no more points than
// the 101 × 101 of the raster.
void checkCsv(const std::string& csv)
{
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find('\n', start);
        LUMIVEX_FUZZ_CHECK(end != std::string::npos);
        LUMIVEX_FUZZ_CHECK(std::count(csv.begin() + static_cast<long>(start), csv.begin() + static_cast<long>(end), ';')
                           == 3);
        start = end + 1;
        ++lines;
    }
    LUMIVEX_FUZZ_CHECK(lines >= 1);
    LUMIVEX_FUZZ_CHECK(lines <= 1 + 101 * 101);
}

void checkMap(const LensData& lens, const LensData& reference, const MapRequest& request, bool withCsv)
{
    const MapModel model(lens, request);
    if (!model.available()) {
        LUMIVEX_FUZZ_CHECK(!model.at(0.0, 0.0));
        return;
    }
    const MapAxis& x = model.xAxis();
    const MapAxis& y = model.yAxis();
    LUMIVEX_FUZZ_CHECK(std::isfinite(x.from));
    LUMIVEX_FUZZ_CHECK(std::isfinite(x.to));
    LUMIVEX_FUZZ_CHECK(std::isfinite(y.from));
    LUMIVEX_FUZZ_CHECK(std::isfinite(y.to));
    LUMIVEX_FUZZ_CHECK(x.from <= x.to);
    LUMIVEX_FUZZ_CHECK(y.from <= y.to);
    const MapGrid grid = sampleGrid(model, x, y, Columns, Rows);
    checkGrid(grid);

    const ReferenceMapRequest matched = matchReferenceRequest(lens, reference, request);
    if (matched.missing) {
        if (withCsv) {
            checkCsv(mapCsv(model));
        }
        return;
    }
    const MapModel theirs(reference, matched.request);
    if (theirs.available()) {
        checkGrid(differenceGrid(grid, sampleGrid(theirs, x, y, Columns, Rows)));
    }
    if (withCsv) {
        checkCsv(mapCsv(model, theirs.available() ? &theirs : nullptr));
    }
}

} // namespace

void fuzzMapGrids(const std::uint8_t* data, std::size_t size)
{
    const FuzzOptionsLine input = splitOptionsLine(std::string(reinterpret_cast<const char*>(data), size));
    const std::optional<FuzzLenses> lenses = readFuzzLenses(input.rest);
    if (!lenses) {
        return;
    }
    const LensData& lens = lenses->lens;
    FieldShape field;
    if (const std::optional<FieldShape> parsed = parseFieldShape(input.options)) {
        field = *parsed;
    }
    const int longest = std::max({ lens.FNumberCount, lens.FrequencyCount, lens.MagnificationCount });
    for (const MapKind kind : { MapKind::HeightFrequency, MapKind::HeightFNumber, MapKind::Field }) {
        // Each entry of each list fixed in some step; the 101 × 101 CSV,
        // the slowest part, once per kind.
        for (int step = 1; step <= longest; ++step) {
            const CurveSelection selection { std::min(step, lens.FrequencyCount), std::min(step, lens.FNumberCount), 1,
                                             std::min(step, lens.MagnificationCount) };
            checkMap(lens, lenses->reference, MapRequest { kind, selection, field }, step == 1);
        }
    }
}
