#include "AxisTexts.h"

#include <gtest/gtest.h>

namespace {

// Counts the texts as "blanks, word, blanks" so a lost or extra blank shows
// as a wrong number instead of an unreadable string diff.
struct Shape
{
    QString head;
    int leading = 0;
    QString word;
    int trailing = 0;
    QString tail;
};

Shape shapeOf(const QString& text, const QString& head, const QString& tail)
{
    Shape s;
    QString rest = text;
    if (!head.isEmpty() && rest.startsWith(head)) {
        s.head = head;
        rest.remove(0, head.size());
    }
    if (!tail.isEmpty() && rest.endsWith(tail)) {
        s.tail = tail;
        rest.chop(tail.size());
    }
    while (rest.startsWith(QLatin1Char(' '))) {
        ++s.leading;
        rest.remove(0, 1);
    }
    while (rest.endsWith(QLatin1Char(' '))) {
        ++s.trailing;
        rest.chop(1);
    }
    s.word = rest;
    return s;
}

struct TextCase
{
    Abscissa abscissa;
    const char* rangeWord;
    int rangeLeading;
    int rangeTrailing;
    bool rangeHasMinMax;
    int rangeLength;
    const char* variableWord;
    int variableLeading;
    int variableTrailing;
};

class AxisTextsTable : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(AxisTextsTable, TextsHaveTheirBlanks)
{
    const TextCase& c = GetParam();
    const AxisTexts texts = axisTextsFor(c.abscissa);
    const QString from = c.rangeHasMinMax ? QStringLiteral("min <=") : QString();
    const QString to = c.rangeHasMinMax ? QStringLiteral("=> max") : QString();
    const Shape range = shapeOf(texts.AxisRangeText, from, to);
    EXPECT_EQ(range.head, from);
    EXPECT_EQ(range.tail, to);
    EXPECT_EQ(range.word, QString::fromUtf8(c.rangeWord));
    EXPECT_EQ(range.leading, c.rangeLeading);
    EXPECT_EQ(range.trailing, c.rangeTrailing);
    EXPECT_EQ(texts.AxisRangeText.size(), c.rangeLength);

    const Shape variable = shapeOf(texts.AxisVariableText, {}, {});
    EXPECT_EQ(variable.word, QString::fromUtf8(c.variableWord));
    EXPECT_EQ(variable.leading, c.variableLeading);
    EXPECT_EQ(variable.trailing, c.variableTrailing);
    EXPECT_EQ(texts.AxisTitleY, QStringLiteral("Modulation [%]"));
}

INSTANTIATE_TEST_SUITE_P(
    AllAbscissae, AxisTextsTable,
    ::testing::Values(TextCase { Abscissa::FNumber, "k", 21, 20, true, 54, "Blendenzahl", 21, 23 },
                      TextCase { Abscissa::Frequency, "LP/mm", 18, 13, true, 48, "Linienpaare", 21, 13 },
                      TextCase { Abscissa::ImageHeight, "y ' [%]", 30, 27, false, 64, "Bildhöhe", 27, 15 },
                      TextCase { Abscissa::Magnification, "ß '", 20, 19, true, 54, "Abbildungsmaßstab", 16, 0 }));

TEST(AxisTexts, StartTextsNameTheImageHeightInPercent)
{
    const AxisTexts texts = initialAxisTexts();
    EXPECT_EQ(texts.AxisRangeText, QStringLiteral("                   Bildhöhe [%]      "));
    const Shape range = shapeOf(texts.AxisRangeText, {}, {});
    EXPECT_EQ(range.leading, 19);
    EXPECT_EQ(range.trailing, 6);
    EXPECT_EQ(texts.AxisVariableText, QStringLiteral(" "));
}

TEST(AxisTexts, UmlautsAreSingleCharacters)
{
    // "Bildhöhe" must hold one ö, not the two bytes of its UTF-8 form.
    EXPECT_EQ(axisTextsFor(Abscissa::ImageHeight).AxisVariableText.size(), 27 + 8 + 15);
    EXPECT_TRUE(axisTextsFor(Abscissa::Magnification).AxisVariableText.contains(QChar(0x00DF)));
}

} // namespace
