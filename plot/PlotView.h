// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"
#include "CurveExtraction.h"

#include <QString>

#include <optional>

// The four selection panels, named after the variable they choose.
enum class SelectionPanel
{
    FNumber,       // option buttons, one value
    Frequency,     // check boxes, any set of values
    ImageHeight,   // option buttons, one value
    Magnification, // option buttons and the distance labels beside them
};

// What the selection controller needs of the window: the state of the
// selection controls, the panels' looks, the plot image and message boxes.
// Indices are 1-based, as the panels count.
class PlotView
{
public:
    virtual ~PlotView() = default;

    // The abscissa whose option button is checked.
    virtual Abscissa checkedAbscissa() const = 0;
    // Check box index (1..8) of the frequency panel is checked.
    virtual bool isFrequencyChecked(int index) const = 0;
    // Check box index (1..8) is shown for the loaded lens (not hidden by a
    // load); independent of whether the window itself is on screen.
    virtual bool isFrequencyShown(int index) const = 0;
    // The index of the checked option button of an option panel
    // (FNumber, ImageHeight or Magnification), or nullopt when none is.
    virtual std::optional<int> checkedOption(SelectionPanel panel) const = 0;
    // The single/overlay button is pressed (single graph).
    virtual bool isSingleMode() const = 0;

    // Raises or lowers the outer bevel of a panel.
    virtual void setPanelRaised(SelectionPanel panel, bool raised) = 0;
    // Enables or disables the value controls of a panel (for the
    // magnification panel also its distance labels).
    virtual void setPanelControlsEnabled(SelectionPanel panel, bool enabled) = 0;

    // The 250 x 250 plot image, and the request to show what was drawn.
    virtual Canvas& plotCanvas() = 0;
    virtual void refreshPlot() = 0;

    // A modal message box with one text and an OK button.
    virtual void showMessage(const QString& text) = 0;
};
