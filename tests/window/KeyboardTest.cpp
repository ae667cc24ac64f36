// The keyboard: Ctrl+O, Ctrl+P, F1 and Ctrl+Q click their buttons while
// those are enabled; Tab reaches the buttons and Space presses them.
#include "WindowTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

class KeyboardTest : public ::testing::Test
{
protected:
    Window w;

    void SetUp() override
    {
        w.form.setHelpFileCandidates({ HelpDocument });
        w.form.show();
        w.form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    }

    // A key pressed where the user types: the widget with the focus, or the
    // window itself.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &w.form, key, modifiers);
    }

    // The names of the widgets Tab visits over count presses.
    QStringList tabThrough(int count)
    {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            press(Qt::Key_Tab);
            visited << (QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : "-");
        }
        return visited;
    }

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
    w.load(FullLens);
    ASSERT_TRUE(w.ui.messages.isEmpty());
    struct Row
    {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QAbstractButton* button;
        std::function<int()> runs; // how often the button's handler ran
    };
    const Row rows[] = {
        { "Ctrl+O", Qt::Key_O, Qt::ControlModifier, w.c.openButton, [this] { return int(w.ui.openFilters.size()); } },
        { "Ctrl+P", Qt::Key_P, Qt::ControlModifier, w.c.printButton, [this] { return w.ui.printDialogs; } },
        { "F1", Qt::Key_F1, Qt::NoModifier, w.c.helpButton, [this] { return int(w.ui.helpPaths.size()); } },
        { "Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, w.c.exitButton, [this] { return w.form.isVisible() ? 0 : 1; } },
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
    EXPECT_EQ(w.ui.helpPaths, QStringList { HelpDocument });
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.ui.messages.join('|').toStdString();
}

TEST_F(KeyboardTest, TabReachesTheEnabledButtonsInRowOrderAndSpacePressesThem)
{
    const QStringList start = tabThrough(60);
    for (const char* name : { "BitBtn5", "BitBtn4", "BitBtn1" }) {
        EXPECT_TRUE(start.contains(name)) << name << " in " << start.join(' ').toStdString();
    }
    // Disabled until a lens is loaded; the instruction text lets Tab go on.
    for (const char* name : { "SpeedButton1", "SpeedButton2", "SpeedButton3", "BitBtn2", "BitBtn3" }) {
        EXPECT_FALSE(start.contains(name)) << name;
    }

    w.load(FullLens);
    const QStringList loaded = tabThrough(80);
    const QStringList row = { "SpeedButton2", "SpeedButton3", "BitBtn2", "BitBtn3", "BitBtn5", "BitBtn4", "BitBtn1" };
    const qsizetype first = loaded.indexOf(row.front());
    ASSERT_GE(first, 0) << loaded.join(' ').toStdString();
    EXPECT_EQ(loaded.mid(first, row.size()), row) << loaded.join(' ').toStdString();
    EXPECT_FALSE(loaded.contains("SpeedButton1")) << "Ctrl+O is its key";

    ASSERT_TRUE(tabTo(w.c.infoButton));
    press(Qt::Key_Space);
    EXPECT_EQ(w.ui.modalDialogs.size(), 1) << "the information box";
    ASSERT_TRUE(tabTo(w.c.singleModeButton));
    press(Qt::Key_Space);
    EXPECT_TRUE(w.c.singleModeButton->isChecked()) << "single mode";
    ASSERT_TRUE(tabTo(w.c.exitButton));
    press(Qt::Key_Space);
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_TRUE(w.ui.messages.isEmpty());
}

} // namespace
