// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class AnalysisTab;
class MainWindow;
class QTabWidget;
class UiServices;

// The analysis window: one non-modal, resizable window beside the main
// window with a page per way of looking at the lens ("Diagramm" …), each
// following the main window by itself. Ctrl+S saves what the page shown
// shows (the save dialog through the dialog seam, then the page writes
// the file), Ctrl+Shift+C copies it; Ctrl+Tab and Ctrl+Shift+Tab change the
// page. Its size and the page shown are remembered between runs
// (QSettings, "Lumivex-Projekt" / "Lumivex"). Errors of a save are shown in
// a message box; none leaves a slot.
class AnalysisWindow final : public QWidget
{
    Q_OBJECT

public:
    // A window of its own, closed with main; main and ui must outlive it.
    AnalysisWindow(MainWindow& main, UiServices& ui);
    ~AnalysisWindow() override;

    QTabWidget& tabs() const { return *m_tabs; }
    // The page shown.
    AnalysisTab& currentPage() const;
    // Shows the window in front, at the page named page (its objectName)
    // when there is one, else at the page shown last.
    void open(const QString& page = QString());

    // What Ctrl+S and Ctrl+Shift+C do.
    void saveCurrentPage();
    void copyCurrentPage();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // One page: a widget that is also an AnalysisTab, its objectName the key
    // the window remembers it by.
    template <typename Page> void addPage(Page* page, const QString& title) { addPage(page, *page, title); }
    void addPage(QWidget* widget, AnalysisTab& page, const QString& title);
    // The page whose objectName is name becomes the one shown, if there is one.
    void showPage(const QString& name);
    void remember() const;

    MainWindow& m_main;
    UiServices& m_ui;
    QTabWidget* m_tabs = nullptr;
    std::vector<AnalysisTab*> m_pages; // in tab order
};
