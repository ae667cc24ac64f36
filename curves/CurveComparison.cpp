// SPDX-License-Identifier: MIT
#include "CurveComparison.h"

#include "CurveProbe.h"
#include "LineParsing.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

bool sameNumber(double a, double b)
{
    return a == b || std::abs(a - b) <= 1e-6 * std::max(std::abs(a), std::abs(b));
}

// The first index 1..count of list whose text names the value of text.
template <typename List> std::optional<int> indexOfValue(const List& list, int count, const std::string& text)
{
    for (int i = 1; i <= count; ++i) {
        if (sameValue(list[i], text)) {
            return i;
        }
    }
    return std::nullopt;
}

// The first lens's row of image heights for a curve: over k the heights
// are named as their panel shows them (the first row).
int heightRow(const LensData& lens, Abscissa abscissa, int fNumberIndex)
{
    return abscissa == Abscissa::FNumber ? 1 : lens.imageHeightRow(fNumberIndex);
}

// The image heights of a row that can be chosen: the usable ones of a row
// per f-number, else all.
int heightCount(const LensData& lens, int row)
{
    return lens.ImageHeightPerFNumber > 0 ? lens.ImageHeightValidCount[row] : lens.ImageHeightCount;
}

struct PlacedPoint
{
    double x;
    double sag;
    double tan;
};

// The values of the list of a position abscissa, as the file writes them.
const std::string& listText(const LensData& lens, Abscissa abscissa, int i)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        return lens.FNumberText[i];
    case Abscissa::Frequency:
        return lens.FrequencyText[i];
    default:
        return lens.MagnificationText[i];
    }
}

// Where the value of a list entry of the reference lens lies on the first
// lens's list: an entry of the same value is its position exactly.
std::optional<double> placeOnList(const AbscissaScale& scale, const std::string& text)
{
    for (int i = 1; i <= scale.count(); ++i) {
        if (sameValue(scale.text(i), text)) {
            return i - 1;
        }
    }
    const std::optional<double> value = parseDecimal(trimBlanks(text));
    return value ? scale.positionOf(*value) : std::nullopt;
}

std::vector<PlacedPoint> placedPoints(const LensData& lens, const LensData& reference, Abscissa abscissa,
                                      const ExtractedCurve& own)
{
    std::vector<PlacedPoint> points;
    const int n = std::min(own.CurvePointCount, ExtractedCurve::MaxPoints);
    if (abscissa == Abscissa::ImageHeight) {
        const double limit = lens.MaxImageHeight;
        for (int i = 1; i <= n; ++i) {
            const double x = own.KnotX[i];
            if (limit > 0.0 && x > limit && !sameNumber(x, limit)) {
                continue;
            }
            points.push_back({ x, own.SagPointValues[i], own.TanPointValues[i] });
        }
        return points;
    }
    const AbscissaScale scale(lens, abscissa);
    for (int i = 1; i <= n; ++i) {
        if (const std::optional<double> x = placeOnList(scale, listText(reference, abscissa, i))) {
            points.push_back({ *x, own.SagPointValues[i], own.TanPointValues[i] });
        }
    }
    // A list running the other way than the first lens's puts the points
    // in falling order; the spline needs them rising, each once.
    std::stable_sort(points.begin(), points.end(),
                     [](const PlacedPoint& a, const PlacedPoint& b) { return a.x < b.x; });
    points.erase(std::unique(points.begin(), points.end(),
                             [](const PlacedPoint& a, const PlacedPoint& b) { return sameNumber(a.x, b.x); }),
                 points.end());
    return points;
}

} // namespace

bool sameValue(const std::string& a, const std::string& b)
{
    const std::string ta = trimBlanks(a);
    const std::string tb = trimBlanks(b);
    const std::optional<double> va = parseDecimal(ta);
    const std::optional<double> vb = parseDecimal(tb);
    if (va && vb) {
        return sameNumber(*va, *vb);
    }
    return !va && !vb && ta == tb;
}

ReferenceCurve compareCurve(const LensData& lens, const LensData& reference, Abscissa abscissa,
                            const CurveSelection& selection)
{
    ReferenceCurve result;
    const auto lacks = [&result](Abscissa variable, const std::string& text) {
        result.missing = MissingValue { variable, trimBlanks(text) };
        return result;
    };
    CurveSelection& own = result.selection;
    // The abscissa's own index is never read to draw; 1 keeps the lookups
    // of its text (CSV, labels) inside the lists.
    own = CurveSelection { selection.FrequencyIndex, 1, 1, 1 };

    // The frequency is always a fixed value of a curve, except over LP/mm.
    if (abscissa != Abscissa::Frequency) {
        const std::string& text = lens.FrequencyText[selection.FrequencyIndex];
        const std::optional<int> index = indexOfValue(reference.FrequencyText, reference.FrequencyCount, text);
        if (!index) {
            return lacks(Abscissa::Frequency, text);
        }
        own.FrequencyIndex = *index;
    }
    if (abscissa != Abscissa::FNumber) {
        const std::string& text = lens.FNumberText[selection.FNumberIndex];
        const std::optional<int> index = indexOfValue(reference.FNumberText, reference.FNumberCount, text);
        if (!index) {
            return lacks(Abscissa::FNumber, text);
        }
        own.FNumberIndex = *index;
    }
    if (abscissa != Abscissa::ImageHeight) {
        const std::string& text
            = lens.ImageHeightText[heightRow(lens, abscissa, selection.FNumberIndex)][selection.ImageHeightIndex];
        const int row = heightRow(reference, abscissa, own.FNumberIndex);
        const std::optional<int> index
            = indexOfValue(reference.ImageHeightText[row], heightCount(reference, row), text);
        if (!index) {
            return lacks(Abscissa::ImageHeight, text);
        }
        own.ImageHeightIndex = *index;
    }
    if (abscissa != Abscissa::Magnification) {
        const std::string& text = lens.MagnificationText[selection.MagnificationIndex];
        const std::optional<int> index = indexOfValue(reference.MagnificationText, reference.MagnificationCount, text);
        if (!index) {
            return lacks(Abscissa::Magnification, text);
        }
        own.MagnificationIndex = *index;
    }

    const std::vector<PlacedPoint> points
        = placedPoints(lens, reference, abscissa, extractCurve(reference, abscissa, own));
    result.curve.CurvePointCount = static_cast<int>(points.size());
    int i = 0;
    for (const PlacedPoint& point : points) {
        ++i;
        result.curve.KnotX[i] = point.x;
        result.curve.SagPointValues[i] = point.sag;
        result.curve.TanPointValues[i] = point.tan;
    }
    result.curve.AbscissaFactor = extractCurve(lens, abscissa, selection).AbscissaFactor;
    return result;
}

SeriesCurve referenceSeries(const ReferenceCurve& compared, Series series, double scaleX, const SplineWarningSink& warn,
                            int plotAreaWidth, int plotAreaHeight)
{
    SeriesCurve out = computeSeries(compared.curve, series, warn, plotAreaWidth, plotAreaHeight);
    // The first lens's axes, not the reference lens's own range.
    out.samples.ScaleX = scaleX;
    out.samples.drawable = out.samples.drawable && scaleX > 0.0 && std::isfinite(scaleX);
    return out;
}
