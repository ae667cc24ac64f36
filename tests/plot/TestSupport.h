// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <ostream>

// The colours the plot and the report draw with, and one none of them uses.
inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);
inline const QColor black(0, 0, 0);
inline const QColor white(255, 255, 255);
inline const QColor silver(192, 192, 192);
inline const QColor sentinel(0, 128, 0);

// Readable failure messages: colours as (r, g, b), texts quoted so that
// leading and trailing blanks show.
inline void PrintTo(const QColor& color, std::ostream* os)
{
    *os << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
