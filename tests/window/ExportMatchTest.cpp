// SPDX-License-Identifier: MIT
// The chart the built program exports with --export is, pixel for pixel,
// the picture the window shows for the same selection after the draw
// command in single mode.
#include "WindowTestSupport.h"

#include <QProcess>

namespace {

// One selection, 1-based as the panels count; abscissa: index in Panel5.
// No abscissa: exported without selection options.
struct Selection
{
    int abscissa = -1;
    int fNumber = 1;
    QList<int> frequencies = { 2 };
    int imageHeight = 1;
    int magnification = 1;
};

QString numbers(const QList<int>& values)
{
    QStringList texts;
    for (const int value : values) {
        texts << QString::number(value);
    }
    return texts.join(',');
}

TEST(ExportMatchesWindow, ScaleOneIsTheWindowsPlotPixelForPixel)
{
    const Selection selections[] = {
        {},
        { 0, 1, { 1, 3 }, 3, 2 }, // over k
        { 1, 3, { 2 }, 5, 1 },    // over LP/mm
        { 2, 8, { 1, 4, 6, 8 }, 1, 9 },
        { 3, 2, { 5 }, 6, 1 }, // over ß'
    };
    QTemporaryDir dir;
    const QString out = dir.filePath("diagramm.png");
    for (const Selection& s : selections) {
        QStringList arguments { "--export", out, FullLens };
        Window w;
        w.load(FullLens);
        w.c.singleModeButton->click();
        if (s.abscissa >= 0) {
            arguments << "--abscissa" << QStringList { "k", "lpmm", "y", "m" }.at(s.abscissa) << "--f-number"
                      << numbers({ s.fNumber }) << "--frequencies" << numbers(s.frequencies) << "--image-height"
                      << numbers({ s.imageHeight }) << "--magnification" << numbers({ s.magnification });
            w.c.abscissaButtons[static_cast<std::size_t>(s.abscissa)]->click();
            w.c.fNumberButtons[static_cast<std::size_t>(s.fNumber - 1)]->setChecked(true);
            w.c.imageHeightButtons[static_cast<std::size_t>(s.imageHeight - 1)]->setChecked(true);
            w.c.magnificationButtons[static_cast<std::size_t>(s.magnification - 1)]->setChecked(true);
            for (std::size_t k = 0; k < w.c.frequencyBoxes.size(); ++k) {
                w.c.frequencyBoxes[k]->setChecked(s.frequencies.contains(static_cast<int>(k + 1)));
            }
        }
        w.c.drawButton->click();
        EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();

        QProcess program;
        program.start(QStringLiteral(LUMIVEX_BINARY), arguments);
        ASSERT_TRUE(program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit
                    && program.exitCode() == 0)
            << program.readAllStandardError().toStdString();
        const QImage exported = QImage(out).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(exported.size(), QSize(250, 250)) << s.abscissa;
        EXPECT_TRUE(exported == w.plot()) << s.abscissa << " f-number " << s.fNumber;
    }
}

} // namespace
