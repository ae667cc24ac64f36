#pragma once

#include <QColor>

#include <ostream>

// Lets GoogleTest print colours in failure messages as (r, g, b).
inline void PrintTo(const QColor& color, std::ostream* os)
{
    *os << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
