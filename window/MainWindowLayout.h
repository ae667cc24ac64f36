// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindowControls.h"

#include <QFont>
#include <QString>
#include <QStringList>

class PlotImage;
class QFrame;
class QWidget;

namespace MainWindowLayout {

// The fixed client area that holds the layout.
inline constexpr int ClientWidth = 660;
inline constexpr int ClientHeight = 385;

// Creates every control of the main window as children of window, at its
// position and size, with caption, font, hint and initial visible,
// enabled and checked state. The plot view (Image2) shows plot, which
// must outlive the window. Connects nothing.
MainWindowControls build(QWidget& window, PlotImage& plot);

// Names every control for screen readers from what it shows now: its
// accessible name (a value control's caption after its panel's name, an
// icon button's hint) and description (its tool tip, or its panel's).
// Run again whenever captions change. The plot's description is the
// window's (plotDescription).
void describeControls(const MainWindowControls& controls);

// The plot's accessible description: the lens, the abscissa and the
// checked frequencies; "" for no lens.
QString plotDescription(const QString& lensName, const QString& abscissa, const QStringList& frequencies);

// The order Tab walks: the tool row, the abscissa panel, the selection
// panels from left to right, and the plot with its readout.
void setTabOrder(const MainWindowControls& controls);

// A font by face name and character (em) height in pixels.
QFont pixelFont(const QString& family, int pixelHeight, bool bold = false);

// Raises or lowers a panel's outer bevel.
void setPanelRaised(QFrame& panel, bool raised);
bool isPanelRaised(const QFrame& panel);

} // namespace MainWindowLayout
