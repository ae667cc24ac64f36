#pragma once

#include "QtPrinters.h"
#include "UiServices.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Answers the window's dialogs from a script and records what the window
// asked for, so that no test ever blocks on a modal window.
class FakeUiServices final : public UiServices
{
public:
    // Answers of the file-open dialog, in order; nullopt = cancel. When the
    // queue is empty the dialog counts as cancelled.
    std::deque<std::optional<QString>> openAnswers;
    bool printDialogAnswer = false;
    // When set, answers the print dialog instead (and may set the printer
    // up, e.g. for PDF output).
    std::function<bool(QPrinter&)> printHandler;
    // How runModal answers; by default the dialog is not shown at all and
    // counts as accepted.
    std::function<int(QDialog&)> modalHandler;
    // Called instead of showing help, e.g. to throw.
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
        return printHandler ? printHandler(printer) : printDialogAnswer;
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
