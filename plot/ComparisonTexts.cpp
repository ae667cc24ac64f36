// SPDX-License-Identifier: MIT
#include "ComparisonTexts.h"

namespace ComparisonTexts {

QString missing(const MissingValue& value)
{
    const QString text = QString::fromStdString(value.text);
    switch (value.variable) {
    case Abscissa::FNumber:
        return QStringLiteral("Vergleichsobjektiv: keine Blendenzahl %1").arg(text);
    case Abscissa::Frequency:
        return QStringLiteral("Vergleichsobjektiv: keine Ortsfrequenz %1 LP/mm").arg(text);
    case Abscissa::ImageHeight:
        return QStringLiteral("Vergleichsobjektiv: keine Bildhöhe %1 mm").arg(text);
    case Abscissa::Magnification:
        return QStringLiteral("Vergleichsobjektiv: kein Abbildungsmaßstab %1").arg(text);
    }
    return {};
}

QString lensNames(const QString& lensName, const QString& referenceName)
{
    // The reader keeps the blank a name may end in.
    return QStringLiteral("%1 / Vergleich: %2").arg(lensName.trimmed(), referenceName.trimmed());
}

} // namespace ComparisonTexts
