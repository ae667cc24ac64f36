// SPDX-License-Identifier: MIT
#include "CurveProbe.h"

#include "CurvePipeline.h"
#include "LineParsing.h"

#include <algorithm>
#include <cmath>

namespace {

// Two abscissae name the same support point.
bool sameAbscissa(double a, double b)
{
    return a == b || std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

} // namespace

AbscissaScale::AbscissaScale(const LensData& lens, Abscissa abscissa)
    : m_abscissa(abscissa)
    , m_maxImageHeight(lens.MaxImageHeight)
{
    const auto take = [this](const auto& list, int count) {
        for (int i = 1; i <= count; ++i) {
            m_texts.push_back(list[i]);
            m_values.push_back(parseDecimal(list[i]));
        }
    };
    switch (abscissa) {
    case Abscissa::FNumber:
        take(lens.FNumberText, lens.FNumberCount);
        break;
    case Abscissa::Frequency:
        take(lens.FrequencyText, lens.FrequencyCount);
        break;
    case Abscissa::Magnification:
        take(lens.MagnificationText, lens.MagnificationCount);
        break;
    case Abscissa::ImageHeight:
        break;
    }
}

int AbscissaScale::firstNonNumeric() const
{
    const auto found = std::find(m_values.begin(), m_values.end(), std::nullopt);
    return found == m_values.end() ? 0 : static_cast<int>(found - m_values.begin()) + 1;
}

std::optional<double> AbscissaScale::positionOf(double x) const
{
    if (m_abscissa == Abscissa::ImageHeight) {
        return x / 100.0 * m_maxImageHeight;
    }
    if (m_values.size() == 1 && m_values[0] == x) {
        return 0.0;
    }
    for (std::size_t i = 0; i + 1 < m_values.size(); ++i) {
        const std::optional<double> a = m_values[i];
        const std::optional<double> b = m_values[i + 1];
        if (!a || !b || x < std::min(*a, *b) || x > std::max(*a, *b)) {
            continue;
        }
        // Equal neighbours enclose only their own value: the first of them.
        const double fraction = *a == *b ? 0.0 : (x - *a) / (*b - *a);
        return static_cast<double>(i) + fraction;
    }
    return std::nullopt;
}

std::optional<double> AbscissaScale::valueAt(double position) const
{
    if (m_abscissa == Abscissa::ImageHeight) {
        if (!(m_maxImageHeight > 0.0)) {
            return std::nullopt;
        }
        return position / m_maxImageHeight * 100.0;
    }
    const double last = static_cast<double>(m_values.size()) - 1.0;
    if (m_values.empty() || !(position >= 0.0 && position <= last)) {
        return std::nullopt;
    }
    const std::size_t i = std::min(static_cast<std::size_t>(position), m_values.size() - 1);
    const double fraction = position - static_cast<double>(i);
    if (!m_values[i]) {
        return std::nullopt;
    }
    if (fraction == 0.0) {
        return m_values[i];
    }
    if (!m_values[i + 1]) {
        return std::nullopt;
    }
    return *m_values[i] + fraction * (*m_values[i + 1] - *m_values[i]);
}

double probeStart(const ExtractedCurve& curve)
{
    return curve.CurvePointCount >= 1 ? std::max(curve.KnotX[1], 0.0) : 0.0;
}

ProbeValue nodeValue(const CurveProbe& probe, int i)
{
    return { probe.curve.SagPointValues[i], probe.curve.TanPointValues[i], i };
}

std::optional<ProbeValue> probeCurve(const CurveProbe& probe, double position)
{
    const ExtractedCurve& curve = probe.curve;
    const int n = std::min(curve.CurvePointCount, ExtractedCurve::MaxPoints);
    if (n < 1 || !std::isfinite(position)) {
        return std::nullopt;
    }
    const double start = probeStart(curve);
    for (int i = 1; i <= n; ++i) {
        if (curve.KnotX[i] >= start && sameAbscissa(position, curve.KnotX[i])) {
            return nodeValue(probe, i);
        }
    }
    if (position < start || position > curve.KnotX[n]) {
        return std::nullopt;
    }
    return ProbeValue { evaluateSpline(probe.sagittal, position).value,
                        evaluateSpline(probe.tangential, position).value, 0 };
}

CurveProbe makeCurveProbe(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                          const SplineWarningSink& warn)
{
    CurveProbe probe;
    probe.curve = extractCurve(lens, abscissa, selection);
    probe.sagittal = seriesSpline(probe.curve, Series::Sagittal, warn);
    probe.tangential = seriesSpline(probe.curve, Series::Tangential, warn);
    return probe;
}
