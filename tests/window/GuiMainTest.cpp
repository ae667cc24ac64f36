// SPDX-License-Identifier: MIT
// A start-up function registered for this binary looks at the window from
// inside runGui's event loop and closes it by its close box.
#include "GuiMain.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString observed;

void lookAndClose()
{
    // A message the start showed (a file that could not be read) is counted
    // and closed.
    int messages = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            ++messages;
            box->reject();
        }
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<MainWindow*>(widget);
        if (form == nullptr || form->objectName() != "Form2" || !form->isVisible()) {
            continue;
        }
        const MainWindowControls& c = form->controls();
        observed = QStringList { QCoreApplication::applicationName(),
                                 QGuiApplication::applicationDisplayName(),
                                 form->windowTitle(),
                                 QFontInfo(c.abscissaCaption->font()).family(),
                                 c.lensNameLabel->text(),
                                 c.fNumberPanel->isHidden() ? "hidden" : "shown",
                                 QDialogButtonBox(QDialogButtonBox::Cancel).buttons().value(0)->text(),
                                 QString::number(messages) }
                       .join('|');
        form->close();
        return;
    }
    observed = QStringLiteral("no window");
    QCoreApplication::exit(98);
}

void closeTheWindowOnceTheLoopRuns()
{
    // A lens named on the command line is loaded from an event posted
    // before the loop starts; an event posted from the first timer comes
    // after it.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), lookAndClose, Qt::QueuedConnection);
    });
    QTimer::singleShot(10000, QCoreApplication::instance(), [] { QCoreApplication::exit(99); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeTheWindowOnceTheLoopRuns)

namespace {

TEST(GuiMain, TheCloseBoxEndsTheProgramWithZeroAndAFileNamedIsLoaded)
{
    QByteArray file = LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf";
    char name[] = "lumivex";
    char* argv[] = { name, file.data(), nullptr };
    EXPECT_EQ(runGui(2, argv), 0);
    EXPECT_EQ(observed.toStdString(), "Lumivex|Lumivex|Lumivex|Liberation Sans|Testlinse 2.8/50 |shown|Abbrechen|0");
}

// Without a file named, nothing is loaded: the window opens empty.
TEST(GuiMain, WithoutAFileTheWindowOpensEmpty)
{
    char name[] = "lumivex";
    char* argv[] = { name, nullptr };
    EXPECT_EQ(runGui(1, argv), 0);
    EXPECT_EQ(observed.toStdString(), "Lumivex|Lumivex|Lumivex|Liberation Sans||hidden|Abbrechen|0");
}

} // namespace
