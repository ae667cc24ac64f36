// SPDX-License-Identifier: MIT
#include "ChartExport.h"
#include "LensFileReader.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string ExampleFile = LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf";

// The analysis window's chart redrawn at 1,000 x 1,000 pixels, as after a
// resize: the full-size example over the image height with every frequency
// checked, one draw (16 curves) or overlaid for every f-number (128 curves);
// frame, texts, markers and the curves as Bézier paths, antialiased.
// Argument: 0 one draw, 1 every f-number overlaid.
void BM_LargeChart(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    ChartSelection chart;
    chart.abscissa = Abscissa::ImageHeight;
    chart.texts = windowAxisTexts(chart.abscissa);
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        chart.frequencies[q] = 1;
    }
    chart.passes = chartPasses(lens, chart.abscissa, CurveSelection { 0, 1, 1, 1 }, state.range(0) == 1);
    for (auto _ : state) {
        QImage image = renderSmoothChart(lens, chart, 1000, {});
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_LargeChart)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace
