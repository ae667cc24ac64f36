// SPDX-License-Identifier: MIT
#include "Language.h"
#include "ImageView.h"
#include "Translation.h"
#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

struct WindowIn
{
    explicit WindowIn(Language language)
        : translator(installTranslations(*QCoreApplication::instance(), language))
        , form(ui, language)
    {
    }
    std::unique_ptr<QTranslator> translator;
    FakeUiServices ui;
    MainWindow form;
    const MainWindowControls& c = form.controls();
};

TEST(WindowLanguage, CaptionsHintsAndTheHelpDocumentFollowTheLanguage)
{
    const std::tuple<Language, const char*, const char*, const char*> cases[] = {
        { Language::English, "Modulation over:", "Print the result", "/docs/help.html" },
        { Language::German, "Modulation darstellen über :", "Ergebnis ausdrucken", "/docs/hilfe.html" },
    };
    for (const auto& [language, abscissaCaption, printHint, help] : cases) {
        WindowIn w(language);
        EXPECT_EQ(w.c.abscissaCaption->text(), abscissaCaption);
        EXPECT_EQ(w.c.printButton->toolTip(), printHint);
        w.c.helpButton->click();
        EXPECT_TRUE(w.ui.helpPaths.value(0).endsWith(QLatin1String(help))) << w.ui.helpPaths.join('|').toStdString();
    }
}

TEST(WindowLanguage, EnglishMessagesReaderErrorsAndTheDistanceOfInfinity)
{
    QTemporaryDir dir;
    WindowIn w(Language::English);
    w.c.drawButton->setEnabled(true);
    w.c.drawButton->click();
    w.ui.openAnswers.push_back(copyOfSmallLens(dir, { "[ABB]", "[ABC]" }));
    w.c.openButton->click();
    w.ui.openAnswers.push_back(SmallLens);
    w.c.openButton->click();
    ASSERT_EQ(w.ui.messages.size(), 2) << w.ui.messages.join('|').toStdString();
    EXPECT_EQ(w.ui.messages[0], "No file loaded yet!");
    EXPECT_TRUE(w.ui.messages[1].startsWith("Line ")) << w.ui.messages[1].toStdString();
    EXPECT_EQ(w.ui.openFilters.value(0), "MTF file|*.mtf");
    EXPECT_EQ(w.c.distanceLabels[0]->text(), "infinity");
    EXPECT_EQ(w.c.plotView->accessibleDescription(),
              "Lens Testlinse 2.8/50; modulation over: Image height; spatial frequencies 20 LP/mm");
}

TEST(WindowLanguage, EveryTextFitsItsControlAndEveryControlHasAnAccessibleName)
{
    for (const Language language : { Language::German, Language::English }) {
        WindowIn w(language);
        w.ui.openAnswers.push_back(FullLens);
        w.c.openButton->click();
        for (QWidget* control : w.form.findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->parentWidget() == nullptr
                || control->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            const std::string name = control->objectName().toStdString();
            EXPECT_FALSE(control->accessibleName().trimmed().isEmpty()) << name;
            if (!control->toolTip().isEmpty() && control != w.c.plotView) {
                EXPECT_EQ(control->accessibleDescription(), control->toolTip()) << name;
            }
            if (const auto* label = qobject_cast<QLabel*>(control); label && label->isVisibleTo(&w.form)) {
                const int right = label->x() + label->fontMetrics().horizontalAdvance(label->text());
                EXPECT_LE(right, label->parentWidget()->width() - 2) << name;
            }
        }
        for (const QString& line : w.c.instructionText->toPlainText().split('\n')) {
            EXPECT_LE(w.c.instructionText->fontMetrics().horizontalAdvance(line), w.c.instructionText->width() - 8)
                << line.toStdString();
        }
    }
}

TEST(WindowLanguage, TabWalksTheToolRowThePanelsFromLeftToRightAndReachesThePlot)
{
    WindowIn w(Language::German);
    QStringList order;
    for (QWidget* at = w.c.printButton; order.size() < 80 && !order.contains(at->objectName());
         at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus && !at->objectName().isEmpty()) {
            order << at->objectName();
        }
    }
    int last = -1;
    for (const char* name :
         { "BitBtn1", "RadioButton6", "RadioButton9", "RadioButton1", "RadioButton22", "CheckBox1", "CheckBox8",
           "RadioButton11", "RadioButton26", "RadioButton16", "RadioButton27", "Image2" }) {
        EXPECT_GT(order.indexOf(QString::fromLatin1(name)), last) << name << ": " << order.join(' ').toStdString();
        last = order.indexOf(QString::fromLatin1(name));
    }
    // Tab leaves the instruction text as well instead of staying in it.
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    w.c.instructionText->setFocus();
    QTest::keyClick(w.c.instructionText, Qt::Key_Tab);
    EXPECT_FALSE(w.c.instructionText->hasFocus());
}

} // namespace
