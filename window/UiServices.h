// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Everything that blocks on the user or leaves the window: the file-open
// dialog, message boxes, the print dialog, modal boxes and the help viewer.
// The window reaches them only through this interface, so tests can answer
// the dialogs and collect the messages without ever opening a modal window.
class UiServices
{
public:
    virtual ~UiServices() = default;

    // Runs the file-open dialog with a filter given as
    // "Description|*.pattern" pairs separated by '|', starting in folder
    // (empty: the dialog's own choice); nullopt when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter,
                                                const QString& folder = QString())
        = 0;

    // Runs the file-save dialog with filters in the same form, offering
    // the suggested name (a path: in its folder); a name chosen without an
    // extension gets the one of the chosen filter. nullopt when the user
    // cancelled.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                                const QString& suggested = QString())
        = 0;

    // A modal message box with one text and an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    // Runs the print dialog on the printer; true when the user confirmed.
    virtual bool runPrintDialog(QWidget* parent, QPrinter& printer) = 0;

    // Shows a dialog modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;

    // Shows an existing help document in a viewer that does not block the
    // window; returns at once.
    virtual void showHelp(QWidget* parent, const QString& path) = 0;
};
