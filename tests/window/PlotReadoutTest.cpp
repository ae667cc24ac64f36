// SPDX-License-Identifier: MIT
// The values at 10.8 mm were worked out by hand from the support points at
// -10, 0, 10 and 21.6 mm.
#include "ImageView.h"
#include "PlotReadoutTip.h"
#include "WindowTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

namespace {

class PlotReadoutTest : public ::testing::Test
{
protected:
    Window w;
    QWidget* plot = nullptr;

    void SetUp() override
    {
        w.form.setPlotPixelRatio(1.0);
        w.form.show();
        w.form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
        w.load(SmallLens);                       // f-number 2.8, 20 LP/mm over the image height
        w.c.fNumberButtons[1]->setChecked(true); // adds f-number 5.6
        ASSERT_TRUE(w.ui.messages.isEmpty()) << w.messages();
        plot = w.c.plotView;
    }

    QString hover(int x)
    {
        QTest::mouseMove(plot, QPoint(x, 100));
        const QString text = w.form.readoutTip().readout().text();
        if (!text.isEmpty()) {
            EXPECT_TRUE(QToolTip::isVisible());
            EXPECT_EQ(QToolTip::text(), text);
        }
        return text;
    }
};

const QString At50 = QStringLiteral("y′ 50.0 % (10.8 mm)\n"
                                    "20 LP/mm, k 2.8, ß′ 0: S 77.2 %  T 70.5 %  interpoliert\n"
                                    "20 LP/mm, k 5.6, ß′ 0: S 86.6 %  T 83.3 %  interpoliert");
// The support point at 10 mm has its marker in column 40 + trunc(10 * 170 / 21.6) = 118.
const QString At10mm = QStringLiteral("y′ 46.3 % (10.0 mm)\n"
                                      "20 LP/mm, k 2.8, ß′ 0: S 78.0 %  T 72.0 %  Stützstelle\n"
                                      "20 LP/mm, k 5.6, ß′ 0: S 87.0 %  T 84.0 %  Stützstelle");
const QString At100 = QStringLiteral("y′ 100.0 % (21.6 mm)\n"
                                     "20 LP/mm, k 2.8, ß′ 0: S 66.0 %  T 52.0 %  Stützstelle\n"
                                     "20 LP/mm, k 5.6, ß′ 0: S 80.0 %  T 73.0 %  Stützstelle");

TEST_F(PlotReadoutTest, TheTipReadsEveryOverlaidCurveAtTheCursorAndDrawsNothing)
{
    const QImage before = w.plot();
    const std::pair<int, QString> rows[] = {
        { 125, At50 }, // half the plot width
        { 117, At10mm },    { 119, At10mm },   { 211, At100 },
        { 212, QString() }, { 30, QString() }, // the mirrored point left of the axis is no part of a curve
    };
    for (const auto& [column, tip] : rows) {
        EXPECT_EQ(hover(column), tip) << column;
    }
    EXPECT_EQ(hover(120).count(QStringLiteral("interpoliert")), 2);
    EXPECT_TRUE(w.plot() == before);

    QHelpEvent help(QEvent::ToolTip, QPoint(212, 100), plot->mapToGlobal(QPoint(212, 100)));
    QCoreApplication::sendEvent(plot, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("graf. Ergebnis"));
}

TEST_F(PlotReadoutTest, AClickGivesTheFocusArrowsStepBetweenSupportPointsCtrlCCopies)
{
    hover(119);
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(119, 100));
    ASSERT_TRUE(plot->hasFocus());
    PlotReadoutTip& tip = w.form.readoutTip();
    // Support points at 0, 10 and 21.6 mm: columns 40, 118 and 210.
    const std::pair<Qt::Key, int> steps[] = {
        { Qt::Key_Right, 210 }, { Qt::Key_Right, 210 }, { Qt::Key_Left, 118 },  { Qt::Key_Left, 40 },
        { Qt::Key_Left, 40 },   { Qt::Key_Right, 118 }, { Qt::Key_Right, 210 },
    };
    for (const auto& [key, column] : steps) {
        QTest::keyClick(plot, key);
        EXPECT_EQ(tip.column(), column);
    }
    EXPECT_EQ(QToolTip::text(), At100);
    QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), At100);
}

} // namespace
