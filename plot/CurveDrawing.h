// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"
#include "CurveMapping.h"
#include "CurvePipeline.h"

#include <QPoint>

#include <optional>

// Draws one sampled series on the screen image: solid red (sagittal) or
// dotted blue through every fourth sample (tangential), then a 4-px white
// marker outlined black at every support point. No clipping: what lies
// outside the plot area is drawn where the mapping puts it.
// A curve that is not drawable (see CurveSamples::drawable) gets its
// markers only; points without a finite position are left out, and the
// line segments that would touch them are skipped.
void drawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series);

// Where and how a series is drawn: the screen image and the printed page
// differ only in these.
struct CurveStyle
{
    // Position of a data point (abscissa, percent) on the surface, or none.
    std::optional<QPoint> (*position)(const CurveMapping& mapping, double x, double m);
    // The same position unrounded, for surfaces finer than their units; null
    // where there is no such surface (the page keeps its whole 0.1 mm).
    std::optional<QPointF> (*realPosition)(const CurveMapping& mapping, double x, double m);
    int sagittalWidth; // the tangential line is always 1 wide
    int markerPenWidth;
    int markerHalfSize; // the marker box reaches this far from the point
    bool markerYUp;     // the box's corners are given top-left to bottom-right in y-up units
    int firstMarker;    // index of the first support point that gets a marker
    // The reference lens's look: the lines in lighter colours of the same
    // two families, hollow markers in the line's colour.
    bool reference = false;

    static const CurveStyle Screen;
    static const CurveStyle Page;
    static const CurveStyle ScreenReference;
    static const CurveStyle PageReference;
};

// Draws one series in a style: solid red (sagittal) or dotted blue through
// every fourth sample (tangential) from the first sample with abscissa >= 0
// (the first line has zero length), then white markers outlined black.
// Not-drawable curves get their markers only; a point without a position
// breaks the line. In a reference style the lines are light red and light
// blue and the markers hollow rings of the same colour; the brush is white
// again afterwards. The canvas gets the series as one shape in both
// precisions (Canvas::series) and draws the one that fits it; the real form
// carries the spline itself from the y axis on, one cubic Bézier segment per
// interval, for surfaces that can draw curves.
void drawSeries(Canvas& canvas, const SeriesCurve& curve, double abscissaFactor, Series series,
                const CurveStyle& style);
