// SPDX-License-Identifier: MIT
// A seeded random walk through the real main window: clicks on whatever control is enabled, keys and
// shortcuts, the plot's context menu (the entries it has at run time), mouse moves over the plot, drops of good
// and malformed files, with the dialog seam answering. After every event the window must still be whole.
// The seed is printed; LUMIVEX_MONKEY_SEED and LUMIVEX_MONKEY_EVENTS rerun a walk.
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

#include <gtest/gtest.h>

#include <deque>
#include <iostream>
#include <iterator>
#include <random>

namespace {

const QString ReferenceLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vergleich-normal-1.8.mtf");
const QString PerFNumberLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/bildhoehe-je-blende.mtf");

unsigned environmentNumber(const char* name, unsigned fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned number = value.toUInt(&ok);
    return ok ? number : fallback;
}

class Monkey
{
public:
    explicit Monkey(unsigned seed)
        : m_random(seed)
    {
        QFile malformed(m_dir.filePath(QStringLiteral("kaputt.mtf")));
        EXPECT_TRUE(malformed.open(QIODevice::WriteOnly) && malformed.write("Lens data\nX1232\n") > 0);
        m_lensFiles = { FullLens,
                        SmallLens,
                        ReferenceLens,
                        PerFNumberLens,
                        malformed.fileName(),
                        m_dir.filePath(QStringLiteral("fehlt.mtf")) };
        // A name under a regular file cannot be written, whoever runs the test.
        m_saveFiles = { QStringLiteral("d.png"), QStringLiteral("d.svg"), QStringLiteral("d.csv"),
                        QStringLiteral("d.pdf"), QStringLiteral("d.txt"), QStringLiteral("kaputt.mtf/d.png") };

        m_window.ui.printHandler = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_dir.filePath(QStringLiteral("druck.pdf")));
            return pick(4) == 0;
        };
        m_window.form.setHelpFileCandidates({ HelpDocument });
        m_window.form.setPlotPixelRatio(1.0);
        m_window.form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_window.form));
        m_window.form.openLensFile(FullLens);
        m_window.form.openReferenceFile(ReferenceLens);
        m_size = m_window.form.size();
    }

    // One random event; returns what it was, for the failure message.
    QString step()
    {
        QString what;
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
            what = clickSomeControl();
            break;
        case 3:
        case 4:
            what = pressSomeKey();
            break;
        case 5:
            what = useContextMenu();
            break;
        case 6:
        case 7:
            what = moveOverPlot();
            break;
        case 8:
            what = dropSomeFile();
            break;
        default:
            what = clickPlotAndStep();
            break;
        }
        QCoreApplication::processEvents();
        closeOtherWindows();
        return what;
    }

    // What breaks the window, or empty.
    QString brokenInvariant()
    {
        MainWindow& form = m_window.form;
        const MainWindowControls& c = m_window.c;
        if (!form.isVisible()) {
            form.show(); // the exit button or Ctrl+Q closed it; the walk goes on
        }
        if (form.size() != m_size) {
            return QStringLiteral("window size %1x%2").arg(form.width()).arg(form.height());
        }
        if (form.plotImage().size() != QSize(250, 250)) {
            return QStringLiteral("plot image %1x%2").arg(form.plotImage().width()).arg(form.plotImage().height());
        }
        // The panel of the variable along x is disabled, the other three are not.
        const std::array<std::vector<QWidget*>, 4> panels = {
            std::vector<QWidget*>(c.fNumberButtons.begin(), c.fNumberButtons.end()),
            std::vector<QWidget*>(c.frequencyBoxes.begin(), c.frequencyBoxes.end()),
            std::vector<QWidget*>(c.imageHeightButtons.begin(), c.imageHeightButtons.end()),
            std::vector<QWidget*>(c.magnificationButtons.begin(), c.magnificationButtons.end()),
        };
        int checked = -1;
        for (int i = 0; i < 4; ++i) {
            if (c.abscissaButtons[i]->isChecked()) {
                checked = checked == -1 ? i : 4;
            }
        }
        if (checked < 0 || checked > 3) {
            return QStringLiteral("not exactly one abscissa button checked");
        }
        for (int i = 0; i < 4; ++i) {
            for (const QWidget* control : panels[i]) {
                if (control->isEnabled() == (i == checked)) {
                    return QStringLiteral("%1 enabled %2 with abscissa button %3 checked")
                        .arg(control->objectName())
                        .arg(control->isEnabled())
                        .arg(checked + 1);
                }
            }
        }
        for (const QWidget* child : form.findChildren<QWidget*>()) {
            if (!child->isWindow() && child->isVisibleTo(&form)
                && !form.rect().contains(QRect(child->mapTo(&form, QPoint(0, 0)), child->size()))) {
                return QStringLiteral("%1 outside the window").arg(child->objectName());
            }
        }
        for (const QString& message : std::as_const(m_window.ui.messages)) {
            if (!expectedMessage(message)) {
                return QStringLiteral("message: ") + message;
            }
        }
        m_window.ui.messages.clear();
        return {};
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    template <typename List> auto pickFrom(const List& list) { return list[pick(static_cast<int>(std::size(list)))]; }

    // The reader's, the writer's and the load's own messages; anything else (a range error, an unknown
    // exception) is a fault the walk found.
    static bool expectedMessage(const QString& message)
    {
        return message.startsWith(QStringLiteral("Zeile ")) || message == QStringLiteral("Abbruch beim Dateilesen")
            || message.startsWith(QStringLiteral("Die Datei „")) || message == NoFile;
    }

    QString clickSomeControl()
    {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : m_window.form.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled()) {
                buttons << button;
            }
        }
        if (buttons.isEmpty()) {
            return QStringLiteral("no button to click");
        }
        QAbstractButton* button = pickFrom(buttons);
        const QString name = button->objectName();
        const bool opens = button == m_window.c.openButton;
        if (opens) {
            m_window.ui.openAnswers = { answer(m_lensFiles) };
        }
        button->click();
        return QStringLiteral("click %1").arg(name);
    }

    // A file name, or cancel (nullopt) one time in seven.
    std::optional<QString> answer(const QStringList& names)
    {
        const int i = pick(static_cast<int>(names.size()) + 1);
        if (i == names.size()) {
            return std::nullopt;
        }
        return QFileInfo(names[i]).isAbsolute() ? names[i] : m_dir.filePath(names[i]);
    }

    QString pressSomeKey()
    {
        static const std::pair<int, Qt::KeyboardModifiers> Keys[] = {
            { Qt::Key_O, Qt::ControlModifier }, { Qt::Key_P, Qt::ControlModifier },
            { Qt::Key_S, Qt::ControlModifier }, { Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier },
            { Qt::Key_C, Qt::ControlModifier }, { Qt::Key_Q, Qt::ControlModifier },
            { Qt::Key_F1, Qt::NoModifier },     { Qt::Key_Left, Qt::NoModifier },
            { Qt::Key_Right, Qt::NoModifier },  { Qt::Key_Tab, Qt::NoModifier },
            { Qt::Key_Space, Qt::NoModifier },  { Qt::Key_Escape, Qt::NoModifier },
            { Qt::Key_Return, Qt::NoModifier }, { Qt::Key_Up, Qt::NoModifier },
            { Qt::Key_X, Qt::NoModifier },
        };
        const auto [key, modifiers] = pickFrom(Keys);
        m_window.ui.openAnswers = { answer(m_lensFiles) };
        m_window.ui.saveAnswers = { answer(m_saveFiles) };
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_window.form;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        return QStringLiteral("key %1 (modifiers %2) on %3")
            .arg(QKeySequence(key).toString())
            .arg(modifiers.toInt())
            .arg(target->objectName());
    }

    // A right click on the plot opens the menu; then one of its entries, whatever entries it has by now.
    QString useContextMenu()
    {
        QWidget* plot = m_window.c.plotView;
        const QPoint at(pick(plot->width()), pick(plot->height()));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, plot->mapToGlobal(at));
        QCoreApplication::sendEvent(plot, &event);
        QList<QAction*> entries;
        for (QAction* action : m_window.form.plotActions().menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) {
                entries << action;
            }
        }
        m_window.form.plotActions().menu->hide();
        if (entries.isEmpty()) {
            return QStringLiteral("context menu without entries");
        }
        QAction* entry = pickFrom(entries);
        m_window.ui.openAnswers = { answer(m_lensFiles) };
        m_window.ui.saveAnswers = { answer(m_saveFiles) };
        entry->trigger();
        return QStringLiteral("menu entry %1").arg(entry->text());
    }

    QString moveOverPlot()
    {
        QWidget* plot = m_window.c.plotView;
        // Mostly inside, sometimes just beyond the edge.
        const QPoint at(pick(plot->width() + 20) - 10, pick(plot->height() + 20) - 10);
        QTest::mouseMove(plot, at);
        return QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y());
    }

    QString clickPlotAndStep()
    {
        QWidget* plot = m_window.c.plotView;
        const QPoint at(pick(plot->width()), pick(plot->height()));
        QTest::mouseClick(plot, Qt::LeftButton, {}, at);
        QTest::keyClick(plot, pick(2) == 0 ? Qt::Key_Left : Qt::Key_Right);
        return QStringLiteral("click plot at %1,%2 and step").arg(at.x()).arg(at.y());
    }

    QString dropSomeFile()
    {
        const QString file = pickFrom(m_lensFiles);
        const Qt::KeyboardModifiers modifiers = pick(2) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(file) });
        const QPointF at(pick(m_size.width()), pick(m_size.height()));
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(&m_window.form, &enter);
        if (enter.isAccepted()) {
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
            QCoreApplication::sendEvent(&m_window.form, &drop);
        }
        return QStringLiteral("drop %1%2")
            .arg(QFileInfo(file).fileName(), modifiers ? QStringLiteral(" with Shift") : QString());
    }

    // The information box, the help viewer, and any window another entry opens.
    void closeOtherWindows()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &m_window.form && window->isVisible() && window->windowType() != Qt::ToolTip) {
                window->close();
            }
        }
    }

    std::mt19937 m_random;
    QTemporaryDir m_dir;
    QStringList m_lensFiles;
    QStringList m_saveFiles;
    Window m_window;
    QSize m_size;
};

// The offscreen platform notes every popup menu it cannot raise or grab the keyboard for.
void quietPopups(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        qt_message_output(type, context, message);
    }
}

TEST(Monkey, RandomWalkKeepsTheWindowWhole)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietPopups);
    const unsigned seed = environmentNumber("LUMIVEX_MONKEY_SEED", std::random_device()());
    const unsigned events = environmentNumber("LUMIVEX_MONKEY_EVENTS", 5000);
    std::cout << "LUMIVEX_MONKEY_SEED=" << seed << " LUMIVEX_MONKEY_EVENTS=" << events << std::endl;
    Monkey monkey(seed);
    ASSERT_EQ(monkey.brokenInvariant(), QString());
    std::deque<QString> recent;
    for (unsigned event = 1; event <= events; ++event) {
        recent.push_back(monkey.step());
        if (recent.size() > 8) {
            recent.pop_front();
        }
        const QString broken = monkey.brokenInvariant();
        if (!broken.isEmpty()) {
            QStringList last(recent.begin(), recent.end());
            FAIL() << "event " << event << " (seed " << seed << "): " << broken.toStdString() << "\nlast events:\n  "
                   << last.join(QStringLiteral("\n  ")).toStdString();
        }
    }
    qInstallMessageHandler(previous);
}

} // namespace
