// The general error handler, and the help window that stays beside the main
// window without keeping the program alive.
#include "HelpViewer.h"
#include "QtUiServices.h"
#include "RangeArray.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

namespace {

TEST(ErrorHandler, AFailingHandlerShowsItsTextOnceAndTheWindowGoesOn)
{
    FakeUiServices ui;
    MainWindow form(ui);
    form.show();
    form.setHelpFileCandidates({ HelpDocument });
    ui.helpHandler = [](const QString&) { throw std::runtime_error("Hilfe ist gerade nicht verfügbar"); };
    form.controls().helpButton->click();
    EXPECT_EQ(ui.messages, QStringList { QStringLiteral("Hilfe ist gerade nicht verfügbar") });
    EXPECT_TRUE(form.isVisible());
    // Still usable: other handlers run, and the failing one fails again the
    // same way instead of having left something half done.
    form.controls().infoButton->click();
    EXPECT_EQ(ui.modalDialogs.size(), 1);
    form.controls().helpButton->click();
    EXPECT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.helpPaths.size(), 2);

    ui.messages.clear();
    form.runGuarded([] {
        RangeArray<int, 1, 8> values;
        values[9] = 1;
    });
    form.runGuarded([] { throw 42; });
    form.runGuarded([] {});
    EXPECT_EQ(
        ui.messages,
        QStringList({ QStringLiteral("Bereichsfehler: Index 9 liegt außerhalb von 1..8"), "Unbekannter Fehler" }));
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
    MainWindow form(ui);
    EXPECT_NO_THROW(form.runGuarded([] { throw std::runtime_error("x"); }));
}

TEST(HelpViewer, OneNonModalWindowOwnedByTheMainWindowThatDoesNotKeepTheProgramAlive)
{
    QtUiServices services;
    MainWindow form(services);
    form.show();
    form.setHelpFileCandidates({ HelpDocument });
    form.controls().helpButton->click();
    form.controls().helpButton->click();
    const auto viewers = form.findChildren<HelpViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_TRUE(viewers[0]->isWindow());
    EXPECT_TRUE(viewers[0]->isVisible());
    EXPECT_EQ(viewers[0]->windowModality(), Qt::NonModal);
    EXPECT_EQ(viewers[0]->currentPath(), HelpDocument);
    QTimer::singleShot(0, qApp, [&form] { form.controls().exitButton->click(); });
    QTimer::singleShot(10000, qApp, [] { QApplication::exit(99); }); // fails instead of hanging
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
