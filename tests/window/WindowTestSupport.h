#pragma once

// What the window tests share: the example lenses, scripted dialogs, a
// window driven through them, and a snapshot of everything a user sees.
#include "MainWindow.h"
#include "UiServices.h"

#include <QAbstractButton>
#include <QDebug>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline const QString FullLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf");
inline const QString SmallLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf");
inline const QString HelpDocument = QStringLiteral(LUMIVEX_SOURCE_DIR "/docs/hilfe.html");
inline const QString Unopenable = QStringLiteral("/nonexistent/objektiv.mtf");
inline const QString NoFile = QStringLiteral("Noch keine Datei gelesen !");

// A copy of the small example in dir with one text replaced.
inline QString copyOfSmallLens(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to)
{
    QFile source(SmallLens);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    EXPECT_TRUE(text.contains(from)) << from.toStdString();
    text.replace(from, to);
    const QString path = dir.filePath(QString::number(qHash(to)) + QStringLiteral(".mtf"));
    QFile target(path);
    EXPECT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(text);
    return path;
}

// "01000010": frequencies 2 and 7 count as selected.
inline QString selectedFrequencies(const PlotState& state)
{
    QString flags;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        flags += QString::number(state.FrequencySelected[i]);
    }
    return flags;
}

// Answers the window's dialogs from a script and records what it asked for,
// so that no test blocks on a modal window.
class FakeUiServices final : public UiServices
{
public:
    std::deque<std::optional<QString>> openAnswers; // nullopt or none left: cancel
    std::function<bool(QPrinter&)> printHandler;    // none: cancel
    std::function<int(QDialog&)> modalHandler;      // none: accepted unshown
    std::function<void(const QString&)> helpHandler;

    QStringList messages;
    QStringList openFilters;
    QStringList helpPaths;
    int printDialogs = 0;
    QList<QDialog*> modalDialogs;

    std::optional<QString> openFileName(QWidget*, const QString& filter) override
    {
        openFilters << filter;
        if (openAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool runPrintDialog(QWidget*, QPrinter& printer) override
    {
        ++printDialogs;
        return printHandler && printHandler(printer);
    }
    int runModal(QDialog& dialog) override
    {
        modalDialogs << &dialog;
        return modalHandler ? modalHandler(dialog) : 1;
    }
    void showHelp(QWidget*, const QString& path) override
    {
        helpPaths << path;
        if (helpHandler) {
            helpHandler(path);
        }
    }
};

// A window with its scripted dialogs.
struct Window
{
    FakeUiServices ui;
    MainWindow form { ui };
    const MainWindowControls& c = form.controls();

    // One click on the open button, the dialog answering path (nullopt: cancel).
    void load(const std::optional<QString>& path)
    {
        ui.openAnswers.push_back(path);
        c.openButton->click();
    }
    QImage plot() const { return form.plotImage().convertToFormat(QImage::Format_RGB32); }
};

// Everything a user can see of the window, one line per named control, the
// plot's pixels, and the state behind them.
struct WindowSnapshot
{
    QStringList lines;
    QImage plot;
    LensData lens;

    static WindowSnapshot of(const MainWindow& form)
    {
        WindowSnapshot snapshot { {}, form.plotImage().convertToFormat(QImage::Format_RGB32), form.lensData() };
        for (const QWidget* widget : form.findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) {
                continue; // the inner parts of Qt's own widgets
            }
            QDebug line = QDebug(&snapshot.lines.emplace_back())
                << widget->objectName() << widget->isHidden() << widget->isEnabled() << widget->toolTip()
                << widget->geometry();
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                line << button->text() << button->isChecked();
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                line << label->text();
            } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
                line << memo->toPlainText();
            } else if (const auto* frame = qobject_cast<const QFrame*>(widget)) {
                line << frame->frameShadow();
            }
        }
        const PlotState& state = form.plotState();
        QDebug line(&snapshot.lines.emplace_back());
        for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
            line << state.FrequencySelected[i];
        }
        line << state.selection.FrequencyIndex << state.selection.FNumberIndex << state.selection.ImageHeightIndex
             << state.selection.MagnificationIndex << state.texts.AxisRangeText << state.texts.AxisVariableText;
        return snapshot;
    }
};

// Compares two snapshots, naming what differs.
inline ::testing::AssertionResult sameWindow(const WindowSnapshot& expected, const WindowSnapshot& actual)
{
    QStringList differences;
    for (qsizetype i = 0; i < std::max(expected.lines.size(), actual.lines.size()); ++i) {
        if (expected.lines.value(i) != actual.lines.value(i)) {
            differences << expected.lines.value(i) + " / " + actual.lines.value(i);
        }
    }
    if (expected.plot != actual.plot || !(expected.lens == actual.lens)) {
        differences << QStringLiteral("plot pixels or lens data differ");
    }
    if (differences.isEmpty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << differences.join('\n').toStdString();
}
