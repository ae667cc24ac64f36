// SPDX-License-Identifier: MIT
#pragma once

#include "RecordingCanvas.h"

#include <QColor>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);
inline const QColor black(0, 0, 0);
inline const QColor white(255, 255, 255);
inline const QColor silver(192, 192, 192);
inline const QColor sentinel(0, 128, 0);

// Failure messages: colours as (r, g, b), texts quoted to show the blanks.
inline void PrintTo(const QColor& color, std::ostream* os)
{
    *os << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Every text drawn, in Arial, as "x y height angle|text" with a "c" after
// a character cell's height; compared with the expected lines in any order.
inline void expectTexts(const RecordingCanvas& canvas, std::vector<QString> expected)
{
    std::vector<QString> found;
    for (const CanvasOp& op : canvas.texts()) {
        EXPECT_EQ(op.font.family, QStringLiteral("Arial"));
        found.push_back(QStringLiteral("%1 %2 %3%4 %5|%6")
                            .arg(op.from.x())
                            .arg(op.from.y())
                            .arg(op.font.height)
                            .arg(op.font.cellHeight ? "c" : "")
                            .arg(op.angle)
                            .arg(op.text));
    }
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}
