// SPDX-License-Identifier: MIT
#pragma once

#include "FieldShape.h"
#include "Spline.h"

#include <optional>

// The weight of image height r in a field: the length of the circle of
// radius r that lies inside the field. For the image circle 2πr; for the
// W:H rectangle with half-sides a and b
//   r·(2π − 4·acos(min(1, b/r)) − 4·acos(min(1, a/r))).
// r, a and b in mm, r ≥ 0.
double fieldWeight(const FieldShape& shape, double radius, double r);

// The field mean of the curve M(r) given by a computed spline over the
// image height in mm, for r from 0 to radius:
//   ∫₀ᴿ M(r)·w(r) dr / ∫₀ᴿ w(r) dr
// with the weight of fieldWeight. The integral is taken piece by piece
// between the knots and the rectangle's half-sides, where the weight's
// slope is infinite; each piece is mapped by r = p + (q − p)·u² so that
// Gauss–Legendre sums converge on the root-like rise of the weight. Exact
// for the circle, within 1e-6 of the integral for a rectangle.
// nullopt for radius ≤ 0, fewer than two support points, or a result that
// is not finite (a spline through unusable knots).
std::optional<double> fieldMean(const SplineState& spline, double radius, const FieldShape& shape);
