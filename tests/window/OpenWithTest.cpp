// A lens named on the command line or dropped on the window is loaded
// exactly as one chosen in the file dialog; a file that cannot be read
// leaves the window as it was.
#include "LensFileDrop.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QUrl>

#include <memory>

namespace {

WindowSnapshot snapshot(const Window& window)
{
    return WindowSnapshot::of(window.form);
}

TEST(OpenWith, EachFileIsLoadedAsIfTheDialogHadReturnedIt)
{
    // One after the other in the same windows: a later file replaces the
    // earlier one as a dialog load does (stale entries included).
    Window dialog;
    Window opened;
    const WindowSnapshot start = snapshot(opened);
    for (const char* file : { "vollformat-objektiv.mtf", "beispiel-testlinse.mtf", "bildhoehe-je-blende.mtf" }) {
        const QString path = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/") + file;
        dialog.load(path);
        opened.form.openLensFile(path);
        EXPECT_TRUE(dialog.ui.messages.isEmpty()) << file;
        EXPECT_TRUE(opened.ui.messages.isEmpty()) << file;
        EXPECT_TRUE(sameWindow(snapshot(dialog), snapshot(opened))) << file;
    }
    EXPECT_TRUE(opened.ui.openFilters.isEmpty()) << "no dialog is shown";
    EXPECT_EQ(opened.form.lensData().FileLoaded, 1);
    EXPECT_FALSE(sameWindow(start, snapshot(opened)));
    // Both go on alike.
    dialog.c.abscissaButtons[0]->click();
    opened.c.abscissaButtons[0]->click();
    EXPECT_TRUE(sameWindow(snapshot(dialog), snapshot(opened)));
}

TEST(OpenWith, AFileThatCannotBeReadChangesNothingButShowsTheDialogsMessage)
{
    QTemporaryDir dir;
    struct Row
    {
        const char* what;
        QString path;
        QString message; // its start
    };
    const Row rows[] = {
        { "unopenable", Unopenable, QStringLiteral("Abbruch beim Dateilesen") },
        { "value out of range", copyOfSmallLens(dir, "y1 92 85 \n", "y1 92 300 \n"), QStringLiteral("Zeile 24: ") },
        { "marker missing", copyOfSmallLens(dir, "[ABB]", "[ABX]"), QStringLiteral("Zeile ") },
    };
    for (const Row& row : rows) {
        // In the start state: the dialog's load has shown its panels before
        // the read; opening a file leaves the start state as it is.
        Window dialog;
        dialog.load(row.path);
        Window opened;
        const WindowSnapshot start = snapshot(opened);
        opened.form.openLensFile(row.path);
        ASSERT_EQ(opened.ui.messages.size(), 1) << row.what;
        EXPECT_TRUE(opened.ui.messages[0].startsWith(row.message)) << opened.ui.messages[0].toStdString();
        EXPECT_EQ(opened.ui.messages, dialog.ui.messages) << row.what;
        EXPECT_TRUE(sameWindow(start, snapshot(opened))) << row.what;
        // The dialog's steps before the read have happened; nothing after.
        EXPECT_FALSE(dialog.c.fNumberPanel->isHidden()) << row.what;
        EXPECT_TRUE(dialog.c.instructionText->isHidden()) << row.what;
        EXPECT_TRUE(dialog.c.wavelengthLabel->isHidden()) << row.what;
        EXPECT_EQ(dialog.form.lensData().FileLoaded, 0) << row.what;
        const QStringList message = dialog.ui.messages;

        // With a lens shown: it stays, whichever way the bad file came.
        for (Window* window : { &dialog, &opened }) {
            window->load(FullLens);
            const WindowSnapshot before = snapshot(*window);
            window->ui.messages.clear();
            if (window == &dialog) {
                window->load(row.path);
            } else {
                window->form.openLensFile(row.path);
            }
            EXPECT_EQ(window->ui.messages, message) << row.what;
            EXPECT_TRUE(sameWindow(before, snapshot(*window))) << row.what;
        }
    }
}

std::unique_ptr<QMimeData> urls(const QStringList& addresses)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> list;
    for (const QString& address : addresses) {
        list << QUrl(address);
    }
    data->setUrls(list);
    return data;
}

TEST(DroppedLensFile, OnlyOneLocalMtfFileCounts)
{
    struct Row
    {
        QStringList urls;
        std::optional<QString> file;
    };
    const Row rows[] = {
        { { "file:///daten/objektiv.mtf" }, "/daten/objektiv.mtf" },
        { { "file:///daten/OBJEKTIV.MTF" }, "/daten/OBJEKTIV.MTF" },
        { { "file:///daten/Ein%20Objektiv.Mtf" }, "/daten/Ein Objektiv.Mtf" },
        { { "file:///daten/objektiv.mtf.txt" }, std::nullopt },
        { { "file:///daten/objektivmtf" }, std::nullopt },
        { { "https://example.org/objektiv.mtf" }, std::nullopt },
        { { "file:///daten/a.mtf", "file:///daten/b.mtf" }, std::nullopt },
        { {}, std::nullopt },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(droppedLensFile(*urls(row.urls)), row.file) << row.urls.join(' ').toStdString();
    }
    QMimeData text;
    text.setText(QStringLiteral("/daten/objektiv.mtf"));
    EXPECT_EQ(droppedLensFile(text), std::nullopt) << "plain text is no file";
}

const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

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

TEST(Drop, OneMtfFileIsTakenAsACopyOrALinkNeverAsAMove)
{
    const QString lens = QUrl::fromLocalFile(FullLens).toString();
    const QString other = QUrl::fromLocalFile(SmallLens).toString();
    const QString readme = QUrl::fromLocalFile(QStringLiteral(LUMIVEX_SOURCE_DIR "/README.md")).toString();
    struct Row
    {
        QStringList addresses;
        Qt::DropActions offered;
        Qt::DropAction taken;
    };
    // A move would let the file manager delete the lens file.
    const Row rows[] = {
        { { lens }, all, Qt::CopyAction },
        { { lens }, Qt::MoveAction | Qt::LinkAction, Qt::LinkAction },
        { { lens }, Qt::MoveAction, Qt::IgnoreAction },
        { { readme }, all, Qt::IgnoreAction },
        { { lens, other }, all, Qt::IgnoreAction },
    };
    for (const Row& row : rows) {
        Window window;
        const WindowSnapshot start = snapshot(window);
        const auto data = urls(row.addresses);
        EXPECT_EQ(send<QDragEnterEvent>(window.form, *data, row.offered), row.taken)
            << row.addresses.join(' ').toStdString();
        EXPECT_EQ(send<QDropEvent>(window.form, *data, row.offered), row.taken)
            << row.addresses.join(' ').toStdString();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(window.form.lensData().FileLoaded, row.taken == Qt::IgnoreAction ? 0 : 1);
        if (row.taken == Qt::IgnoreAction) {
            EXPECT_TRUE(sameWindow(start, snapshot(window)));
        }
    }
}

TEST(Drop, ADroppedFileIsOpenedAfterTheDropIsOver)
{
    for (const QString& path : { FullLens, Unopenable }) {
        Window opened;
        opened.form.openLensFile(path);
        Window dropped;
        const auto data = urls({ QUrl::fromLocalFile(path).toString() });
        // The name is right; reading is the load's business.
        EXPECT_EQ(send<QDragEnterEvent>(dropped.form, *data, all), Qt::CopyAction);
        EXPECT_EQ(send<QDropEvent>(dropped.form, *data, all), Qt::CopyAction);
        EXPECT_EQ(dropped.form.lensData().FileLoaded, 0) << "not while the drop is under way";
        EXPECT_TRUE(dropped.ui.messages.isEmpty());
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(dropped.ui.messages, opened.ui.messages) << path.toStdString();
        EXPECT_TRUE(sameWindow(snapshot(opened), snapshot(dropped))) << path.toStdString();
    }
}

} // namespace
