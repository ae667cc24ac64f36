// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "Canvas.h"
#include "CurveExtraction.h"
#include "PlotGeometry.h"

#include <QString>

// Writes one text with face "Arial", the given character height and angle
// (degrees; 90 reads bottom to top on the screen, -90 on the y-up page),
// its top-left reference point at (x, y). An empty text draws nothing.
void drawRotatedText(Canvas& canvas, int x, int y, const QString& text, int height, int angle);

// Clears the 250 x 250 screen image and draws the empty diagram for the
// abscissa (grid, axes, tick values), then the axis texts.
void drawPlotFrame(Canvas& screen, Abscissa abscissa, const AxisTexts& texts);

// Writes the three axis texts on the screen image, and the x tick values
// (image height) or the blank row that covers them (otherwise).
void drawAxisTitles(Canvas& screen, Abscissa abscissa, const AxisTexts& texts);

// The x tick values "0" .. "100" under the screen plot.
void drawPercentTickValues(Canvas& screen);
