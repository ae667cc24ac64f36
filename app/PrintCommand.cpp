#include "PrintCommand.h"

#include "ReportInput.h"
#include "ReportOutput.h"
#include "UiServices.h"

#include <QPrinter>

void PrintCommand(PlotView& view, UiServices& ui, QWidget* parent, const LensData& lens, PlotState& state,
                  const QDateTime& now)
{
    if (lens.FileLoaded <= 0) {
        view.showMessage(PlotController::NoFileMessage);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!ui.runPrintDialog(parent, printer)) {
        return;
    }

    ReportInput input;
    input.lens = lens;
    input.abscissa = view.checkedAbscissa();
    PlotController::ReadFrequencyChecks(view, lens, state);
    PlotController::ReadChoices(view, input.abscissa, state.selection);
    input.selection = state.selection;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        input.frequencySelected[i] = state.FrequencySelected[i] == 1;
    }
    input.axisTexts = state.texts;
    const SplineWarningSink warn
        = [&view](SplineWarning warning) { view.showMessage(QString::fromStdString(splineWarningText(warning))); };
    input.curves = computeReportCurves(lens, input.abscissa, input.selection, input.frequencySelected, warn);
    stampReport(input, now);
    printReport(printer, input);
}
