// SPDX-License-Identifier: MIT
#include "FieldMean.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int GaussPoints = 10;

struct GaussRule
{
    std::array<double, GaussPoints> node {};   // on 0..1
    std::array<double, GaussPoints> weight {}; // summing to 1
};

// Gauss–Legendre nodes as the roots of the Legendre polynomial, by Newton's
// method from Chebyshev-like first guesses; mapped from -1..1 to 0..1.
GaussRule makeGaussRule()
{
    GaussRule rule;
    const int n = GaussPoints;
    for (int i = 1; i <= n; ++i) {
        double x = std::cos(std::numbers::pi * (i - 0.25) / (n + 0.5));
        double slope = 1.0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double previous = 1.0;
            double current = x;
            for (int k = 2; k <= n; ++k) {
                const double next = ((2.0 * k - 1.0) * x * current - (k - 1.0) * previous) / k;
                previous = current;
                current = next;
            }
            slope = n * (x * current - previous) / (x * x - 1.0);
            const double step = current / slope;
            x -= step;
            if (std::abs(step) < 1e-16) {
                break;
            }
        }
        const auto k = static_cast<std::size_t>(i - 1);
        rule.node[k] = 0.5 * (x + 1.0);
        rule.weight[k] = 1.0 / ((1.0 - x * x) * slope * slope);
    }
    return rule;
}

const GaussRule& gaussRule()
{
    static const GaussRule rule = makeGaussRule();
    return rule;
}

} // namespace

double fieldWeight(const FieldShape& shape, double radius, double r)
{
    constexpr double Pi = std::numbers::pi;
    if (shape.isCircle()) {
        return 2.0 * Pi * r;
    }
    if (r <= 0.0) {
        return 0.0;
    }
    const double a = shape.halfWidth(radius);
    const double b = shape.halfHeight(radius);
    return r * (2.0 * Pi - 4.0 * std::acos(std::min(1.0, b / r)) - 4.0 * std::acos(std::min(1.0, a / r)));
}

std::optional<double> fieldMean(const SplineState& spline, double radius, const FieldShape& shape)
{
    if (!(radius > 0.0) || spline.CurvePointCount < 2) {
        return std::nullopt;
    }
    std::vector<double> breaks { 0.0, radius };
    const int n = std::min(spline.CurvePointCount, SplineState::MaxPoints);
    for (int i = 1; i <= n; ++i) {
        breaks.push_back(spline.KnotX[i]);
    }
    if (!shape.isCircle()) {
        breaks.push_back(shape.halfWidth(radius));
        breaks.push_back(shape.halfHeight(radius));
    }
    std::erase_if(breaks, [radius](double x) { return !(x >= 0.0 && x <= radius); });
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    const GaussRule& rule = gaussRule();
    double weighted = 0.0;
    double total = 0.0;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        const double p = breaks[k];
        const double length = breaks[k + 1] - p;
        for (std::size_t j = 0; j < rule.node.size(); ++j) {
            const double u = rule.node[j];
            const double r = p + length * u * u;
            // dr = 2·length·u du; the constant 2 cancels in the ratio below.
            const double w = fieldWeight(shape, radius, r) * rule.weight[j] * length * u;
            weighted += evaluateSpline(spline, r).value * w;
            total += w;
        }
    }
    const double mean = weighted / total;
    if (!std::isfinite(mean)) {
        return std::nullopt;
    }
    return mean;
}
