// SPDX-License-Identifier: MIT
#include "LensFileReader.h"
#include "MapDrawing.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// An 800 x 450 map of the full-size example as --map draws it: the model
// from the file's curves, both panels' colour fields, contour lines, axes
// and colour bar, drawn into the image (no PNG encoding).
// Argument: the kind (0 height-frequency, 1 height-fnumber, 2 field 3:2).
void BM_Map800x450(benchmark::State& state)
{
    const LensData lens = readLensFile(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf", LensData {});
    const MapKind kind = static_cast<MapKind>(state.range(0));
    const MapRequest request { kind, CurveSelection { 3, 3, 1, 1 },
                               kind == MapKind::Field ? FieldShape { 3, 2 } : FieldShape {} };
    for (auto _ : state) {
        const QImage image = renderMapImage(makeMapScene(lens, request), QSize(800, 450));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Map800x450)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
