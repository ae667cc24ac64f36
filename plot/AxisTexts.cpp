// SPDX-License-Identifier: MIT
#include "AxisTexts.h"

#include <QCoreApplication>

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
    return makeTexts(QCoreApplication::translate("AxisTexts", "                   Bildhöhe [%]      "), blanks(1));
}

AxisTexts axisTextsFor(Abscissa abscissa)
{
    // Whole texts with their blanks: a translation centres its own words.
    const auto text = [](const char* source) { return QCoreApplication::translate("AxisTexts", source); };
    switch (abscissa) {
    case Abscissa::FNumber:
        return makeTexts(
            QStringLiteral("min <=                     k                    => max"),
            text(QT_TRANSLATE_NOOP("AxisTexts", "                     Blendenzahl                       ")));
    case Abscissa::Frequency:
        return makeTexts(QStringLiteral("min <=                  LP/mm             => max"),
                         text(QT_TRANSLATE_NOOP("AxisTexts", "                     Linienpaare             ")));
    case Abscissa::ImageHeight:
        return makeTexts(QStringLiteral("                              y ' [%]                           "),
                         text(QT_TRANSLATE_NOOP("AxisTexts", "                           Bildhöhe               ")));
    case Abscissa::Magnification:
        return makeTexts(QStringLiteral("min <=                    ß '                   => max"),
                         text(QT_TRANSLATE_NOOP("AxisTexts", "                Abbildungsmaßstab")));
    }
    return initialAxisTexts();
}
