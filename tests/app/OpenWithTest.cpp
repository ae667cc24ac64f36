// A lens named on the command line or dropped on the window is loaded
// exactly as one chosen in the file dialog; a file that cannot be read
// leaves the window as it was.
#include "FakeUiServices.h"
#include "LensFileDrop.h"
#include "TForm2.h"
#include "WindowSnapshot.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Examples = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/");
const QString FullLens = Examples + QStringLiteral("vollformat-objektiv.mtf");
const QString SmallLens = Examples + QStringLiteral("beispiel-testlinse.mtf");
const QString RowPerFNumber = Examples + QStringLiteral("bildhoehe-je-blende.mtf");
const QString Unopenable = QStringLiteral("/nonexistent/objektiv.mtf");

// A window with its scripted dialogs.
struct Window
{
    FakeUiServices ui;
    TForm2 form { ui };

    void loadThroughDialog(const QString& path)
    {
        ui.openAnswers.push_back(path);
        form.controls().SpeedButton1->click();
    }
    WindowSnapshot snapshot() const { return WindowSnapshot::of(form); }
};

// A copy of the small example with one text replaced, named after to.
QString brokenCopy(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to)
{
    QFile source(SmallLens);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    EXPECT_TRUE(text.contains(from));
    text.replace(from, to);
    const QString path = dir.filePath(QString::number(qHash(to)) + QStringLiteral(".mtf"));
    QFile target(path);
    EXPECT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(text);
    return path;
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

// What became of a drag event sent to the window.
struct DragAnswer
{
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

// A drag entering the window, as a file manager offers a file: copy, move
// or link, proposing a move.
DragAnswer dragEnter(TForm2& form, const QMimeData& data,
                     Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction)
{
    QDragEnterEvent event(QPoint(100, 100), offered, &data, Qt::LeftButton, Qt::NoModifier);
    event.setDropAction(Qt::MoveAction);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&form, &event);
    return { event.isAccepted(), event.dropAction() };
}

DragAnswer drop(TForm2& form, const QMimeData& data,
                Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction)
{
    QDropEvent event(QPointF(100, 100), offered, &data, Qt::LeftButton, Qt::NoModifier);
    event.setDropAction(Qt::MoveAction);
    event.setAccepted(false);
    QCoreApplication::sendEvent(&form, &event);
    return { event.isAccepted(), event.dropAction() };
}

TEST(OpenWith, TheFileIsLoadedAsIfTheDialogHadReturnedIt)
{
    for (const QString& path : { FullLens, SmallLens, RowPerFNumber }) {
        Window dialog;
        Window opened;
        const WindowSnapshot start = opened.snapshot();
        dialog.loadThroughDialog(path);
        opened.form.openLensFile(path);

        EXPECT_TRUE(opened.ui.openFilters.isEmpty()) << "no dialog is shown";
        EXPECT_EQ(opened.ui.messages, dialog.ui.messages) << path.toStdString();
        const WindowSnapshot loaded = opened.snapshot();
        EXPECT_TRUE(sameWindow(dialog.snapshot(), loaded)) << path.toStdString();
        // The load did happen: lens, panels, curves.
        EXPECT_EQ(loaded.lens.FileLoaded, 1);
        EXPECT_FALSE(sameWindow(start, loaded));
        EXPECT_FALSE(loaded.plot == start.plot) << path.toStdString();

        // Both go on alike: the same abscissa change afterwards.
        dialog.form.controls().abscissaButtons[0]->click();
        opened.form.controls().abscissaButtons[0]->click();
        EXPECT_TRUE(sameWindow(dialog.snapshot(), opened.snapshot())) << path.toStdString();
    }
}

TEST(OpenWith, ASecondFileReplacesTheFirstAsADialogLoadDoes)
{
    Window dialog;
    Window opened;
    dialog.loadThroughDialog(FullLens);
    dialog.loadThroughDialog(SmallLens);
    opened.form.openLensFile(FullLens);
    opened.form.openLensFile(SmallLens);
    EXPECT_TRUE(sameWindow(dialog.snapshot(), opened.snapshot()));
}

TEST(OpenWith, AFileThatCannotBeReadLeavesTheStartStateWithTheDialogsMessage)
{
    QTemporaryDir dir;
    struct Row
    {
        const char* what;
        QString path;
        QString messageStart;
    };
    const Row rows[] = {
        { "unopenable", Unopenable, QStringLiteral("Abbruch beim Dateilesen") },
        { "malformed", brokenCopy(dir, "y1 92 85 \n", "y1 92 300 \n"), QStringLiteral("Zeile 24: ") },
        { "truncated", brokenCopy(dir, "[ABB]", "[ABX]"), QStringLiteral("Zeile ") },
    };
    for (const Row& row : rows) {
        Window dialog;
        dialog.loadThroughDialog(row.path);

        Window opened;
        const WindowSnapshot start = opened.snapshot();
        opened.form.openLensFile(row.path);
        ASSERT_EQ(opened.ui.messages.size(), 1) << row.what;
        EXPECT_TRUE(opened.ui.messages[0].startsWith(row.messageStart)) << opened.ui.messages[0].toStdString();
        EXPECT_EQ(opened.ui.messages, dialog.ui.messages) << row.what;
        // Nothing else changed: panels hidden, instruction shown, the
        // buttons that act on a lens disabled, the empty frame.
        EXPECT_TRUE(sameWindow(start, opened.snapshot())) << row.what;
        EXPECT_TRUE(opened.form.controls().Panel1->isHidden()) << row.what;
        EXPECT_FALSE(opened.form.controls().SpeedButton2->isEnabled()) << row.what;
    }
}

TEST(OpenWith, AFileThatCannotBeReadKeepsTheLensShownBefore)
{
    QTemporaryDir dir;
    for (const QString& bad : { Unopenable, brokenCopy(dir, "y1 92 85 \n", "y1 92 300 \n") }) {
        Window opened;
        opened.form.openLensFile(FullLens);
        const WindowSnapshot before = opened.snapshot();
        opened.form.openLensFile(bad);
        EXPECT_EQ(opened.ui.messages.size(), 1) << bad.toStdString();
        EXPECT_TRUE(sameWindow(before, opened.snapshot())) << bad.toStdString();
    }
}

TEST(OpenWith, ALaterOpenWaitsForTheEventLoop)
{
    Window opened;
    opened.form.openLensFileLater(FullLens);
    EXPECT_EQ(opened.form.lensData().FileLoaded, 0);
    EXPECT_TRUE(opened.form.controls().Panel1->isHidden());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened.form.lensData().FileLoaded, 1);

    Window dialog;
    dialog.loadThroughDialog(FullLens);
    EXPECT_TRUE(sameWindow(dialog.snapshot(), opened.snapshot()));
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
        { { "file:///daten/objektiv.txt" }, std::nullopt },
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

TEST(Drop, AnMtfFileIsTakenAsACopyAndLoaded)
{
    Window dropped;
    const auto data = urls({ QUrl::fromLocalFile(FullLens).toString() });
    const DragAnswer entered = dragEnter(dropped.form, *data);
    EXPECT_TRUE(entered.accepted);
    // Never a move: the file manager would delete the lens file.
    EXPECT_EQ(entered.action, Qt::CopyAction);
    const DragAnswer dropAnswer = drop(dropped.form, *data);
    EXPECT_TRUE(dropAnswer.accepted);
    EXPECT_EQ(dropAnswer.action, Qt::CopyAction);
    QCoreApplication::sendPostedEvents();

    Window dialog;
    dialog.loadThroughDialog(FullLens);
    EXPECT_TRUE(dropped.ui.openFilters.isEmpty());
    EXPECT_TRUE(sameWindow(dialog.snapshot(), dropped.snapshot()));
}

TEST(Drop, ASourceThatOffersNoCopyIsTakenAsALinkOrRefused)
{
    Window window;
    const auto data = urls({ QUrl::fromLocalFile(FullLens).toString() });
    const DragAnswer linked = dragEnter(window.form, *data, Qt::MoveAction | Qt::LinkAction);
    EXPECT_TRUE(linked.accepted);
    EXPECT_EQ(linked.action, Qt::LinkAction);
    EXPECT_FALSE(dragEnter(window.form, *data, Qt::MoveAction).accepted);
    EXPECT_FALSE(drop(window.form, *data, Qt::MoveAction).accepted);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.form.lensData().FileLoaded, 0);
}

TEST(Drop, OtherDragsAreRefusedAndChangeNothing)
{
    Window window;
    const WindowSnapshot start = window.snapshot();
    const QString text = QStringLiteral(LUMIVEX_SOURCE_DIR "/README.md");
    for (const QStringList& addresses :
         { QStringList { QUrl::fromLocalFile(text).toString() },
           QStringList { QUrl::fromLocalFile(FullLens).toString(), QUrl::fromLocalFile(SmallLens).toString() } }) {
        const auto data = urls(addresses);
        EXPECT_FALSE(dragEnter(window.form, *data).accepted) << addresses.join(' ').toStdString();
        EXPECT_FALSE(drop(window.form, *data).accepted) << addresses.join(' ').toStdString();
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window.ui.messages.isEmpty());
    EXPECT_TRUE(sameWindow(start, window.snapshot()));
}

TEST(Drop, ADroppedFileThatCannotBeReadShowsTheMessageAfterTheDrop)
{
    Window window;
    const WindowSnapshot start = window.snapshot();
    const auto data = urls({ QUrl::fromLocalFile(Unopenable).toString() });
    EXPECT_TRUE(dragEnter(window.form, *data).accepted) << "the name is right; reading is the load's business";
    EXPECT_TRUE(drop(window.form, *data).accepted);
    EXPECT_TRUE(window.ui.messages.isEmpty()) << "not while the drop is under way";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.ui.messages, QStringList { "Abbruch beim Dateilesen" });
    EXPECT_TRUE(sameWindow(start, window.snapshot()));
}

} // namespace
