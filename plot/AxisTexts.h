// SPDX-License-Identifier: MIT
#pragma once

#include "CurveExtraction.h"

#include <QString>

// The three texts around the diagram.
struct AxisTexts
{
    QString AxisTitleY = QStringLiteral("Modulation [%]");
    QString AxisRangeText;    // under the plot
    QString AxisVariableText; // above the plot

    bool operator==(const AxisTexts&) const = default;
};

// The texts the window starts with (image height in percent).
AxisTexts initialAxisTexts();

// The texts an abscissa change sets (blanks are part of the texts).
AxisTexts axisTextsFor(Abscissa abscissa);
