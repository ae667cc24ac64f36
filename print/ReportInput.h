// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "ChartDrawing.h"
#include "CurveExtraction.h"
#include "CurvePipeline.h"
#include "LensData.h"
#include "RangeArray.h"
#include "Spline.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <vector>

// The two series of one checked frequency, as the screen draws them.
struct ReportCurve
{
    SeriesCurve sagittal;
    SeriesCurve tangential;
    double AbscissaFactor = 1.0;
};

// Everything the one-page report shows; the report itself reads nothing
// else, so it can be printed, exported and tested from this alone.
struct ReportInput
{
    LensData lens;
    Abscissa abscissa = Abscissa::ImageHeight;
    // FNumberIndex, ImageHeightIndex, MagnificationIndex pick the values of
    // the settings lines (1-based; only the lines whose variable is not the
    // abscissa read theirs).
    CurveSelection selection;
    // The frequencies as they count for drawing: checked and visible.
    RangeArray<bool, 1, LensData::MaxFrequencies> frequencySelected;
    AxisTexts axisTexts;
    QString dateText;
    QString timeText;
    // The moment of dateText and timeText, also the PDF's creation date;
    // invalid: the PDF writer's clock.
    QDateTime stamped;
    QString makerText = QStringLiteral("  Lumivex-Projekt, example.org");
    // One pair per checked frequency, in ascending order.
    std::vector<ReportCurve> curves;
    // A comparison: the reference lens's name (empty: none), its curves of
    // the same fixed values on the diagram's axes (none where it lacks a
    // value), and what it lacks ("Vergleichsobjektiv: keine …", each once).
    std::string referenceName;
    std::vector<ReportCurve> referenceCurves;
    std::vector<QString> referenceMissing;
};

// Extracts, splines and samples the curves of every selected frequency in
// ascending order, as the draw command does. Spline warnings go to warn in
// the order they arise. Throws RangeError for indices outside the tables.
std::vector<ReportCurve> computeReportCurves(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                                             const RangeArray<bool, 1, LensData::MaxFrequencies>& frequencySelected,
                                             const SplineWarningSink& warn);

// Date and time of the footer in the short formats of locale (the
// language's, see languageLocale).
void stampReport(ReportInput& input, const QDateTime& when, const QLocale& locale = QLocale::system());

// The report of a selection, as the print button and the PDF export both
// print it: the settings lines of `selection`, the curves of every
// frequency flagged 1 in ascending order, the axis texts as given and the
// footer stamped with now in the formats of locale; with a reference lens
// its matching curves too. Spline warnings go to warn. Throws RangeError
// for indices outside the tables.
ReportInput buildReportInput(const LensData& lens, Abscissa abscissa, const CurveSelection& selection,
                             const FrequencyFlags& frequencies, const AxisTexts& texts, const QDateTime& now,
                             const SplineWarningSink& warn, const LensData* reference = nullptr,
                             const QLocale& locale = QLocale::system());
