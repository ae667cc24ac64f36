// SPDX-License-Identifier: MIT
#include "CurveExtraction.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// The numeric value of an image-height text: decimal point, optional sign
// and exponent, leading and trailing blanks ignored. A text that is not a
// number reads as 0 (the reader already rejects such files; should one get
// through, the repeated abscissa is reported by the spline check and the
// curve is not drawn, instead of a NaN reaching the pixel arithmetic).
double heightValue(const std::string& text)
{
    std::string_view view(text);
    const auto first = view.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return 0.0;
    }
    view.remove_prefix(first);
    view.remove_suffix(view.size() - (view.find_last_not_of(' ') + 1));
    if (view.front() == '+') {
        view.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

void setPoint(ExtractedCurve& curve, int i, double x, const LensData& lens, int fNumber, int frequency, int imageHeight,
              int magnification)
{
    curve.KnotX[i] = x;
    curve.SagPointValues[i] = lens.sag(fNumber, frequency, imageHeight, magnification);
    curve.TanPointValues[i] = lens.tan(fNumber, frequency, imageHeight, magnification);
}

// One support point per list entry, at positions 0, 1, 2, ...
template <typename Indices> ExtractedCurve positionCurve(const LensData& lens, int count, Indices indicesOfPoint)
{
    ExtractedCurve curve;
    curve.CurvePointCount = std::max(count, 0);
    for (int i = 1; i <= count; ++i) {
        const auto [f, q, h, m] = indicesOfPoint(i);
        setPoint(curve, i, i - 1, lens, f, q, h, m);
    }
    return curve;
}

ExtractedCurve imageHeightCurve(const LensData& lens, const CurveSelection& s)
{
    const int row = lens.imageHeightRow(s.FNumberIndex);
    const auto& texts = lens.ImageHeightText[row];
    const int heights = lens.ImageHeightValidCount[row];

    ExtractedCurve curve;
    if (heights < 1) {
        return curve;
    }

    const double lastHeight = heightValue(texts[heights]);
    // Without a positive reference height there is nothing to relate the
    // row to; the curve then spans the plot width like the others.
    curve.AbscissaFactor = lens.MaxImageHeight > 0.0 ? lastHeight / lens.MaxImageHeight : 1.0;

    // A capped row (fewer usable heights than columns) has the text of its
    // last column moved into column `heights`; the values measured at that
    // height are still stored under the last column.
    const auto valueColumn = [&](int j) { return j == heights ? std::max(heights, lens.ImageHeightCount) : j; };

    const int f = s.FNumberIndex;
    const int q = s.FrequencyIndex;
    const int m = s.MagnificationIndex;
    if (heights == 1) {
        curve.CurvePointCount = 1;
        setPoint(curve, 1, lastHeight, lens, f, q, valueColumn(1), m);
        return curve;
    }

    curve.CurvePointCount = heights + 1;
    // The second height mirrored at the optical axis, so that the spline
    // starts symmetric about 0 (the part left of 0 is not drawn).
    setPoint(curve, 1, -heightValue(texts[2]), lens, f, q, valueColumn(2), m);
    for (int j = 1; j <= heights; ++j) {
        setPoint(curve, j + 1, heightValue(texts[j]), lens, f, q, valueColumn(j), m);
    }
    return curve;
}

struct PointIndices
{
    int fNumber;
    int frequency;
    int imageHeight;
    int magnification;
};

} // namespace

ExtractedCurve extractCurve(const LensData& lens, Abscissa abscissa, const CurveSelection& s)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        return positionCurve(lens, lens.FNumberCount, [&](int i) {
            return PointIndices { i, s.FrequencyIndex, s.ImageHeightIndex, s.MagnificationIndex };
        });
    case Abscissa::Frequency:
        return positionCurve(lens, lens.FrequencyCount, [&](int i) {
            return PointIndices { s.FNumberIndex, i, s.ImageHeightIndex, s.MagnificationIndex };
        });
    case Abscissa::Magnification:
        return positionCurve(lens, lens.MagnificationCount, [&](int i) {
            return PointIndices { s.FNumberIndex, s.FrequencyIndex, s.ImageHeightIndex, i };
        });
    case Abscissa::ImageHeight:
        return imageHeightCurve(lens, s);
    }
    return {};
}
