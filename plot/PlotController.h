// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "ChartDrawing.h"
#include "CurveExtraction.h"
#include "DrawnPlot.h"
#include "LensData.h"
#include "PlotView.h"
#include "RangeArray.h"

// The state behind the selection controls that lives as long as the window.
struct PlotState
{
    AxisTexts texts = initialAxisTexts();
    // 1 = frequency i counts as selected (checked and shown), 0 = not;
    // refreshed by readFrequencyChecks, read by the draw and print commands.
    FrequencyFlags FrequencySelected;
    // The indices of the most recent extraction; the fixed variables keep
    // the value of their last reading.
    CurveSelection selection;
    // What the plot shows since it was last cleared, and the reference
    // lens every draw adds (drawn.reference).
    DrawnPlot drawn;
};

// The selection and plot control: what the draw, clear, mode and abscissa
// buttons and the value controls do. Works only through the view; throws
// RangeError for an index outside the data set's tables.
namespace PlotController {

// The message while no file has been read: the German source text, and
// the text in the language of the installed translation.
inline constexpr const char* NoFileText = QT_TRANSLATE_NOOP("PlotController", "Noch keine Datei gelesen !");
inline const QString NoFileMessage = QString::fromUtf8(NoFileText);
QString noFileMessage();

// The draw command: refuses with noFileMessage() while no file is loaded;
// in single mode starts from the empty frame; then, for every selected
// frequency in ascending order, extracts the curve, rewrites the axis
// texts and draws the sagittal and then the tangential series. Spline
// warnings are shown as messages in the order they arise; drawing goes on.
void draw(PlotView& view, const LensData& lens, PlotState& state);

// Loads (a lens) or removes (null) the reference lens: the plot is drawn
// again as it was, every draw since the last clear with the reference
// lens's matching curves, or without them. Spline warnings are not shown
// again.
void setReference(PlotView& view, const LensData& lens, PlotState& state, std::shared_ptr<const LensData> reference);

// The clear command: the empty frame for the checked abscissa.
void clear(PlotView& view, PlotState& state);

// A change of the frequency set or of the mode: clear, then draw.
void clearAndDraw(PlotView& view, const LensData& lens, PlotState& state);

// The option button of an abscissa has become the checked one: new axis
// texts, the own panel lowered, the empty frame, a draw when a frequency is
// selected, the own panel's controls disabled and the other three panels
// enabled.
void changeAbscissa(PlotView& view, const LensData& lens, PlotState& state, Abscissa abscissa);

// The last step of a load (also after a cancelled dialog): draws once when
// a frequency is selected.
void redrawAfterLoad(PlotView& view, const LensData& lens, PlotState& state);

// FrequencySelected[i] := 1 when check box i is checked and shown, else 0.
// A box hidden by a load does not count, so nothing is drawn beyond the
// loaded file's counts; while no file has been read nothing can be drawn
// anyway, and a checked box counts as it is, so that the draw command
// reports the missing file.
void readFrequencyChecks(const PlotView& view, const LensData& lens, PlotState& state);

// Reads the option panels the extraction uses for an abscissa (never the
// abscissa's own panel) into the selection.
void readChoices(const PlotView& view, Abscissa abscissa, CurveSelection& selection);

// Each stores the index of its panel's checked option button into the
// selection; with none checked the index keeps its value.
void readFNumberChoice(const PlotView& view, CurveSelection& selection);
void readImageHeightChoice(const PlotView& view, CurveSelection& selection);
void readMagnificationChoice(const PlotView& view, CurveSelection& selection);

// The panel whose variable runs along the x axis for an abscissa.
SelectionPanel panelOf(Abscissa abscissa);

} // namespace PlotController
