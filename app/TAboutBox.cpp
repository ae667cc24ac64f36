#include "TAboutBox.h"

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
    // The texts size themselves: a caption wider than its layout width (the
    // substitute face is a little wider than the classic one) grows to the
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

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    using MainWindowLayout::pixelFont;
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QString arial = QStringLiteral("Arial");

    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Infos"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(pixelFont(QStringLiteral("System"), 13));

    // A double bevel: lowered outside, raised inside. The inner frame is
    // created first so that it lies below the texts.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 233, 201);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inner = new QFrame(Panel1);
    inner->setGeometry(1, 1, Panel1->width() - 2, Panel1->height() - 2);
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);

    ProductName = aboutLabel(*Panel1, "ProductName", { 67, 16, 105, 20 }, QStringLiteral("Lumivex"),
                             pixelFont(sansSerif, 16, true));
    Version
        = aboutLabel(*Panel1, "Version", { 91, 40, 53, 13 }, QStringLiteral("Version 1.0"), pixelFont(sansSerif, 11));
    Comments = aboutLabel(*Panel1, "Comments", { 9, 72, 214, 30 },
                          QStringLiteral("Interaktives Programm zeigt Leistungs- daten von Objektiven"),
                          pixelFont(arial, 12));
    Comments->setWordWrap(true);
    Comments->resize(214, 30);
    Firmenname = aboutLabel(*Panel1, "Firmenname", { 8, 112, 221, 19 }, QStringLiteral("Lumivex-Projekt"),
                            pixelFont(arial, 12, true), false);
    Internet = aboutLabel(*Panel1, "Internet", { 32, 128, 175, 19 }, QStringLiteral("www.example.org/lumivex"),
                          pixelFont(arial, 12), false);
    email = aboutLabel(*Panel1, "email", { 16, 144, 205, 19 }, QStringLiteral("lumivex@example.org"),
                       pixelFont(arial, 12), false);
    Copyright = aboutLabel(*Panel1, "Copyright", { 27, 176, 177, 13 }, QStringLiteral("© 2026 Lumivex-Projekt"),
                           pixelFont(sansSerif, 11));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(87, 218, 77, 27);
    OKButton->setFont(pixelFont(sansSerif, 11, true));
    OKButton->setIcon(ButtonIcons::load(QStringLiteral("ok"), false));
    OKButton->setIconSize(QSize(16, 16));
    OKButton->setDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen rather than over the main window.
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    OKButton->setFocus();
}
