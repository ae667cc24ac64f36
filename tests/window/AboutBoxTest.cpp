// The information box: content, layout, one box reused, really modal.
#include "AboutBox.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(AboutBox, EveryTextFitsItsPlaceInsideTheBevel)
{
    AboutBox box(nullptr);
    for (const QLabel* label : { box.productName, box.version, box.comments, box.makerName, box.webAddress,
                                 box.mailAddress, box.copyright }) {
        const std::string name = label->objectName().toStdString();
        EXPECT_EQ(label->parentWidget(), box.bevelPanel) << name;
        EXPECT_TRUE(box.bevelPanel->rect().contains(label->geometry())) << name;
        // The description after wrapping at blanks.
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                               label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->width()) << name;
        EXPECT_LE(needed.height(), label->height() + 1) << name;
    }
    EXPECT_GT(box.comments->fontMetrics().horizontalAdvance(box.comments->text()), box.comments->width())
        << "the description is wrapped onto two lines";
    EXPECT_TRUE(box.okButton->isDefault());
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
