// SPDX-License-Identifier: MIT
#include "AxisTexts.h"

namespace {

// The texts are laid out with blanks to centre them under and above the
// plot in the proportional face; the counts are part of the texts.
QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

AxisTexts makeTexts(const QString& range, const QString& variable)
{
    AxisTexts texts;
    texts.AxisRangeText = range;
    texts.AxisVariableText = variable;
    return texts;
}

} // namespace

AxisTexts initialAxisTexts()
{
    return makeTexts(blanks(19) + QStringLiteral("Bildhöhe [%]") + blanks(6), blanks(1));
}

AxisTexts axisTextsFor(Abscissa abscissa)
{
    const QString from = QStringLiteral("min <=");
    const QString to = QStringLiteral("=> max");
    switch (abscissa) {
    case Abscissa::FNumber:
        return makeTexts(from + blanks(21) + QStringLiteral("k") + blanks(20) + to,
                         blanks(21) + QStringLiteral("Blendenzahl") + blanks(23));
    case Abscissa::Frequency:
        return makeTexts(from + blanks(18) + QStringLiteral("LP/mm") + blanks(13) + to,
                         blanks(21) + QStringLiteral("Linienpaare") + blanks(13));
    case Abscissa::ImageHeight:
        return makeTexts(blanks(30) + QStringLiteral("y ' [%]") + blanks(27),
                         blanks(27) + QStringLiteral("Bildhöhe") + blanks(15));
    case Abscissa::Magnification:
        return makeTexts(from + blanks(20) + QStringLiteral("ß '") + blanks(19) + to,
                         blanks(16) + QStringLiteral("Abbildungsmaßstab"));
    }
    return initialAxisTexts();
}
