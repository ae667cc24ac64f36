// The main window right after start: every control of the layout with its
// position, caption, hint and initial state, and what FormCreate sets up.
#include "FakeUiServices.h"
#include "ImageCanvas.h"
#include "ImageView.h"
#include "MainWindowLayout.h"
#include "PlotFrame.h"
#include "TForm2.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    FakeUiServices ui;
    TForm2 form { ui };

    template <typename T = QWidget> T* control(const char* name) const
    {
        auto* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

// Position relative to the parent (window or panel) and size.
struct GeometryRow
{
    const char* name;
    QRect geometry;
};

TEST_F(MainWindowTest, WindowHasFixedClientAreaAndTitle)
{
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), "Lumivex");
    EXPECT_EQ(form.size(), QSize(660, 385));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().pixelSize(), 13);
}

TEST_F(MainWindowTest, ControlsSitAtTheirLayoutGeometry)
{
    const GeometryRow rows[] = {
        { "SpeedButton1", { 16, 16, 25, 25 } },  { "SpeedButton2", { 40, 16, 25, 25 } },
        { "SpeedButton3", { 88, 16, 25, 25 } },  { "BitBtn2", { 120, 16, 25, 25 } },
        { "BitBtn3", { 144, 16, 25, 25 } },      { "BitBtn5", { 192, 16, 25, 25 } },
        { "BitBtn4", { 216, 16, 25, 25 } },      { "BitBtn1", { 248, 16, 25, 25 } },
        { "Bevel1", { 16, 56, 257, 1 } },        { "Image2", { 20, 66, 250, 250 } },
        { "Memo1", { 400, 144, 161, 81 } },      { "Panel5", { 296, 8, 345, 73 } },
        { "RadioButton6", { 25, 48, 15, 17 } },  { "RadioButton7", { 83, 48, 15, 17 } },
        { "RadioButton8", { 150, 48, 15, 17 } }, { "RadioButton9", { 225, 48, 15, 17 } },
        { "Panel1", { 296, 88, 60, 233 } },      { "RadioButton1", { 8, 16, 45, 17 } },
        { "RadioButton2", { 8, 40, 45, 18 } },   { "RadioButton5", { 8, 112, 45, 17 } },
        { "RadioButton22", { 8, 184, 45, 17 } }, { "Panel2", { 362, 88, 55, 233 } },
        { "CheckBox1", { 6, 16, 35, 17 } },      { "CheckBox8", { 6, 184, 35, 17 } },
        { "Panel3", { 426, 88, 70, 233 } },      { "RadioButton11", { 8, 16, 55, 17 } },
        { "RadioButton26", { 8, 136, 55, 17 } }, { "Panel4", { 503, 88, 138, 233 } },
        { "RadioButton16", { 8, 16, 60, 17 } },  { "RadioButton27", { 8, 208, 60, 17 } },
        { "Panel7", { 16, 328, 625, 41 } },
    };
    for (const auto& row : rows) {
        if (auto* widget = control(row.name)) {
            EXPECT_EQ(widget->geometry(), row.geometry) << row.name;
        }
    }
}

TEST_F(MainWindowTest, LabelsSitAtTheirLayoutPositionAndFitTheirCaption)
{
    struct Row
    {
        const char* name;
        const char* parent;
        QPoint position;
    };
    const Row rows[] = {
        { "Label6", "Panel5", { 55, 8 } },    { "Label1", "Panel5", { 27, 32 } },
        { "Label2", "Panel5", { 70, 32 } },   { "Label3", "Panel5", { 152, 32 } },
        { "Label4", "Panel5", { 227, 32 } },  { "Label19", "Panel5", { 248, 32 } },
        { "Label9", "Panel4", { 80, 17 } },   { "Label10", "Panel4", { 80, 40 } },
        { "Label13", "Panel4", { 80, 112 } }, { "Label15", "Panel4", { 80, 136 } },
        { "Label18", "Panel4", { 80, 208 } }, { "Label5", "Panel7", { 16, 12 } },
        { "Label14", "Panel7", { 72, 12 } },  { "Label7", "Panel7", { 284, 8 } },
        { "Label8", "Panel7", { 284, 24 } },
    };
    for (const auto& row : rows) {
        auto* label = control<QLabel>(row.name);
        if (label == nullptr) {
            continue;
        }
        EXPECT_EQ(label->parentWidget()->objectName(), row.parent) << row.name;
        EXPECT_EQ(label->pos(), row.position) << row.name;
        // Auto-sized: the whole caption is visible and the label stays
        // inside its panel.
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << row.name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << row.name;
    }
}

TEST_F(MainWindowTest, CaptionsAndHintsAreTheLayoutTexts)
{
    struct Row
    {
        const char* name;
        const char* caption; // nullptr: no caption to check
        const char* hint;
    };
    const Row rows[] = {
        { "SpeedButton1", nullptr, "MTF-Datei wählen" },
        { "SpeedButton2", nullptr, "Ergebnis ausdrucken" },
        { "SpeedButton3", nullptr, "gedrückt Einzelgrafik, sonst Überlagerung" },
        { "BitBtn2", nullptr, "Ergebnis zur aktuellen Schaltereinstellung" },
        { "BitBtn3", nullptr, "Grafik löschen" },
        { "BitBtn5", nullptr, "mehr über MTF" },
        { "BitBtn4", nullptr, "Info" },
        { "BitBtn1", nullptr, "Programmende" },
        { "Image2", nullptr, "graf. Ergebnis" },
        { "Memo1", nullptr, "" },
        { "Panel5", nullptr, "" },
        { "Label6", "Modulation darstellen über :", "" },
        { "Label1", " k", "Blendenzahl" },
        { "Label2", "LP / mm", "Ortsfrequenz" },
        { "Label3", "y '", "Bildort" },
        { "Label4", "ß '", "Abbildungsmaßstab" },
        { "Label19", "<   >    OO ' [ mm]", "Abbildungsstrecke" },
        { "RadioButton6", "", "Blende" },
        { "RadioButton7", "RadioButton7", "Ortsfrequenz" },
        { "RadioButton8", "RadioButton8", "Bildhöhe" },
        { "RadioButton9", "RadioButton9", "Abbildungsmaßstab" },
        { "Panel1", nullptr, "Blende" },
        { "Panel2", nullptr, "Ortsfrequenz" },
        { "Panel3", nullptr, "Bildhöhe" },
        { "Panel4", nullptr, "Abbildungsmaßstab / -strecke " },
        { "RadioButton1", "1", "" },
        { "RadioButton10", "6", "" },
        { "RadioButton22", "8", "" },
        { "CheckBox1", "1", "" },
        { "CheckBox8", "8", "" },
        { "RadioButton11", "1", "" },
        { "RadioButton26", "6", "" },
        { "RadioButton16", "1", "" },
        { "RadioButton23", "6", "" },
        { "RadioButton27", "9", "" },
        { "Label9", "1", "" },
        { "Label15", "6", "" },
        { "Label18", "9", "" },
        { "Panel7", nullptr, "" },
        { "Label5", "Objektiv : ", "" },
        { "Label14", "", "" },
        { "Label7", " Wellenlängen [nm]   : ", "" },
        { "Label8", " Rel. Gewichtungen :  ", "" },
    };
    for (const auto& row : rows) {
        QWidget* widget = control(row.name);
        if (widget == nullptr) {
            continue;
        }
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.hint)) << row.name;
        if (row.caption == nullptr) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(row.caption)) << row.name;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << row.name;
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(row.caption)) << row.name;
        } else {
            ADD_FAILURE() << row.name << " has no caption";
        }
    }
}

TEST_F(MainWindowTest, InstructionTextHasItsFiveLines)
{
    const QStringList lines = control<QPlainTextEdit>("Memo1")->toPlainText().split(QLatin1Char('\n'));
    const QStringList expected {
        "",
        "     Bitte MTF-Datei des ",
        QStringLiteral("     gewünschten Objektivs"),
        QStringLiteral("     auswählen (1.Button)"),
        "  ",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(control<QPlainTextEdit>("Memo1")->isReadOnly());
}

TEST_F(MainWindowTest, InitialVisibleEnabledAndCheckedStates)
{
    struct Row
    {
        const char* name;
        bool visible;
        bool enabled;
        int checked; // -1: not checkable
    };
    const Row rows[] = {
        { "SpeedButton1", true, true, -1 },   { "SpeedButton2", true, false, -1 },
        { "SpeedButton3", true, false, 0 },   { "BitBtn1", true, true, -1 },
        { "BitBtn2", true, false, -1 },       { "BitBtn3", true, false, -1 },
        { "BitBtn4", true, true, -1 },        { "BitBtn5", true, true, -1 },
        { "Memo1", true, true, -1 },          { "Image2", true, true, -1 },
        { "Panel5", true, true, -1 },         { "RadioButton6", true, true, 0 },
        { "RadioButton7", true, true, 0 },    { "RadioButton8", true, true, 1 },
        { "RadioButton9", true, true, 0 },    { "Panel1", false, true, -1 },
        { "Panel2", false, true, -1 },        { "Panel3", false, true, -1 },
        { "Panel4", false, true, -1 },        { "RadioButton1", false, true, 1 },
        { "RadioButton2", false, true, 0 },   { "RadioButton22", false, true, 0 },
        { "CheckBox1", false, true, 0 },      { "CheckBox2", false, true, 1 },
        { "CheckBox3", false, true, 0 },      { "CheckBox8", false, true, 0 },
        { "RadioButton11", false, false, 1 }, { "RadioButton12", false, false, 0 },
        { "RadioButton26", false, false, 0 }, { "RadioButton16", false, true, 1 },
        { "RadioButton17", false, true, 0 },  { "RadioButton27", false, true, 0 },
        { "Label9", false, true, -1 },        { "Label18", false, true, -1 },
        { "Panel7", true, true, -1 },         { "Label5", true, true, -1 },
        { "Label14", true, true, -1 },        { "Label7", false, true, -1 },
        { "Label8", false, true, -1 },
    };
    for (const auto& row : rows) {
        QWidget* widget = control(row.name);
        if (widget == nullptr) {
            continue;
        }
        EXPECT_EQ(widget->isVisibleTo(&form), row.visible) << row.name;
        EXPECT_EQ(widget->isEnabledTo(&form), row.enabled) << row.name;
        if (row.checked >= 0) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            ASSERT_NE(button, nullptr) << row.name;
            EXPECT_TRUE(button->isCheckable()) << row.name;
            EXPECT_EQ(button->isChecked(), row.checked == 1) << row.name;
        }
    }
    // Labels 9..18 are hidden only because their panel is.
    EXPECT_FALSE(control("Label9")->isHidden());
}

TEST_F(MainWindowTest, PanelBevels)
{
    struct Row
    {
        const char* name;
        bool raised;
    };
    const Row rows[] = { { "Panel1", true }, { "Panel2", true },  { "Panel3", false },
                         { "Panel4", true }, { "Panel5", false }, { "Panel7", false } };
    for (const auto& row : rows) {
        auto* panel = control<QFrame>(row.name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->frameShape(), QFrame::Panel) << row.name;
        EXPECT_EQ(panel->frameShadow(), row.raised ? QFrame::Raised : QFrame::Sunken) << row.name;
    }
    auto* panel = control<QFrame>("Panel3");
    MainWindowLayout::setPanelRaised(*panel, true);
    EXPECT_TRUE(MainWindowLayout::isPanelRaised(*panel));
    MainWindowLayout::setPanelRaised(*panel, false);
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
}

TEST_F(MainWindowTest, FontsFollowTheLayout)
{
    struct Row
    {
        const char* name;
        int pixelSize;
        bool bold;
    };
    const Row rows[] = {
        { "Label6", 12, false },        { "Label1", 11, false },        { "Label19", 11, false },
        { "Memo1", 12, false },         { "RadioButton1", 11, false },  { "CheckBox3", 11, false },
        { "RadioButton26", 11, false }, { "RadioButton27", 11, false }, { "Label12", 11, false },
        { "Label5", 12, false },        { "Label14", 12, true },        { "Label7", 11, false },
        { "Label8", 11, false },
    };
    for (const auto& row : rows) {
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        const QFontInfo info(widget->font());
        // "Arial" must resolve to the metric-compatible face.
        EXPECT_EQ(info.family(), "Liberation Sans") << row.name;
        EXPECT_EQ(info.pixelSize(), row.pixelSize) << row.name;
        EXPECT_EQ(info.bold(), row.bold) << row.name;
    }
}

TEST_F(MainWindowTest, BlackLabelsStillLookGreyedWhenDisabled)
{
    // Label19 and the distance labels are black; disabled with the
    // magnification panel they must not look the same as enabled ones.
    for (const char* name : { "Label19", "Label9", "Label18" }) {
        auto* label = control<QLabel>(name);
        ASSERT_NE(label, nullptr);
        const QPalette& palette = label->palette();
        EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), QColor(Qt::black)) << name;
        EXPECT_NE(palette.color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black)) << name;
    }
}

TEST_F(MainWindowTest, ValueControlsAreKeptInIndexOrder)
{
    const MainWindowControls& c = form.controls();
    auto names = [](const auto& controls) {
        QStringList result;
        for (const auto* widget : controls) {
            result << widget->objectName();
        }
        return result;
    };
    EXPECT_EQ(names(c.abscissaButtons),
              QStringList({ "RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9" }));
    EXPECT_EQ(names(c.fNumberButtons),
              QStringList({ "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5",
                            "RadioButton10", "RadioButton21", "RadioButton22" }));
    EXPECT_EQ(names(c.frequencyBoxes),
              QStringList({ "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7",
                            "CheckBox8" }));
    EXPECT_EQ(names(c.imageHeightButtons),
              QStringList({ "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15",
                            "RadioButton26" }));
    EXPECT_EQ(names(c.magnificationButtons),
              QStringList({ "RadioButton16", "RadioButton17", "RadioButton18", "RadioButton19", "RadioButton20",
                            "RadioButton23", "RadioButton24", "RadioButton25", "RadioButton27" }));
    EXPECT_EQ(names(c.distanceLabels),
              QStringList({ "Label9", "Label10", "Label11", "Label12", "Label13", "Label15", "Label16", "Label17",
                            "Label18" }));
}

TEST_F(MainWindowTest, OptionButtonsOfOnePanelFormOneExclusiveGroup)
{
    const MainWindowControls& c = form.controls();
    for (QButtonGroup* group : { c.abscissaGroup, c.fNumberGroup, c.imageHeightGroup, c.magnificationGroup }) {
        EXPECT_TRUE(group->exclusive());
    }
    EXPECT_EQ(c.fNumberGroup->buttons().size(), 8);
    EXPECT_EQ(c.imageHeightGroup->buttons().size(), 6);
    EXPECT_EQ(c.magnificationGroup->buttons().size(), 9);
    EXPECT_EQ(c.abscissaGroup->buttons().size(), 4);

    c.fNumberButtons[4]->setChecked(true);
    EXPECT_FALSE(c.fNumberButtons[0]->isChecked());
    // Groups are independent of one another.
    EXPECT_TRUE(c.magnificationButtons[0]->isChecked());
    EXPECT_TRUE(c.abscissaButtons[2]->isChecked());
    // Check boxes are not exclusive.
    c.frequencyBoxes[4]->setChecked(true);
    EXPECT_TRUE(c.frequencyBoxes[1]->isChecked());
}

TEST_F(MainWindowTest, ToolButtonsAndPictures)
{
    const MainWindowControls& c = form.controls();
    EXPECT_TRUE(c.SpeedButton3->isCheckable());
    // The open button takes no keyboard focus; the other two are reached
    // with Tab but not focused by a click.
    EXPECT_EQ(c.SpeedButton1->focusPolicy(), Qt::NoFocus);
    for (QToolButton* button : { c.SpeedButton2, c.SpeedButton3 }) {
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus) << button->objectName().toStdString();
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*> {
             c.SpeedButton1, c.SpeedButton2, c.SpeedButton3, c.BitBtn1, c.BitBtn2, c.BitBtn3, c.BitBtn4, c.BitBtn5 }) {
        const QString name = button->objectName();
        EXPECT_EQ(button->iconSize(), QSize(16, 16)) << name.toStdString();
        const QImage normal = button->icon().pixmap(16, 16, QIcon::Normal).toImage();
        ASSERT_EQ(normal.size(), QSize(16, 16)) << name.toStdString();
        // Drawn on a transparent background.
        EXPECT_EQ(qAlpha(normal.pixel(0, 0)) == 0 || qAlpha(normal.pixel(15, 15)) == 0
                      || qAlpha(normal.pixel(0, 15)) == 0 || qAlpha(normal.pixel(15, 0)) == 0,
                  true)
            << name.toStdString();
        const QImage disabled = button->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        EXPECT_NE(disabled.convertToFormat(QImage::Format_ARGB32), normal.convertToFormat(QImage::Format_ARGB32))
            << name.toStdString();
    }
}

TEST_F(MainWindowTest, FormCreateSetsTheStartState)
{
    EXPECT_EQ(form.lensData().FileLoaded, 0);
    // 19 blanks, "Bildhöhe [%]", 6 blanks; the variable text is one blank.
    EXPECT_EQ(form.axisTexts().AxisRangeText, QString(19, ' ') + QStringLiteral("Bildhöhe [%]") + QString(6, ' '));
    EXPECT_EQ(form.axisTexts().AxisVariableText, " ");
    EXPECT_EQ(form.wavelengthCaptionPrefix(), QStringLiteral(" Wellenlängen [nm]   : "));
    EXPECT_EQ(form.weightCaptionPrefix(), QStringLiteral(" Rel. Gewichtungen :  "));

    // The plot holds the empty frame for the image-height abscissa.
    QImage expected(250, 250, QImage::Format_RGB32);
    expected.fill(Qt::black);
    ImageCanvas canvas(expected);
    DrawPlotFrame(canvas, Abscissa::ImageHeight, form.axisTexts());
    EXPECT_EQ(form.plotImage().size(), QSize(250, 250));
    EXPECT_TRUE(form.plotImage() == expected);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MainWindowTest, PlotWidgetShowsThePlotImage)
{
    form.show();
    const QImage shown = form.controls().Image2->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shown == form.plotImage().convertToFormat(QImage::Format_RGB32));
}

} // namespace
