// The selection controller against a fake view: which panels it reads, in
// which order it asks the view for bevels, enabled states, drawing and
// messages, and what it draws.
#include "PlotController.h"
#include "LensFileReader.h"
#include "RecordingCanvas.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString SmallLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf");
const QString NoFile = QStringLiteral("Noch keine Datei gelesen !");

// A copy of the small example in dir with one text replaced.
QString copyOfSmallLens(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to)
{
    QFile source(SmallLens);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    EXPECT_TRUE(text.contains(from)) << from.toStdString();
    text.replace(from, to);
    const QString path = dir.filePath(QString::number(qHash(to)) + QStringLiteral(".mtf"));
    QFile target(path);
    EXPECT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(text);
    return path;
}

// "01000010": frequencies 2 and 7 count as selected.
QString selectedFrequencies(const PlotState& state)
{
    QString flags;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        flags += QString::number(state.FrequencySelected[i]);
    }
    return flags;
}

// A view without a window: the selection controls are plain fields, and
// every request of the controller is logged in order.
class FakePlotView final : public PlotView
{
public:
    Abscissa abscissa = Abscissa::ImageHeight;
    std::array<bool, 8> checked { false, true, false, false, false, false, false, false };
    std::array<bool, 8> shown { true, true, true, true, true, true, true, true };
    // The checked option of each panel, in SelectionPanel order.
    std::array<std::optional<int>, 4> option { 1, std::nullopt, 1, 1 };
    bool single = false;
    RecordingCanvas canvas;
    QStringList log;
    QStringList messages;

    Abscissa checkedAbscissa() const override { return abscissa; }
    bool isFrequencyChecked(int index) const override { return checked.at(static_cast<std::size_t>(index - 1)); }
    bool isFrequencyShown(int index) const override { return shown.at(static_cast<std::size_t>(index - 1)); }
    std::optional<int> checkedOption(SelectionPanel panel) const override
    {
        return panel == SelectionPanel::Frequency ? std::nullopt : option.at(static_cast<std::size_t>(panel));
    }
    bool isSingleMode() const override { return single; }
    // "R3": Panel3 raised, "L3" lowered, "E3" its controls enabled, "D3" disabled.
    void setPanelRaised(SelectionPanel panel, bool raised) override
    {
        log << (raised ? "R" : "L") + QString::number(static_cast<int>(panel) + 1);
    }
    void setPanelControlsEnabled(SelectionPanel panel, bool enabled) override
    {
        log << (enabled ? "E" : "D") + QString::number(static_cast<int>(panel) + 1);
    }
    Canvas& plotCanvas() override { return canvas; }
    void refreshPlot() override { log << QStringLiteral("refresh"); }
    void showMessage(const QString& text) override
    {
        messages << text;
        log << "message " + text;
    }
};

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// 2 f-numbers, 2 magnifications, 3 image heights 0 / 10 / 21.6, 2 frequencies.
LensData smallLens()
{
    return readLensFile(SmallLens.toStdString(), LensData {});
}

// Runs the draw command.
PlotState draw(FakePlotView& view, const LensData& lens = smallLens())
{
    PlotState state;
    PlotController::draw(view, lens, state);
    return state;
}

// The frame starts by filling the whole image.
int frameCount(const RecordingCanvas& canvas)
{
    const auto fills = canvas.ofKind(CanvasOp::Kind::FillRect);
    return static_cast<int>(std::count_if(fills.begin(), fills.end(), [](const CanvasOp& op) {
        return op.from == QPoint(0, 0) && op.to == QPoint(250, 250);
    }));
}

// The colours of the curve lines in drawing order, one entry per run of one
// colour: solid red (sagittal), dotted blue (tangential); the frame's blue
// axes are solid.
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
    draw(view, LensData {});
    EXPECT_EQ(view.log, QStringList { "message " + NoFile });
    EXPECT_TRUE(view.canvas.ops().empty());
}

TEST(PlotController, DrawsEverySelectedFrequencyAscendingSagittalFirst)
{
    FakePlotView view;
    view.checked[0] = true;
    const PlotState state = draw(view);
    EXPECT_TRUE(view.messages.isEmpty());
    EXPECT_EQ(frameCount(view.canvas), 0) << "overlay mode keeps what is drawn";
    EXPECT_EQ(curveRuns(view.canvas), (QList<QColor> { Red, Blue, Red, Blue }));
    EXPECT_EQ(view.log.back(), "refresh");
    // The last extraction: frequency 2, f-number 1, magnification 1, over
    // the image heights 0 / 10 / 21.6 mirrored at the axis;
    // Sag(f1, q2, y1..3, m1) = 85, 78, 66.
    EXPECT_EQ(state.selection.FrequencyIndex, 2);
    EXPECT_EQ(state.selection.FNumberIndex, 1);
    EXPECT_EQ(state.selection.MagnificationIndex, 1);
    ASSERT_EQ(state.lastCurve.CurvePointCount, 4);
    EXPECT_DOUBLE_EQ(state.lastCurve.KnotX[1], -10.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.KnotX[4], 21.6);
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[1], 78.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[2], 85.0);
    EXPECT_DOUBLE_EQ(state.lastCurve.SagPointValues[4], 66.0);
    // Four markers per series and frequency, white inside.
    const auto markers = view.canvas.ellipses();
    EXPECT_EQ(markers.size(), 2u * 2u * 4u);
    for (const CanvasOp& marker : markers) {
        EXPECT_EQ(marker.brushColor, QColor(Qt::white));
        EXPECT_EQ(marker.to - marker.from, QPoint(4, 4));
    }
}

TEST(PlotController, SingleModeStartsFromTheEmptyFrameAlsoWithNothingToDraw)
{
    for (const bool anyChecked : { true, false }) {
        FakePlotView view;
        view.single = true;
        view.checked[1] = anyChecked;
        draw(view);
        EXPECT_EQ(frameCount(view.canvas), 1);
        EXPECT_EQ(view.canvas.ops().front().kind, CanvasOp::Kind::FillRect);
        EXPECT_EQ(view.canvas.ellipses().size(), anyChecked ? 8u : 0u);
    }
}

TEST(PlotController, HiddenCheckBoxesNeverCountOnceAFileIsLoaded)
{
    FakePlotView view;
    view.checked = { true, true, false, false, true, false, false, false };
    view.shown = { true, true, false, false, false, false, false, false };
    PlotState state;
    PlotController::readFrequencyChecks(view, smallLens(), state);
    EXPECT_EQ(selectedFrequencies(state), "11000000");
    // Without a file a checked box counts, so that the draw command can
    // report the missing file.
    PlotController::readFrequencyChecks(view, LensData {}, state);
    EXPECT_EQ(selectedFrequencies(state), "11001000");
}

TEST(PlotController, OnlyThePanelsBesideTheAbscissaAreReadAndNoneCheckedKeepsTheIndex)
{
    // The view has f-number 2, image height 3, magnification 2 checked; an
    // index not read keeps its start value.
    struct Row
    {
        Abscissa abscissa;
        CurveSelection expected; // FrequencyIndex, FNumber, ImageHeight, Magnification
    };
    const Row rows[] = {
        { Abscissa::FNumber, { 2, 0, 3, 2 } },
        { Abscissa::Frequency, { 2, 2, 3, 2 } },
        { Abscissa::ImageHeight, { 2, 2, 0, 2 } },
        { Abscissa::Magnification, { 2, 2, 3, 0 } },
    };
    for (const Row& row : rows) {
        FakePlotView view;
        view.abscissa = row.abscissa;
        view.option = { 2, std::nullopt, 3, 2 };
        const CurveSelection s = draw(view).selection;
        const CurveSelection& e = row.expected;
        EXPECT_EQ(QList<int>({ s.FrequencyIndex, s.FNumberIndex, s.ImageHeightIndex, s.MagnificationIndex }),
                  QList<int>({ e.FrequencyIndex, e.FNumberIndex, e.ImageHeightIndex, e.MagnificationIndex }))
            << static_cast<int>(row.abscissa);
    }
    FakePlotView view;
    view.option = { 3, std::nullopt, std::nullopt, 9 };
    CurveSelection selection { 0, 0, 5, 0 };
    PlotController::readChoices(view, Abscissa::Frequency, selection);
    EXPECT_EQ(selection.FNumberIndex, 3);
    EXPECT_EQ(selection.ImageHeightIndex, 5);
    EXPECT_EQ(selection.MagnificationIndex, 9);
}

TEST(PlotController, WithFrequencyAsAbscissaEveryCheckedBoxStillRunsTheExtraction)
{
    FakePlotView view;
    view.abscissa = Abscissa::Frequency;
    view.checked[0] = true;
    draw(view);
    // The same pair of curves twice, over the two frequencies.
    EXPECT_EQ(curveRuns(view.canvas), (QList<QColor> { Red, Blue, Red, Blue }));
    EXPECT_EQ(view.canvas.ellipses().size(), 2u * 2u * 2u);
}

TEST(PlotController, AbscissaChangeOrderOfSteps)
{
    // Lowered, the frame, the draw's refresh, then the panels in the
    // order of the enable routines.
    const std::pair<Abscissa, const char*> rows[] = {
        { Abscissa::FNumber, "L1 refresh refresh D1 R3 E3 R2 E2 R4 E4" },
        { Abscissa::Frequency, "L2 refresh refresh D2 R1 E1 R3 E3 R4 E4" },
        { Abscissa::ImageHeight, "L3 refresh refresh D3 R1 E1 R2 E2 R4 E4" },
        { Abscissa::Magnification, "L4 refresh refresh D4 R1 E1 R2 E2 R3 E3" },
    };
    const LensData lens = smallLens();
    for (const auto& [abscissa, steps] : rows) {
        FakePlotView view;
        view.abscissa = abscissa;
        PlotState state;
        PlotController::readFrequencyChecks(view, lens, state); // as after a load
        PlotController::changeAbscissa(view, lens, state, abscissa);
        EXPECT_EQ(state.texts, axisTextsFor(abscissa));
        EXPECT_EQ(view.log.join(' '), steps);
        EXPECT_EQ(frameCount(view.canvas), 1);
        EXPECT_FALSE(curveRuns(view.canvas).isEmpty());
    }
}

TEST(PlotController, AbscissaChangeBeforeALoad)
{
    // The check boxes have never been read: the frequency abscissa leaves
    // them unread and finds nothing to draw; the others read frequency 2
    // and refuse once. With no box checked nothing is refused.
    struct Row
    {
        Abscissa abscissa;
        bool anyChecked;
        int messages;
    };
    const Row rows[] = { { Abscissa::FNumber, true, 1 },
                         { Abscissa::Frequency, true, 0 },
                         { Abscissa::ImageHeight, true, 1 },
                         { Abscissa::Magnification, true, 1 },
                         { Abscissa::FNumber, false, 0 } };
    for (const Row& row : rows) {
        FakePlotView view;
        view.abscissa = row.abscissa;
        view.checked[1] = row.anyChecked;
        PlotState state;
        PlotController::changeAbscissa(view, LensData {}, state, row.abscissa);
        EXPECT_EQ(view.messages.size(), row.messages) << static_cast<int>(row.abscissa);
        EXPECT_EQ(frameCount(view.canvas), 1);
        EXPECT_TRUE(view.canvas.ellipses().empty());
        // The panel steps happen all the same.
        EXPECT_EQ(view.log.filter(QRegularExpression("^E\\d$")).size(), 3);
        EXPECT_EQ(view.log.filter(QRegularExpression("^D\\d$")).size(), 1);
    }
}

TEST(PlotController, SplineWarningsAreShownInOrderAndDrawingGoesOn)
{
    const QString singular = QStringLiteral("Funktion singulär");
    const QString notMonotonic = QStringLiteral("Funktion nicht monoton");
    const std::pair<QByteArray, QStringList> rows[] = {
        // Support points -0, 0, 0, 21.6: two intervals of zero width, each
        // reported by both tests, for the sagittal and then the tangential
        // series.
        { "y 0 0 21.6",
          { singular, notMonotonic, singular, notMonotonic, singular, notMonotonic, singular, notMonotonic } },
        // Support points 0, 10, 0, 21.6: one decreasing interval.
        { "y 10 0 21.6", { notMonotonic, notMonotonic } },
    };
    QTemporaryDir dir;
    for (const auto& [heights, messages] : rows) {
        const LensData lens = readLensFile(copyOfSmallLens(dir, "y 0 10 21.6", heights).toStdString(), LensData {});
        FakePlotView view;
        draw(view, lens);
        EXPECT_EQ(view.messages, messages) << heights.toStdString();
        EXPECT_EQ(view.canvas.ellipses().size(), 2u * 4u) << heights.toStdString();
        EXPECT_EQ(view.log.back(), "refresh");
    }
}

TEST(PlotController, RedrawAfterLoadDrawsOnlyWithASelectedFrequency)
{
    FakePlotView loaded;
    PlotState state;
    PlotController::redrawAfterLoad(loaded, smallLens(), state);
    EXPECT_EQ(curveRuns(loaded.canvas).size(), 2);

    FakePlotView cancelled; // the first dialog was cancelled: one refusal
    PlotController::redrawAfterLoad(cancelled, LensData {}, state);
    EXPECT_EQ(cancelled.log, QStringList { "message " + NoFile });

    FakePlotView nothing;
    nothing.checked.fill(false);
    PlotController::redrawAfterLoad(nothing, LensData {}, state);
    EXPECT_TRUE(nothing.log.isEmpty());
}

} // namespace
