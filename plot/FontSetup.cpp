#include "FontSetup.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    const QString liberation = QStringLiteral("Liberation Sans");
    for (const char* face : { "Arial", "MS Sans Serif", "System", "Helvetica" }) {
        QFont::insertSubstitutions(QString::fromLatin1(face), { liberation, QStringLiteral("DejaVu Sans") });
    }
}
