// The main window right after start: every control of the layout with its
// place, caption, hint, font and initial state, what FormCreate sets up, and
// the button pictures.
#include "ButtonIcons.h"
#include "ImageCanvas.h"
#include "ImageView.h"
#include "MainWindowLayout.h"
#include "PlotFrame.h"
#include "WindowTestSupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QPushButton>
#include <QRadioButton>

namespace {

TEST(MainWindow, EveryControlAsTheLayoutPlacesItAtStart)
{
    FakeUiServices ui;
    MainWindow form(ui);
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), "Lumivex");
    EXPECT_EQ(form.size(), QSize(660, 385));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().pixelSize(), 13);

    // "Parent/Name" (no parent: the window). Labels size themselves: for
    // them (width 0) the position is fixed and the caption must fit inside
    // the parent. state: V/v shown/hidden, E/e enabled/disabled, C/c
    // checked/unchecked, R/L raised/lowered panel. font: pixel size, b for
    // bold, "" not checked. caption nullptr: none to check.
    struct Row
    {
        const char* path;
        QRect geometry;
        const char* state;
        const char* font;
        const char* caption;
        const char* hint;
    };
    const Row rows[] = {
        { "SpeedButton1", { 16, 16, 25, 25 }, "VE", "", nullptr, "MTF-Datei wählen" },
        { "SpeedButton2", { 40, 16, 25, 25 }, "Ve", "", nullptr, "Ergebnis ausdrucken" },
        { "SpeedButton3", { 88, 16, 25, 25 }, "Vec", "", nullptr, "gedrückt Einzelgrafik, sonst Überlagerung" },
        { "BitBtn2", { 120, 16, 25, 25 }, "Ve", "", nullptr, "Ergebnis zur aktuellen Schaltereinstellung" },
        { "BitBtn3", { 144, 16, 25, 25 }, "Ve", "", nullptr, "Grafik löschen" },
        { "BitBtn5", { 192, 16, 25, 25 }, "VE", "", nullptr, "mehr über MTF" },
        { "BitBtn4", { 216, 16, 25, 25 }, "VE", "", nullptr, "Info" },
        { "BitBtn1", { 248, 16, 25, 25 }, "VE", "", nullptr, "Programmende" },
        { "Bevel1", { 16, 56, 257, 1 }, "VE", "", nullptr, "" },
        { "Image2", { 20, 66, 250, 250 }, "VE", "", nullptr, "graf. Ergebnis" },
        { "Memo1", { 400, 144, 161, 81 }, "VE", "12", nullptr, "" },
        { "Panel5", { 296, 8, 345, 73 }, "VEL", "", nullptr, "" },
        { "Panel5/Label6", { 55, 8, 0, 0 }, "VE", "12", "Modulation darstellen über :", "" },
        { "Panel5/Label1", { 27, 32, 0, 0 }, "VE", "11", " k", "Blendenzahl" },
        { "Panel5/Label2", { 70, 32, 0, 0 }, "VE", "11", "LP / mm", "Ortsfrequenz" },
        { "Panel5/Label3", { 152, 32, 0, 0 }, "VE", "11", "y '", "Bildort" },
        { "Panel5/Label4", { 227, 32, 0, 0 }, "VE", "11", "ß '", "Abbildungsmaßstab" },
        { "Panel5/Label19", { 248, 32, 0, 0 }, "VE", "11", "<   >    OO ' [ mm]", "Abbildungsstrecke" },
        { "Panel5/RadioButton6", { 25, 48, 15, 17 }, "VEc", "", "", "Blende" },
        { "Panel5/RadioButton7", { 83, 48, 15, 17 }, "VEc", "", "RadioButton7", "Ortsfrequenz" },
        { "Panel5/RadioButton8", { 150, 48, 15, 17 }, "VEC", "", "RadioButton8", "Bildhöhe" },
        { "Panel5/RadioButton9", { 225, 48, 15, 17 }, "VEc", "", "RadioButton9", "Abbildungsmaßstab" },
        { "Panel1", { 296, 88, 60, 233 }, "vER", "", nullptr, "Blende" },
        { "Panel1/RadioButton1", { 8, 16, 45, 17 }, "vEC", "11", "1", "" },
        { "Panel1/RadioButton2", { 8, 40, 45, 18 }, "vEc", "11", "2", "" },
        { "Panel1/RadioButton22", { 8, 184, 45, 17 }, "vEc", "11", "8", "" },
        { "Panel2", { 362, 88, 55, 233 }, "vER", "", nullptr, "Ortsfrequenz" },
        { "Panel2/CheckBox1", { 6, 16, 35, 17 }, "vEc", "11", "1", "" },
        { "Panel2/CheckBox2", { 6, 40, 35, 17 }, "vEC", "11", "2", "" },
        { "Panel2/CheckBox8", { 6, 184, 35, 17 }, "vEc", "11", "8", "" },
        { "Panel3", { 426, 88, 70, 233 }, "vEL", "", nullptr, "Bildhöhe" },
        { "Panel3/RadioButton11", { 8, 16, 55, 17 }, "veC", "11", "1", "" },
        { "Panel3/RadioButton12", { 8, 40, 55, 17 }, "vec", "11", "2", "" },
        { "Panel3/RadioButton26", { 8, 136, 55, 17 }, "vec", "11", "6", "" },
        { "Panel4", { 503, 88, 138, 233 }, "vER", "", nullptr, "Abbildungsmaßstab / -strecke " },
        { "Panel4/RadioButton16", { 8, 16, 60, 17 }, "vEC", "11", "1", "" },
        { "Panel4/RadioButton27", { 8, 208, 60, 17 }, "vEc", "11", "9", "" },
        { "Panel4/Label9", { 80, 17, 0, 0 }, "vE", "11", "1", "" },
        { "Panel4/Label10", { 80, 40, 0, 0 }, "vE", "11", "2", "" },
        { "Panel4/Label18", { 80, 208, 0, 0 }, "vE", "11", "9", "" },
        { "Panel7", { 16, 328, 625, 41 }, "VEL", "", nullptr, "" },
        { "Panel7/Label5", { 16, 12, 0, 0 }, "VE", "12", "Objektiv : ", "" },
        { "Panel7/Label14", { 72, 12, 0, 0 }, "VE", "12b", "", "" },
        { "Panel7/Label7", { 284, 8, 0, 0 }, "vE", "11", " Wellenlängen [nm]   : ", "" },
        { "Panel7/Label8", { 284, 24, 0, 0 }, "vE", "11", " Rel. Gewichtungen :  ", "" },
    };
    for (const Row& row : rows) {
        const QStringList path = QString::fromLatin1(row.path).split('/');
        const std::string name = row.path;
        auto* widget = form.findChild<QWidget*>(path.back());
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->parentWidget()->objectName(), path.size() == 2 ? path[0] : "Form2") << name;
        if (row.geometry.width() > 0) {
            EXPECT_EQ(widget->geometry(), row.geometry) << name;
        } else {
            EXPECT_EQ(widget->pos(), row.geometry.topLeft()) << name;
            EXPECT_GE(widget->width(), widget->fontMetrics().horizontalAdvance(static_cast<QLabel*>(widget)->text()))
                << name;
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
        }
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.hint)) << name;

        const QString state = QString::fromLatin1(row.state);
        EXPECT_EQ(widget->isVisibleTo(&form), state.contains('V')) << name;
        EXPECT_EQ(widget->isEnabledTo(&form), state.contains('E')) << name;
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (state.contains('C') || state.contains('c')) {
            ASSERT_TRUE(button != nullptr && button->isCheckable()) << name;
            EXPECT_EQ(button->isChecked(), state.contains('C')) << name;
        }
        if (state.contains('R') || state.contains('L')) {
            auto* frame = qobject_cast<QFrame*>(widget);
            EXPECT_EQ(frame->frameShape(), QFrame::Panel) << name;
            EXPECT_EQ(frame->frameShadow(), state.contains('R') ? QFrame::Raised : QFrame::Sunken) << name;
        }
        if (row.font[0] != '\0') {
            const QFontInfo info(widget->font());
            // "Arial" must resolve to the metric-compatible face.
            EXPECT_EQ(info.family(), "Liberation Sans") << name;
            EXPECT_EQ(info.pixelSize(), QString::fromLatin1(row.font).left(2).toInt()) << name;
            EXPECT_EQ(info.bold(), row.font[2] == 'b') << name;
        }
        if (row.caption != nullptr) {
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                EXPECT_EQ(label->text(), QString::fromUtf8(row.caption)) << name;
                EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
            } else {
                ASSERT_NE(button, nullptr) << name;
                EXPECT_EQ(button->text(), QString::fromUtf8(row.caption)) << name;
            }
        }
    }
    // The distance labels are hidden only because their panel is.
    EXPECT_FALSE(form.controls().distanceLabels[0]->isHidden());

    const QPlainTextEdit* memo = form.controls().instructionText;
    EXPECT_EQ(memo->toPlainText(),
              QStringLiteral("\n     Bitte MTF-Datei des \n     gewünschten Objektivs\n     auswählen (1.Button)\n  "));
    EXPECT_FALSE(memo->isReadOnly());
}

TEST(MainWindow, BlackLabelsStillLookGreyedWhenDisabled)
{
    FakeUiServices ui;
    MainWindow form(ui);
    for (const QLabel* label : { form.controls().distanceAxisLabel, form.controls().distanceLabels[0] }) {
        const QPalette& palette = label->palette();
        EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
        EXPECT_NE(palette.color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));
    }
}

TEST(MainWindow, ValueControlsInIndexOrderAndExclusiveGroups)
{
    FakeUiServices ui;
    MainWindow form(ui);
    const MainWindowControls& c = form.controls();
    auto names = [](const auto& controls) {
        QStringList result;
        for (const auto* widget : controls) {
            result << widget->objectName();
        }
        return result.join(' ');
    };
    EXPECT_EQ(names(c.abscissaButtons), "RadioButton6 RadioButton7 RadioButton8 RadioButton9");
    EXPECT_EQ(names(c.fNumberButtons),
              "RadioButton1 RadioButton2 RadioButton3 RadioButton4 RadioButton5 RadioButton10 RadioButton21 "
              "RadioButton22");
    EXPECT_EQ(names(c.frequencyBoxes),
              "CheckBox1 CheckBox2 CheckBox3 CheckBox4 CheckBox5 CheckBox6 CheckBox7 CheckBox8");
    EXPECT_EQ(names(c.imageHeightButtons),
              "RadioButton11 RadioButton12 RadioButton13 RadioButton14 RadioButton15 RadioButton26");
    EXPECT_EQ(names(c.magnificationButtons),
              "RadioButton16 RadioButton17 RadioButton18 RadioButton19 RadioButton20 RadioButton23 RadioButton24 "
              "RadioButton25 RadioButton27");
    EXPECT_EQ(names(c.distanceLabels), "Label9 Label10 Label11 Label12 Label13 Label15 Label16 Label17 Label18");

    EXPECT_EQ(names(c.abscissaGroup->buttons()), names(c.abscissaButtons));
    EXPECT_EQ(names(c.fNumberGroup->buttons()), names(c.fNumberButtons));
    EXPECT_EQ(names(c.imageHeightGroup->buttons()), names(c.imageHeightButtons));
    EXPECT_EQ(names(c.magnificationGroup->buttons()), names(c.magnificationButtons));
    c.fNumberButtons[4]->setChecked(true);
    EXPECT_FALSE(c.fNumberButtons[0]->isChecked());
    EXPECT_TRUE(c.magnificationButtons[0]->isChecked()) << "groups are independent";
    EXPECT_TRUE(c.abscissaButtons[2]->isChecked());
    c.frequencyBoxes[4]->setChecked(true);
    EXPECT_TRUE(c.frequencyBoxes[1]->isChecked()) << "check boxes are not exclusive";
}

TEST(MainWindow, ToolButtonsCarrySixteenPixelPictures)
{
    FakeUiServices ui;
    MainWindow form(ui);
    const MainWindowControls& c = form.controls();
    EXPECT_TRUE(c.singleModeButton->isCheckable());
    // Reached with Tab, but a click does not take the focus from the panels.
    EXPECT_EQ(c.printButton->focusPolicy(), Qt::TabFocus);
    // The exit button is never disabled and has no picture of its own for it.
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*> { c.openButton, c.printButton, c.singleModeButton, c.drawButton,
                                                   c.clearButton, c.infoButton, c.helpButton }) {
        const std::string name = button->objectName().toStdString();
        EXPECT_EQ(button->iconSize(), QSize(16, 16)) << name;
        const QImage normal = button->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(normal.size(), QSize(16, 16)) << name;
        const QImage disabled
            = button->icon().pixmap(16, 16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(disabled == ButtonIcons::disabledLook(normal)) << name;
    }
}

TEST(MainWindow, FormCreateSetsTheStartStateAndTheViewShowsThePlot)
{
    FakeUiServices ui;
    MainWindow form(ui);
    EXPECT_EQ(form.lensData().FileLoaded, 0);
    // 19 blanks, "Bildhöhe [%]", 6 blanks; the variable text is one blank.
    EXPECT_EQ(form.plotState().texts.AxisRangeText,
              QString(19, ' ') + QStringLiteral("Bildhöhe [%]") + QString(6, ' '));
    EXPECT_EQ(form.plotState().texts.AxisVariableText, " ");

    // The empty frame for the image-height abscissa, drawn over black here
    // so that the frame must paint every pixel itself.
    QImage expected(250, 250, QImage::Format_RGB32);
    expected.fill(Qt::black);
    ImageCanvas canvas(expected);
    drawPlotFrame(canvas, Abscissa::ImageHeight, form.plotState().texts);
    EXPECT_TRUE(form.plotImage() == expected);
    EXPECT_TRUE(ui.messages.isEmpty());

    form.setPlotPixelRatio(1.0);
    form.show();
    EXPECT_TRUE(form.controls().plotView->grab().toImage().convertToFormat(QImage::Format_RGB32) == expected);
}

TEST(ButtonIcons, DisabledLookIsAGreyOutlineWithAWhiteShadow)
{
    // A 3 x 3 red square at (1, 1) .. (3, 3). Expected by hand: its ring
    // grey; the ring's shadow one pixel to the lower right white wherever
    // the ring does not cover it (also in the hollow centre).
    QImage picture(6, 6, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 1; y <= 3; ++y) {
        for (int x = 1; x <= 3; ++x) {
            picture.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    const QImage look = ButtonIcons::disabledLook(picture);
    ASSERT_EQ(look.size(), picture.size());
    const char* expected[] = { "......", ".ggg..", ".gwgw.", ".gggw.", "..www.", "......" };
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const char e = expected[y][x];
            const QRgb want = e == 'g' ? 0xff808080 : e == 'w' ? 0xffffffff : 0;
            EXPECT_EQ(e == '.' ? qAlpha(look.pixel(x, y)) : look.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(ButtonIcons, PicturesAreSixteenBySixteenInSixteenColoursOnTransparency)
{
    // The 16 colours of the classic palette.
    const QList<QRgb> palette { 0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff };
    for (const char* name : { "open", "print", "single", "draw", "clear", "help", "info", "exit", "ok" }) {
        const QImage image = ButtonIcons::load(QString::fromLatin1(name))
                                 .pixmap(16, 16)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16)) << name;
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = image.pixel(x, y);
                opaque += qAlpha(pixel) != 0 ? 1 : 0;
                EXPECT_TRUE(qAlpha(pixel) == 0 || palette.contains(pixel)) << name << " " << x << "," << y;
            }
        }
        EXPECT_GT(opaque, 20) << name;
        EXPECT_LT(opaque, 256) << name << " needs a transparent background";
    }
}

} // namespace
