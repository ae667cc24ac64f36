// The keyboard: Ctrl+O, Ctrl+P, F1 and Ctrl+Q click their buttons while
// those are enabled; Tab reaches the buttons and Space presses them.
#include "FakeUiServices.h"
#include "TForm2.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString FullLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf");
const QString HelpDocument = QStringLiteral(LUMIVEX_SOURCE_DIR "/docs/hilfe.html");
const QString NoFile = QStringLiteral("Noch keine Datei gelesen !");

class KeyboardTest : public ::testing::Test
{
protected:
    FakeUiServices ui;
    TForm2 form { ui };
    const MainWindowControls& c = form.controls();

    void SetUp() override
    {
        form.setHelpFileCandidates({ HelpDocument });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void load()
    {
        ui.openAnswers.push_back(FullLens);
        c.SpeedButton1->click();
        ASSERT_TRUE(ui.messages.isEmpty());
    }

    // A key pressed where the user types: the widget with the focus, or the
    // window itself.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    // The names of the widgets Tab visits, in order, over count presses.
    QStringList tabThrough(int count)
    {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            press(Qt::Key_Tab);
            visited << (QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName()
                                                               : QStringLiteral("(none)"));
        }
        return visited;
    }

    // Tabs until button has the focus; false when it never gets it.
    bool tabTo(const QWidget* button)
    {
        for (int i = 0; i < 80 && QApplication::focusWidget() != button; ++i) {
            press(Qt::Key_Tab);
        }
        return QApplication::focusWidget() == button;
    }
};

TEST_F(KeyboardTest, EachKeyRunsItsButtonOnlyWhileTheButtonIsEnabled)
{
    load();
    int printDialogs = 0;
    ui.printHandler = [&printDialogs](QPrinter&) {
        ++printDialogs;
        return false;
    };
    struct Row
    {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QAbstractButton* button;
        std::function<int()> runs; // how often the button's handler ran
    };
    const Row rows[] = {
        { "Ctrl+O", Qt::Key_O, Qt::ControlModifier, c.SpeedButton1, [this] { return int(ui.openFilters.size()); } },
        { "Ctrl+P", Qt::Key_P, Qt::ControlModifier, c.SpeedButton2, [&printDialogs] { return printDialogs; } },
        { "F1", Qt::Key_F1, Qt::NoModifier, c.BitBtn5, [this] { return int(ui.helpPaths.size()); } },
        { "Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, c.BitBtn1, [this] { return form.isVisible() ? 0 : 1; } },
    };
    for (const Row& row : rows) {
        const int before = row.runs();
        row.button->setEnabled(false);
        press(row.key, row.modifiers);
        EXPECT_EQ(row.runs(), before) << row.name << " with its button disabled";
        row.button->setEnabled(true);
        press(row.key, row.modifiers);
        EXPECT_EQ(row.runs(), before + 1) << row.name;
    }
    // Ctrl+O ran the load: the dialog was answered with cancel, so the
    // lens was drawn again; nothing was reported.
    EXPECT_EQ(ui.openFilters.size(), 2);
    EXPECT_EQ(ui.helpPaths, QStringList { HelpDocument });
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

TEST_F(KeyboardTest, CtrlPDoesNothingBeforeALoadAndPrintsAfterOne)
{
    press(Qt::Key_P, Qt::ControlModifier);
    // A click on the enabled print button would have said "no file".
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.printDialogs, 0);

    // Ctrl+O is the way to the file.
    ui.openAnswers.push_back(FullLens);
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(form.lensData().FileLoaded, 1);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(ui.printDialogs, 1);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(KeyboardTest, F1OpensTheHelpAndCtrlQEndsTheProgram)
{
    press(Qt::Key_F1);
    EXPECT_EQ(ui.helpPaths, QStringList { HelpDocument });
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KeyboardTest, TabReachesEveryEnabledButtonButTheOpenButton)
{
    const QStringList start = tabThrough(60);
    for (const char* name : { "BitBtn5", "BitBtn4", "BitBtn1" }) {
        EXPECT_TRUE(start.contains(QString::fromLatin1(name))) << name << " in " << start.join(' ').toStdString();
    }
    // Disabled until a lens is loaded; the instruction text lets Tab go on.
    for (const char* name : { "SpeedButton1", "SpeedButton2", "SpeedButton3", "BitBtn2", "BitBtn3" }) {
        EXPECT_FALSE(start.contains(QString::fromLatin1(name))) << name;
    }

    load();
    const QStringList loaded = tabThrough(80);
    // The tool row in its order, left to right.
    const QStringList row = { "SpeedButton2", "SpeedButton3", "BitBtn2", "BitBtn3", "BitBtn5", "BitBtn4", "BitBtn1" };
    const qsizetype first = loaded.indexOf(row.front());
    ASSERT_GE(first, 0) << loaded.join(' ').toStdString();
    EXPECT_EQ(loaded.mid(first, row.size()), row) << loaded.join(' ').toStdString();
    EXPECT_FALSE(loaded.contains("SpeedButton1"));
}

TEST_F(KeyboardTest, SpacePressesTheButtonWithTheFocus)
{
    load();
    ASSERT_TRUE(tabTo(c.BitBtn4));
    press(Qt::Key_Space);
    EXPECT_EQ(ui.modalDialogs.size(), 1) << "the information box";

    ASSERT_TRUE(tabTo(c.SpeedButton3));
    press(Qt::Key_Space);
    EXPECT_TRUE(c.SpeedButton3->isChecked()) << "single mode";

    ASSERT_TRUE(tabTo(c.BitBtn1));
    press(Qt::Key_Space);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace
