// SPDX-License-Identifier: MIT
#include "PlotReadoutTip.h"

#include "PlotGeometry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

PlotReadoutTip::PlotReadoutTip(QWidget& view, const DrawnPlot& plot)
    : QObject(&view)
    , m_view(view)
    , m_plot(plot)
{
    view.setMouseTracking(true);
    // A click or Tab: from the keyboard, ← and → step the readout.
    view.setFocusPolicy(Qt::StrongFocus);
    view.installEventFilter(this);
}

void PlotReadoutTip::setChartGeometry(QPointF origin, double scale)
{
    m_origin = origin;
    m_scale = scale;
}

PlotReadout PlotReadoutTip::readout() const
{
    return m_column ? readPlotAt(m_plot, *m_column) : PlotReadout {};
}

void PlotReadoutTip::showAt(double x, int y)
{
    m_column = x;
    m_row = y;
    const PlotReadout now = readPlotAt(m_plot, x);
    if (now.empty()) {
        QToolTip::hideText();
        return;
    }
    // Just right of and below the cursor, as tool tips sit.
    const QPoint at = m_view.mapToGlobal(QPoint(static_cast<int>(m_origin.x() + x * m_scale), y));
    QToolTip::showText(at, now.text(), &m_view);
}

void PlotReadoutTip::step(int direction)
{
    const double from = m_column.value_or(direction > 0 ? -1.0 : PlotGeometry::ImageSize + 1.0);
    if (const std::optional<int> next = neighbourNodeColumn(m_plot, from, direction)) {
        showAt(*next, m_row);
    }
}

void PlotReadoutTip::copyText() const
{
    const PlotReadout now = readout();
    if (!now.empty()) {
        QGuiApplication::clipboard()->setText(now.text());
    }
}

bool PlotReadoutTip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_view) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        showAt((at.x() - m_origin.x()) / m_scale, static_cast<int>(at.y()));
        return false;
    }
    case QEvent::ToolTip:
        // The readout takes the place of the plot's own tip where it has
        // something to say.
        return !readPlotAt(m_plot, (static_cast<QHelpEvent*>(event)->pos().x() - m_origin.x()) / m_scale).empty();
    case QEvent::Leave:
        QToolTip::hideText();
        return false;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Left) {
            step(key->key() == Qt::Key_Right ? 1 : -1);
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copyText();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
