// SPDX-License-Identifier: MIT
#pragma once

#include "CurveComparison.h"

#include <QString>

#include <vector>

// The texts that name the reference lens of a comparison, in one place.
namespace ComparisonTexts {

// "Vergleichsobjektiv: keine Ortsfrequenz 25 LP/mm", "… keine Blendenzahl 8",
// "… keine Bildhöhe 10 mm", "… kein Abbildungsmaßstab 0.1".
QString missing(const MissingValue& value);

// Adds the text of a missing value to the list unless it is there already
// (several curves can lack the same value).
void addMissing(std::vector<QString>& list, const MissingValue& value);

// The first lens's name followed by the reference lens's:
// "NAME / Vergleich: REFERENCE".
QString lensNames(const QString& lensName, const QString& referenceName);

// Put in front of the readout lines of the reference lens's curves.
inline const QString ReadoutPrefix = QStringLiteral("B: ");

} // namespace ComparisonTexts
