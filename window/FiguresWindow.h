// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class FiguresPanel;
class MainWindow;
class UiServices;

// A small non-modal window that holds the figures of the main window's
// lens ("Kennzahlen"); it stays open beside the main window and follows it.
class FiguresWindow final : public QWidget
{
    Q_OBJECT

public:
    FiguresWindow(MainWindow& window, UiServices& ui, QWidget* parent = nullptr);

    FiguresPanel& panel() const { return *m_panel; }

private:
    FiguresPanel* m_panel = nullptr; // owned (Qt parent)
};
