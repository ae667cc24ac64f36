// SPDX-License-Identifier: MIT
#pragma once

#include "CurveSampling.h"

#include <QPoint>
#include <QPointF>

#include <optional>

// Maps a data point (abscissa, modulation in percent) of a sampled curve to
// a pixel of the screen plot or a point of the printed diagram. Positions
// are truncated toward zero. A non-finite product has no position; a huge
// one is pulled into +-CoordinateLimit first, so the conversion to int is
// always defined and the line still heads the right way.
struct CurveMapping
{
    static constexpr double CoordinateLimit = 100000.0;

    double ScaleX = 0.0;
    double ScaleY = 0.0;
    double AbscissaFactor = 1.0;

    // px = 40 + trunc(x * ScaleX * AbscissaFactor), py = 210 - trunc(m * ScaleY).
    std::optional<QPoint> screen(double x, double m) const;
    // The screen position unrounded, where the line through it runs:
    // (40.5 + x * ScaleX * AbscissaFactor, 210.5 - m * ScaleY), the centre
    // of the pixel screen() names plus what the truncation dropped.
    std::optional<QPointF> screenReal(double x, double m) const;
    // X = 296 + trunc(x * AbscissaFactor * (ScaleX * 24)) div 10,
    // Y = -904 + trunc(m * (ScaleY * 24)) div 10 (0.1 mm, y up).
    std::optional<QPoint> page(double x, double m) const;
};

// Index (1-based) of the first sample with an abscissa of 0 or more, or 0
// when there is none: samples left of the y axis are not drawn.
int firstSampleOnAxis(const CurveSamples& samples);
