// SPDX-License-Identifier: MIT
#include "SplineBezier.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The natural spline through (x0, 0), (x0 + 1, 60), (x0 + 2, 0): on its
// first interval 90u - 30u^3 (u = x - x0), 41.25 at u = 0.5 with slope
// 67.5, 60 with slope 0 at u = 1; the second interval is its mirror image.
SplineState peak(double x0)
{
    SplineState spline;
    spline.CurvePointCount = 3;
    const double y[] = { 0.0, 60.0, 0.0 };
    for (int i = 1; i <= 3; ++i) {
        spline.KnotX[i] = x0 + i - 1;
        spline.KnotY[i] = y[i - 1];
    }
    checkSplineKnots(spline, {});
    computeSpline(spline);
    return spline;
}

void expectSegment(const CubicBezier& actual, const CubicBezier& expected)
{
    for (const auto point : { &CubicBezier::p0, &CubicBezier::p1, &CubicBezier::p2, &CubicBezier::p3 }) {
        EXPECT_NEAR((actual.*point).x, (expected.*point).x, 1e-12);
        EXPECT_NEAR((actual.*point).y, (expected.*point).y, 1e-12);
    }
}

TEST(SplineBeziers, OneSegmentPerIntervalCutWhereTheLineStarts)
{
    struct Case
    {
        double fromX;
        std::vector<CubicBezier> expected;
    };
    // With x0 = -1: control points at thirds of the width, values from the
    // end slopes (90 and 0, then 0 and -90); cut at -0.5 the tail of the
    // first interval is 0.5 wide and starts at slope 67.5.
    const CubicBezier first { { -1, 0 }, { -2.0 / 3, 30 }, { -1.0 / 3, 60 }, { 0, 60 } };
    const CubicBezier second { { 0, 60 }, { 1.0 / 3, 60 }, { 2.0 / 3, 30 }, { 1, 0 } };
    const CubicBezier cut { { -0.5, 41.25 }, { -1.0 / 3, 52.5 }, { -1.0 / 6, 60 }, { 0, 60 } };
    const Case cases[] = {
        { -5.0, { first, second } },
        { -1.0, { first, second } },
        { -0.5, { cut, second } },
        { 0.0, { second } },
        { 1.0, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fromX);
        const std::vector<CubicBezier> segments = splineBeziers(peak(-1.0), c.fromX);
        ASSERT_EQ(segments.size(), c.expected.size());
        for (std::size_t i = 0; i < segments.size(); ++i) {
            expectSegment(segments[i], c.expected[i]);
        }
    }
    // The cut lies on the start exactly, not a rounding beside it.
    EXPECT_EQ(splineBeziers(peak(-1.0 / 3), 0.1).front().p0.x, 0.1);
}

} // namespace
