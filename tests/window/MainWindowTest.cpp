// The main window right after start: its start state, the plot it shows,
// and the button pictures.
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

TEST(MainWindow, ToolButtonsCarrySixteenPixelPicturesAndSharpOnesAboveRatioOne)
{
    FakeUiServices ui;
    MainWindow form(ui);
    const MainWindowControls& c = form.controls();
    EXPECT_TRUE(c.singleModeButton->isCheckable());
    // Reached with Tab, but a click does not take the focus from the panels.
    EXPECT_EQ(c.printButton->focusPolicy(), Qt::TabFocus);
    // The exit button is never disabled and has no picture of its own for it.
    int smooth = 0;
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
        // At ratio 2 the vector drawing (where it has slants or curves, not
        // the bitmap enlarged); the disabled look as thick as the pixels
        // are small.
        const QPixmap sharp = button->icon().pixmap(QSize(16, 16), 2.0);
        ASSERT_EQ(sharp.size(), QSize(32, 32)) << name;
        const QImage drawn = sharp.toImage().convertToFormat(QImage::Format_ARGB32);
        smooth += drawn == normal.scaled(32, 32) ? 0 : 1;
        const QImage drawnDisabled = button->icon()
                                         .pixmap(QSize(16, 16), 2.0, QIcon::Disabled)
                                         .toImage()
                                         .convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(drawnDisabled == ButtonIcons::disabledLook(drawn, 2)) << name;
    }
    EXPECT_GE(smooth, 4); // open, draw, clear, help
}

TEST(MainWindow, StartStateAndTheViewShowsThePlot)
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

} // namespace
