// SPDX-License-Identifier: MIT
#include "LensFileReader.h"
#include "PlotReadout.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path ExampleFile
    = std::filesystem::path(LUMIVEX_SOURCE_DIR) / "examples/vollformat-objektiv.mtf";

// What one mouse move over the plot costs: the readout of 16 overlaid
// curves of the full-size example (every frequency at f-numbers 1.4 and 2,
// over the image height) at the cursor's column, and its text for the tool
// tip. The cursor sweeps the plot, so support points and the spline
// between them are read alike.
void BM_ReadoutPerMouseMove(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    DrawnPlot plot;
    FrequencyFlags every;
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        every[q] = 1;
    }
    for (const int fNumber : { 1, 2 }) {
        recordDraw(plot, lens, Abscissa::ImageHeight, CurveSelection { 0, fNumber, 1, 1 }, every);
    }
    int column = 40;
    for (auto _ : state) {
        const PlotReadout readout = readPlotAt(plot, column);
        QString text = readout.text();
        benchmark::DoNotOptimize(text);
        column = column == 210 ? 40 : column + 1;
    }
    state.counters["curves"] = static_cast<double>(plot.curves.size());
}
BENCHMARK(BM_ReadoutPerMouseMove)->Unit(benchmark::kMicrosecond);

} // namespace
