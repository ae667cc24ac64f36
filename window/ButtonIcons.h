// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The button pictures: 16 x 16 bitmaps kept as XPM resources under
// :/icons/, each with a vector drawing of the same design beside it
// (:/icons/<name>.svg) for screens above ratio 1.
namespace ButtonIcons {

// The picture <name> as an icon: the bitmap wherever the icon is wanted at
// 16 x 16 device pixels or less (a screen at ratio 1), the vector drawing
// at its full size above that. With withDisabledLook the disabled mode
// shows disabledLook() of the picture instead of the style's own greying.
QIcon load(const QString& name, bool withDisabledLook = true);

// The disabled look of a picture: a grey outline of its opaque
// shape with a white shadow to the lower right; everything else
// transparent. Outline and shadow are `unit` pixels thick (1 for the
// 16 x 16 bitmap, more for a larger drawing of it). A pixel counts as
// opaque from half coverage on.
QImage disabledLook(const QImage& picture, int unit = 1);

} // namespace ButtonIcons
