// Faults a user met: captions cut by their control, Qt's dialogs in
// English, a file with one frequency that drew nothing.
#include "QtTranslations.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTranslator>

namespace {

// The small example with other value lists; every modulation line gets as
// many values as the frequency line names (the first value repeated).
QString lensWith(const QTemporaryDir& dir, const QByteArray& name, const QByteArrayList& replacements, int frequencies)
{
    QFile source(SmallLens);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(source.readAll());
    for (qsizetype i = 0; i + 1 < replacements.size(); i += 2) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(replacements[i]))) << replacements[i].toStdString();
        text.replace(QString::fromLatin1(replacements[i]), QString::fromLatin1(replacements[i + 1]));
    }
    text.replace(QRegularExpression(QStringLiteral("^(y\\d) (\\d+) \\d+ $"), QRegularExpression::MultilineOption),
                 QStringLiteral("\\1") + QStringLiteral(" \\2").repeated(frequencies) + QStringLiteral(" "));
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile target(path);
    EXPECT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(text.toLatin1());
    return path;
}

// The caption's whole advance lies inside the part of the control that the
// style gives to the text: nothing of it is clipped at the right.
template <typename Button> bool captionFits(const Button& button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return room.left() + button.fontMetrics().horizontalAdvance(button.text()) <= room.right() + 1;
}

TEST(AuditFixes, TheLongestCaptionOfEveryPanelShowsWhole)
{
    QTemporaryDir dir;
    const QString path = lensWith(dir, "lang.mtf",
                                  { "k 2.8 5.6", "k 22.00 1.4", "y 0 10 21.6", "y 0 10 21.635", "m 0 -0.1\n",
                                    "m 0 -0.1500\n", "f 10 20", "f 100 120 160", "-550 604.5", "-2599 604.5" },
                                  3);
    Window w;
    w.load(path);
    ASSERT_TRUE(w.ui.messages.isEmpty()) << w.ui.messages.join('|').toStdString();
    QStringList captions;
    for (const QCheckBox* box : w.c.frequencyBoxes) {
        if (!box->isHidden()) {
            captions << box->text();
            EXPECT_TRUE(captionFits(*box, QStyle::SE_CheckBoxContents)) << box->text().toStdString();
        }
    }
    EXPECT_EQ(captions, QStringList({ " 100", " 120", " 160" }));
    for (const QFrame* panel : { w.c.fNumberPanel, w.c.imageHeightPanel, w.c.magnificationPanel }) {
        for (const QRadioButton* button : panel->findChildren<QRadioButton*>()) {
            if (!button->isHidden()) {
                captions << button->text();
                EXPECT_TRUE(captionFits(*button, QStyle::SE_RadioButtonContents)) << button->text().toStdString();
            }
        }
    }
    EXPECT_TRUE(captions.contains("22.00") && captions.contains("21.635") && captions.contains("-0.1500"))
        << captions.join('|').toStdString();
    for (const QLabel* distance : w.c.distanceLabels) {
        if (!distance->isHidden()) {
            EXPECT_LE(distance->geometry().right(), w.c.magnificationPanel->width() - 2)
                << distance->text().toStdString();
        }
    }
}

TEST(AuditFixes, QtsOwnDialogsSpeakGerman)
{
    QTranslator* translator = installGermanQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "qtbase_de.qm is not installed";
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text(), "Öffnen");
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

TEST(AuditFixes, AFileWithOneFrequencyDrawsItAndOtherChecksAreKept)
{
    QTemporaryDir dir;
    const QString one = lensWith(dir, "eine.mtf", { "f 10 20", "f 10" }, 1);
    Window w;
    w.load(one);
    ASSERT_TRUE(w.ui.messages.isEmpty()) << w.ui.messages.join('|').toStdString();
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "10000000");
    const QImage drawn = w.plot();
    w.c.clearButton->click(); // clear: the load had drawn more than the empty frame
    EXPECT_NE(w.plot(), drawn);

    // Box 2 kept its check while hidden; a larger file shows both.
    w.load(FullLens);
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "11000000");
    // Only box 3 checked, then the small file again: box 1 takes the check.
    w.c.frequencyBoxes[2]->click();
    w.c.frequencyBoxes[1]->click();
    w.c.frequencyBoxes[0]->click();
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "00100000");
    w.load(one);
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "10000000");
    w.load(FullLens);
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "10100000");
    // All unchecked by the user: a load checks nothing.
    w.c.frequencyBoxes[0]->click();
    w.c.frequencyBoxes[2]->click();
    w.load(one);
    EXPECT_EQ(selectedFrequencies(w.form.plotState()), "00000000");
    EXPECT_FALSE(w.c.frequencyBoxes[0]->isChecked());
}

} // namespace
