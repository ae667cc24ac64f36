// The chart the built program exports with --export is the picture the
// window shows for the same selection after the draw command in single
// mode: pixel for pixel at scale 1, and at scale 2 the window's plot at
// device pixel ratio 2.
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace {

// One selection, 1-based as the panels count; abscissa: index in Panel5.
struct Selection
{
    int abscissa = 2;
    int fNumber = 1;
    QList<int> frequencies = { 2 };
    int imageHeight = 1;
    int magnification = 1;
    bool defaults = false; // export without selection options
};

// Runs lumivex --export; the exported image, null after a failure.
QImage exportChart(const QString& out, const Selection& s, const QStringList& more = {})
{
    QStringList arguments { "--export", out, FullLens };
    if (!s.defaults) {
        QStringList frequencies;
        for (const int k : s.frequencies) {
            frequencies << QString::number(k);
        }
        arguments << "--abscissa" << QStringList { "k", "lpmm", "y", "m" }.at(s.abscissa) << "--f-number"
                  << QString::number(s.fNumber) << "--frequencies" << frequencies.join(',') << "--image-height"
                  << QString::number(s.imageHeight) << "--magnification" << QString::number(s.magnification);
    }
    QProcess program;
    program.start(QStringLiteral(LUMIVEX_BINARY), arguments + more);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
        ADD_FAILURE() << "lumivex --export failed: " << program.readAllStandardError().toStdString();
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// Loads the lens through the dialog, switches to single mode, makes the
// selection in the window and presses the draw button; the plot's pixels.
QImage drawInWindow(double ratio, const Selection& s)
{
    Window w;
    w.form.setPlotPixelRatio(ratio);
    w.load(FullLens);
    w.c.singleModeButton->click();
    EXPECT_TRUE(w.c.singleModeButton->isChecked());
    w.c.abscissaButtons[static_cast<std::size_t>(s.abscissa)]->click();
    w.c.fNumberButtons[static_cast<std::size_t>(s.fNumber - 1)]->setChecked(true);
    w.c.imageHeightButtons[static_cast<std::size_t>(s.imageHeight - 1)]->setChecked(true);
    w.c.magnificationButtons[static_cast<std::size_t>(s.magnification - 1)]->setChecked(true);
    for (std::size_t k = 0; k < w.c.frequencyBoxes.size(); ++k) {
        w.c.frequencyBoxes[k]->setChecked(s.frequencies.contains(static_cast<int>(k + 1)));
    }
    w.c.drawButton->click();
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.ui.messages.join('|').toStdString();
    EXPECT_EQ(w.form.plotImage().devicePixelRatio(), ratio);
    QImage image = w.form.plotImage();
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(ExportMatchesWindow, ScaleOneIsTheWindowsPlotPixelForPixel)
{
    Selection defaults;
    defaults.defaults = true;
    const Selection selections[] = {
        defaults,
        { 0, 1, { 1, 3 }, 3, 2 }, // over k
        { 1, 3, { 2 }, 5, 1 },    // over LP/mm
        { 2, 8, { 1, 4, 6, 8 }, 1, 9 },
        { 3, 2, { 5 }, 6, 1 }, // over ß'
    };
    QTemporaryDir dir;
    for (const Selection& s : selections) {
        const QImage exported = exportChart(dir.filePath("diagramm.png"), s);
        ASSERT_EQ(exported.size(), QSize(250, 250)) << s.abscissa;
        EXPECT_TRUE(exported == drawInWindow(1.0, s)) << s.abscissa << " f-number " << s.fNumber;
    }
}

TEST(ExportMatchesWindow, ScaleTwoIsTheWindowsPlotAtRatioTwo)
{
    Selection defaults;
    defaults.defaults = true;
    QTemporaryDir dir;
    const QImage exported = exportChart(dir.filePath("diagramm.png"), defaults, { "--scale", "2" });
    ASSERT_EQ(exported.size(), QSize(500, 500));
    EXPECT_TRUE(exported == drawInWindow(2.0, defaults));
}

} // namespace
