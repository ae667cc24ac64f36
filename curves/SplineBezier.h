// SPDX-License-Identifier: MIT
#pragma once

#include "Spline.h"

#include <vector>

struct BezierPoint
{
    double x = 0.0;
    double y = 0.0;

    bool operator==(const BezierPoint&) const = default;
};

// One cubic Bézier segment: from p0 to p3, pulled by p1 and p2.
struct CubicBezier
{
    BezierPoint p0;
    BezierPoint p1;
    BezierPoint p2;
    BezierPoint p3;
};

// The spline from fromX to its last support point, exactly: one segment per
// interval, in the spline's own units (x, value). A cubic piece on
// [x_i, x_i+1] of width h with end slopes s_i, s_i+1 is the Bézier with the
// control points (x_i + h/3, y_i + s_i h/3) and (x_i+1 - h/3, y_i+1 - s_i+1 h/3);
// both ends and slopes are taken from interval i's own polynomial, so the
// segment is that polynomial and nothing else. Its x runs linearly in the
// parameter, so the interval holding fromX is cut there exactly (the part of a
// cubic Bézier is again one, by de Casteljau); intervals
// that end at or before fromX are left out.
// Empty with fewer than two support points, or when fromX lies at or beyond
// the last one. Needs computeSpline to have run; never throws for a count of
// at most 20.
std::vector<CubicBezier> splineBeziers(const SplineState& spline, double fromX);
