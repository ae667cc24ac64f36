#pragma once

// Fixed geometry of the diagram. Screen values are pixels of the 250 x 250
// plot image (y down); print values are 0.1 mm on the page (y up, so every
// position below the top edge is negative).
namespace PlotGeometry {

inline constexpr int ImageSize = 250;
inline constexpr int PlotMargin = 4;              // in units of 10 px
inline constexpr int Margin = 10 * PlotMargin;    // 40 px on every side
inline constexpr int PlotAreaWidth = ImageSize - 2 * Margin;  // 170
inline constexpr int PlotAreaHeight = ImageSize - 2 * Margin; // 170
inline constexpr int GridStep = PlotAreaHeight / 5;           // 34

// Printer placement; the printed diagram is the screen one scaled by 24/10.
inline constexpr int PrintOffsetX = 200;
inline constexpr int PrintOffsetY = -400;
inline constexpr int PrintPlotLeft = PrintOffsetX + 24 * PlotMargin; // 296
inline constexpr int PrintPlotTop = PrintOffsetY - 24 * PlotMargin;  // -496
inline constexpr int PrintPlotWidth = PlotAreaWidth * 24 / 10;       // 408
inline constexpr int PrintPlotHeight = PlotAreaHeight * 24 / 10;     // 408
inline constexpr int PrintPlotBottom = PrintPlotTop - PrintPlotHeight; // -904

} // namespace PlotGeometry

// The surface a text routine writes to.
enum class DrawTarget
{
    Screen = 1,
    Printer = 2,
};
