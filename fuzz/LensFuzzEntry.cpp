// SPDX-License-Identifier: MIT
#include "FuzzCheck.h"
#include "FuzzEntries.h"
#include "FuzzLensInput.h"

#include "CurveComparison.h"
#include "CurvePipeline.h"
#include "CurveProbe.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

// What every surface relies on: samples it can turn into pixels.
void checkDrawable(const SeriesCurve& series)
{
    const CurveSamples& samples = series.samples;
    LUMIVEX_FUZZ_CHECK(std::isfinite(samples.ScaleX));
    LUMIVEX_FUZZ_CHECK(std::isfinite(samples.ScaleY));
    for (int i = 1; i <= CurveSamples::SampleCount; ++i) {
        LUMIVEX_FUZZ_CHECK(std::isfinite(samples.CurveSampleX[i]));
        LUMIVEX_FUZZ_CHECK(std::isfinite(samples.CurveSampleY[i]));
    }
}

// The readout at the support points, between them and outside the curve.
void probeAround(const LensData& lens, Abscissa abscissa, const CurveSelection& selection)
{
    const CurveProbe probe = makeCurveProbe(lens, abscissa, selection);
    const ExtractedCurve& curve = probe.curve;
    const int n = curve.CurvePointCount;
    const double start = probeStart(curve);
    for (int i = 1; i <= n; ++i) {
        const std::optional<ProbeValue> atNode = probeCurve(probe, curve.KnotX[i]);
        if (curve.KnotX[i] >= start) {
            // A support point of the curve reads as one (the first of equal abscissae).
            LUMIVEX_FUZZ_CHECK(atNode);
            LUMIVEX_FUZZ_CHECK(atNode->node >= 1);
            LUMIVEX_FUZZ_CHECK(atNode->node <= i);
            LUMIVEX_FUZZ_CHECK(atNode->sag == curve.SagPointValues[atNode->node]);
        }
        if (i < n) {
            // Halfway between two support points within the curve, and
            // near none: the splines' value, not a support point's.
            const double a = curve.KnotX[i];
            const double b = curve.KnotX[i + 1];
            const double middle = (a + b) / 2;
            const double near = 1e-6 * std::max({ std::abs(a), std::abs(b), 1.0 });
            bool nearANode = false;
            for (int k = 1; k <= n; ++k) {
                nearANode = nearANode || std::abs(curve.KnotX[k] - middle) <= near;
            }
            const std::optional<ProbeValue> between = probeCurve(probe, middle);
            if (a >= start && b - a > 2 * near && b <= curve.KnotX[n] && !nearANode) {
                LUMIVEX_FUZZ_CHECK(between);
                LUMIVEX_FUZZ_CHECK(between->node == 0);
            }
        }
    }
    LUMIVEX_FUZZ_CHECK(!probeCurve(probe, -1e9));
    if (n >= 1) {
        // Far beyond the last point, however large it is (a height of 1e210
        // mm plus 1e9 is the same number).
        LUMIVEX_FUZZ_CHECK(!probeCurve(probe, curve.KnotX[n] + 1e9 + std::abs(curve.KnotX[n])));
    }

    // The axis's own values: the list's entries, the ends and beyond.
    const AbscissaScale scale(lens, abscissa);
    for (const double x : { -1.0, 0.0, 0.5, 2.8, 50.0, 100.0, 1e30 }) {
        if (const std::optional<double> position = scale.positionOf(x)) {
            scale.valueAt(*position);
            probeCurve(probe, *position);
        }
    }
    for (int i = 0; i < scale.count(); ++i) {
        scale.valueAt(i + 0.5);
    }
}

void everyCurve(const LensData& lens, const LensData& reference)
{
    const auto noWarning = [](SplineWarning) {};
    const int longest
        = std::max({ lens.FNumberCount, lens.FrequencyCount, lens.ImageHeightCount, lens.MagnificationCount });
    for (const Abscissa abscissa :
         { Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight, Abscissa::Magnification }) {
        // Every index of every variable, all of them stepping at once: each
        // entry of each list is fixed in some step, and the tables are read
        // at every index in each dimension.
        for (int step = 1; step <= longest; ++step) {
            CurveSelection selection;
            selection.FrequencyIndex = std::min(step, lens.FrequencyCount);
            selection.FNumberIndex = std::min(step, lens.FNumberCount);
            selection.ImageHeightIndex = std::min(step, lens.ImageHeightCount);
            selection.MagnificationIndex = std::min(step, lens.MagnificationCount);

            const ExtractedCurve curve = extractCurve(lens, abscissa, selection);
            LUMIVEX_FUZZ_CHECK(curve.CurvePointCount >= 0);
            LUMIVEX_FUZZ_CHECK(curve.CurvePointCount <= ExtractedCurve::MaxPoints);
            const ReferenceCurve compared = compareCurve(lens, reference, abscissa, selection);
            for (const Series series : { Series::Sagittal, Series::Tangential }) {
                const SeriesCurve own = computeSeries(curve, series, noWarning);
                checkDrawable(own);
                if (!compared.missing) {
                    checkDrawable(referenceSeries(compared, series, own.samples.ScaleX, noWarning));
                }
            }
            probeAround(lens, abscissa, selection);
        }
    }
}

} // namespace

void fuzzLensFile(const std::uint8_t* data, std::size_t size)
{
    const std::optional<FuzzLenses> lenses = readFuzzLenses(std::string(reinterpret_cast<const char*>(data), size));
    if (lenses) {
        everyCurve(lenses->lens, lenses->reference);
    }
}
