// SPDX-License-Identifier: MIT
#include "PlotController.h"

#include "ChartDrawing.h"
#include "ChartExport.h"
#include "PlotFrame.h"
#include "Spline.h"
#include "Translation.h"

#include <QCoreApplication>

namespace PlotController {

namespace {

    // Raises the panel's bevel and enables its controls.
    void enablePanel(PlotView& view, SelectionPanel panel)
    {
        view.setPanelRaised(panel, true);
        view.setPanelControlsEnabled(panel, true);
    }

    bool anyFrequencySelected(const PlotState& state)
    {
        for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
            if (state.FrequencySelected[i] == 1) {
                return true;
            }
        }
        return false;
    }

    void readChoice(const PlotView& view, SelectionPanel panel, int& index)
    {
        if (const auto checked = view.checkedOption(panel)) {
            index = *checked;
        }
    }

} // namespace

QString noFileMessage()
{
    return QCoreApplication::translate("PlotController", NoFileText);
}

void draw(PlotView& view, const LensData& lens, PlotState& state)
{
    if (lens.FileLoaded <= 0) {
        view.showMessage(noFileMessage());
        return;
    }
    if (view.isSingleMode()) {
        clear(view, state);
    }
    readFrequencyChecks(view, lens, state);

    if (!anyFrequencySelected(state)) {
        view.refreshPlot();
        return;
    }
    const Abscissa abscissa = view.checkedAbscissa();
    // The fixed variables are read right before the extraction; with no
    // frequency selected they keep the values of their last reading.
    readChoices(view, abscissa, state.selection);
    const SplineWarningSink warn
        = [&view](SplineWarning warning) { view.showMessage(translatedMessage(splineWarningMessage(warning))); };
    const CurveSelection fixed = state.selection;
    if (const auto last = drawSelectedCurves(view.plotCanvas(), lens, abscissa, fixed, state.FrequencySelected,
                                             state.texts, warn, state.drawn.reference.get())) {
        state.selection = last->selection;
    }
    recordDraw(state.drawn, lens, abscissa, fixed, state.FrequencySelected);
    if (state.drawn.reference && drawnLenses(state.drawn).size() > 1) {
        // The reference lens goes with the lens shown now only: drawn
        // again without its curves of the lenses before.
        drawChartPasses(view.plotCanvas(), lens, chartOfPlot(state.drawn, state.selection), SplineWarningSink());
    }
    view.refreshPlot();
}

void setReference(PlotView& view, const LensData& lens, PlotState& state, std::shared_ptr<const LensData> reference)
{
    setDrawnReference(state.drawn, std::move(reference));
    drawChartPasses(view.plotCanvas(), lens, chartOfPlot(state.drawn, state.selection), SplineWarningSink());
    view.refreshPlot();
}

void clear(PlotView& view, PlotState& state)
{
    drawPlotFrame(view.plotCanvas(), view.checkedAbscissa(), state.texts);
    clearDrawnPlot(state.drawn, view.checkedAbscissa(), state.texts);
    view.refreshPlot();
}

void clearAndDraw(PlotView& view, const LensData& lens, PlotState& state)
{
    clear(view, state);
    draw(view, lens, state);
}

void changeAbscissa(PlotView& view, const LensData& lens, PlotState& state, Abscissa abscissa)
{
    state.texts = axisTextsFor(abscissa);
    const SelectionPanel own = panelOf(abscissa);
    view.setPanelRaised(own, false);
    drawPlotFrame(view.plotCanvas(), abscissa, state.texts);
    clearDrawnPlot(state.drawn, abscissa, state.texts);
    view.refreshPlot();
    // With the frequency as the abscissa the check boxes are not read
    // again: the flags as last read decide.
    if (abscissa != Abscissa::Frequency) {
        readFrequencyChecks(view, lens, state);
    }
    if (anyFrequencySelected(state)) {
        draw(view, lens, state);
    }
    view.setPanelControlsEnabled(own, false);
    for (const SelectionPanel panel : { SelectionPanel::FNumber, SelectionPanel::Frequency, SelectionPanel::ImageHeight,
                                        SelectionPanel::Magnification }) {
        if (panel != own) {
            enablePanel(view, panel);
        }
    }
}

void redrawAfterLoad(PlotView& view, const LensData& lens, PlotState& state)
{
    readFrequencyChecks(view, lens, state);
    if (anyFrequencySelected(state)) {
        draw(view, lens, state);
    }
}

void readFrequencyChecks(const PlotView& view, const LensData& lens, PlotState& state)
{
    // A box hidden by a load keeps its check mark for a later file.
    const bool fileLoaded = lens.FileLoaded > 0;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        const bool counts = view.isFrequencyShown(i) || !fileLoaded;
        state.FrequencySelected[i] = view.isFrequencyChecked(i) && counts ? 1 : 0;
    }
}

void readChoices(const PlotView& view, Abscissa abscissa, CurveSelection& selection)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        readImageHeightChoice(view, selection);
        readMagnificationChoice(view, selection);
        break;
    case Abscissa::Frequency:
        readFNumberChoice(view, selection);
        readImageHeightChoice(view, selection);
        readMagnificationChoice(view, selection);
        break;
    case Abscissa::ImageHeight:
        readFNumberChoice(view, selection);
        readMagnificationChoice(view, selection);
        break;
    case Abscissa::Magnification:
        readFNumberChoice(view, selection);
        readImageHeightChoice(view, selection);
        break;
    }
}

void readFNumberChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::FNumber, selection.FNumberIndex);
}

void readImageHeightChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::ImageHeight, selection.ImageHeightIndex);
}

void readMagnificationChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::Magnification, selection.MagnificationIndex);
}

SelectionPanel panelOf(Abscissa abscissa)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        return SelectionPanel::FNumber;
    case Abscissa::Frequency:
        return SelectionPanel::Frequency;
    case Abscissa::ImageHeight:
        return SelectionPanel::ImageHeight;
    case Abscissa::Magnification:
        return SelectionPanel::Magnification;
    }
    return SelectionPanel::ImageHeight;
}

} // namespace PlotController
