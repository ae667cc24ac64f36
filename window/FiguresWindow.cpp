// SPDX-License-Identifier: MIT
#include "FiguresWindow.h"

#include "FiguresPanel.h"

#include <QVBoxLayout>

FiguresWindow::FiguresWindow(MainWindow& window, UiServices& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_panel(new FiguresPanel(window, ui, this))
{
    setWindowTitle(tr("Kennzahlen"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_panel);
    resize(640, 560);
}
