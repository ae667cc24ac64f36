// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"

#include <QString>

#include <array>
#include <optional>

// One value control of a selection panel after a load: its new caption
// (nullopt: keep the caption it has) and whether it is shown.
struct ValueControlState
{
    std::optional<QString> caption;
    bool shown = true;

    bool operator==(const ValueControlState&) const = default;
};

// What a load shows of a lens: the information strip and the captions and
// visibility of the value controls of the four panels.
struct LensPresentation
{
    QString lensName;
    QString wavelengthCaption;
    QString weightCaption;
    std::array<ValueControlState, LensData::MaxFNumbers> fNumbers;
    std::array<ValueControlState, LensData::MaxFrequencies> frequencies;
    std::array<ValueControlState, LensData::MaxImageHeights> imageHeights;
    std::array<ValueControlState, LensData::MaxMagnifications> magnifications;
    // The distance labels beside the magnifications: shown with their
    // option buttons (captions come from the reader, not from here).
    std::array<bool, LensData::MaxMagnifications> distancesShown {};
};

// The presentation of a data set (also of the empty one after a cancelled
// first dialog). Captions are cut to their limits: f-numbers 5 characters,
// frequencies a blank and 3 characters, image heights 6 (first row), the
// first magnification 6 and the others 7. The first control of each panel
// always gets a caption and is always shown; control k >= 2 is shown with
// its caption when k <= the panel's count and hidden, keeping its caption,
// otherwise.
LensPresentation presentLens(const LensData& lens, const QString& wavelengthPrefix, const QString& weightPrefix);
