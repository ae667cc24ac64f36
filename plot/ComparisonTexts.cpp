// SPDX-License-Identifier: MIT
#include "ComparisonTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace ComparisonTexts {

QString missing(const MissingValue& value)
{
    const QString text = QString::fromStdString(value.text);
    switch (value.variable) {
    case Abscissa::FNumber:
        return QCoreApplication::translate("ComparisonTexts", "Vergleichsobjektiv: keine Blendenzahl %1").arg(text);
    case Abscissa::Frequency:
        return QCoreApplication::translate("ComparisonTexts", "Vergleichsobjektiv: keine Ortsfrequenz %1 LP/mm")
            .arg(text);
    case Abscissa::ImageHeight:
        return QCoreApplication::translate("ComparisonTexts", "Vergleichsobjektiv: keine Bildhöhe %1 mm").arg(text);
    case Abscissa::Magnification:
        return QCoreApplication::translate("ComparisonTexts", "Vergleichsobjektiv: kein Abbildungsmaßstab %1")
            .arg(text);
    }
    return {};
}

QString lensNames(const QString& lensName, const QString& referenceName)
{
    // The reader keeps the blank a name may end in.
    return QCoreApplication::translate("ComparisonTexts", "%1 / Vergleich: %2")
        .arg(lensName.trimmed(), referenceName.trimmed());
}

void addMissing(std::vector<QString>& list, const MissingValue& value)
{
    const QString text = missing(value);
    if (std::find(list.begin(), list.end(), text) == list.end()) {
        list.push_back(text);
    }
}

} // namespace ComparisonTexts
