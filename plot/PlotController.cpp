#include "PlotController.h"

#include "ChartDrawing.h"
#include "PlotFrame.h"
#include "Spline.h"

namespace PlotController {

namespace {

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

void Draw(PlotView& view, const LensData& lens, PlotState& state)
{
    if (lens.FileLoaded <= 0) {
        view.showMessage(NoFileMessage);
        return;
    }
    if (view.isSingleMode()) {
        Clear(view, state);
    }
    ReadFrequencyChecks(view, lens, state);

    if (!anyFrequencySelected(state)) {
        view.refreshPlot();
        return;
    }
    const Abscissa abscissa = view.checkedAbscissa();
    // The fixed variables are read right before the extraction; with no
    // frequency selected they keep the values of their last reading.
    ReadChoices(view, abscissa, state.selection);
    const SplineWarningSink warn
        = [&view](SplineWarning warning) { view.showMessage(QString::fromStdString(splineWarningText(warning))); };
    if (const auto last = DrawSelectedCurves(view.plotCanvas(), lens, abscissa, state.selection,
                                             state.FrequencySelected, state.texts, warn)) {
        state.selection = last->selection;
        state.lastCurve = last->curve;
    }
    view.refreshPlot();
}

void Clear(PlotView& view, const PlotState& state)
{
    DrawPlotFrame(view.plotCanvas(), view.checkedAbscissa(), state.texts);
    view.refreshPlot();
}

void ClearAndDraw(PlotView& view, const LensData& lens, PlotState& state)
{
    Clear(view, state);
    Draw(view, lens, state);
}

void ChangeAbscissa(PlotView& view, const LensData& lens, PlotState& state, Abscissa abscissa)
{
    state.texts = axisTextsFor(abscissa);
    const SelectionPanel own = panelOf(abscissa);
    view.setPanelRaised(own, false);
    DrawPlotFrame(view.plotCanvas(), abscissa, state.texts);
    view.refreshPlot();
    // With the frequency as the abscissa the check boxes are not read
    // again: the flags as last read decide.
    if (abscissa != Abscissa::Frequency) {
        ReadFrequencyChecks(view, lens, state);
    }
    if (anyFrequencySelected(state)) {
        Draw(view, lens, state);
    }
    view.setPanelControlsEnabled(own, false);
    switch (abscissa) {
    case Abscissa::FNumber:
        EnableImageHeightPanel(view);
        EnableFrequencyPanel(view);
        EnableMagnificationPanel(view);
        break;
    case Abscissa::Frequency:
        EnableFNumberPanel(view);
        EnableImageHeightPanel(view);
        EnableMagnificationPanel(view);
        break;
    case Abscissa::ImageHeight:
        EnableFNumberPanel(view);
        EnableFrequencyPanel(view);
        EnableMagnificationPanel(view);
        break;
    case Abscissa::Magnification:
        EnableFNumberPanel(view);
        EnableFrequencyPanel(view);
        EnableImageHeightPanel(view);
        break;
    }
}

void RedrawAfterLoad(PlotView& view, const LensData& lens, PlotState& state)
{
    ReadFrequencyChecks(view, lens, state);
    if (anyFrequencySelected(state)) {
        Draw(view, lens, state);
    }
}

void ReadFrequencyChecks(const PlotView& view, const LensData& lens, PlotState& state)
{
    // A box hidden by a load keeps its check mark for a later file.
    const bool fileLoaded = lens.FileLoaded > 0;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        const bool counts = view.isFrequencyShown(i) || !fileLoaded;
        state.FrequencySelected[i] = view.isFrequencyChecked(i) && counts ? 1 : 0;
    }
}

void ReadChoices(const PlotView& view, Abscissa abscissa, CurveSelection& selection)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        ReadImageHeightChoice(view, selection);
        ReadMagnificationChoice(view, selection);
        break;
    case Abscissa::Frequency:
        ReadFNumberChoice(view, selection);
        ReadImageHeightChoice(view, selection);
        ReadMagnificationChoice(view, selection);
        break;
    case Abscissa::ImageHeight:
        ReadFNumberChoice(view, selection);
        ReadMagnificationChoice(view, selection);
        break;
    case Abscissa::Magnification:
        ReadFNumberChoice(view, selection);
        ReadImageHeightChoice(view, selection);
        break;
    }
}

void ReadFNumberChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::FNumber, selection.FNumberIndex);
}

void ReadImageHeightChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::ImageHeight, selection.ImageHeightIndex);
}

void ReadMagnificationChoice(const PlotView& view, CurveSelection& selection)
{
    readChoice(view, SelectionPanel::Magnification, selection.MagnificationIndex);
}

void EnableFNumberPanel(PlotView& view)
{
    enablePanel(view, SelectionPanel::FNumber);
}

void EnableFrequencyPanel(PlotView& view)
{
    enablePanel(view, SelectionPanel::Frequency);
}

void EnableImageHeightPanel(PlotView& view)
{
    enablePanel(view, SelectionPanel::ImageHeight);
}

void EnableMagnificationPanel(PlotView& view)
{
    enablePanel(view, SelectionPanel::Magnification);
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
