// SPDX-License-Identifier: MIT
#include "AnalysisWindow.h"
#include "ChartExport.h"
#include "LargeChartPanel.h"
#include "PlotReadoutTip.h"
#include "WindowTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

namespace {

class AnalysisWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir settingsDir;
    Window w;
    AnalysisWindow* analysis = nullptr;
    LargeChartPanel* chart = nullptr;

    // Ctrl+M over the main window with the small example loaded; the
    // chart's page 600 wide and 500 high, so the chart is 500 pixels
    // square, 50 from the left, 2 pixels per pixel of the classic plot.
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        w.form.setPlotPixelRatio(1.0);
        w.form.show();
        w.form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(&w.form, Qt::Key_M, Qt::ControlModifier);
        EXPECT_EQ(w.form.analysisWindow(), nullptr) << "no lens, no analysis";
        w.load(SmallLens); // f-number 2.8, 20 LP/mm over the image height
        QTest::keyClick(&w.form, Qt::Key_M, Qt::ControlModifier);
        analysis = w.form.analysisWindow();
        ASSERT_NE(analysis, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(analysis));
        chart = qobject_cast<LargeChartPanel*>(analysis->tabs().currentWidget());
        ASSERT_NE(chart, nullptr);
        analysis->resize(600, analysis->height() - chart->height() + 500);
        QCoreApplication::processEvents();
        ASSERT_EQ(chart->chartRect(), QRect(50, 0, 500, 500));
    }

    QImage shown() const { return chart->chartImage().convertToFormat(QImage::Format_RGB32); }
};

// The chart at 500 pixels is the export at scale 2, whatever the main
// window drew since it was last cleared.
TEST_F(AnalysisWindowTest, TheChartFollowsEveryDrawClearAndSelectionChange)
{
    const auto exported = [this] {
        const PlotState& plot = w.form.plotState();
        return renderChartImage(w.form.lensData(), chartOfPlot(plot.drawn, plot.selection), 2, {});
    };
    const QImage single = shown();
    EXPECT_TRUE(single == exported());
    w.c.fNumberButtons[1]->setChecked(true); // overlaid: f-number 5.6 added
    EXPECT_TRUE(shown() == exported() && !(shown() == single));
    w.c.clearButton->click();
    EXPECT_TRUE(shown() == exported());
    w.c.drawButton->click();
    EXPECT_TRUE(shown() == exported());
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

// The support point at 10 mm sits in column 118 of the classic plot: at
// 50 + 2 * 118 on this chart (the hand-worked values of the main plot's
// readout).
TEST_F(AnalysisWindowTest, TheReadoutReadsTheChartAtItsScale)
{
    const QPointF at(50 + 2 * 118, 200);
    QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart, &move);
    EXPECT_EQ(chart->readoutTip().column(), 118.0);
    EXPECT_EQ(chart->readoutTip().readout().text(),
              "y′ 46.3 % (10.0 mm)\n20 LP/mm, k 2.8, ß′ 0: S 78.0 %  T 72.0 %  Stützstelle");
}

TEST_F(AnalysisWindowTest, CtrlSSavesAndCtrlShiftCCopiesWhatThePageShows)
{
    const QString png = settingsDir.filePath("gross.png");
    const QString svg = settingsDir.filePath("gross.svg");
    const QString wrong = settingsDir.filePath("gross.jpg");
    w.ui.saveAnswers = { png, svg, wrong, std::nullopt };
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(analysis, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(w.ui.saveFilters.value(0), "PNG-Bild|*.png|SVG-Grafik|*.svg|CSV-Werte|*.csv");
    EXPECT_EQ(w.ui.saveFilters.size(), 4);
    EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_RGB32) == shown());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\" fill=\"none\" stroke=\"#ff0000\""));
    EXPECT_FALSE(QFile::exists(wrong));
    ASSERT_EQ(w.ui.messages.size(), 1);
    EXPECT_TRUE(w.ui.messages[0].contains(wrong));

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(analysis, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(500, 500));
}

TEST_F(AnalysisWindowTest, ItsSizeAndPageAreRememberedBetweenRuns)
{
    analysis->resize(640, 580);
    analysis->open(QStringLiteral("map")); // the middle page
    analysis->close();
    const AnalysisWindow next(w.form, w.ui);
    EXPECT_EQ(next.size(), QSize(640, 580));
    EXPECT_EQ(next.tabs().currentWidget()->objectName(), "map");
}

} // namespace
