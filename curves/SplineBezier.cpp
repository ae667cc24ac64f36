// SPDX-License-Identifier: MIT
#include "SplineBezier.h"

#include <algorithm>

namespace {

BezierPoint between(BezierPoint a, BezierPoint b, double t)
{
    return { a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t };
}

// The part from t to 1 (de Casteljau).
CubicBezier tailFrom(const CubicBezier& s, double t)
{
    const BezierPoint a = between(s.p0, s.p1, t);
    const BezierPoint b = between(s.p1, s.p2, t);
    const BezierPoint c = between(s.p2, s.p3, t);
    const BezierPoint ab = between(a, b, t);
    const BezierPoint bc = between(b, c, t);
    return { between(ab, bc, t), bc, c, s.p3 };
}

} // namespace

std::vector<CubicBezier> splineBeziers(const SplineState& spline, double fromX)
{
    std::vector<CubicBezier> segments;
    const int n = std::min(spline.CurvePointCount, SplineState::MaxPoints);
    for (int i = 1; i < n; ++i) {
        const double x0 = spline.KnotX[i];
        const double x1 = spline.KnotX[i + 1];
        if (x1 <= fromX) {
            continue;
        }
        const double h = x1 - x0;
        const double a = spline.CoefConstant[i];
        const double b = spline.CoefLinear[i];
        const double c = spline.CoefQuadratic[i];
        const double d = spline.CoefCubic[i];
        // The power form a + b t + c t^2 + d t^3 in Bernstein form.
        const CubicBezier piece {
            { x0, a },
            { x0 + h / 3.0, a + b * h / 3.0 },
            { x1 - h / 3.0, a + 2.0 * b * h / 3.0 + c * h * h / 3.0 },
            { x1, a + h * (b + h * (c + h * d)) },
        };
        if (x0 < fromX) {
            CubicBezier tail = tailFrom(piece, (fromX - x0) / h);
            tail.p0.x = fromX; // the cut lies on fromX, not a rounding beside it
            segments.push_back(tail);
        } else {
            segments.push_back(piece);
        }
    }
    return segments;
}
