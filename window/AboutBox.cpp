// SPDX-License-Identifier: MIT
#include "AboutBox.h"

#include "ButtonIcons.h"
#include "MainWindowLayout.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int ClientWidth = 251;
constexpr int ClientHeight = 254;

QLabel* aboutLabel(QWidget& parent, const char* name, QRect geometry, const QString& text, const QFont& font,
                   bool black = true)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    // The texts size themselves: a caption wider than its layout width (Liberation
    // Sans, the substitute for the box's sans-serif face, is a little wider) grows to the
    // right instead of being cut.
    label->resize(std::max(geometry.width(), label->sizeHint().width()), geometry.height());
    if (black) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    using MainWindowLayout::pixelFont;
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QString arial = QStringLiteral("Arial");

    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Infos"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(pixelFont(QStringLiteral("System"), 13));

    // A double bevel: lowered outside, raised inside. The inner frame is
    // created first so that it lies below the texts.
    bevelPanel = new QFrame(this);
    bevelPanel->setObjectName(QStringLiteral("Panel1"));
    bevelPanel->setGeometry(8, 8, 233, 201);
    bevelPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inner = new QFrame(bevelPanel);
    inner->setGeometry(1, 1, bevelPanel->width() - 2, bevelPanel->height() - 2);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);

    productName = aboutLabel(*bevelPanel, "ProductName", { 67, 16, 105, 20 }, QStringLiteral("Lumivex"),
                             pixelFont(sansSerif, 16, true));
    version = aboutLabel(*bevelPanel, "Version", { 91, 40, 53, 13 }, tr("Version 1.0"), pixelFont(sansSerif, 11));
    comments = aboutLabel(*bevelPanel, "Comments", { 9, 72, 214, 30 },
                          tr("Interaktives Programm zeigt Leistungs- daten von Objektiven"), pixelFont(arial, 12));
    comments->setWordWrap(true);
    comments->resize(214, 30);
    makerName = aboutLabel(*bevelPanel, "Firmenname", { 8, 112, 221, 19 }, QStringLiteral("Lumivex-Projekt"),
                           pixelFont(arial, 12, true), false);
    webAddress = aboutLabel(*bevelPanel, "Internet", { 32, 128, 175, 19 }, QStringLiteral("www.example.org/lumivex"),
                            pixelFont(arial, 12), false);
    mailAddress = aboutLabel(*bevelPanel, "email", { 16, 144, 205, 19 }, QStringLiteral("lumivex@example.org"),
                             pixelFont(arial, 12), false);
    copyright = aboutLabel(*bevelPanel, "Copyright", { 27, 176, 177, 13 }, QStringLiteral("© 2026 Lumivex-Projekt"),
                           pixelFont(sansSerif, 11));

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setGeometry(87, 218, 77, 27);
    okButton->setFont(pixelFont(sansSerif, 11, true));
    okButton->setIcon(ButtonIcons::load(QStringLiteral("ok"), false));
    okButton->setIconSize(QSize(16, 16));
    okButton->setDefault(true);
    okButton->setFocus();
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen rather than over the main window.
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    okButton->setFocus();
}
