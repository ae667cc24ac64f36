// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindow.h"
#include "UiServices.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
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
inline const QString NoFile = PlotController::NoFileMessage;

// A copy of the small example (2 frequencies) in dir with texts replaced,
// pairwise from, to; with another frequency count every modulation line
// gets that many values (its first repeated).
inline QString copyOfSmallLens(const QTemporaryDir& dir, const QByteArrayList& replacements, int frequencies = 2)
{
    QFile source(SmallLens);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(source.readAll());
    for (qsizetype i = 0; i + 1 < replacements.size(); i += 2) {
        EXPECT_TRUE(text.contains(QLatin1String(replacements[i]))) << replacements[i].toStdString();
        text.replace(QString::fromLatin1(replacements[i]), QString::fromLatin1(replacements[i + 1]));
    }
    if (frequencies != 2) {
        text.replace(QRegularExpression(QStringLiteral("^(y\\d) (\\d+) \\d+ $"), QRegularExpression::MultilineOption),
                     QStringLiteral("\\1") + QStringLiteral(" \\2").repeated(frequencies) + QStringLiteral(" "));
    }
    const QString path = dir.filePath(QString::number(qHash(replacements.join('|'))) + QStringLiteral(".mtf"));
    QFile target(path);
    EXPECT_TRUE(target.open(QIODevice::WriteOnly) && target.write(text.toLatin1()) > 0);
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

class FakeUiServices : public UiServices
{
public:
    std::deque<std::optional<QString>> openAnswers; // nullopt or none left: cancel
    std::deque<std::optional<QString>> saveAnswers; // likewise for the save dialog
    std::function<bool(QPrinter&)> printHandler;    // none: cancel
    std::function<int(QDialog&)> modalHandler;      // none: accepted unshown
    std::function<void(const QString&)> helpHandler;

    QStringList messages, openFilters, saveFilters, helpPaths;
    QStringList dialogStarts; // the folder or suggested path each file dialog was given
    int printDialogs = 0;
    QList<QDialog*> modalDialogs;

    static std::optional<QString> next(std::deque<std::optional<QString>>& answers)
    {
        const std::optional<QString> answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    std::optional<QString> openFileName(QWidget*, const QString& filter, const QString& folder) override
    {
        openFilters << filter;
        dialogStarts << folder;
        return next(openAnswers);
    }
    std::optional<QString> saveFileName(QWidget*, const QString& filter, const QString& suggested) override
    {
        saveFilters << filter;
        dialogStarts << suggested;
        return next(saveAnswers);
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

inline int countPixels(const QImage& image, std::initializer_list<QRgb> colours)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += std::ranges::count(colours, image.pixel(x, y));
        }
    }
    return count;
}

struct WindowSnapshot
{
    QImage look;
    LensData lens;
    QString selection;

    bool operator==(const WindowSnapshot&) const = default;
};

struct Window
{
    FakeUiServices ui;
    MainWindow form { ui };
    const MainWindowControls& c = form.controls();

    // nullopt: the dialog is cancelled.
    void load(const std::optional<QString>& path)
    {
        ui.openAnswers.push_back(path);
        c.openButton->click();
    }
    QImage plot() const { return form.plotImage().convertToFormat(QImage::Format_RGB32); }
    std::string messages() const { return ui.messages.join('|').toStdString(); }
    WindowSnapshot snapshot()
    {
        const PlotState& state = form.plotState();
        const CurveSelection& s = state.selection;
        return { form.grab().toImage(), form.lensData(),
                 QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(selectedFrequencies(state))
                     .arg(s.FrequencyIndex)
                     .arg(s.FNumberIndex)
                     .arg(s.ImageHeightIndex)
                     .arg(s.MagnificationIndex)
                     .arg(state.texts.AxisRangeText) };
    }
};
