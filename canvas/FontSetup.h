// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"

#include <QFont>

// Maps the face names the layout uses ("Arial", "MS Sans Serif", "System")
// onto an installed face with Arial's advance widths (Liberation Sans), so
// that text sizes match the layout on any Linux machine. Call once after
// the QGuiApplication exists.
void installFontSubstitutions();

// The QFont for a canvas font on a surface with pixelsPerUnit device pixels
// per logical unit. The character (em) height becomes the pixel size; a
// cell height (ascent + descent) is converted with the face's own
// proportions. antialias false gives the hard-edged, fully hinted glyphs
// (whole-pixel advances) of the screen image.
QFont makeCanvasFont(const CanvasFont& font, double pixelsPerUnit, bool antialias);
