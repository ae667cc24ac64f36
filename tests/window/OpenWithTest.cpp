// SPDX-License-Identifier: MIT
#include "LensFileDrop.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace {

TEST(OpenWith, AFileThatCannotBeReadChangesNothingButShowsTheMessage)
{
    QTemporaryDir dir;
    const QString path = copyOfSmallLens(dir, { "y1 92 85 \n", "y1 92 300 \n" });
    Window w;
    const WindowSnapshot start = w.snapshot();
    w.form.openLensFile(path);
    ASSERT_EQ(w.ui.messages.size(), 1);
    EXPECT_TRUE(w.ui.messages[0].startsWith("Zeile 24: ")) << w.messages();
    EXPECT_TRUE(start == w.snapshot());
    const QStringList expected = w.ui.messages;
    w.load(FullLens);
    const WindowSnapshot loaded = w.snapshot();
    w.ui.messages.clear();
    w.form.openLensFile(path);
    EXPECT_EQ(w.ui.messages, expected);
    EXPECT_TRUE(loaded == w.snapshot());
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
}

// As a file manager proposing a move does; IgnoreAction when refused.
template <typename Event>
Qt::DropAction send(MainWindow& form, const QMimeData& data, Qt::DropActions offered,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Event event(QPoint(100, 100), offered, &data, Qt::LeftButton, modifiers);
    event.setDropAction(Qt::MoveAction);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&form, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

// Never taken as a move, which would let the file manager delete the lens
// file. One file after the other in the same windows: a later file replaces
// the earlier one, stale entries included.
TEST(Drop, OneMtfFileIsTakenAsACopyOrALinkAndOpenedAsTheDialogLoadsIt)
{
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const auto url = [](const QString& file) { return QUrl::fromLocalFile(file).toString(); };
    const std::tuple<QStringList, Qt::DropActions, Qt::DropAction> rows[] = {
        { { url(FullLens) }, all, Qt::CopyAction },
        { { url(SmallLens) }, Qt::MoveAction | Qt::LinkAction, Qt::LinkAction },
        { { url(FullLens) }, Qt::MoveAction, Qt::IgnoreAction },
        { { url(QStringLiteral(LUMIVEX_SOURCE_DIR "/README.md")) }, all, Qt::IgnoreAction },
    };
    Window dialog;
    Window dropped;
    for (const auto& [addresses, offered, taken] : rows) {
        const std::string what = addresses.join(' ').toStdString();
        const QString file = QUrl(addresses[0]).toLocalFile();
        if (taken != Qt::IgnoreAction) {
            dialog.load(file);
        }
        const auto data = urls(addresses);
        const WindowSnapshot before = dropped.snapshot();
        EXPECT_EQ(send<QDragEnterEvent>(dropped.form, *data, offered), taken) << what;
        EXPECT_EQ(send<QDropEvent>(dropped.form, *data, offered), taken) << what;
        EXPECT_TRUE(before == dropped.snapshot()) << what << ": not during the drop";
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(dialog.snapshot() == dropped.snapshot()) << what;
    }
    EXPECT_TRUE(dialog.ui.messages.isEmpty() && dropped.ui.messages.isEmpty() && dropped.ui.openFilters.isEmpty())
        << dropped.messages();
}

TEST(Drop, WithShiftTheReferenceLens)
{
    QTemporaryDir dir;
    const QString reference = copyOfSmallLens(dir, { "Obj:Testlinse 2.8/50", "Obj:Vergleich 4/50" });
    Window w;
    const auto drop = [&w](const QString& file, Qt::KeyboardModifiers modifiers) {
        const auto data = urls({ QUrl::fromLocalFile(file).toString() });
        send<QDragEnterEvent>(w.form, *data, Qt::CopyAction, modifiers);
        send<QDropEvent>(w.form, *data, Qt::CopyAction, modifiers);
        QCoreApplication::sendPostedEvents();
    };
    drop(reference, Qt::ShiftModifier);
    EXPECT_EQ(w.ui.messages, QStringList { NoFile }) << "nothing to compare with yet";
    EXPECT_EQ(w.form.referenceLens(), nullptr);
    drop(SmallLens, Qt::NoModifier);
    drop(reference, Qt::ShiftModifier);
    ASSERT_NE(w.form.referenceLens(), nullptr);
    EXPECT_EQ(w.form.lensData().LensName, "Testlinse 2.8/50 ");
    drop(FullLens, Qt::NoModifier);
    EXPECT_EQ(w.c.lensNameLabel->toolTip(), "Lumivex Normal für KB 1.4/50 / Vergleich: Vergleich 4/50");
    EXPECT_EQ(w.ui.messages.size(), 1) << w.messages();
}

} // namespace
