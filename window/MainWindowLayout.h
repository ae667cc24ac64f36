// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindowControls.h"

#include <QFont>

class PlotImage;
class QFrame;
class QWidget;

namespace MainWindowLayout {

// The fixed client area that holds the layout.
inline constexpr int ClientWidth = 660;
inline constexpr int ClientHeight = 385;

// Creates every control of the main window as children of window, at its
// position and size, with caption, font, hint and initial visible,
// enabled and checked state. Image2 shows plot, which must outlive the
// window. Connects nothing.
MainWindowControls build(QWidget& window, PlotImage& plot);

// A font by face name and character (em) height in pixels.
QFont pixelFont(const QString& family, int pixelHeight, bool bold = false);

// Raises or lowers a panel's outer bevel.
void setPanelRaised(QFrame& panel, bool raised);
bool isPanelRaised(const QFrame& panel);

} // namespace MainWindowLayout
