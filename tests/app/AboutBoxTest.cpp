// The information box: content, layout, one box reused, really modal.
#include "FakeUiServices.h"
#include "TAboutBox.h"
#include "TForm2.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ContentAndLayout)
{
    TAboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "Infos");
    EXPECT_EQ(box.size(), QSize(251, 254));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_TRUE(box.isModal());

    struct Row
    {
        QWidget* widget;
        const char* name;
        QRect geometry;
        const char* text;
        int pixelSize;
        bool bold;
    };
    const Row rows[] = {
        { box.ProductName, "ProductName", { 67, 16, 105, 20 }, "Lumivex", 16, true },
        { box.Version, "Version", { 91, 40, 53, 13 }, "Version 1.0", 11, false },
        { box.Comments,
          "Comments",
          { 9, 72, 214, 30 },
          "Interaktives Programm zeigt Leistungs- daten von Objektiven",
          12,
          false },
        { box.Firmenname, "Firmenname", { 8, 112, 221, 19 }, "Lumivex-Projekt", 12, true },
        { box.Internet, "Internet", { 32, 128, 175, 19 }, "www.example.org/lumivex", 12, false },
        { box.email, "email", { 16, 144, 205, 19 }, "lumivex@example.org", 12, false },
        { box.Copyright, "Copyright", { 27, 176, 177, 13 }, "© 2026 Lumivex-Projekt", 11, false },
    };
    for (const auto& row : rows) {
        auto* label = qobject_cast<QLabel*>(row.widget);
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->objectName(), row.name);
        EXPECT_EQ(label->parentWidget(), box.Panel1) << row.name;
        EXPECT_EQ(label->pos(), row.geometry.topLeft()) << row.name;
        EXPECT_EQ(label->height(), row.geometry.height()) << row.name;
        EXPECT_GE(label->width(), row.geometry.width()) << row.name;
        EXPECT_TRUE(box.Panel1->rect().contains(label->geometry())) << row.name;
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
    EXPECT_TRUE(box.Comments->wordWrap());
    EXPECT_EQ(box.Comments->size(), QSize(214, 30));
    const QFontMetrics metrics(box.Comments->font());
    EXPECT_GT(metrics.horizontalAdvance(box.Comments->text()), box.Comments->width());

    EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 233, 201));
    EXPECT_EQ(box.Panel1->frameShadow(), QFrame::Sunken);
    const auto innerFrames = box.Panel1->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    const bool hasRaisedInner = std::any_of(innerFrames.begin(), innerFrames.end(), [](const QFrame* frame) {
        return frame->frameShadow() == QFrame::Raised && frame->frameShape() == QFrame::Panel;
    });
    EXPECT_TRUE(hasRaisedInner) << "double bevel: raised inside the lowered panel";

    EXPECT_EQ(box.OKButton->objectName(), "OKButton");
    EXPECT_EQ(box.OKButton->geometry(), QRect(87, 218, 77, 27));
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_FALSE(box.OKButton->icon().isNull());
}

TEST(AboutBox, OneBoxIsCreatedOnFirstUseAndReused)
{
    FakeUiServices ui;
    TForm2 form(ui);
    EXPECT_EQ(form.aboutBox(), nullptr);
    const QImage plotBefore = form.plotImage();

    form.controls().BitBtn4->click();
    TAboutBox* first = form.aboutBox();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parent(), &form);
    form.controls().BitBtn4->click();
    EXPECT_EQ(form.aboutBox(), first);
    ASSERT_EQ(ui.modalDialogs.size(), 2);
    EXPECT_EQ(ui.modalDialogs[0], first);
    EXPECT_EQ(ui.modalDialogs[1], first);
    EXPECT_EQ(form.findChildren<TAboutBox*>().size(), 1);

    EXPECT_TRUE(form.plotImage() == plotBefore);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(AboutBox, IsShownModallyAndClosedWithOk)
{
    // Real modality: the fake runs the dialog's own exec(); while it runs, a
    // queued check looks at the active modal window and presses OK.
    FakeUiServices ui;
    TForm2 form(ui);
    form.show();
    bool sawModal = false;
    QString shownText;
    ui.modalHandler = [&](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&] {
            sawModal = QApplication::activeModalWidget() == &dialog && dialog.isVisible();
            shownText = static_cast<TAboutBox&>(dialog).ProductName->text();
            static_cast<TAboutBox&>(dialog).OKButton->click();
        });
        return dialog.exec();
    };

    for (int round = 0; round < 2; ++round) {
        sawModal = false;
        form.controls().BitBtn4->click();
        EXPECT_TRUE(sawModal) << "round " << round;
        EXPECT_EQ(shownText, "Lumivex");
        ASSERT_NE(form.aboutBox(), nullptr);
        EXPECT_EQ(form.aboutBox()->result(), QDialog::Accepted);
        EXPECT_FALSE(form.aboutBox()->isVisible());
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
