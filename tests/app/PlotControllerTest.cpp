// The selection controller against a fake view: which panels it reads, in
// which order it asks the view for bevels, enabled states, drawing and
// messages, and what it draws.
#include "PlotController.h"
#include "FakePlotView.h"
#include "LensFileReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using Kind = CanvasOp::Kind;
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);

LensData smallLens()
{
    // 2 f-numbers, 2 magnifications, 3 image heights 0 / 10 / 21.6, 2 frequencies.
    return readLensFile(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", LensData {});
}

// The frame starts by filling the whole image white.
int frameCount(const RecordingCanvas& canvas)
{
    int count = 0;
    for (const CanvasOp& op : canvas.ofKind(Kind::FillRect)) {
        if (op.from == QPoint(0, 0) && op.to == QPoint(250, 250)) {
            ++count;
        }
    }
    return count;
}

// The colours of the curve lines in drawing order, one entry per run of
// lines of the same colour: solid red (sagittal) and dotted blue
// (tangential); the frame's blue axes are solid.
QList<QColor> curveRuns(const RecordingCanvas& canvas)
{
    QList<QColor> runs;
    for (const CanvasOp& op : canvas.lines()) {
        const bool curve = (op.penColor == Red && op.penStyle == PenStyle::Solid)
            || (op.penColor == Blue && op.penStyle == PenStyle::Dotted);
        if (curve && (runs.isEmpty() || runs.back() != op.penColor)) {
            runs << op.penColor;
        }
    }
    return runs;
}

TEST(PlotController, DrawBeforeAnyLoadOnlyRefuses)
{
    FakePlotView view;
    view.single = true;
    PlotState state;
    PlotController::Draw(view, LensData {}, state);
    EXPECT_EQ(view.messages, QStringList { "Noch keine Datei gelesen !" });
    EXPECT_TRUE(view.canvas.ops().empty());
    EXPECT_EQ(view.log, QStringList { "message Noch keine Datei gelesen !" });
}

TEST(PlotController, DrawsEverySelectedFrequencyAscendingSagittalFirst)
{
    const LensData lens = smallLens();
    FakePlotView view;
    view.checked = { true, true, false, false, false, false, false, false };
    PlotState state;
    PlotController::Draw(view, lens, state);

    EXPECT_TRUE(view.messages.isEmpty());
    EXPECT_EQ(frameCount(view.canvas), 0) << "overlay mode keeps what is drawn";
    EXPECT_EQ(curveRuns(view.canvas), (QList<QColor> { Red, Blue, Red, Blue }));
    EXPECT_EQ(view.log.back(), "refresh");
    // The last extraction was frequency 2, f-number 1, magnification 1,
    // over the image height 0 / 10 / 21.6 mirrored at the axis.
    EXPECT_EQ(state.selection.FrequencyIndex, 2);
    EXPECT_EQ(state.selection.FNumberIndex, 1);
    EXPECT_EQ(state.selection.MagnificationIndex, 1);
    ASSERT_EQ(state.lastCurve.CurvePointCount, 4);
    EXPECT_DOUBLE_EQ(state.lastCurve.KnotX[1], -10.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.KnotX[4], 21.6);
    // Sag(f1, q2, y1..3, m1) = 85, 78, 66; the mirrored point repeats y2.
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[1], 78.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[2], 85.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[4], 66.0);
    // Four markers per series, white inside.
    const auto markers = view.canvas.ellipses();
    EXPECT_EQ(markers.size(), 2u * 2u * 4u);
    for (const CanvasOp& marker : markers) {
        EXPECT_EQ(marker.brushColor, White);
        EXPECT_EQ(marker.to - marker.from, QPoint(4, 4));
    }
}

TEST(PlotController, SingleModeStartsFromTheEmptyFrame)
{
    const LensData lens = smallLens();
    FakePlotView view;
    view.single = true;
    PlotState state;
    PlotController::Draw(view, lens, state);
    EXPECT_EQ(frameCount(view.canvas), 1);
    EXPECT_EQ(view.canvas.ops().front().kind, Kind::FillRect);
}

TEST(PlotController, NoFrequencySelectedDrawsNothingButStillClearsInSingleMode)
{
    const LensData lens = smallLens();
    FakePlotView view;
    view.checked.fill(false);
    view.single = true;
    PlotState state;
    PlotController::Draw(view, lens, state);
    EXPECT_EQ(frameCount(view.canvas), 1);
    EXPECT_TRUE(curveRuns(view.canvas).isEmpty());
    EXPECT_TRUE(view.canvas.ellipses().empty());
}

TEST(PlotController, HiddenCheckBoxesNeverCountOnceAFileIsLoaded)
{
    FakePlotView view;
    view.checked = { true, true, false, false, true, false, false, false };
    view.shown = { true, true, false, false, false, false, false, false };
    PlotState state;
    PlotController::ReadFrequencyChecks(view, smallLens(), state);
    const int loaded[] = { 1, 1, 0, 0, 0, 0, 0, 0 };
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(state.FrequencySelected[i], loaded[i - 1]) << i;
    }
    // Without a file nothing can be drawn: a checked box counts, so that
    // the draw command can report the missing file.
    PlotController::ReadFrequencyChecks(view, LensData {}, state);
    const int empty[] = { 1, 1, 0, 0, 1, 0, 0, 0 };
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(state.FrequencySelected[i], empty[i - 1]) << i;
    }
}

TEST(PlotController, ChoiceReadersKeepTheIndexWhenNothingIsChecked)
{
    FakePlotView view;
    view.fNumber = 3;
    view.imageHeight = std::nullopt;
    view.magnification = 9;
    CurveSelection selection { 0, 0, 5, 0 };
    PlotController::ReadFNumberChoice(view, selection);
    PlotController::ReadImageHeightChoice(view, selection);
    PlotController::ReadMagnificationChoice(view, selection);
    EXPECT_EQ(selection.FNumberIndex, 3);
    EXPECT_EQ(selection.ImageHeightIndex, 5);
    EXPECT_EQ(selection.MagnificationIndex, 9);
}

TEST(PlotController, TheAbscissasOwnPanelIsNotRead)
{
    const LensData lens = smallLens();
    struct Row
    {
        Abscissa abscissa;
        CurveSelection expected; // FrequencyIndex, FNumber, ImageHeight, Magnification
    };
    // The view has f-number 2, image height 3, magnification 2 checked;
    // the indices start at 0, so an index not read stays 0.
    const Row rows[] = {
        { Abscissa::FNumber, { 2, 0, 3, 2 } },
        { Abscissa::Frequency, { 2, 2, 3, 2 } },
        { Abscissa::ImageHeight, { 2, 2, 0, 2 } },
        { Abscissa::Magnification, { 2, 2, 3, 0 } },
    };
    for (const Row& row : rows) {
        FakePlotView view;
        view.abscissa = row.abscissa;
        view.fNumber = 2;
        view.imageHeight = 3;
        view.magnification = 2;
        PlotState state;
        PlotController::Draw(view, lens, state);
        EXPECT_EQ(state.selection.FrequencyIndex, row.expected.FrequencyIndex);
        EXPECT_EQ(state.selection.FNumberIndex, row.expected.FNumberIndex) << static_cast<int>(row.abscissa);
        EXPECT_EQ(state.selection.ImageHeightIndex, row.expected.ImageHeightIndex) << static_cast<int>(row.abscissa);
        EXPECT_EQ(state.selection.MagnificationIndex, row.expected.MagnificationIndex)
            << static_cast<int>(row.abscissa);
    }
}

TEST(PlotController, WithFrequencyAsAbscissaEveryCheckedBoxStillRunsTheExtraction)
{
    const LensData lens = smallLens();
    FakePlotView view;
    view.abscissa = Abscissa::Frequency;
    view.checked = { true, true, false, false, false, false, false, false };
    PlotState state;
    PlotController::Draw(view, lens, state);
    // The same pair of curves twice.
    EXPECT_EQ(curveRuns(view.canvas), (QList<QColor> { Red, Blue, Red, Blue }));
    EXPECT_EQ(view.canvas.ellipses().size(), 2u * 2u * 2u); // two frequencies as support points
}

TEST(PlotController, AbscissaChangeOrderOfSteps)
{
    struct Row
    {
        Abscissa abscissa;
        QStringList panelSteps; // after the draw
        QString lowered;
    };
    const Row rows[] = {
        { Abscissa::FNumber,
          { "disable Panel1", "raise Panel3", "enable Panel3", "raise Panel2", "enable Panel2", "raise Panel4",
            "enable Panel4" },
          "lower Panel1" },
        { Abscissa::Frequency,
          { "disable Panel2", "raise Panel1", "enable Panel1", "raise Panel3", "enable Panel3", "raise Panel4",
            "enable Panel4" },
          "lower Panel2" },
        { Abscissa::ImageHeight,
          { "disable Panel3", "raise Panel1", "enable Panel1", "raise Panel2", "enable Panel2", "raise Panel4",
            "enable Panel4" },
          "lower Panel3" },
        { Abscissa::Magnification,
          { "disable Panel4", "raise Panel1", "enable Panel1", "raise Panel2", "enable Panel2", "raise Panel3",
            "enable Panel3" },
          "lower Panel4" },
    };
    const LensData lens = smallLens();
    for (const Row& row : rows) {
        FakePlotView view;
        view.abscissa = row.abscissa;
        PlotState state;
        // As after a load: the check boxes have been read once.
        PlotController::ReadFrequencyChecks(view, lens, state);
        PlotController::ChangeAbscissa(view, lens, state, row.abscissa);

        EXPECT_EQ(state.texts, axisTextsFor(row.abscissa));
        // Lowered, frame, the draw's refresh, then the panels.
        QStringList expected { row.lowered, "refresh", "refresh" };
        expected << row.panelSteps;
        EXPECT_EQ(view.log, expected) << static_cast<int>(row.abscissa);
        EXPECT_EQ(frameCount(view.canvas), 1);
        EXPECT_FALSE(curveRuns(view.canvas).isEmpty());
    }
}

TEST(PlotController, AbscissaChangeBeforeALoadReportsOnceExceptForTheFrequency)
{
    struct Row
    {
        Abscissa abscissa;
        int messages;
    };
    // The check boxes have never been read; only the frequency abscissa
    // leaves them unread, so it finds nothing to draw.
    const Row rows[] = { { Abscissa::FNumber, 1 },
                         { Abscissa::Frequency, 0 },
                         { Abscissa::ImageHeight, 1 },
                         { Abscissa::Magnification, 1 } };
    for (const Row& row : rows) {
        FakePlotView view;
        view.abscissa = row.abscissa;
        PlotState state;
        PlotController::ChangeAbscissa(view, LensData {}, state, row.abscissa);
        EXPECT_EQ(view.messages.size(), row.messages) << static_cast<int>(row.abscissa);
        EXPECT_EQ(frameCount(view.canvas), 1);
        // The panel steps happen all the same.
        EXPECT_EQ(view.log.filter("enable").size(), 3);
        EXPECT_EQ(view.log.filter("disable").size(), 1);
    }
}

TEST(PlotController, AbscissaChangeWithNothingCheckedDrawsOnlyTheFrame)
{
    FakePlotView view;
    view.checked.fill(false);
    PlotState state;
    PlotController::ChangeAbscissa(view, LensData {}, state, Abscissa::FNumber);
    EXPECT_TRUE(view.messages.isEmpty());
    EXPECT_EQ(frameCount(view.canvas), 1);
    EXPECT_TRUE(view.canvas.ellipses().empty());
}

TEST(PlotController, SplineWarningsAreShownInOrderAndDrawingGoesOn)
{
    const QString singular = QStringLiteral("Funktion singulär");
    const QString notMonotonic = QStringLiteral("Funktion nicht monoton");
    struct Row
    {
        std::string imageHeights;
        QStringList messages;
    };
    const Row rows[] = {
        // Support points -0, 0, 0, 21.6: two intervals of zero width, each
        // reported by both tests, for the sagittal and then the tangential
        // series.
        { "y 0 0 21.6",
          { singular, notMonotonic, singular, notMonotonic, singular, notMonotonic, singular, notMonotonic } },
        // Support points 0, 10, 0, 21.6: one decreasing interval.
        { "y 10 0 21.6", { notMonotonic, notMonotonic } },
    };
    std::ifstream in(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const Row& row : rows) {
        std::string text = original;
        const auto at = text.find("y 0 10 21.6");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, 11, row.imageHeights);
        std::istringstream stream(text);
        const LensData lens = readLensData(stream, LensData {});

        FakePlotView view;
        PlotState state;
        PlotController::Draw(view, lens, state);
        EXPECT_EQ(view.messages, row.messages) << row.imageHeights;
        // Both series still get their four markers; the draw ends normally.
        EXPECT_EQ(view.canvas.ellipses().size(), 2u * 4u) << row.imageHeights;
        EXPECT_EQ(view.log.back(), "refresh");
    }
}

TEST(PlotController, RedrawAfterLoadDrawsOnlyWithASelectedFrequency)
{
    const LensData lens = smallLens();
    {
        FakePlotView view;
        PlotState state;
        PlotController::RedrawAfterLoad(view, lens, state);
        EXPECT_FALSE(curveRuns(view.canvas).isEmpty());
    }
    {
        FakePlotView view;
        view.checked.fill(false);
        PlotState state;
        PlotController::RedrawAfterLoad(view, LensData {}, state);
        EXPECT_TRUE(view.log.isEmpty());
    }
    {
        // The first dialog was cancelled: one refusal.
        FakePlotView view;
        PlotState state;
        PlotController::RedrawAfterLoad(view, LensData {}, state);
        EXPECT_EQ(view.messages, QStringList { "Noch keine Datei gelesen !" });
    }
}

} // namespace
