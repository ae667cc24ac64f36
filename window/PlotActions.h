// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QMenu;
class QWidget;

// The plot's context menu and its entries, which are also the window's
// shortcuts: "Diagramm speichern unter …" (Ctrl+S), "Diagramm kopieren"
// (Ctrl+Shift+C) and "Werte kopieren"; then "Vergleichsobjektiv laden …"
// and "Vergleich entfernen"; then "Analyse …" (Ctrl+M), which opens the
// analysis window. Each is enabled only while a lens file is
// loaded, the last only while a reference lens is loaded as well. The window
// owns them (Qt parent) and connects them.
struct PlotActions
{
    QAction* save = nullptr;
    QAction* copyChart = nullptr;
    QAction* copyValues = nullptr;
    QAction* loadReference = nullptr;
    QAction* removeReference = nullptr;
    // "Kennzahlen …" (Ctrl+K): opens the figures window.
    QAction* figures = nullptr;
    // "Analyse …" (Ctrl+M): opens the analysis window.
    QAction* analysis = nullptr;
    QMenu* menu = nullptr; // the entries

    // Creates the entries (disabled) on window, whose shortcuts they become,
    // and opens the menu where plot asks for a context menu.
    static PlotActions create(QWidget& window, QWidget& plot);

    void setFileLoaded(bool loaded) const;
    void setReferenceLoaded(bool loaded) const;
};
