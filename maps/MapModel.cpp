// SPDX-License-Identifier: MIT
#include "MapModel.h"

#include "LineParsing.h"

#include <algorithm>
#include <cmath>

namespace {

// Within the closed range, allowing for the rounding of a computed end.
bool within(double value, double from, double to)
{
    const double slack = 1e-9 * std::max({ std::abs(from), std::abs(to), 1.0 });
    return value >= from - slack && value <= to + slack;
}

// Ticks at round numbers (1, 2 or 5 times a power of ten) inside the range,
// at most about `wanted` of them.
std::vector<MapTick> roundTicks(double from, double to, int wanted)
{
    std::vector<MapTick> ticks;
    const double span = to - from;
    if (!(span > 0.0) || !std::isfinite(span)) {
        return ticks;
    }
    const double raw = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : { 1.0, 2.0, 5.0, 10.0 }) {
        step = factor * power;
        if (step >= raw) {
            break;
        }
    }
    for (double k = std::ceil(from / step - 1e-9); k * step <= to + step * 1e-9; k += 1.0) {
        // Whole multiples of the step: no 0.30000000000000004.
        const double value = std::round(k * step / power * 1e6) / 1e6 * power;
        ticks.push_back({ value, shortestNumber(value == 0.0 ? 0.0 : value) });
    }
    return ticks;
}

// The numbers of a list of texts, nullopt for one that is not a number.
template <typename List> std::vector<std::optional<double>> numbersOf(const List& list, int count)
{
    std::vector<std::optional<double>> numbers;
    for (int i = 1; i <= count; ++i) {
        numbers.push_back(parseDecimal(trimBlanks(list[i])));
    }
    return numbers;
}

bool strictlyRising(const std::vector<double>& values)
{
    return std::adjacent_find(values.begin(), values.end(), std::greater_equal<double>()) == values.end();
}

// The natural spline through (knots, values).
SplineState splineThrough(const std::vector<double>& knots, const std::vector<double>& values)
{
    SplineState spline;
    spline.CurvePointCount = static_cast<int>(knots.size());
    for (std::size_t i = 0; i < knots.size(); ++i) {
        spline.KnotX[static_cast<int>(i) + 1] = knots[i];
        spline.KnotY[static_cast<int>(i) + 1] = values[i];
    }
    checkSplineKnots(spline, {});
    computeSpline(spline);
    return spline;
}

std::optional<MapValue> finiteValue(double sag, double tan)
{
    if (!std::isfinite(sag) || !std::isfinite(tan)) {
        return std::nullopt;
    }
    return MapValue { sag, tan };
}

template <typename List> std::optional<int> indexOfValue(const List& list, int count, const std::string& text)
{
    for (int i = 1; i <= count; ++i) {
        if (sameValue(list[i], text)) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<MapKind> parseMapKind(std::string_view text)
{
    for (const MapKind kind : { MapKind::HeightFrequency, MapKind::HeightFNumber, MapKind::Field }) {
        if (text == mapKindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string mapKindName(MapKind kind)
{
    switch (kind) {
    case MapKind::HeightFNumber:
        return "height-fnumber";
    case MapKind::Field:
        return "field";
    case MapKind::HeightFrequency:
        break;
    }
    return "height-frequency";
}

MapModel::MapModel(const LensData& lens, const MapRequest& request)
    : m_kind(request.kind)
    , m_field(request.field)
{
    switch (m_kind) {
    case MapKind::HeightFrequency:
        buildHeightFrequency(lens, request.selection);
        break;
    case MapKind::HeightFNumber:
        buildHeightFNumber(lens, request.selection);
        break;
    case MapKind::Field:
        buildField(lens, request.selection);
        break;
    }
    if (!available()) {
        m_curves.clear();
        m_x = m_y = MapAxis {};
    }
}

bool MapModel::addCurve(const LensData& lens, const CurveSelection& selection)
{
    CurveProbe probe = makeCurveProbe(lens, Abscissa::ImageHeight, selection);
    const int n = probe.curve.CurvePointCount;
    // The mirrored point and at least two heights, the last beyond the axis.
    if (n < 3 || !(probe.curve.KnotX[n] > 0.0)) {
        m_unavailable = MessageText(LUMIVEX_TEXT("MapModel", "Weniger als zwei Bildhöhen"));
        return false;
    }
    const double radius = probe.curve.KnotX[n];
    m_radius = m_curves.empty() ? radius : std::min(m_radius, radius);
    m_curves.push_back(std::move(probe));
    return true;
}

void MapModel::buildHeightFrequency(const LensData& lens, const CurveSelection& selection)
{
    if (lens.FrequencyCount < 2) {
        m_unavailable = MessageText(LUMIVEX_TEXT("MapModel", "Weniger als zwei Ortsfrequenzen"));
        return;
    }
    for (const std::optional<double>& frequency : numbersOf(lens.FrequencyText, lens.FrequencyCount)) {
        m_knots.push_back(frequency.value_or(NAN));
    }
    if (!strictlyRising(m_knots)
        || !std::all_of(m_knots.begin(), m_knots.end(), [](double f) { return std::isfinite(f); })) {
        m_unavailable = MessageText(LUMIVEX_TEXT("MapModel", "Ortsfrequenzen nicht aufsteigend"));
        return;
    }
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        if (!addCurve(lens, { q, selection.FNumberIndex, 1, selection.MagnificationIndex })) {
            return;
        }
    }
    m_x = { 0.0, m_radius, roundTicks(0.0, m_radius, 6) };
    m_y = { m_knots.front(), m_knots.back(), roundTicks(m_knots.front(), m_knots.back(), 6) };
}

void MapModel::buildHeightFNumber(const LensData& lens, const CurveSelection& selection)
{
    if (lens.FNumberCount < 2) {
        m_unavailable = MessageText(LUMIVEX_TEXT("MapModel", "Weniger als zwei Blendenzahlen"));
        return;
    }
    for (const std::optional<double>& k : numbersOf(lens.FNumberText, lens.FNumberCount)) {
        m_knots.push_back(k && *k > 0.0 ? 2.0 * std::log2(*k) : NAN);
    }
    if (!strictlyRising(m_knots)
        || !std::all_of(m_knots.begin(), m_knots.end(), [](double s) { return std::isfinite(s); })) {
        m_unavailable = MessageText(LUMIVEX_TEXT("MapModel", "Blendenzahlen nicht aufsteigend"));
        return;
    }
    std::vector<MapTick> stops;
    for (int f = 1; f <= lens.FNumberCount; ++f) {
        if (!addCurve(lens, { selection.FrequencyIndex, f, 1, selection.MagnificationIndex })) {
            return;
        }
        stops.push_back({ m_knots[static_cast<std::size_t>(f - 1)], trimBlanks(lens.FNumberText[f]) });
    }
    m_x = { 0.0, m_radius, roundTicks(0.0, m_radius, 6) };
    m_y = { m_knots.front(), m_knots.back(), stops };
}

void MapModel::buildField(const LensData& lens, const CurveSelection& selection)
{
    if (!addCurve(lens, { selection.FrequencyIndex, selection.FNumberIndex, 1, selection.MagnificationIndex })) {
        return;
    }
    const double a = m_field.halfWidth(m_radius);
    const double b = m_field.halfHeight(m_radius);
    m_x = { -a, a, roundTicks(-a, a, 6) };
    m_y = { -b, b, roundTicks(-b, b, 6) };
}

std::optional<MapValue> MapModel::curveAt(const CurveProbe& curve, double r) const
{
    return finiteValue(evaluateSpline(curve.sagittal, r).value, evaluateSpline(curve.tangential, r).value);
}

std::optional<MapValue> MapModel::at(double x, double y) const
{
    if (!available()) {
        return std::nullopt;
    }
    if (m_kind != MapKind::Field) {
        return column(x).at(y);
    }
    const bool inside = m_field.isCircle() ? within(std::hypot(x, y), 0.0, m_radius)
                                           : within(x, m_x.from, m_x.to) && within(y, m_y.from, m_y.to);
    if (!inside) {
        return std::nullopt;
    }
    return curveAt(m_curves.front(), std::min(std::hypot(x, y), m_radius));
}

MapModel::Column MapModel::column(double x) const
{
    Column column;
    column.m_model = this;
    column.m_x = x;
    column.m_inside = available() && (m_kind == MapKind::Field || within(x, 0.0, m_radius));
    if (!column.m_inside || m_kind == MapKind::Field) {
        return column;
    }
    std::vector<double> sag;
    std::vector<double> tan;
    for (const CurveProbe& curve : m_curves) {
        const std::optional<MapValue> value = curveAt(curve, std::clamp(x, 0.0, m_radius));
        sag.push_back(value ? value->sag : NAN);
        tan.push_back(value ? value->tan : NAN);
    }
    column.m_sag = splineThrough(m_knots, sag);
    column.m_tan = splineThrough(m_knots, tan);
    return column;
}

std::optional<MapValue> MapModel::Column::at(double y) const
{
    if (!m_inside) {
        return std::nullopt;
    }
    if (m_model->m_kind == MapKind::Field) {
        return m_model->at(m_x, y);
    }
    const MapAxis& axis = m_model->m_y;
    if (!within(y, axis.from, axis.to)) {
        return std::nullopt;
    }
    return finiteValue(evaluateSpline(m_sag, y).value, evaluateSpline(m_tan, y).value);
}

ReferenceMapRequest matchReferenceRequest(const LensData& lens, const LensData& reference, const MapRequest& request)
{
    ReferenceMapRequest result { request, std::nullopt };
    const CurveSelection& own = request.selection;
    CurveSelection& theirs = result.request.selection;
    const auto match
        = [&](Abscissa variable, const auto& ownList, const auto& theirList, int theirCount, int index, int& target) {
              if (result.missing) {
                  return;
              }
              const std::string& text = ownList[index];
              if (const std::optional<int> found = indexOfValue(theirList, theirCount, text)) {
                  target = *found;
              } else {
                  result.missing = MissingValue { variable, trimBlanks(text) };
              }
          };
    if (request.kind != MapKind::HeightFrequency) {
        match(Abscissa::Frequency, lens.FrequencyText, reference.FrequencyText, reference.FrequencyCount,
              own.FrequencyIndex, theirs.FrequencyIndex);
    }
    if (request.kind != MapKind::HeightFNumber) {
        match(Abscissa::FNumber, lens.FNumberText, reference.FNumberText, reference.FNumberCount, own.FNumberIndex,
              theirs.FNumberIndex);
    }
    match(Abscissa::Magnification, lens.MagnificationText, reference.MagnificationText, reference.MagnificationCount,
          own.MagnificationIndex, theirs.MagnificationIndex);
    return result;
}
