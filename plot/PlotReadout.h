// SPDX-License-Identifier: MIT
#pragma once

#include "DrawnPlot.h"

#include <QString>

#include <optional>
#include <vector>

// The values of one curve at the cursor.
struct ReadoutLine
{
    QString label; // the curve's fixed variables
    double sag = 0.0;
    double tan = 0.0;
    bool node = false; // at a support point: the table's values

    bool operator==(const ReadoutLine&) const = default;
};

// What the plot reads at one pixel column: the abscissa there in the axis's
// own terms and the values of every curve drawn over it, in the order the
// curves were first drawn. Empty where no curve reaches.
struct PlotReadout
{
    // With curves of more than one lens: their numbers and names, then the
    // reference lens and the lens it is matched against,
    // "1: Testlinse 2.8/50  2: Normal 1.4/50  B: Vergleich 4/50 (mit 2 verglichen)";
    // empty otherwise.
    QString lenses;
    QString abscissa; // "k 4.2", "20 LP/mm", "y′ 50.0 % (10.8 mm)", "ß′ -0.05, OO′ 530 mm"
    std::vector<ReadoutLine> lines;
    // What the reference lens lacks, after the lines.
    std::vector<QString> notes;

    bool empty() const { return lines.empty(); }
    // The lenses' line if any, the abscissa line, then one line per curve:
    // "20 LP/mm, k 2.8, ß′ 0: S 77.2 %  T 70.5 %  interpoliert", then one
    // line per note.
    QString text() const;
};

// Reads the plot at column x (logical pixels of the 250 x 250 image, 40 is
// the y axis). A curve whose support point's marker sits within one pixel
// of x gives that point's table values ("Stützstelle"); otherwise, where x
// lies on the curve (from the y axis to its last support point), the
// splines' values there ("interpoliert"); elsewhere it gives no line. The
// reference lens's curves follow the first lens's (their labels marked
// "B: "), and where there is a line at all, what the reference lens lacks
// follows as notes. The abscissa is read on the last drawn curve that gives
// a line. With curves of more than one lens each line starts with the
// number of its lens ("2: "), and `lenses` names them. Never throws.
PlotReadout readPlotAt(const DrawnPlot& plot, double x);

// The column of the next support point right (direction > 0) or left
// (direction < 0) of x over all curves; a marker within one pixel of x
// counts as the one at x. nullopt when there is none.
std::optional<int> neighbourNodeColumn(const DrawnPlot& plot, double x, int direction);
