// SPDX-License-Identifier: MIT
#pragma once

#include "CurveComparison.h"
#include "CurveExtraction.h"
#include "CurveProbe.h"
#include "FieldShape.h"
#include "LensData.h"
#include "MessageText.h"
#include "Spline.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a map spreads over its two axes.
enum class MapKind
{
    HeightFrequency, // x image height in mm, y spatial frequency in LP/mm
    HeightFNumber,   // x image height in mm, y f-number in stops (2·log2 k)
    Field,           // x and y in mm on the picture, centred on the axis
};

// "height-frequency", "height-fnumber", "field"; nullopt for anything else.
std::optional<MapKind> parseMapKind(std::string_view text);
std::string mapKindName(MapKind kind);

// What a map of one lens shows: the kind, and the fixed variables as the
// main window selects them (1-based). HeightFrequency reads FNumberIndex and
// MagnificationIndex, HeightFNumber FrequencyIndex and MagnificationIndex,
// Field all three and the field shape. ImageHeightIndex is never read.
struct MapRequest
{
    MapKind kind = MapKind::HeightFrequency;
    CurveSelection selection;
    FieldShape field;
};

struct MapValue
{
    double sag = 0.0;
    double tan = 0.0;
};

struct MapTick
{
    double value = 0.0; // in the axis's units
    std::string text;   // its label
};

// One axis of a map: the range in its own units and the ticks to label.
struct MapAxis
{
    double from = 0.0;
    double to = 0.0;
    std::vector<MapTick> ticks;

    // The value at fraction t of the range (0 at `from`).
    double at(double t) const { return from + t * (to - from); }
};

// The modulation of one lens over the plane of a map, from the curves the
// chart draws:
// - M(r), a y′ curve: the natural spline through the support points of the
//   curve over the image height (the mirrored point, a capped per-f-number
//   row's own last height), read from 0 to R, its last support point;
// - HeightFrequency: at (r, f) the natural spline over the frequencies in
//   LP/mm through (f_q, M_q(r)); r from 0 to R, f from the lowest to the
//   highest frequency;
// - HeightFNumber: at (r, s) the natural spline over the stops s = 2·log2 k
//   through each f-number's M(r); r from 0 to the smallest R of the
//   f-numbers;
// - Field: at (x, y) mm M(√(x² + y²)) inside the format: the circle of
//   radius R or the W:H rectangle whose half-diagonal is R.
// A map that cannot be made carries the reason instead (no picture).
class MapModel
{
public:
    // Reads the lens once; keeps no reference to it. Throws RangeError for
    // indices outside the data set's tables.
    MapModel(const LensData& lens, const MapRequest& request);

    MapKind kind() const { return m_kind; }
    bool available() const { return !m_unavailable.has_value(); }
    // Why there is no map (only when not available).
    const std::optional<MessageText>& unavailable() const { return m_unavailable; }

    const MapAxis& xAxis() const { return m_x; }
    const MapAxis& yAxis() const { return m_y; }
    // R of the y′ curve (HeightFNumber: the smallest over the f-numbers).
    double radius() const { return m_radius; }
    const FieldShape& field() const { return m_field; }

    // The values at a point in the axes' units; nullopt outside what the
    // lens covers (beyond R, outside the frequency or stop range, outside
    // the format) and for an unavailable map. Values are not clamped.
    std::optional<MapValue> at(double x, double y) const;

    // The values along one x: the splines across the curves built once for
    // a whole column of points.
    class Column
    {
    public:
        std::optional<MapValue> at(double y) const;

    private:
        friend class MapModel;
        const MapModel* m_model = nullptr;
        double m_x = 0.0;
        bool m_inside = false;
        SplineState m_sag;
        SplineState m_tan;
    };
    Column column(double x) const;

private:
    void buildHeightFrequency(const LensData& lens, const CurveSelection& selection);
    void buildHeightFNumber(const LensData& lens, const CurveSelection& selection);
    void buildField(const LensData& lens, const CurveSelection& selection);
    // The y′ curve of a selection; sets the reason when it has no range.
    bool addCurve(const LensData& lens, const CurveSelection& selection);
    std::optional<MapValue> curveAt(const CurveProbe& curve, double r) const;

    MapKind m_kind;
    FieldShape m_field;
    std::optional<MessageText> m_unavailable;
    MapAxis m_x;
    MapAxis m_y;
    double m_radius = 0.0;
    std::vector<CurveProbe> m_curves; // one per frequency, per f-number, or the one
    std::vector<double> m_knots;      // frequencies in LP/mm or stops, rising
};

// The request for a reference lens B that shows the same fixed values as
// `request` does for `lens`, matched by value as the comparison matches
// curves (frequency, f-number, magnification, in this order). When B lacks
// one, `missing` names the first it lacks.
struct ReferenceMapRequest
{
    MapRequest request;
    std::optional<MissingValue> missing;
};
ReferenceMapRequest matchReferenceRequest(const LensData& lens, const LensData& reference, const MapRequest& request);
