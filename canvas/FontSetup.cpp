// SPDX-License-Identifier: MIT
#include "FontSetup.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

void installFontSubstitutions()
{
    const QString liberation = QStringLiteral("Liberation Sans");
    for (const char* face : { "Arial", "MS Sans Serif", "System", "Helvetica" }) {
        QFont::insertSubstitutions(QString::fromLatin1(face), { liberation, QStringLiteral("DejaVu Sans") });
    }
}

namespace {

// Em height per cell height of a face, measured at a large size so that
// hinting does not distort the proportion.
double emPerCell(const QString& family)
{
    constexpr int probe = 1000;
    QFont font(family);
    font.setPixelSize(probe);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    return cell > 0.0 ? probe / cell : 1.0;
}

} // namespace

QFont makeCanvasFont(const CanvasFont& font, double pixelsPerUnit, bool antialias)
{
    QFont result(font.family);
    double pixels = font.height * pixelsPerUnit;
    if (font.cellHeight) {
        pixels *= emPerCell(font.family);
    }
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    result.setBold(font.bold);
    result.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    // The bitmap wants every character advance rounded to whole pixels
    // (full hinting): 63 blanks at 10 px then span 189 px and cover the tick-value
    // row. Scalable output keeps the outlines' own proportions.
    result.setHintingPreference(antialias ? QFont::PreferNoHinting : QFont::PreferFullHinting);
    return result;
}
