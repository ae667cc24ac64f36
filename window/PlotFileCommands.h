// SPDX-License-Identifier: MIT
#pragma once

#include "LensData.h"
#include "PlotController.h"
#include "PlotView.h"

#include <QImage>
#include <QString>

#include <optional>

class QLocale;
class QWidget;
class UiServices;

// The file types the plot can be saved as, chosen by the file's extension.
enum class PlotFileType
{
    Png, // what the plot shows, as the --export chart
    Svg,
    Pdf, // the print report of the current selection
    Csv, // the points of every curve shown
};

// The type for a file name (the extension, in any case), or nullopt.
std::optional<PlotFileType> plotFileType(const QString& path);

// The filters of the save dialog, in the dialog seam's form.
QString plotFileFilter();

// The name the save dialog suggests: the lens name and the abscissa as the
// command line names it, "Testlinse 2.8_50_y.png"; characters that a file
// name cannot hold (/ \ : * ? " < > | and control characters) become "_".
QString suggestedPlotFileName(const LensData& lens, Abscissa abscissa);

// "Diagramm speichern unter …": the save dialog (in the folder last used,
// suggesting suggestedPlotFileName), then the file written all
// or nothing through the export writers, as --export writes it: PNG and SVG
// of every draw since the plot was last cleared, at pngScale for PNG; CSV
// of the same curves; PDF the report of the current selection (the check
// boxes and panels read as the print command reads them), stamped with
// reportTime() in the formats of locale. A file that cannot be written, or
// a name with another extension, is reported in a message naming it;
// nothing else changes. Throws RangeError as the drawing does.
void savePlotCommand(PlotView& view, UiServices& ui, QWidget* parent, const LensData& lens, PlotState& state,
                     int pngScale, const QLocale& locale);

// The chart of every curve shown, at scale times the 250 x 250 pixels, as
// "Diagramm kopieren" and the PNG of "Diagramm speichern unter …" give it.
QImage plotChartImage(const LensData& lens, const PlotState& state, int scale);

// The CSV rows of every curve shown (the header first), as "Werte kopieren"
// puts them on the clipboard.
QString plotValuesText(const LensData& lens, const PlotState& state);
