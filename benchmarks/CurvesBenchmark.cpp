// SPDX-License-Identifier: MIT
#include "CurvePipeline.h"
#include "LensFileReader.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

const std::string ExampleFile = LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf";

constexpr std::array<Abscissa, 4> Abscissae { Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight,
                                              Abscissa::Magnification };

// Every selection the panels allow for one abscissa: all values of the three
// other variables (the abscissa's own index is not read and stays 1).
template <typename Visit> void forEachSelection(const LensData& lens, Abscissa abscissa, Visit visit)
{
    const auto countOr1 = [&](Abscissa variable, int count) { return variable == abscissa ? 1 : count; };
    const int frequencies = countOr1(Abscissa::Frequency, lens.FrequencyCount);
    const int fNumbers = countOr1(Abscissa::FNumber, lens.FNumberCount);
    const int imageHeights = countOr1(Abscissa::ImageHeight, lens.ImageHeightCount);
    const int magnifications = countOr1(Abscissa::Magnification, lens.MagnificationCount);
    for (int q = 1; q <= frequencies; ++q) {
        for (int f = 1; f <= fNumbers; ++f) {
            for (int h = 1; h <= imageHeights; ++h) {
                for (int m = 1; m <= magnifications; ++m) {
                    visit(CurveSelection { q, f, h, m });
                }
            }
        }
    }
}

struct CurveTally
{
    long series = 0;
    long warnings = 0;
    long notDrawable = 0;
};

// Extracts, splines and samples both series of every curve over the given
// abscissae.
template <typename Range> CurveTally computeCurves(const LensData& lens, const Range& abscissae)
{
    CurveTally tally;
    const SplineWarningSink countWarning = [&](SplineWarning) { ++tally.warnings; };
    for (const Abscissa abscissa : abscissae) {
        forEachSelection(lens, abscissa, [&](const CurveSelection& selection) {
            const ExtractedCurve curve = extractCurve(lens, abscissa, selection);
            for (const Series s : { Series::Sagittal, Series::Tangential }) {
                SeriesCurve result = computeSeries(curve, s, countWarning);
                benchmark::DoNotOptimize(result);
                ++tally.series;
                tally.notDrawable += result.samples.drawable ? 0 : 1;
            }
        });
    }
    return tally;
}

void reportTally(benchmark::State& state, const CurveTally& tally)
{
    state.counters["series"] = static_cast<double>(tally.series);
    state.counters["warnings"] = static_cast<double>(tally.warnings);
    state.counters["notDrawable"] = static_cast<double>(tally.notDrawable);
    state.SetItemsProcessed(state.iterations() * tally.series);
}

void BM_ReadLensFile(benchmark::State& state)
{
    const LensData empty;
    for (auto _ : state) {
        LensData lens = readLensFile(ExampleFile, empty);
        benchmark::DoNotOptimize(lens);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadLensFile)->Unit(benchmark::kMicrosecond);

void BM_AllCurves(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    CurveTally tally;
    for (auto _ : state) {
        tally = computeCurves(lens, Abscissae);
    }
    reportTally(state, tally);
}
BENCHMARK(BM_AllCurves)->Unit(benchmark::kMicrosecond);

// The same split by abscissa (0 = k, 1 = LP/mm, 2 = y', 3 = ß').
void BM_CurvesOverAbscissa(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    const std::array<Abscissa, 1> one { Abscissae.at(static_cast<std::size_t>(state.range(0))) };
    CurveTally tally;
    for (auto _ : state) {
        tally = computeCurves(lens, one);
    }
    reportTally(state, tally);
}
BENCHMARK(BM_CurvesOverAbscissa)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// One draw of the screen: one extraction and both series.
void BM_OneCurve(benchmark::State& state)
{
    const LensData lens = readLensFile(ExampleFile, LensData {});
    const CurveSelection selection { 1, 1, 1, 1 };
    for (auto _ : state) {
        const ExtractedCurve curve = extractCurve(lens, Abscissa::ImageHeight, selection);
        SeriesCurve sag = computeSeries(curve, Series::Sagittal, {});
        SeriesCurve tan = computeSeries(curve, Series::Tangential, {});
        benchmark::DoNotOptimize(sag);
        benchmark::DoNotOptimize(tan);
    }
}
BENCHMARK(BM_OneCurve)->Unit(benchmark::kMicrosecond);

} // namespace
