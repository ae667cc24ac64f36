// SPDX-License-Identifier: MIT
#include "PlotReadout.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace {

int referencePixels(const QImage& plot)
{
    return countPixels(plot, { qRgb(255, 128, 128), qRgb(110, 140, 255) });
}

class CompareWindow : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    // The small example without f-number 2.8: its 5.6 has the same values.
    QString reference = copyOfSmallLens(dir, { "k 2.8 5.6", "k 4 5.6", "Obj:Testlinse 2.8/50", "Obj:Vergleich 4/50" });
    Window w;
    void SetUp() override { w.form.setPlotPixelRatio(1.0); }
    // The whole text: in the tool tip where the strip is elided.
    QString strip() const
    {
        const QString tip = w.c.lensNameLabel->toolTip();
        return tip.isEmpty() ? w.c.lensNameLabel->text() : tip;
    }
};

TEST_F(CompareWindow, TheMenuLoadsAReferenceLensThatEveryRedrawDrawsAndTheReadoutLists)
{
    const PlotActions& actions = w.form.plotActions();
    EXPECT_FALSE(actions.loadReference->isEnabled());
    w.load(SmallLens); // 20 LP/mm over y′ at f-number 2.8
    EXPECT_TRUE(actions.loadReference->isEnabled());
    EXPECT_FALSE(actions.removeReference->isEnabled());

    w.ui.openAnswers.push_back(reference);
    actions.loadReference->trigger();
    ASSERT_NE(w.form.referenceLens(), nullptr) << w.messages();
    EXPECT_TRUE(actions.removeReference->isEnabled());
    EXPECT_EQ(strip(), "Testlinse 2.8/50 / Vergleich: Vergleich 4/50");
    EXPECT_EQ(referencePixels(w.plot()), 0) << "no f-number 2.8 in the reference lens";

    w.c.fNumberButtons[1]->setChecked(true); // adds f-number 5.6, which it has
    EXPECT_EQ(w.form.plotState().drawn.referenceCurves.size(), 1u);
    EXPECT_EQ(referencePixels(w.plot()), 0) << "B's 5.6 equals the lens's and lies beneath it";
    // Column 40 + trunc(10 * 170 / 21.6): the 10 mm support point.
    EXPECT_EQ(readPlotAt(w.form.plotState().drawn, 118).text(),
              "y′ 46.3 % (10.0 mm)\n"
              "20 LP/mm, k 2.8, ß′ 0: S 78.0 %  T 72.0 %  Stützstelle\n"
              "20 LP/mm, k 5.6, ß′ 0: S 87.0 %  T 84.0 %  Stützstelle\n"
              "B: 20 LP/mm, k 5.6, ß′ 0: S 87.0 %  T 84.0 %  Stützstelle\n"
              "Vergleichsobjektiv: keine Blendenzahl 2.8");

    w.c.abscissaButtons[0]->click(); // over k: the reference has 4, between 2.8 and 5.6
    EXPECT_GT(referencePixels(w.plot()), 0);

    actions.removeReference->trigger();
    EXPECT_EQ(referencePixels(w.plot()), 0);
    EXPECT_EQ(strip(), "Testlinse 2.8/50 ");
    EXPECT_FALSE(actions.removeReference->isEnabled());
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

TEST_F(CompareWindow, AReferenceLensThatFailsToLoadChangesNothing)
{
    w.load(SmallLens);
    w.ui.openAnswers.push_back(reference);
    w.form.plotActions().loadReference->trigger();
    const WindowSnapshot before = w.snapshot();

    const QString broken = copyOfSmallLens(dir, { "X12320", "X1232x" });
    w.ui.openAnswers.push_back(broken);
    w.form.plotActions().loadReference->trigger();
    ASSERT_EQ(w.ui.messages.size(), 1);
    EXPECT_EQ(w.ui.messages[0], "Zeile 2: Spalte 6 der Kopfzeile „X1232x“ enthält keine Ziffer");
    EXPECT_TRUE(w.snapshot() == before);
    EXPECT_EQ(w.form.referenceLens()->LensName, "Vergleich 4/50 ");
}

// A second lens drawn over the first in overlay: each line names its lens
// by number, the first line the lenses, and B is compared with the lens
// shown now (it has that lens's 5.6, but not the first lens's 2.8). The
// second lens's 5.6 holds the small example's 2.8 values.
TEST_F(CompareWindow, TwoLensesInOneOverlayAreToldApartAndBGoesWithTheLastOne)
{
    w.load(SmallLens);
    w.ui.openAnswers.push_back(reference);
    w.form.plotActions().loadReference->trigger();
    w.load(copyOfSmallLens(dir, { "k 2.8 5.6", "k 5.6 8", "Obj:Testlinse 2.8/50", "Obj:Zweite 5.6/50" }));
    EXPECT_EQ(readPlotAt(w.form.plotState().drawn, 118).text(),
              "1: Testlinse 2.8/50  2: Zweite 5.6/50  B: Vergleich 4/50 (mit 2 verglichen)\n"
              "y′ 46.3 % (10.0 mm)\n"
              "1: 20 LP/mm, k 2.8, ß′ 0: S 78.0 %  T 72.0 %  Stützstelle\n"
              "2: 20 LP/mm, k 5.6, ß′ 0: S 78.0 %  T 72.0 %  Stützstelle\n"
              "B: 20 LP/mm, k 5.6, ß′ 0: S 87.0 %  T 84.0 %  Stützstelle");
    w.form.plotActions().copyValues->trigger();
    const QString csv = QGuiApplication::clipboard()->text(); // lens 2 and B at 5.6
    EXPECT_TRUE(csv.startsWith("lens;") && csv.contains("\n1;2;20;2.8;;0;S;") && csv.contains("\n2;2;20;5.6;;0;S;")
                && csv.contains("\n3;2;20;5.6;;0;S;"));
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

} // namespace
