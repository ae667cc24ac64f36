// The general error handler and the end of the program.
#include "FakeUiServices.h"
#include "QtUiServices.h"
#include "RangeArray.h"
#include "TAboutBox.h"
#include "TForm2.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ErrorHandler, ExceptionInAHandlerShowsOneMessageAndTheWindowGoesOn)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.show();
    ui.helpHandler = [](const QString&) { throw std::runtime_error("Hilfe ist gerade nicht verfügbar"); };
    form.setHelpFileCandidates({ QStringLiteral(LUMIVEX_SOURCE_DIR "/docs/hilfe.html") });

    form.controls().BitBtn5->click();
    EXPECT_EQ(ui.messages, QStringList { QStringLiteral("Hilfe ist gerade nicht verfügbar") });
    EXPECT_TRUE(form.isVisible());

    // Still usable: other handlers run, and the failing one fails again the
    // same way instead of having left something half done.
    form.controls().BitBtn4->click();
    EXPECT_EQ(ui.modalDialogs.size(), 1);
    form.controls().BitBtn5->click();
    EXPECT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.helpPaths.size(), 2);
}

TEST(ErrorHandler, ShowsTheTextOfEveryKindOfError)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.runGuarded([] {
        RangeArray<int, 1, 8> values;
        values[9] = 1;
    });
    form.runGuarded([] { throw std::logic_error("Zeile 7: kaputt"); });
    form.runGuarded([] { throw 42; });
    form.runGuarded([] {});
    ASSERT_EQ(ui.messages.size(), 3);
    EXPECT_EQ(ui.messages[0], QStringLiteral("Bereichsfehler: Index 9 liegt außerhalb von 1..8"));
    EXPECT_EQ(ui.messages[1], "Zeile 7: kaputt");
    EXPECT_EQ(ui.messages[2], "Unbekannter Fehler");
}

TEST(ErrorHandler, AFailingMessageBoxDoesNotEscapeEither)
{
    struct BrokenMessages final : public UiServices
    {
        std::optional<QString> openFileName(QWidget*, const QString&) override { return std::nullopt; }
        void showMessage(QWidget*, const QString&) override { throw std::bad_alloc(); }
        bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
        int runModal(QDialog&) override { return 0; }
        void showHelp(QWidget*, const QString&) override { }
    } ui;
    TForm2 form(ui);
    EXPECT_NO_THROW(form.runGuarded([] { throw std::runtime_error("x"); }));
}

// Runs the event loop until the window closes it; a safety exit makes a
// hanging test fail instead of blocking.
int runLoopUntilClosed(const std::function<void()>& closeAction)
{
    QTimer::singleShot(0, qApp, closeAction);
    QTimer::singleShot(10000, qApp, [] { QApplication::exit(99); });
    return QApplication::exec();
}

TEST(ProgramEnd, ExitButtonClosesTheWindowAndEndsTheLoopWithZero)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.show();
    const int code = runLoopUntilClosed([&form] { form.controls().BitBtn1->click(); });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(ProgramEnd, CloseBoxDoesTheSameAsTheExitButton)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.show();
    const int code = runLoopUntilClosed([&form] { form.close(); });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(form.isVisible());
}

TEST(ProgramEnd, AnOpenHelpWindowDoesNotKeepTheProgramAlive)
{
    QtUiServices services;
    TForm2 form(services);
    form.show();
    form.setHelpFileCandidates({ QStringLiteral(LUMIVEX_SOURCE_DIR "/docs/hilfe.html") });
    form.controls().BitBtn5->click();
    QWidget* viewer = form.findChild<QWidget*>("HelpViewer");
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->isVisible());
    const int code = runLoopUntilClosed([&form] { form.controls().BitBtn1->click(); });
    EXPECT_EQ(code, 0);
}

} // namespace
