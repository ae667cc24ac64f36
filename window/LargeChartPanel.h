// SPDX-License-Identifier: MIT
#pragma once

#include "AnalysisTab.h"

#include <QImage>
#include <QRect>
#include <QWidget>

class MainWindow;
class PlotReadoutTip;

// The "Diagramm" page: the main window's chart as it stands (every draw
// since the last clear, the reference lens) drawn square as large as the
// page is, through the smooth path (frame, texts and markers scaled, the
// curves from their real coordinates). It follows every redraw, clear and
// selection change of the main window, and is drawn anew only when it is
// shown. The value readout works as over the main plot, at this chart's
// scale.
class LargeChartPanel final : public QWidget, public AnalysisTab
{
    Q_OBJECT

public:
    // main must outlive the page.
    explicit LargeChartPanel(MainWindow& main, QWidget* parent = nullptr);

    // The square the chart takes in the page (centred), and the chart as it
    // is shown there, in device pixels (drawn first where it is out of date).
    QRect chartRect() const;
    const QImage& chartImage() const;
    PlotReadoutTip& readoutTip() const { return *m_readoutTip; }

    // AnalysisTab
    QStringList saveFilters() const override;
    QString suggestedFileName() const override;
    // PNG: the chart as shown; SVG and CSV: as the main window saves them.
    void saveTo(const QString& path) const override;
    void copyToClipboard() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainWindow& m_main;
    PlotReadoutTip* m_readoutTip = nullptr; // owned by this page (Qt parent)
    mutable QImage m_image;
    mutable bool m_outOfDate = true;
};
