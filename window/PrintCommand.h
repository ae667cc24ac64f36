// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"
#include "PlotController.h"
#include "PlotView.h"

#include <QDateTime>

class QLocale;
class QWidget;
class UiServices;

// The print command behind the print button. Refuses with the missing-file
// message while no file has been read (the button is already enabled after
// a cancelled first dialog); otherwise runs the print dialog and, when it
// is confirmed, prints the one-page report of the current selection: the
// curves of every selected frequency, stamped with now in the formats of
// locale. Spline warnings are
// shown as messages. Throws RangeError for an index outside the tables and
// std::runtime_error when the printer cannot be used.
void printCommand(PlotView& view, UiServices& ui, QWidget* parent, const LensData& lens, PlotState& state,
                  const QDateTime& now, const QLocale& locale);
