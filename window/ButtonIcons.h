#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The 16 x 16 button pictures, kept as XPM resources under :/icons/.
namespace ButtonIcons {

// The picture ":/icons/<name>.xpm" as an icon. With withDisabledLook the
// icon's disabled mode shows disabledLook() of the picture instead of the
// style's own greying.
QIcon load(const QString& name, bool withDisabledLook = true);

// The classic disabled look of a picture: a grey outline of its opaque
// shape with a white shadow one pixel to the lower right; everything else
// transparent.
QImage disabledLook(const QImage& picture);

} // namespace ButtonIcons
