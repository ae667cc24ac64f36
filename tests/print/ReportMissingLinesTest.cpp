// SPDX-License-Identifier: MIT
#include "LensFileReader.h"
#include "RecordingCanvas.h"
#include "ReportDrawing.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the reference lens lacks, below the weights: one line each, 4 mm
// apart from -93 mm, at most three; the third ends in " …" when more are
// left out.
TEST(PrintReport, AtMostThreeLinesNameWhatTheReferenceLensLacks)
{
    const LensData small = readLensFile(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", LensData {});
    FrequencyFlags frequencies;
    frequencies[2] = 1;
    const struct
    {
        std::vector<QString> missing;
        std::vector<QString> printed; // "y|text"
    } rows[] = {
        { { "eins", "zwei" }, { "-930|eins", "-970|zwei" } },
        { { "eins", "zwei", "drei" }, { "-930|eins", "-970|zwei", "-1010|drei" } },
        { { "eins", "zwei", "drei", "vier" }, { "-930|eins", "-970|zwei", "-1010|drei …" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.missing.size());
        ReportInput input = buildReportInput(small, Abscissa::ImageHeight, { 0, 1, 1, 1 }, frequencies,
                                             axisTextsFor(Abscissa::ImageHeight), QDateTime(), {});
        input.referenceName = "B";
        input.referenceMissing = row.missing;
        RecordingCanvas page;
        drawReport(page, input);
        std::vector<QString> printed;
        for (const CanvasOp& text : page.texts()) {
            // The settings column below the weights (-85 mm).
            if (text.from.x() == 900 && text.from.y() < -850) {
                printed.push_back(QString::number(text.from.y()) + QLatin1Char('|') + text.text);
            }
        }
        EXPECT_EQ(printed, row.printed);
    }
}

} // namespace
