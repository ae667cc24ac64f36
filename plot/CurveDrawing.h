#pragma once

#include "Canvas.h"
#include "CurvePipeline.h"

// Draws one sampled series on the screen image: solid red (sagittal) or
// dotted blue through every fourth sample (tangential), then a 4-px white
// marker outlined black at every support point. No clipping.
void DrawCurve(Canvas& screen, const SeriesCurve& curve, double abscissaFactor, Series series);
