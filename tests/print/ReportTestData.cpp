#include "ReportTestData.h"

LensData smallLens()
{
    LensData lens;
    lens.LensName = "Prüfobjektiv 2.8/35";
    lens.WavelengthText = "546 486 656";
    lens.WeightText = "1.0 0.5 0.5";
    lens.FNumberCount = 3;
    lens.FrequencyCount = 4;
    lens.ImageHeightCount = 4;
    lens.MagnificationCount = 2;
    const char* fNumbers[] = { "2.8", "4", "5.6" };
    const char* frequencies[] = { "10", "20", "40", "120" };
    const char* heights[] = { "0", "5", "10", "15" };
    const char* magnifications[] = { "0", "-0.1" };
    for (int i = 1; i <= 3; ++i) {
        lens.FNumberText[i] = fNumbers[i - 1];
    }
    for (int i = 1; i <= 4; ++i) {
        lens.FrequencyText[i] = frequencies[i - 1];
        lens.ImageHeightText[1][i] = heights[i - 1];
    }
    for (int i = 1; i <= 2; ++i) {
        lens.MagnificationText[i] = magnifications[i - 1];
        lens.DistanceText[i] = i == 1 ? "-1E20" : "-400";
    }
    lens.MaxImageHeight = 21.6;
    lens.ImageHeightValidCount[1] = 4;
    lens.ImageHeightPerFNumber = 0;
    for (int f = 0; f < 3; ++f) {
        for (int q = 0; q < 4; ++q) {
            for (int h = 0; h < 4; ++h) {
                for (int m = 0; m < 2; ++m) {
                    const int sag = 95 - 15 * q - 4 * h - 3 * m + 2 * f;
                    lens.SagModulation.set(f, q, h, m, static_cast<std::uint8_t>(sag));
                    lens.TanModulation.set(f, q, h, m, static_cast<std::uint8_t>(sag - 3 * h));
                }
            }
        }
    }
    lens.FileLoaded = 1;
    return lens;
}

ReportInput smallReport(Abscissa abscissa)
{
    ReportInput input;
    input.lens = smallLens();
    input.abscissa = abscissa;
    input.selection.FNumberIndex = 2;
    input.selection.ImageHeightIndex = 3;
    input.selection.MagnificationIndex = 2;
    input.frequencySelected[2] = true;
    input.frequencySelected[4] = true;
    input.axisTexts = axisTextsFor(abscissa);
    input.dateText = QStringLiteral("06.12.26");
    input.timeText = QStringLiteral("20:39");
    input.curves
        = computeReportCurves(input.lens, abscissa, input.selection, input.frequencySelected, [](SplineWarning) {});
    return input;
}
