// SPDX-License-Identifier: MIT
#include "PrintCommand.h"

#include "ReportInput.h"
#include "ReportPrinter.h"
#include "Translation.h"
#include "UiServices.h"

#include <QPrinter>

void printCommand(PlotView& view, UiServices& ui, QWidget* parent, const LensData& lens, PlotState& state,
                  const QDateTime& now, const QLocale& locale)
{
    if (lens.FileLoaded <= 0) {
        view.showMessage(PlotController::noFileMessage());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!ui.runPrintDialog(parent, printer)) {
        return;
    }

    PlotController::readFrequencyChecks(view, lens, state);
    PlotController::readChoices(view, view.checkedAbscissa(), state.selection);
    const SplineWarningSink warn
        = [&view](SplineWarning warning) { view.showMessage(translatedMessage(splineWarningMessage(warning))); };
    printReport(printer,
                buildReportInput(lens, view.checkedAbscissa(), state.selection, state.FrequencySelected, state.texts,
                                 now, warn, state.drawn.reference.get(), locale));
}
