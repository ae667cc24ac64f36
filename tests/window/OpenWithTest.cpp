// SPDX-License-Identifier: MIT
// A lens named on the command line or dropped on the window is loaded
// exactly as one chosen in the file dialog; a file that cannot be read
// leaves the window as it was.
#include "LensFileDrop.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace {

TEST(OpenWith, EachFileIsLoadedAsIfTheDialogHadReturnedIt)
{
    // One after the other in the same windows: a later file replaces the
    // earlier one as a dialog load does (stale entries included).
    Window dialog;
    Window opened;
    for (const char* file : { "vollformat-objektiv.mtf", "beispiel-testlinse.mtf", "bildhoehe-je-blende.mtf" }) {
        dialog.load(QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/") + file);
        opened.form.openLensFile(QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/") + file);
        EXPECT_TRUE(dialog.ui.messages.isEmpty() && opened.ui.messages.isEmpty()) << file;
        EXPECT_TRUE(dialog.snapshot() == opened.snapshot()) << file;
    }
    EXPECT_TRUE(opened.ui.openFilters.isEmpty()) << "no dialog is shown";
    dialog.c.abscissaButtons[0]->click(); // both go on alike
    opened.c.abscissaButtons[0]->click();
    EXPECT_TRUE(dialog.snapshot() == opened.snapshot());
}

TEST(OpenWith, AFileThatCannotBeReadChangesNothingButShowsTheDialogsMessage)
{
    QTemporaryDir dir;
    const std::pair<QString, QString> rows[] = {
        { Unopenable, QStringLiteral("Abbruch beim Dateilesen") }, // the message's start
        { copyOfSmallLens(dir, { "y1 92 85 \n", "y1 92 300 \n" }), QStringLiteral("Zeile 24: ") },
    };
    for (const auto& [path, message] : rows) {
        // The dialog's load shows its panels before the read, and nothing
        // after; opening a file leaves the start state as it is.
        Window dialog;
        dialog.load(path);
        EXPECT_TRUE(!dialog.c.fNumberPanel->isHidden() && dialog.c.instructionText->isHidden()
                    && dialog.c.wavelengthLabel->isHidden() && dialog.form.lensData().FileLoaded == 0);
        Window opened;
        const WindowSnapshot start = opened.snapshot();
        opened.form.openLensFile(path);
        ASSERT_EQ(opened.ui.messages.size(), 1) << message.toStdString();
        EXPECT_TRUE(opened.ui.messages[0].startsWith(message)) << opened.messages();
        EXPECT_EQ(opened.ui.messages, dialog.ui.messages);
        EXPECT_TRUE(start == opened.snapshot());

        // With a lens shown: it stays, whichever way the bad file came.
        const QStringList expected = opened.ui.messages;
        for (Window* window : { &dialog, &opened }) {
            window->load(FullLens);
            const WindowSnapshot before = window->snapshot();
            window->ui.messages.clear();
            window == &dialog ? window->load(path) : window->form.openLensFile(path);
            EXPECT_EQ(window->ui.messages, expected);
            EXPECT_TRUE(before == window->snapshot());
        }
    }
}

std::unique_ptr<QMimeData> urls(const QStringList& addresses)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(QList<QUrl>(addresses.begin(), addresses.end()));
    return data;
}

TEST(DroppedLensFile, OnlyOneLocalMtfFileCounts)
{
    const std::pair<QStringList, std::optional<QString>> rows[] = {
        { { "file:///daten/objektiv.mtf" }, "/daten/objektiv.mtf" },
        { { "file:///daten/OBJEKTIV.MTF" }, "/daten/OBJEKTIV.MTF" },
        { { "file:///daten/Ein%20Objektiv.Mtf" }, "/daten/Ein Objektiv.Mtf" },
        { { "file:///daten/objektiv.mtf.txt" }, std::nullopt },
        { { "file:///daten/objektivmtf" }, std::nullopt },
        { { "https://example.org/objektiv.mtf" }, std::nullopt },
        { { "file:///daten/a.mtf", "file:///daten/b.mtf" }, std::nullopt },
        { {}, std::nullopt },
    };
    for (const auto& [addresses, file] : rows) {
        EXPECT_EQ(droppedLensFile(*urls(addresses)), file) << addresses.join(' ').toStdString();
    }
    QMimeData text;
    text.setText(QStringLiteral("/daten/objektiv.mtf"));
    EXPECT_EQ(droppedLensFile(text), std::nullopt) << "plain text is no file";
}

// Sends a drag entering the window or a drop, as a file manager offers a
// file proposing a move; the action taken, IgnoreAction when refused.
template <typename Event> Qt::DropAction send(MainWindow& form, const QMimeData& data, Qt::DropActions offered)
{
    Event event(QPoint(100, 100), offered, &data, Qt::LeftButton, Qt::NoModifier);
    event.setDropAction(Qt::MoveAction);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&form, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

TEST(Drop, OneMtfFileIsTakenAsACopyOrALinkNeverAsAMoveAndOpenedAfterTheDrop)
{
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const QString lens = QUrl::fromLocalFile(FullLens).toString();
    const QString unopenable = QUrl::fromLocalFile(Unopenable).toString();
    const QString readme = QUrl::fromLocalFile(QStringLiteral(LUMIVEX_SOURCE_DIR "/README.md")).toString();
    // A move would let the file manager delete the lens file.
    const std::tuple<QStringList, Qt::DropActions, Qt::DropAction> rows[] = {
        { { lens }, all, Qt::CopyAction },
        { { lens }, Qt::MoveAction | Qt::LinkAction, Qt::LinkAction },
        { { unopenable }, all, Qt::CopyAction }, // the name is right; reading is the load's business
        { { lens }, Qt::MoveAction, Qt::IgnoreAction },
        { { readme }, all, Qt::IgnoreAction },
        { { lens, lens }, all, Qt::IgnoreAction },
    };
    for (const auto& [addresses, offered, taken] : rows) {
        const std::string what = addresses.join(' ').toStdString();
        Window opened; // as the file would be opened, or not at all
        if (taken != Qt::IgnoreAction) {
            opened.form.openLensFile(QUrl(addresses[0]).toLocalFile());
        }
        Window dropped;
        const auto data = urls(addresses);
        EXPECT_EQ(send<QDragEnterEvent>(dropped.form, *data, offered), taken) << what;
        EXPECT_EQ(send<QDropEvent>(dropped.form, *data, offered), taken) << what;
        EXPECT_TRUE(dropped.ui.messages.isEmpty() && dropped.form.lensData().FileLoaded == 0)
            << what << ": not while the drop is under way";
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(dropped.ui.messages, opened.ui.messages) << what;
        EXPECT_TRUE(opened.snapshot() == dropped.snapshot()) << what;
    }
}

} // namespace
