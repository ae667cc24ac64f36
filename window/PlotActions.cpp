// SPDX-License-Identifier: MIT
#include "PlotActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

PlotActions PlotActions::create(QWidget& window, QWidget& plot)
{
    PlotActions actions;
    const auto make = [&window](const QString& text, const QKeySequence& key) {
        auto* action = new QAction(text, &window);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        window.addAction(action); // the shortcut works wherever the focus is
        return action;
    };
    actions.save = make(QCoreApplication::translate("PlotActions", "Diagramm speichern unter …"),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.copyChart = make(QCoreApplication::translate("PlotActions", "Diagramm kopieren"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    actions.copyValues = make(QCoreApplication::translate("PlotActions", "Werte kopieren"), QKeySequence());
    actions.loadReference
        = make(QCoreApplication::translate("PlotActions", "Vergleichsobjektiv laden …"), QKeySequence());
    actions.removeReference = make(QCoreApplication::translate("PlotActions", "Vergleich entfernen"), QKeySequence());
    actions.analysis
        = make(QCoreApplication::translate("PlotActions", "Analyse …"), QKeySequence(Qt::CTRL | Qt::Key_M));

    actions.menu = new QMenu(&window);
    actions.menu->addAction(actions.save);
    actions.menu->addAction(actions.copyChart);
    actions.menu->addAction(actions.copyValues);
    actions.menu->addSeparator();
    actions.menu->addAction(actions.loadReference);
    actions.menu->addAction(actions.removeReference);
    actions.figures
        = make(QCoreApplication::translate("PlotActions", "Kennzahlen …"), QKeySequence(Qt::CTRL | Qt::Key_K));
    actions.menu->addSeparator();
    actions.menu->addAction(actions.figures);
    actions.menu->addAction(actions.analysis);

    plot.setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = actions.menu;
    QObject::connect(&plot, &QWidget::customContextMenuRequested, menu,
                     [menu, &plot](const QPoint& at) { menu->popup(plot.mapToGlobal(at)); });
    return actions;
}

void PlotActions::setFileLoaded(bool loaded) const
{
    for (QAction* action : { save, copyChart, copyValues, loadReference, figures, analysis }) {
        action->setEnabled(loaded);
    }
}

void PlotActions::setReferenceLoaded(bool loaded) const
{
    removeReference->setEnabled(loaded);
}
