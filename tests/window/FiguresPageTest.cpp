// SPDX-License-Identifier: MIT
#include "AnalysisWindow.h"
#include "FiguresPanel.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace {

QString cell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QStringLiteral("(none)");
}

} // namespace

// "Kennzahlen …" (Ctrl+K) opens the analysis window at its figures page.
TEST(FiguresPage, FollowsTheSelectionAndShowsTheReferenceLensColumns)
{
    Window w;
    const PlotActions& actions = w.form.plotActions();
    EXPECT_FALSE(actions.figures->isEnabled());
    w.load(SmallLens);
    actions.figures->trigger();
    ASSERT_NE(w.form.analysisWindow(), nullptr);
    auto* shown = qobject_cast<FiguresPanel*>(w.form.analysisWindow()->tabs().currentWidget());
    ASSERT_NE(shown, nullptr);
    FiguresPanel& panel = *shown;
    EXPECT_EQ(panel.meansTable()->rowCount(), 2);     // 10 and 20 LP/mm
    EXPECT_EQ(panel.thresholdTable()->rowCount(), 3); // 0, 10, 21.6 mm

    // At 0 mm, f-number 2.8: 92 % at 10 and 85 % at 20 LP/mm fall to 90 %
    // at 10 + 10·2/7; f-number 5.6: 95 and 90, at 20.
    panel.thresholdChooser()->setValue(90);
    EXPECT_EQ(cell(panel.thresholdTable(), 0, 1), "12.8571");
    w.c.fNumberButtons[1]->setChecked(true);
    EXPECT_EQ(cell(panel.thresholdTable(), 0, 1), "20");
    QGuiApplication::clipboard()->clear();
    panel.copyToClipboard();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("0\t20\t20\n"));

    // The reference lens has 4 and 5.6 (with the lens's values), no 2.8.
    QTemporaryDir dir;
    w.ui.openAnswers.push_back(copyOfSmallLens(dir, { "k 2.8 5.6", "k 4 5.6", "Obj:Testlinse", "Obj:Vergleich" }));
    actions.loadReference->trigger();
    ASSERT_EQ(panel.thresholdTable()->columnCount(), 7);
    EXPECT_EQ(cell(panel.thresholdTable(), 0, 3), "20");
    EXPECT_EQ(cell(panel.thresholdTable(), 0, 5), "0");
    w.c.fNumberButtons[0]->setChecked(true);
    EXPECT_EQ(cell(panel.meansTable(), 1, 3), "–");
    EXPECT_EQ(panel.meansTable()->item(1, 3)->toolTip(), "Vergleichsobjektiv: keine Blendenzahl 2.8");
    EXPECT_EQ(panel.thresholdTable()->item(0, 6)->toolTip(), "Vergleichsobjektiv: keine Blendenzahl 2.8");

    const QString path = dir.filePath("kennzahlen.csv");
    w.ui.saveAnswers.push_back(path);
    panel.saveAs();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1 + 2 + 3 + 1); // header, means, thresholds, end
    EXPECT_TRUE(lines[3].endsWith(";mtf90;2.8;0;;0;12.8571;12.8571")) << lines[3].toStdString();
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}
