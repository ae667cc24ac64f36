#include "LensFileReader.h"
#include "PrintReport.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FullSizeExampleReport : public ::testing::TestWithParam<Abscissa>
{
};

// The bundled full-size lens, every frequency checked: every curve point
// and marker lands on the diagram (the curves stay within 0 .. 100 % and
// within the abscissa range), one pair of curves per frequency.
TEST_P(FullSizeExampleReport, EveryCurveInsideTheDiagram)
{
    ReportInput input;
    input.lens = readLensFile(std::string(LUMIVEX_SOURCE_DIR) + "/examples/vollformat-objektiv.mtf", LensData {});
    input.abscissa = GetParam();
    input.selection = CurveSelection { 0, 2, 1, 1 };
    for (int k = 1; k <= input.lens.FrequencyCount; ++k) {
        input.frequencySelected[k] = true;
    }
    input.axisTexts = axisTextsFor(input.abscissa);
    input.curves = computeReportCurves(input.lens, input.abscissa, input.selection, input.frequencySelected,
                                       [](SplineWarning) {});
    ASSERT_EQ(input.curves.size(), static_cast<std::size_t>(input.lens.FrequencyCount));

    RecordingCanvas page;
    PrintReport(page, input);
    int redSegments = 0;
    for (const CanvasOp& op : page.lines()) {
        if (op.penColor != QColor(255, 0, 0)) {
            continue;
        }
        ++redSegments;
        EXPECT_GE(op.to.x(), 296);
        EXPECT_LE(op.to.x(), 704);
        // A spline may overshoot a little above 100 % or below 0 %.
        EXPECT_GE(op.to.y(), -904 - 40);
        EXPECT_LE(op.to.y(), -496 + 40);
    }
    // Image-height curves skip their samples left of the axis (the part
    // beyond the mirrored first support point, here 4 of 25.6 units).
    const int perCurve = input.abscissa == Abscissa::ImageHeight ? 80 : 99;
    EXPECT_GE(redSegments, input.lens.FrequencyCount * perCurve);
    for (const CanvasOp& marker : page.ellipses()) {
        EXPECT_GE(marker.from.x() + 4, 296);
        EXPECT_LE(marker.to.x() - 4, 704);
    }
}

INSTANTIATE_TEST_SUITE_P(AllAbscissae, FullSizeExampleReport,
                         ::testing::Values(Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight,
                                           Abscissa::Magnification));

} // namespace
