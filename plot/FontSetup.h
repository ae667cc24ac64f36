#pragma once

// Maps the classic face names the layout uses ("Arial", "MS Sans Serif",
// "System") onto installed metric-compatible faces (Liberation Sans), so
// that text sizes match the layout on any Linux machine. Call once after
// the QGuiApplication exists.
void installFontSubstitutions();
