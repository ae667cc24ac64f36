// SPDX-License-Identifier: MIT
#include "MapPanel.h"
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>

TEST(MapPanel, FollowsTheMainWindowAndReadsOutUnderTheMouse)
{
    Window w;
    MapPanel panel(w.form);
    panel.resize(900, 560);
    panel.show();
    EXPECT_FALSE(panel.scene());
    w.load(FullLens);
    ASSERT_TRUE(panel.scene());
    w.c.fNumberButtons[2]->setChecked(true);
    EXPECT_TRUE(panel.scene()->caption.endsWith(QStringLiteral("— k 2.8, ß′ 0")))
        << panel.scene()->caption.toStdString();
    EXPECT_FALSE(panel.frequencyChooser()->isVisibleTo(&panel));

    // Height 0 at 40 LP/mm is the table's 83 % in both orientations; the
    // reference lens has 69 % there.
    const MapLayout::Position at { 0, 0.0, 40.0 };
    EXPECT_EQ(mapReadoutText(*panel.scene(), at), "y′ 0.0 mm, 40.0 LP/mm: S 83.0 %  T 83.0 %");
    w.form.openReferenceFile(QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vergleich-normal-1.8.mtf"));
    EXPECT_EQ(mapReadoutText(*panel.scene(), at),
              "y′ 0.0 mm, 40.0 LP/mm: S 83.0 %  T 83.0 %\nB: S 69.0 %  T 69.0 %\nA − B: S 14.0  T 14.0");

    const QRect sagittal = mapLayout(panel.mapArea()->size(), panel.scene()->model).panels[0];
    QMouseEvent move(QEvent::MouseMove, QPointF(sagittal.center()), panel.mapArea()->mapToGlobal(sagittal.center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel.mapArea(), &move);
    EXPECT_TRUE(panel.readout()->text().startsWith(QStringLiteral("y′ 10."))) << panel.readout()->text().toStdString();
    EXPECT_EQ(panel.mapImage().size(), panel.mapArea()->size());

    panel.kindChooser()->setCurrentIndex(2);
    panel.fieldChooser()->setCurrentIndex(1);
    EXPECT_TRUE(panel.frequencyChooser()->isVisibleTo(&panel));
    EXPECT_TRUE(panel.scene()->caption.endsWith(QStringLiteral("— k 2.8, 5 LP/mm, ß′ 0, Format 3:2")))
        << panel.scene()->caption.toStdString();

    QTemporaryDir dir;
    panel.saveTo(dir.filePath(QStringLiteral("map.csv")));
    QFile csv(dir.filePath(QStringLiteral("map.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), "x_mm;y_mm;sag_difference;tan_difference\n");
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}
