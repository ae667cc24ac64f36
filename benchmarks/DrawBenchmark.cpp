// SPDX-License-Identifier: MIT
#include "ChartDrawing.h"
#include "ImageCanvas.h"
#include "LensFileReader.h"
#include "PlotGeometry.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

const std::string ExampleFile = LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf";

constexpr std::array<Abscissa, 4> Abscissae { Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight,
                                              Abscissa::Magnification };

// One draw command in single mode over the full-size example with every
// frequency checked, into the window's 250 x 250 image: the empty frame
// with its texts, then per frequency the extraction, the axis texts, both
// splines, the samples and the curves with their markers.
// Argument: the abscissa (0 = k, 1 = LP/mm, 2 = y', 3 = ß').
void BM_DrawCommand(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    const Abscissa abscissa = Abscissae.at(static_cast<std::size_t>(state.range(0)));
    FrequencyFlags every;
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        every[q] = 1;
    }
    const AxisTexts texts = axisTextsFor(abscissa);
    const CurveSelection fixed { 0, 1, 1, 1 };
    QImage image(PlotGeometry::ImageSize, PlotGeometry::ImageSize, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    for (auto _ : state) {
        auto last = drawChart(canvas, lens, abscissa, fixed, every, texts, {});
        benchmark::DoNotOptimize(last);
        benchmark::ClobberMemory();
    }
    state.counters["curves"] = 2.0 * lens.FrequencyCount;
}
BENCHMARK(BM_DrawCommand)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The frame alone (white fill, grid, axes, tick values and axis texts),
// the part of a draw command that does not depend on the data.
void BM_EmptyFrame(benchmark::State& state)
{
    const LensData lens;
    const AxisTexts texts = axisTextsFor(Abscissa::FNumber);
    QImage image(PlotGeometry::ImageSize, PlotGeometry::ImageSize, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    for (auto _ : state) {
        drawChart(canvas, lens, Abscissa::FNumber, {}, FrequencyFlags {}, texts, {});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMicrosecond);

} // namespace
