// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTextBrowser;

// A plain window that shows the HTML help document. It is a separate
// top-level window owned by the main window, so it never blocks it and
// closes with it.
class HelpViewer final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* owner);

    // Loads the document, shows it at its contents (the top) and brings
    // the window to the front.
    void showDocument(const QString& path);

    QString currentPath() const;

private:
    QTextBrowser* m_browser;
};
