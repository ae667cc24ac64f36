// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The look of the option buttons and check boxes: a 13-pixel indicator
// with the caption right beside it, so that a caption starts about 17 pixels
// after the control's left edge (the toolkit's own style starts it at 22). The controls are narrow (a 35-pixel
// box holds " 100"); with the toolkit's own wider indicator and spacing
// the last character of such a caption would be cut off.
class ValueControlStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    ValueControlStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
