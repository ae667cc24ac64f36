// SPDX-License-Identifier: MIT
#pragma once

#include "UiServices.h"

#include <QPointer>

class HelpViewer;

// The real dialogs: QFileDialog, QMessageBox, QPrintDialog, QDialog::exec
// and one help viewer window that is created on first use and reused.
class QtUiServices final : public UiServices
{
public:
    std::optional<QString> openFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& suggested) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool runPrintDialog(QWidget* parent, QPrinter& printer) override;
    int runModal(QDialog& dialog) override;
    void showHelp(QWidget* parent, const QString& path) override;

private:
    // Owned by the parent passed to the first showHelp call.
    QPointer<HelpViewer> m_helpViewer;
};
