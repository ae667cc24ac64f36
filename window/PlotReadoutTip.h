// SPDX-License-Identifier: MIT
#pragma once

#include "PlotReadout.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

#include <optional>

class QWidget;

// The value readout over the plot: a tool tip that follows the mouse and
// shows what readPlotAt finds at the cursor's column. Nothing is drawn into
// the plot. A click gives the plot the focus; then Left and Right step the
// readout from support point to support point and Ctrl+C copies its text.
// Where the readout is empty the plot's own tool tip shows as before.
class PlotReadoutTip final : public QObject
{
    Q_OBJECT

public:
    // Watches view, which shows `plot`; both must outlive this object.
    PlotReadoutTip(QWidget& view, const DrawnPlot& plot);

    // Where the view shows the plot: its top-left corner at origin and
    // `scale` view pixels per logical pixel (a larger chart). The default
    // is the classic plot: (0, 0) and 1.
    void setChartGeometry(QPointF origin, double scale);

    // The column the readout was last taken at (logical pixels), if any.
    std::optional<double> column() const { return m_column; }
    // The readout at that column (empty without one).
    PlotReadout readout() const;
    // Takes the readout at column x (logical pixels of the plot) and shows
    // it at row y of the view.
    void showAt(double x, int y);
    // Moves the readout to the next support point right (direction > 0) or
    // left; from no column yet, to the first or the last one.
    void step(int direction);
    // Puts the readout's text on the clipboard (nothing when it is empty).
    void copyText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_view;
    const DrawnPlot& m_plot;
    std::optional<double> m_column;
    int m_row = 125;
    QPointF m_origin;
    double m_scale = 1.0;
};
