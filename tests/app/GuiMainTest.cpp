// The real start-up path: runGui builds the application and the window and
// returns the exit code when the window is closed. A start-up function
// registered for this test binary closes the window from inside the event
// loop, the way a user would, after looking at what the window shows.
#include "GuiMain.h"
#include "TForm2.h"

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
    QString lensName;
    bool panelsShown = false;
    int fileLoaded = -1;
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

void lookAndClose()
{
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
    observed.lensName = window->findChild<QLabel*>("Label14")->text();
    observed.panelsShown = !window->findChild<QWidget*>("Panel1")->isHidden();
    if (const auto* form = qobject_cast<TForm2*>(window)) {
        observed.fileLoaded = form->lensData().FileLoaded;
    }
    if (observed.closeBy == CloseBy::ExitButton) {
        window->findChild<QPushButton*>("BitBtn1")->click();
    } else {
        window->close();
    }
}

void closeTheWindowOnceTheLoopRuns()
{
    // A lens named on the command line is loaded from an event posted
    // before the loop starts; an event posted from the first timer comes
    // after it.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), lookAndClose, Qt::QueuedConnection);
    });
    // Fails the test instead of hanging when the window does not close.
    QTimer::singleShot(10000, QCoreApplication::instance(), [] { QCoreApplication::exit(99); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeTheWindowOnceTheLoopRuns)

namespace {

int runProgram(const QByteArray& file = {})
{
    char name[] = "lumivex";
    QByteArray fileArgument = file;
    char* argv[] = { name, fileArgument.data(), nullptr };
    return runGui(file.isEmpty() ? 1 : 2, argv);
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
    // No file: the start state.
    EXPECT_EQ(observed.fileLoaded, 0);
    EXPECT_FALSE(observed.panelsShown);
}

TEST(GuiMain, CloseBoxEndsTheProgramWithZero)
{
    observed = {};
    observed.closeBy = CloseBy::CloseBox;
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(observed.sawWindow);
}

TEST(GuiMain, AFileOnTheCommandLineIsLoadedOnceTheWindowIsUp)
{
    observed = {};
    EXPECT_EQ(runProgram(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf"), 0);
    EXPECT_TRUE(observed.sawWindow);
    EXPECT_EQ(observed.fileLoaded, 1);
    EXPECT_TRUE(observed.panelsShown);
    EXPECT_EQ(observed.lensName, "Testlinse 2.8/50 ");
}

} // namespace
