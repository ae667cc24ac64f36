#pragma once

#include "Canvas.h"
#include "CurvePipeline.h"

#include <QPoint>

#include <functional>
#include <optional>

// Draws one sampled series on the screen image: solid red (sagittal) or
// dotted blue through every fourth sample (tangential), then a 4-px white
// marker outlined black at every support point. No clipping: what lies
// outside the plot area is drawn where the mapping puts it.
// A curve that is not drawable (see CurveSamples::drawable) gets its
// markers only; points without a finite position are left out, and the
// line segments that would touch them are skipped.
void DrawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series);

// The line part shared by the screen and the page: with the pen already
// set, moves to the first sample with abscissa >= 0 and draws lines to the
// samples first, first + step, ... up to 101 (the first line has zero
// length). A point that position() cannot place breaks the line. Draws
// nothing when no sample has an abscissa >= 0.
void DrawSampleLine(Canvas& canvas, const CurveSamples& samples, int step,
                    const std::function<std::optional<QPoint>(double x, double m)>& position);
