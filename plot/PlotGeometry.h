// SPDX-License-Identifier: MIT
#pragma once

#include "PlotImage.h"

// Fixed geometry of the diagram. Screen values are pixels of the 250 x 250
// plot image (y down); print values are 0.1 mm on the page (y up, so every
// position below the top edge is negative).
namespace PlotGeometry {

inline constexpr int ImageSize = PlotImage::LogicalSize;      // 250
inline constexpr int PlotMargin = 4;                          // in units of 10 px
inline constexpr int Margin = 10 * PlotMargin;                // 40 px on every side
inline constexpr int PlotAreaWidth = ImageSize - 2 * Margin;  // 170
inline constexpr int PlotAreaHeight = ImageSize - 2 * Margin; // 170
inline constexpr int GridStep = PlotAreaHeight / 5;           // 34

// The printed diagram is the screen one scaled by 24/10: a length in screen
// pixels as a length on the page (0.1 mm), truncated toward zero.
constexpr int screenToPage(int screenLength)
{
    return screenLength * 24 / 10;
}

// Printer placement.
inline constexpr int PrintOffsetX = 200;
inline constexpr int PrintOffsetY = -400;
inline constexpr int PrintPlotLeft = PrintOffsetX + screenToPage(Margin); // 296
inline constexpr int PrintPlotTop = PrintOffsetY - screenToPage(Margin);  // -496
inline constexpr int PrintPlotWidth = screenToPage(PlotAreaWidth);        // 408
inline constexpr int PrintPlotHeight = screenToPage(PlotAreaHeight);      // 408
inline constexpr int PrintPlotBottom = PrintPlotTop - PrintPlotHeight;    // -904

} // namespace PlotGeometry
