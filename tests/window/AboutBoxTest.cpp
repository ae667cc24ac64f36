// The information box: content, layout, one box reused, really modal.
#include "AboutBox.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(AboutBox, ContentAndLayout)
{
    AboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "Infos");
    EXPECT_EQ(box.size(), QSize(251, 254));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_TRUE(box.isModal());

    struct Row
    {
        QLabel* label;
        const char* name;
        QRect geometry; // the width is a minimum: texts grow to the right
        const char* text;
        int pixelSize;
        bool bold;
    };
    const Row rows[] = {
        { box.productName, "ProductName", { 67, 16, 105, 20 }, "Lumivex", 16, true },
        { box.version, "Version", { 91, 40, 53, 13 }, "Version 1.0", 11, false },
        { box.comments,
          "Comments",
          { 9, 72, 214, 30 },
          "Interaktives Programm zeigt Leistungs- daten von Objektiven",
          12,
          false },
        { box.makerName, "Firmenname", { 8, 112, 221, 19 }, "Lumivex-Projekt", 12, true },
        { box.webAddress, "Internet", { 32, 128, 175, 19 }, "www.example.org/lumivex", 12, false },
        { box.mailAddress, "email", { 16, 144, 205, 19 }, "lumivex@example.org", 12, false },
        { box.copyright, "Copyright", { 27, 176, 177, 13 }, "© 2026 Lumivex-Projekt", 11, false },
    };
    for (const Row& row : rows) {
        QLabel* label = row.label;
        EXPECT_EQ(label->objectName(), row.name);
        EXPECT_EQ(label->parentWidget(), box.bevelPanel) << row.name;
        EXPECT_EQ(label->pos(), row.geometry.topLeft()) << row.name;
        EXPECT_EQ(label->height(), row.geometry.height()) << row.name;
        EXPECT_GE(label->width(), row.geometry.width()) << row.name;
        EXPECT_TRUE(box.bevelPanel->rect().contains(label->geometry())) << row.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text)) << row.name;
        const QFontInfo info(label->font());
        EXPECT_EQ(info.family(), "Liberation Sans") << row.name;
        EXPECT_EQ(info.pixelSize(), row.pixelSize) << row.name;
        EXPECT_EQ(info.bold(), row.bold) << row.name;
        // Every text fits its place (the description after wrapping).
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                               label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->width()) << row.name;
        EXPECT_LE(needed.height(), label->height() + 1) << row.name;
    }
    // The description is one string wrapped at blanks onto two lines.
    EXPECT_TRUE(box.comments->wordWrap());
    EXPECT_EQ(box.comments->size(), QSize(214, 30));
    EXPECT_GT(box.comments->fontMetrics().horizontalAdvance(box.comments->text()), box.comments->width());

    // A double bevel: raised inside the lowered panel.
    EXPECT_EQ(box.bevelPanel->geometry(), QRect(8, 8, 233, 201));
    EXPECT_EQ(box.bevelPanel->frameShadow(), QFrame::Sunken);
    const auto inner = box.bevelPanel->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(std::any_of(inner.begin(), inner.end(), [](const QFrame* frame) {
        return frame->frameShadow() == QFrame::Raised && frame->frameShape() == QFrame::Panel;
    }));

    EXPECT_EQ(box.okButton->objectName(), "OKButton");
    EXPECT_EQ(box.okButton->geometry(), QRect(87, 218, 77, 27));
    EXPECT_EQ(box.okButton->text(), "OK");
    EXPECT_TRUE(box.okButton->isDefault());
    EXPECT_FALSE(box.okButton->icon().isNull());
}

TEST(AboutBox, OneBoxCreatedOnFirstUseShownModallyAndClosedWithOk)
{
    // Real modality: the fake runs the dialog's own exec(); while it runs, a
    // queued check looks at the active modal window and presses OK.
    FakeUiServices ui;
    MainWindow form(ui);
    form.show();
    EXPECT_EQ(form.aboutBox(), nullptr);
    bool sawModal = false;
    ui.modalHandler = [&sawModal](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&] {
            sawModal = QApplication::activeModalWidget() == &dialog && dialog.isVisible();
            static_cast<AboutBox&>(dialog).okButton->click();
        });
        return dialog.exec();
    };
    for (int round = 0; round < 2; ++round) {
        sawModal = false;
        form.controls().infoButton->click();
        EXPECT_TRUE(sawModal) << "round " << round;
        ASSERT_NE(form.aboutBox(), nullptr);
        EXPECT_EQ(form.aboutBox()->parent(), &form);
        EXPECT_EQ(form.aboutBox()->result(), QDialog::Accepted);
        EXPECT_FALSE(form.aboutBox()->isVisible());
    }
    ASSERT_EQ(ui.modalDialogs.size(), 2);
    EXPECT_EQ(ui.modalDialogs[0], ui.modalDialogs[1]);
    EXPECT_EQ(form.findChildren<AboutBox*>().size(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace
