// SPDX-License-Identifier: MIT
// The real start-up path: runGui builds the application and the window and
// returns the exit code when the window is closed. A start-up function
// registered for this binary looks at the window from inside the event
// loop and closes it, the way a user would.
#include "GuiMain.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

bool closeBox = false; // else the exit button
QString observed;      // what the window showed, or why it was not seen

void lookAndClose()
{
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
                                 c.fNumberPanel->isHidden() ? "hidden" : "shown" }
                       .join('|');
        if (closeBox) {
            form->close();
        } else {
            c.exitButton->click();
        }
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

TEST(GuiMain, TheExitButtonAndTheCloseBoxEndTheProgramWithZeroAndAFileNamedIsLoaded)
{
    const std::tuple<bool, QByteArray, const char*> runs[] = {
        { false, {}, "Lumivex|Lumivex|Lumivex|Liberation Sans||hidden" }, // no file: the start state
        { true, {}, "Lumivex|Lumivex|Lumivex|Liberation Sans||hidden" },
        { false, LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf",
          "Lumivex|Lumivex|Lumivex|Liberation Sans|Testlinse 2.8/50 |shown" },
    };
    for (auto [byCloseBox, file, seen] : runs) {
        closeBox = byCloseBox;
        observed.clear();
        char name[] = "lumivex";
        char* argv[] = { name, file.data(), nullptr };
        EXPECT_EQ(runGui(file.isEmpty() ? 1 : 2, argv), 0) << byCloseBox;
        EXPECT_EQ(observed.toStdString(), seen);
    }
}

} // namespace
