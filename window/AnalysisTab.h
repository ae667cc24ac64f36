// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// A page of the analysis window (the large chart, the maps, the figures).
// Each page follows the main window by itself (MainWindow::plotChanged);
// the analysis window asks the page shown for what Ctrl+S and Ctrl+Shift+C
// do.
class AnalysisTab
{
public:
    virtual ~AnalysisTab() = default;

    // The save dialog's filters for what the page shows, the first the
    // default ("PNG-Bild (*.png)" …), and a file name to suggest (no folder).
    virtual QStringList saveFilters() const = 0;
    virtual QString suggestedFileName() const = 0;
    // Writes what the page shows to path, the format by its ending; all or
    // nothing. Throws with a message naming the file when it cannot.
    virtual void saveTo(const QString& path) const = 0;
    // Puts what the page shows on the clipboard (an image, or text).
    virtual void copyToClipboard() const = 0;
};
