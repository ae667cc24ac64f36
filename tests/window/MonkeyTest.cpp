// SPDX-License-Identifier: MIT
// A seeded random walk through the real main window: clicks on whatever button is enabled, keys and shortcuts,
// the plot's context menu (the entries it has at run time), mouse moves and clicks on the plot, drops of good,
// malformed and missing files, with the dialog seam answering. After every event the window must still be
// whole. The seed is printed; LUMIVEX_MONKEY_SEED and LUMIVEX_MONKEY_EVENTS rerun a walk.
#include "ImageView.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTest>
#include <QUrl>

#include <iostream>
#include <iterator>
#include <random>

namespace {

struct Monkey
{
    std::mt19937 random;
    QTemporaryDir dir;
    QStringList lensFiles { FullLens,
                            SmallLens,
                            FullLens.section('/', 0, -2) + "/vergleich-normal-1.8.mtf",
                            FullLens.section('/', 0, -2) + "/bildhoehe-je-blende.mtf",
                            dir.filePath("kaputt.mtf"),
                            dir.filePath("fehlt.mtf") };
    // The last one lies under a regular file: it cannot be written, whoever runs the test.
    QStringList saveFiles { dir.filePath("d.png"), dir.filePath("d.svg"), dir.filePath("d.csv"),
                            dir.filePath("d.pdf"), dir.filePath("d.txt"), dir.filePath("kaputt.mtf/d.png") };
    Window w;
    QSize size;

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    template <typename List> auto pickFrom(const List& list) { return list[pick(static_cast<int>(std::size(list)))]; }
    // A file name, or cancel one time in seven.
    std::optional<QString> answer(const QStringList& names)
    {
        const int i = pick(static_cast<int>(names.size()) + 1);
        return i < names.size() ? std::optional(names[i]) : std::nullopt;
    }
    QPoint somewhere(const QWidget* widget) { return { pick(widget->width()), pick(widget->height()) }; }
    template <typename T> T* pickUsable(const QList<T*>& all)
    {
        QList<T*> usable;
        std::ranges::copy_if(all, std::back_inserter(usable), [](T* x) { return x->isEnabled() && x->isVisible(); });
        return pickFrom(usable);
    }

    explicit Monkey(unsigned seed)
        : random(seed)
    {
        QFile malformed(lensFiles[4]);
        EXPECT_TRUE(malformed.open(QIODevice::WriteOnly) && malformed.write("Lens data\nX1232\n") > 0);
        w.ui.printHandler = [this](QPrinter& printer) {
            printer.setOutputFileName(dir.filePath("druck.pdf")); // a PDF, by its name
            return pick(4) == 0;
        };
        w.form.setHelpFileCandidates({ HelpDocument });
        w.form.setPlotPixelRatio(1.0);
        w.form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w.form));
        w.form.openLensFile(FullLens);
        w.form.openReferenceFile(lensFiles[2]);
        size = w.form.size();
    }

    // One random event; returns what it was, for the failure message.
    QString step()
    {
        w.ui.openAnswers = { answer(lensFiles) };
        w.ui.saveAnswers = { answer(saveFiles) };
        QWidget* plot = w.c.plotView;
        const QPoint at = somewhere(plot);
        QString what;
        switch (pick(6)) {
        case 0: {
            QAbstractButton* button = pickUsable(w.form.findChildren<QAbstractButton*>());
            what = QStringLiteral("click ") + button->objectName();
            button->click();
            break;
        }
        case 1: {
            static const char* const Keys[] = { "Ctrl+O", "Ctrl+P", "Ctrl+S", "Ctrl+Shift+C", "Ctrl+C", "Ctrl+Q", "F1",
                                                "Left",   "Right",  "Tab",    "Space",        "Esc",    "Up",     "X" };
            const QKeyCombination key = QKeySequence(QString::fromLatin1(pickFrom(Keys)))[0];
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w.form;
            what = QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName());
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            break;
        }
        case 2: {
            // A right click opens the menu; then one of its entries, whatever entries it has by now.
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, plot->mapToGlobal(at));
            QCoreApplication::sendEvent(plot, &event);
            w.form.plotActions().menu->hide();
            QAction* entry = pickUsable(w.form.plotActions().menu->actions());
            what = QStringLiteral("menu entry ") + entry->text();
            entry->trigger();
            break;
        }
        case 3:
        case 4: {
            // Mostly inside the plot, sometimes just beyond its edge; sometimes a click and a step.
            const QPoint to = at + QPoint(pick(21) - 10, pick(21) - 10);
            QTest::mouseMove(plot, to);
            what = QStringLiteral("move to %1,%2").arg(to.x()).arg(to.y());
            if (pick(4) == 0) {
                QTest::mouseClick(plot, Qt::LeftButton, {}, at);
                QTest::keyClick(plot, pick(2) == 0 ? Qt::Key_Left : Qt::Key_Right);
                what += QStringLiteral(", click and step");
            }
            break;
        }
        default: {
            const QString file = pickFrom(lensFiles);
            const Qt::KeyboardModifiers modifiers = pick(2) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(file) });
            const QPoint on = somewhere(&w.form);
            QDragEnterEvent enter(on, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
            QDropEvent drop(on, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
            QCoreApplication::sendEvent(&w.form, &enter);
            if (enter.isAccepted()) {
                QCoreApplication::sendEvent(&w.form, &drop);
            }
            what = QStringLiteral("drop %1 with modifiers %2").arg(file).arg(modifiers.toInt());
        }
        }
        QCoreApplication::processEvents();
        // The information box, the help viewer, and any window another entry opens.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &w.form && window->isVisible() && window->windowType() != Qt::ToolTip) {
                window->close();
            }
        }
        if (!w.form.isVisible()) {
            w.form.show(); // the exit button or Ctrl+Q closed it; the walk goes on
        }
        return what;
    }

    // What breaks the window, or empty.
    QString brokenInvariant()
    {
        if (w.form.size() != size || w.form.plotImage().size() != QSize(250, 250)) {
            return QStringLiteral("window or plot image resized");
        }
        // The panel of the variable along x is disabled, the other three are enabled.
        const auto checked = std::ranges::find_if(w.c.abscissaButtons, &QAbstractButton::isChecked);
        if (std::ranges::count_if(w.c.abscissaButtons, &QAbstractButton::isChecked) != 1) {
            return QStringLiteral("not exactly one abscissa button checked");
        }
        const QFrame* panels[] = { w.c.fNumberPanel, w.c.frequencyPanel, w.c.imageHeightPanel, w.c.magnificationPanel };
        const QFrame* disabled = panels[checked - w.c.abscissaButtons.begin()];
        for (const QFrame* panel : panels) {
            for (const QAbstractButton* control : panel->findChildren<QAbstractButton*>()) {
                if (control->isEnabled() == (panel == disabled)) {
                    return QStringLiteral("%1 enabled: %2").arg(control->objectName()).arg(control->isEnabled());
                }
            }
        }
        for (const QWidget* child : w.form.findChildren<QWidget*>()) {
            if (!child->isWindow() && child->isVisibleTo(&w.form)
                && !w.form.rect().contains(QRect(child->mapTo(&w.form, QPoint(0, 0)), child->size()))) {
                return child->objectName() + QStringLiteral(" outside the window");
            }
        }
        // The reader's, the writer's and the load's own messages; anything else (a range error, an unknown
        // exception) is a fault the walk found.
        for (const QString& message : std::as_const(w.ui.messages)) {
            if (!message.startsWith(QStringLiteral("Zeile ")) && message != QStringLiteral("Abbruch beim Dateilesen")
                && !message.startsWith(QStringLiteral("Die Datei „")) && message != NoFile) {
                return QStringLiteral("message: ") + message;
            }
        }
        w.ui.messages.clear();
        return {};
    }
};

TEST(Monkey, RandomWalkKeepsTheWindowWhole)
{
    bool given = false;
    const unsigned fromEnvironment = qgetenv("LUMIVEX_MONKEY_SEED").toUInt(&given);
    const unsigned seed = given ? fromEnvironment : std::random_device()();
    const unsigned events
        = qEnvironmentVariableIsSet("LUMIVEX_MONKEY_EVENTS") ? qgetenv("LUMIVEX_MONKEY_EVENTS").toUInt() : 5000;
    std::cout << "LUMIVEX_MONKEY_SEED=" << seed << " LUMIVEX_MONKEY_EVENTS=" << events << std::endl;
    Monkey monkey(seed);
    ASSERT_EQ(monkey.brokenInvariant(), QString());
    QStringList recent;
    for (unsigned event = 1; event <= events; ++event) {
        recent << monkey.step();
        if (recent.size() > 8) {
            recent.removeFirst();
        }
        const QString broken = monkey.brokenInvariant();
        ASSERT_TRUE(broken.isEmpty()) << "event " << event << " (seed " << seed << "): " << broken.toStdString()
                                      << "\nlast events:\n  " << recent.join(QStringLiteral("\n  ")).toStdString();
    }
}

} // namespace
