// The chart the built program exports with --export is the picture the
// window shows for the same selection after the draw command in single
// mode: pixel for pixel at scale 1, and at scale 2 the window's plot on a
// screen with device pixel ratio 2.
#include "FakeUiServices.h"
#include "TForm2.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString FullLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf");

// One selection, as command-line options and as clicks in the window.
struct Selection
{
    const char* name;
    QStringList options;
    std::optional<int> abscissaButton; // index in Panel5; none = the start abscissa y'
    int fNumber = 1;
    QList<int> frequencies = { 2 };
    int imageHeight = 1;
    int magnification = 1;
};

// Runs lumivex --export; the exported image, or a null image after a
// failure (reported).
QImage exportChart(const QString& out, const QStringList& options)
{
    QProcess program;
    program.start(QStringLiteral(LUMIVEX_BINARY), QStringList { "--export", out, FullLens } + options);
    if (!program.waitForFinished(60000)) {
        ADD_FAILURE() << "lumivex --export did not finish";
        return {};
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
        ADD_FAILURE() << "lumivex --export failed: " << program.readAllStandardError().toStdString();
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// Loads the lens through the dialog, switches to single mode and makes the
// selection in the window, then presses the draw button.
void drawInWindow(TForm2& form, FakeUiServices& ui, const Selection& selection)
{
    const MainWindowControls& c = form.controls();
    ui.openAnswers.push_back(FullLens);
    c.SpeedButton1->click();
    c.SpeedButton3->click();
    ASSERT_TRUE(c.SpeedButton3->isChecked());
    if (selection.abscissaButton) {
        c.abscissaButtons[static_cast<std::size_t>(*selection.abscissaButton)]->click();
    }
    c.fNumberButtons[static_cast<std::size_t>(selection.fNumber - 1)]->setChecked(true);
    c.imageHeightButtons[static_cast<std::size_t>(selection.imageHeight - 1)]->setChecked(true);
    c.magnificationButtons[static_cast<std::size_t>(selection.magnification - 1)]->setChecked(true);
    for (std::size_t k = 0; k < c.frequencyBoxes.size(); ++k) {
        c.frequencyBoxes[k]->setChecked(selection.frequencies.contains(static_cast<int>(k + 1)));
    }
    c.BitBtn2->click();
}

QImage pixels(QImage image)
{
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(ExportMatchesWindow, ScaleOneIsTheWindowsPlotPixelForPixel)
{
    const Selection selections[] = {
        { "start selection", {}, std::nullopt },
        { "over k",
          { "--abscissa", "k", "--frequencies", "1,3", "--image-height", "3", "--magnification", "2" },
          0,
          1,
          { 1, 3 },
          3,
          2 },
        { "over LP/mm", { "--abscissa", "lpmm", "--f-number", "3", "--image-height", "5" }, 1, 3, { 2 }, 5, 1 },
        { "over y', four frequencies",
          { "--f-number", "8", "--frequencies", "1,4,6,8", "--magnification", "9" },
          std::nullopt,
          8,
          { 1, 4, 6, 8 },
          1,
          9 },
        { "over ß'",
          { "--abscissa", "m", "--f-number", "2", "--frequencies", "5", "--image-height", "6" },
          3,
          2,
          { 5 },
          6,
          1 },
    };
    QTemporaryDir dir;
    for (const Selection& selection : selections) {
        FakeUiServices ui;
        TForm2 form(ui);
        form.setPlotPixelRatio(1.0);
        drawInWindow(form, ui, selection);
        EXPECT_TRUE(ui.messages.isEmpty()) << selection.name << ": " << ui.messages.join('|').toStdString();

        const QImage exported = exportChart(dir.filePath("diagramm.png"), selection.options);
        ASSERT_EQ(exported.size(), QSize(250, 250)) << selection.name;
        EXPECT_TRUE(exported == pixels(form.plotImage())) << selection.name;
    }
}

TEST(ExportMatchesWindow, ScaleTwoIsTheWindowsPlotAtRatioTwo)
{
    QTemporaryDir dir;
    FakeUiServices ui;
    TForm2 form(ui);
    form.setPlotPixelRatio(2.0);
    const Selection start { "start selection", {}, std::nullopt };
    drawInWindow(form, ui, start);
    ASSERT_EQ(form.plotImage().size(), QSize(500, 500));
    EXPECT_EQ(form.plotImage().devicePixelRatio(), 2.0);

    const QImage exported = exportChart(dir.filePath("diagramm.png"), { "--scale", "2" });
    ASSERT_EQ(exported.size(), QSize(500, 500));
    EXPECT_TRUE(exported == pixels(form.plotImage()));
}

} // namespace
