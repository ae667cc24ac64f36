// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class PlotImage;

// Shows the plot, which the window owns and draws into; the owner calls
// update() after drawing. The plot covers 250 x 250 logical pixels at any
// device pixel ratio.
//
// While it follows the screen (the default), the plot is redrawn at the
// device pixel ratio of the screen the view is painted on, before it is
// shown: on a HiDPI screen it stays sharp, and moving the window to a
// screen of another ratio redraws it there.
class ImageView final : public QWidget
{
    Q_OBJECT

public:
    // plot must outlive the view.
    ImageView(PlotImage& plot, QWidget* parent);

    // False keeps the plot's ratio as it is set (tests force a ratio).
    void setFollowScreen(bool follow) { m_followScreen = follow; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotImage& m_plot;
    bool m_followScreen = true;
};
