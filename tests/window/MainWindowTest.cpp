// SPDX-License-Identifier: MIT
#include "AboutBox.h"
#include "ButtonIcons.h"
#include "ImageCanvas.h"
#include "ImageView.h"
#include "PlotFrame.h"
#include "WindowTestSupport.h"

#include <QFontInfo>

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height();
}

namespace {

// "Parent/Name" (no parent: a child of the window itself); a label placed
// with width 0 sizes itself, so only its corner is fixed. look: V/v shown
// or hidden, E/e enabled or disabled, then C/c checked or not, R/L a raised
// or lowered panel, and after a blank the font's pixel size (b: bold).
struct Place
{
    const char* path;
    QRect rect;
    const char* look;
};

void expectPlace(const QWidget& window, const QString& path, QRect rect, const QString& look)
{
    const QString name = path.section('/', -1);
    const std::string where = path.toStdString();
    const auto* widget = window.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << where;
    EXPECT_EQ(widget->parentWidget()->objectName(), path.contains('/') ? path.section('/', 0, 0) : window.objectName())
        << where;
    EXPECT_EQ(rect.width() > 0 ? widget->geometry() : QRect(widget->pos(), rect.size()), rect) << where;
    EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << where;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                               label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->width()) << where;
        EXPECT_LE(needed.height(), label->height() + 1) << where;
    }
    EXPECT_EQ(widget->isVisibleTo(&window), look[0] == 'V') << where;
    EXPECT_EQ(widget->isEnabledTo(&window), look[1] == 'E') << where;
    if (const QChar state = look.size() > 2 ? look[2] : QChar(); state == 'C' || state == 'c') {
        EXPECT_EQ(qobject_cast<const QAbstractButton*>(widget)->isChecked(), state == 'C') << where;
    } else if (state == 'R' || state == 'L') {
        EXPECT_EQ(qobject_cast<const QFrame*>(widget)->frameShadow(), state == 'R' ? QFrame::Raised : QFrame::Sunken)
            << where;
    }
    if (const QString font = look.section(' ', 1); !font.isEmpty()) {
        const QFontInfo info(widget->font());
        EXPECT_EQ(info.family(), "Liberation Sans") << where; // for Arial and MS Sans Serif
        EXPECT_EQ(info.pixelSize(), font.left(2).toInt()) << where;
        EXPECT_EQ(info.bold(), font.endsWith('b')) << where;
    }
}

TEST(Layout, EveryControlOfTheMainWindowInItsPlace)
{
    Window w;
    EXPECT_EQ(w.form.size(), QSize(660, 385));
    EXPECT_EQ(w.form.minimumSize(), w.form.maximumSize());
    EXPECT_EQ(QFontInfo(w.form.font()).pixelSize(), 13); // for the controls without a font of their own
    const Place places[] = {
        // clang-format off
        { "SpeedButton1", { 16, 16, 25, 25 }, "VE" }, { "SpeedButton2", { 40, 16, 25, 25 }, "Ve" },
        { "SpeedButton3", { 88, 16, 25, 25 }, "Vec" }, { "BitBtn2", { 120, 16, 25, 25 }, "Ve" },
        { "BitBtn3", { 144, 16, 25, 25 }, "Ve" }, { "BitBtn5", { 192, 16, 25, 25 }, "VE" },
        { "BitBtn4", { 216, 16, 25, 25 }, "VE" }, { "BitBtn1", { 248, 16, 25, 25 }, "VE" },
        { "Bevel1", { 16, 56, 257, 1 }, "VE" }, { "Image2", { 20, 66, 250, 250 }, "VE" },
        { "Memo1", { 400, 144, 161, 81 }, "VE 12" }, { "Panel5", { 296, 8, 345, 73 }, "VEL" },
        { "Panel5/Label6", { 55, 8, 0, 0 }, "VE 12" }, { "Panel5/Label1", { 27, 32, 0, 0 }, "VE 11" },
        { "Panel5/Label2", { 70, 32, 0, 0 }, "VE 11" }, { "Panel5/Label3", { 152, 32, 0, 0 }, "VE 11" },
        { "Panel5/Label4", { 227, 32, 0, 0 }, "VE 11" }, { "Panel5/Label19", { 248, 32, 0, 0 }, "VE 11" },
        { "Panel5/RadioButton6", { 25, 48, 15, 17 }, "VEc" }, { "Panel5/RadioButton7", { 83, 48, 15, 17 }, "VEc" },
        { "Panel5/RadioButton8", { 150, 48, 15, 17 }, "VEC" }, { "Panel5/RadioButton9", { 225, 48, 15, 17 }, "VEc" },
        { "Panel1", { 296, 88, 60, 233 }, "vER" }, { "Panel2", { 362, 88, 55, 233 }, "vER" },
        { "Panel3", { 426, 88, 70, 233 }, "vEL" }, { "Panel4", { 503, 88, 138, 233 }, "vER" },
        { "Panel7", { 16, 328, 625, 41 }, "VEL" }, { "Panel7/Label5", { 16, 12, 0, 0 }, "VE 12" },
        { "Panel7/Label14", { 72, 12, 0, 0 }, "VE 12b" }, { "Panel7/Label7", { 284, 8, 0, 0 }, "vE 11" },
        { "Panel7/Label8", { 284, 24, 0, 0 }, "vE 11" },
        // clang-format on
    };
    for (const Place& place : places) {
        expectPlace(w.form, QString::fromLatin1(place.path), place.rect, QString::fromLatin1(place.look));
    }
    for (const QToolButton* button : w.form.findChildren<QToolButton*>()) {
        EXPECT_EQ(button->iconSize(), QSize(16, 16)) << button->objectName().toStdString(); // the bitmaps' size
    }
    // The value columns: the k-th control 24 pixels below the one before,
    // except for the second f-number, one pixel higher, and the first
    // distance, one pixel lower.
    const auto column = [&w](const auto& controls, QRect first, const char* look) {
        for (std::size_t k = 0; k < controls.size(); ++k) {
            const QWidget* control = controls[k];
            QRect rect = first.translated(0, 24 * static_cast<int>(k));
            rect.translate(0, control == w.c.distanceLabels[0] ? 1 : 0);
            rect.setHeight(control == w.c.fNumberButtons[1] ? 18 : rect.height());
            expectPlace(w.form, control->parentWidget()->objectName() + '/' + control->objectName(), rect,
                        QString::fromLatin1(look));
        }
    };
    column(w.c.fNumberButtons, { 8, 16, 45, 17 }, "vE 11");
    column(w.c.frequencyBoxes, { 6, 16, 35, 17 }, "vE 11");
    column(w.c.imageHeightButtons, { 8, 16, 55, 17 }, "ve 11");
    column(w.c.magnificationButtons, { 8, 16, 60, 17 }, "vE 11");
    column(w.c.distanceLabels, { 80, 16, 0, 0 }, "vE 11");
}

TEST(Layout, EveryTextOfTheInformationBoxInItsPlace)
{
    AboutBox box(nullptr);
    EXPECT_EQ(box.size(), QSize(251, 254));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const Place places[] = {
        // clang-format off
        { "Panel1", { 8, 8, 233, 201 }, "VEL" }, { "Panel1/ProductName", { 67, 16, 105, 20 }, "VE 16b" },
        { "Panel1/Version", { 91, 40, 55, 13 }, "VE 11" }, // wider than its 53 pixels
        { "Panel1/Comments", { 9, 72, 214, 30 }, "VE 12" }, { "Panel1/Firmenname", { 8, 112, 221, 19 }, "VE 12b" },
        { "Panel1/Internet", { 32, 128, 175, 19 }, "VE 12" }, { "Panel1/email", { 16, 144, 205, 19 }, "VE 12" },
        { "Panel1/Copyright", { 27, 176, 177, 13 }, "VE 11" }, { "OKButton", { 87, 218, 77, 27 }, "VE 11b" },
        // clang-format on
    };
    for (const Place& place : places) {
        expectPlace(box, QString::fromLatin1(place.path), place.rect, QString::fromLatin1(place.look));
    }
    const auto inner = box.bevelPanel->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(inner.isEmpty());
    EXPECT_EQ(inner[0]->geometry(), QRect(1, 1, 231, 199));
    EXPECT_EQ(inner[0]->frameShadow(), QFrame::Raised);
    EXPECT_TRUE(box.okButton->isDefault());
}

// The empty frame for the image-height abscissa, drawn over black here so
// that the frame must paint every pixel itself, shown as it is; black text
// that still looks greyed on a disabled panel.
TEST(MainWindow, StartsWithTheEmptyFrameAndGreyableBlackLabels)
{
    Window w;
    EXPECT_EQ(w.form.lensData().FileLoaded, 0);
    QImage expected(250, 250, QImage::Format_RGB32);
    expected.fill(Qt::black);
    ImageCanvas canvas(expected);
    drawPlotFrame(canvas, Abscissa::ImageHeight, initialAxisTexts());
    w.form.setPlotPixelRatio(1.0);
    w.form.show();
    EXPECT_TRUE(w.c.plotView->grab().toImage().convertToFormat(QImage::Format_RGB32) == expected);
    for (const QLabel* label : { w.c.distanceAxisLabel, w.c.distanceLabels[0] }) {
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
        EXPECT_NE(label->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));
    }
}

// At 16 pixels, a screen at ratio 1, the button shows its bitmap itself;
// above that the drawing, which differs from it.
TEST(ButtonIcons, TheBitmapAtItsOwnSizeTheDrawingAbove)
{
    const QImage bitmap = QImage(QStringLiteral(":/icons/draw.xpm")).convertToFormat(QImage::Format_ARGB32);
    const QIcon icon = ButtonIcons::load(QStringLiteral("draw"));
    EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32), bitmap);
    for (const int side : { 17, 32 }) {
        const QImage large = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_NE(large, bitmap.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) << side;
    }
}

TEST(ButtonIcons, TheDisabledLookIsAGreyRingWithAWhiteShadow)
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
    picture.setPixel(5, 0, qRgba(255, 0, 0, 128)); // half opaque counts as opaque
    picture.setPixel(0, 5, qRgba(255, 0, 0, 127)); // less does not
    const QImage look = ButtonIcons::disabledLook(picture);
    std::string seen;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const QRgb p = look.pixel(x, y);
            seen += qAlpha(p) == 0 ? '.' : p == 0xff808080 ? 'g' : p == 0xffffffff ? 'w' : '?';
        }
    }
    EXPECT_EQ(seen, ".....g.ggg...gwgw..gggw...www.......");
    // The picture's own first column and row count: a filled 2 x 2 is all ring.
    QImage filled(2, 2, QImage::Format_ARGB32);
    filled.fill(Qt::red);
    EXPECT_EQ(ButtonIcons::disabledLook(filled).pixel(0, 0), 0xff808080);
}

} // namespace
