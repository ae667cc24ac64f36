// SPDX-License-Identifier: MIT
#include "PlotController.h"
#include "LensFileReader.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class FakePlotView final : public PlotView
{
public:
    Abscissa abscissa = Abscissa::ImageHeight;
    std::array<bool, 8> checked { false, true, false, false, false, false, false, false };
    bool single = false;
    RecordingCanvas canvas;
    QStringList log;
    std::size_t markers = 0; // drawn and refreshed
    Abscissa checkedAbscissa() const override { return abscissa; }
    bool isFrequencyChecked(int index) const override { return checked.at(static_cast<std::size_t>(index - 1)); }
    bool isFrequencyShown(int) const override { return true; }
    std::optional<int> checkedOption(SelectionPanel panel) const override
    {
        return panel == SelectionPanel::Frequency ? std::nullopt : std::optional<int>(1);
    }
    bool isSingleMode() const override { return single; }
    void setPanelRaised(SelectionPanel, bool) override { }
    void setPanelControlsEnabled(SelectionPanel, bool) override { }
    Canvas& plotCanvas() override { return canvas; }
    // "frame" for the fill that starts the empty frame, then "S" and "T" per
    // run of solid red (sagittal) and dotted blue (tangential) lines.
    void refreshPlot() override
    {
        QString drawn;
        for (const CanvasOp& op : canvas.ops()) {
            const QChar series = op.kind != CanvasOp::Kind::Line         ? ' '
                : op.penColor == red && op.penStyle == PenStyle::Solid   ? 'S'
                : op.penColor == blue && op.penStyle == PenStyle::Dotted ? 'T'
                                                                         : ' ';
            if (op.kind == CanvasOp::Kind::FillRect && op.from == QPoint(0, 0) && op.to == QPoint(250, 250)) {
                drawn += "frame";
            } else if (series != ' ' && !drawn.endsWith(series)) {
                drawn += drawn.endsWith("frame") ? QStringLiteral(" ") + series : QString(series);
            }
        }
        log << QStringLiteral("refresh %1").arg(drawn).trimmed();
        markers += canvas.ellipses().size();
        canvas.clear();
    }
    void showMessage(const QString& text) override
    {
        log << (text == PlotController::NoFileMessage ? QStringLiteral("no file") : text);
    }
};

LensData smallLens()
{
    return readLensFile(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", LensData {});
}

TEST(PlotController, TheDrawCommandOverlaidOrFromTheEmptyFrameOrRefusedWithoutAFile)
{
    // Frequencies 1 and 2 checked or none; single mode or overlay; the
    // small lens loaded or none.
    const std::tuple<bool, bool, bool, const char*> rows[] = {
        { true, false, true, "refresh STST" },
        { true, true, true, "refresh frame|refresh STST" },
        { false, true, true, "refresh frame|refresh" },
        { false, false, true, "refresh" },
        { false, false, false, "no file" },
    };
    for (const auto& [anyChecked, single, loaded, steps] : rows) {
        FakePlotView view;
        view.checked = { anyChecked, anyChecked, false, false, false, false, false, false };
        view.single = single;
        PlotState state;
        PlotController::draw(view, loaded ? smallLens() : LensData {}, state);
        EXPECT_EQ(view.log.join('|'), steps) << anyChecked << single << loaded;
    }
    // The last step of a load after a cancelled first dialog draws, and so
    // refuses, only with a frequency checked.
    for (const bool anyChecked : { true, false }) {
        FakePlotView view;
        view.checked[1] = anyChecked;
        PlotState state;
        PlotController::redrawAfterLoad(view, LensData {}, state);
        EXPECT_EQ(view.log.join('|'), anyChecked ? "no file" : "");
    }
}

TEST(PlotController, SplineWarningsAreShownInOrderAndDrawingGoesOn)
{
    // S: singular, M: not monotonic. Support points -0, 0, 0, 21.6: two zero
    // widths, each reported by both tests, for sagittal then tangential;
    // support points 0, 10, 0, 21.6: one decreasing interval.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        { "0", "0", "S|M|S|M|S|M|S|M|refresh" },
        { "10", "0", "M|M|refresh" },
    };
    for (const auto& [first, second, steps] : rows) {
        SCOPED_TRACE(first);
        LensData lens = smallLens();
        lens.ImageHeightText[1][1] = first;
        lens.ImageHeightText[1][2] = second;
        FakePlotView view;
        PlotState state;
        PlotController::draw(view, lens, state);
        EXPECT_EQ(view.log.join('|')
                      .replace(QString::fromStdString(splineWarningText(SplineWarning::Singular)), "S")
                      .replace(QString::fromStdString(splineWarningText(SplineWarning::NotMonotonic)), "M"),
                  steps);
        EXPECT_EQ(view.markers, 2u * 4u) << "the markers of both series";
    }
}

} // namespace
