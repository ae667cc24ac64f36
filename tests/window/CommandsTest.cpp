// SPDX-License-Identifier: MIT
#include "AboutBox.h"
#include "HelpFile.h"
#include "HelpViewer.h"
#include "QtUiServices.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

TEST(Keyboard, EachKeyRunsItsButtonOnlyWhileTheButtonIsEnabled)
{
    Window w;
    w.form.setHelpFileCandidates({ HelpDocument });
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    w.load(FullLens);
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QAbstractButton*, std::function<int()>> rows[] = {
        { Qt::Key_O, Qt::ControlModifier, w.c.openButton, [&w] { return int(w.ui.openFilters.size()); } },
        { Qt::Key_P, Qt::ControlModifier, w.c.printButton, [&w] { return w.ui.printDialogs; } },
        { Qt::Key_F1, Qt::NoModifier, w.c.helpButton, [&w] { return int(w.ui.helpPaths.size()); } },
        { Qt::Key_Q, Qt::ControlModifier, w.c.exitButton, [&w] { return w.form.isVisible() ? 0 : 1; } },
    };
    for (const auto& [key, modifiers, button, runs] : rows) {
        const int before = runs();
        for (const bool enabled : { false, true }) {
            button->setEnabled(enabled);
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &w.form, key, modifiers);
            EXPECT_EQ(runs(), before + (enabled ? 1 : 0)) << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(w.ui.helpPaths, QStringList { HelpDocument });
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

// A directory is no file; the message names the first place looked at.
TEST(HelpFile, TheViewerGetsTheFirstDocumentFoundOrOneClearMessage)
{
    const QStringList candidates = HelpFile::candidates(QStringLiteral("/opt/lv/bin"));
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates.mid(0, 2), QStringList({ "/opt/lv/share/lumivex/hilfe.html", "/opt/lv/bin/hilfe.html" }));
    EXPECT_EQ(QFileInfo(candidates[2]).canonicalFilePath(), QFileInfo(HelpDocument).canonicalFilePath());
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("hilfe.html"));

    Window w;
    w.c.helpButton->click();
    ASSERT_EQ(w.ui.helpPaths.size(), 1);
    EXPECT_EQ(QFileInfo(w.ui.helpPaths[0]).canonicalFilePath(), QFileInfo(HelpDocument).canonicalFilePath());
    const QString missing = QStringLiteral("/nonexistent/share/lumivex/hilfe.html");
    w.form.setHelpFileCandidates({ missing, dir.filePath("hilfe.html"), HelpDocument });
    w.c.helpButton->click();
    EXPECT_EQ(w.ui.helpPaths.value(1), HelpDocument);
    EXPECT_TRUE(w.ui.messages.isEmpty());
    w.form.setHelpFileCandidates({ missing, QStringLiteral("/nonexistent/bin/hilfe.html") });
    w.c.helpButton->click();
    EXPECT_EQ(w.ui.helpPaths.size(), 2);
    ASSERT_EQ(w.ui.messages.size(), 1);
    EXPECT_TRUE(w.ui.messages[0].endsWith(": " + missing)) << w.messages();
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
    EXPECT_TRUE(viewers[0]->isWindow() && viewers[0]->isVisible());
    EXPECT_EQ(viewers[0]->windowModality(), Qt::NonModal);
    EXPECT_EQ(viewers[0]->currentPath(), HelpDocument);
    QTimer::singleShot(0, qApp, [&form] { form.controls().exitButton->click(); });
    QTimer::singleShot(10000, qApp, [] { QApplication::exit(99); }); // fails instead of hanging
    EXPECT_EQ(QApplication::exec(), 0);
}

// Frequency 3 and f-number 2 are set without a redraw: only printing reads them.
TEST(PrintCommand, RefusedWithoutAFileAndOnePageAfterTheConfirmedDialog)
{
    Window refused;
    refused.load(std::nullopt); // enables the print button
    refused.c.printButton->click();
    EXPECT_EQ(refused.ui.messages, QStringList({ NoFile, NoFile }));
    EXPECT_EQ(refused.ui.printDialogs, 0);
    Window w;
    w.load(FullLens);
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*> { w.c.frequencyBoxes[2], w.c.fNumberButtons[1] }) {
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("bericht.pdf");
    bool confirmed = false;
    w.ui.printHandler = [&pdf, &confirmed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return confirmed;
    };
    w.c.printButton->click();
    EXPECT_FALSE(QFile::exists(pdf));
    confirmed = true;
    w.c.printButton->click();
    EXPECT_EQ(w.ui.printDialogs, 2);
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    ASSERT_TRUE(text.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Blende\\s*:\\s*2\\n")))) << page.toStdString();
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Ortsfrequenz\\s*: 10 20\\n"))));
}

TEST(ErrorHandler, AFailingHandlerShowsItsTextOnceAndTheWindowGoesOn)
{
    Window w;
    w.form.show();
    w.form.setHelpFileCandidates({ HelpDocument });
    w.ui.helpHandler = [](const QString&) { throw std::runtime_error("Hilfe ist gerade nicht verfügbar"); };
    w.ui.modalHandler = [](QDialog& dialog) {
        static_cast<AboutBox&>(dialog).okButton->click();
        return dialog.result();
    };
    w.c.helpButton->click();
    EXPECT_EQ(w.ui.messages, QStringList { QStringLiteral("Hilfe ist gerade nicht verfügbar") });
    EXPECT_TRUE(w.form.isVisible());
    // The information box is made once, modal, and OK accepts it. The
    // failing handler fails again the same way: it left nothing half done.
    EXPECT_EQ(w.form.aboutBox(), nullptr);
    w.c.infoButton->click();
    w.c.infoButton->click();
    EXPECT_EQ(w.ui.modalDialogs, QList<QDialog*>({ w.form.aboutBox(), w.form.aboutBox() }));
    EXPECT_TRUE(w.form.aboutBox()->isModal() && w.form.aboutBox()->result() == QDialog::Accepted);
    w.c.helpButton->click();
    EXPECT_EQ(w.ui.messages.size(), 2);
    EXPECT_EQ(w.ui.helpPaths.size(), 2);

    w.ui.messages.clear();
    w.form.runGuarded([] { throw std::out_of_range("Index 9"); });
    w.form.runGuarded([] { throw 42; });
    w.form.runGuarded([] {});
    EXPECT_EQ(w.ui.messages, QStringList({ "Index 9", "Unbekannter Fehler" }));

    struct BrokenMessages final : FakeUiServices
    {
        void showMessage(QWidget*, const QString&) override { throw std::bad_alloc(); }
    } broken;
    MainWindow form(broken);
    EXPECT_NO_THROW(form.runGuarded([] { throw std::runtime_error("x"); }));
}

} // namespace
