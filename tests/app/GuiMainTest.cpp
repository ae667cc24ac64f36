// The real start-up path: runGui builds the application and the window and
// returns the exit code when the window is closed. A start-up function
// registered for this test binary closes the window from inside the event
// loop, the way a user would.
#include "GuiMain.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

enum class CloseBy
{
    ExitButton,
    CloseBox,
};

struct Observed
{
    CloseBy closeBy = CloseBy::ExitButton;
    bool sawWindow = false;
    QString applicationName;
    QString displayName;
    QString windowTitle;
    QString labelFamily;
};

Observed observed;

QWidget* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "Form2" && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void closeTheWindowOnceTheLoopRuns()
{
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        QWidget* window = mainWindow();
        observed.sawWindow = window != nullptr;
        if (window == nullptr) {
            QCoreApplication::exit(98);
            return;
        }
        observed.applicationName = QCoreApplication::applicationName();
        observed.displayName = QGuiApplication::applicationDisplayName();
        observed.windowTitle = window->windowTitle();
        observed.labelFamily = QFontInfo(window->findChild<QLabel*>("Label6")->font()).family();
        if (observed.closeBy == CloseBy::ExitButton) {
            window->findChild<QPushButton*>("BitBtn1")->click();
        } else {
            window->close();
        }
    });
    // Fails the test instead of hanging when the window does not close.
    QTimer::singleShot(10000, QCoreApplication::instance(), [] { QCoreApplication::exit(99); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeTheWindowOnceTheLoopRuns)

namespace {

int runProgram()
{
    char name[] = "lumivex";
    char* argv[] = { name, nullptr };
    return runGui(1, argv);
}

TEST(GuiMain, ExitButtonEndsTheProgramWithZero)
{
    observed = {};
    observed.closeBy = CloseBy::ExitButton;
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(observed.sawWindow);
    EXPECT_EQ(observed.applicationName, "Lumivex");
    EXPECT_EQ(observed.displayName, "Lumivex");
    EXPECT_EQ(observed.windowTitle, "Lumivex");
    EXPECT_EQ(observed.labelFamily, "Liberation Sans");
}

TEST(GuiMain, CloseBoxEndsTheProgramWithZero)
{
    observed = {};
    observed.closeBy = CloseBy::CloseBox;
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(observed.sawWindow);
}

} // namespace
