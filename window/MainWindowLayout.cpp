// SPDX-License-Identifier: MIT
#include "MainWindowLayout.h"

#include "ButtonIcons.h"
#include "ImageView.h"
#include "PlotImage.h"
#include "ValueControlStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace MainWindowLayout {

namespace {

    // Inside each selection panel the k-th control lies at top 16 + 24 (k - 1).
    constexpr int PanelRowTop = 16;
    constexpr int PanelRowStep = 24;

    // The layout is the window's: its texts are translated in the window's
    // context.
    QString translated(const char* source)
    {
        return QCoreApplication::translate("MainWindow", source);
    }

    QFont arial(int pixelHeight, bool bold = false)
    {
        return pixelFont(QStringLiteral("Arial"), pixelHeight, bold);
    }

    template <typename Widget> Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
    {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(left, top, width, height);
        return widget;
    }

    QToolButton* toolButton(QWidget& parent, const char* name, int left, const QString& picture, const QString& hint)
    {
        auto* button = place(new QToolButton(&parent), name, left, 16, 25, 25);
        button->setIcon(ButtonIcons::load(picture));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(hint);
        // Reached with Tab and pressed with Space like the push buttons, but
        // a mouse click does not take the focus away from the panels.
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    }

    QPushButton* pushButton(QWidget& parent, const char* name, int left, const QString& picture, const QString& hint,
                            bool withDisabledLook = true)
    {
        auto* button = place(new QPushButton(&parent), name, left, 16, 25, 25);
        button->setIcon(ButtonIcons::load(picture, withDisabledLook));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(hint);
        button->setAutoDefault(false);
        return button;
    }

    // Labels size themselves to their caption, here and whenever a caption
    // changes; the layout fixes only their top-left corner.
    QLabel* label(QWidget& parent, const char* name, int left, int top, const QString& caption, const QFont& font)
    {
        auto* result = new QLabel(&parent);
        result->setObjectName(QString::fromLatin1(name));
        result->setTextFormat(Qt::PlainText); // "<   >" must not be taken for markup
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        result->setFont(font);
        result->setText(caption);
        result->move(left, top);
        result->adjustSize();
        return result;
    }

    void setBlackText(QWidget& widget)
    {
        // Black while enabled; a disabled label keeps the greyed look, so
        // the distances of a disabled magnification panel read as such.
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
        widget.setPalette(palette);
    }

    QFrame* panel(QWidget& parent, const char* name, int left, int top, int width, int height, bool raised)
    {
        auto* frame = place(new QFrame(&parent), name, left, top, width, height);
        frame->setLineWidth(1);
        setPanelRaised(*frame, raised);
        return frame;
    }

    template <std::size_t N>
    std::array<QRadioButton*, N> optionColumn(QFrame& panel, const std::array<const char*, N>& names, int width,
                                              QButtonGroup*& group)
    {
        group = new QButtonGroup(&panel);
        group->setExclusive(true);
        std::array<QRadioButton*, N> buttons {};
        for (std::size_t k = 0; k < N; ++k) {
            const int top = PanelRowTop + PanelRowStep * static_cast<int>(k);
            auto* button = place(new QRadioButton(&panel), names[k], 8, top, width, 17);
            button->setFont(arial(11));
            button->setText(QString::number(k + 1));
            group->addButton(button, static_cast<int>(k));
            buttons[k] = button;
        }
        buttons[0]->setChecked(true);
        return buttons;
    }

    void describe(QWidget& control, const QString& name, const QString& description)
    {
        control.setAccessibleName(name);
        control.setAccessibleDescription(description);
    }

    // Value controls: "F-number 2.8", described by their panel.
    template <typename Controls> void describeValues(const QFrame& panel, const Controls& controls)
    {
        for (QAbstractButton* control : controls) {
            describe(*control, panel.toolTip().trimmed() + QLatin1Char(' ') + control->text().trimmed(),
                     panel.toolTip().trimmed());
        }
    }

} // namespace

void describeControls(const MainWindowControls& c)
{
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*> { c.openButton, c.printButton, c.singleModeButton, c.drawButton,
                                                   c.clearButton, c.helpButton, c.infoButton, c.exitButton }) {
        describe(*button, button->toolTip(), button->toolTip());
    }
    for (QAbstractButton* button : c.abscissaButtons) {
        describe(*button, button->toolTip(), button->toolTip());
    }
    describe(*c.toolRowRule, QCoreApplication::translate("MainWindow", "Trennlinie"), QString());
    describe(*c.plotView, QCoreApplication::translate("MainWindow", "Diagramm"), c.plotView->accessibleDescription());
    describe(*c.instructionText, QCoreApplication::translate("MainWindow", "Anleitung"),
             c.instructionText->toPlainText().simplified());
    describe(*c.abscissaPanel, c.abscissaCaption->text(), c.abscissaCaption->text());
    for (QLabel* label :
         { c.abscissaCaption, c.fNumberAxisLabel, c.frequencyAxisLabel, c.imageHeightAxisLabel,
           c.magnificationAxisLabel, c.distanceAxisLabel, c.lensCaption, c.wavelengthLabel, c.weightLabel }) {
        describe(*label, label->text().trimmed(), label->toolTip());
    }
    describe(*c.lensNameLabel, c.lensNameLabel->text().trimmed(), c.lensCaption->text().trimmed());
    describe(*c.lensPanel, c.lensCaption->text().trimmed(), QString());
    for (QFrame* panel : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
        describe(*panel, panel->toolTip().trimmed(), panel->toolTip());
    }
    describeValues(*c.fNumberPanel, c.fNumberButtons);
    describeValues(*c.frequencyPanel, c.frequencyBoxes);
    describeValues(*c.imageHeightPanel, c.imageHeightButtons);
    describeValues(*c.magnificationPanel, c.magnificationButtons);
    for (QLabel* label : c.distanceLabels) {
        describe(*label, c.distanceAxisLabel->toolTip() + QLatin1Char(' ') + label->text().trimmed(),
                 c.distanceAxisLabel->toolTip());
    }
}

QString plotDescription(const QString& lensName, const QString& abscissa, const QStringList& frequencies)
{
    if (lensName.trimmed().isEmpty()) {
        return QCoreApplication::translate("MainWindow", "Noch kein Objektiv geladen");
    }
    return QCoreApplication::translate("MainWindow", "Objektiv %1, Modulation über %2, Ortsfrequenzen %3 LP/mm")
        .arg(lensName.trimmed(), abscissa,
             frequencies.isEmpty() ? QCoreApplication::translate("MainWindow", "keine")
                                   : frequencies.join(QStringLiteral(", ")));
}

void setTabOrder(const MainWindowControls& c)
{
    QList<QWidget*> chain { c.printButton, c.singleModeButton, c.drawButton, c.clearButton,
                            c.helpButton,  c.infoButton,       c.exitButton };
    chain.append(QList<QWidget*>(c.abscissaButtons.begin(), c.abscissaButtons.end()));
    chain.append(QList<QWidget*>(c.fNumberButtons.begin(), c.fNumberButtons.end()));
    chain.append(QList<QWidget*>(c.frequencyBoxes.begin(), c.frequencyBoxes.end()));
    chain.append(QList<QWidget*>(c.imageHeightButtons.begin(), c.imageHeightButtons.end()));
    chain.append(QList<QWidget*>(c.magnificationButtons.begin(), c.magnificationButtons.end()));
    chain.append(c.plotView);
    chain.append(c.instructionText);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

QFont pixelFont(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void setPanelRaised(QFrame& panel, bool raised)
{
    panel.setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
}

bool isPanelRaised(const QFrame& panel)
{
    return panel.frameShadow() == QFrame::Raised;
}

MainWindowControls build(QWidget& window, PlotImage& plot)
{
    MainWindowControls c;

    // Tool row.
    c.openButton = toolButton(window, "SpeedButton1", 16, QStringLiteral("open"),
                              QCoreApplication::translate("MainWindow", "MTF-Datei wählen"));
    // The open button takes no keyboard focus at all; Ctrl+O is its key.
    c.openButton->setFocusPolicy(Qt::NoFocus);
    c.printButton = toolButton(window, "SpeedButton2", 40, QStringLiteral("print"),
                               QCoreApplication::translate("MainWindow", "Ergebnis ausdrucken"));
    c.singleModeButton
        = toolButton(window, "SpeedButton3", 88, QStringLiteral("single"),
                     QCoreApplication::translate("MainWindow", "gedrückt Einzelgrafik, sonst Überlagerung"));
    c.singleModeButton->setCheckable(true);
    c.drawButton = pushButton(window, "BitBtn2", 120, QStringLiteral("draw"),
                              QCoreApplication::translate("MainWindow", "Ergebnis zur aktuellen Schaltereinstellung"));
    c.clearButton = pushButton(window, "BitBtn3", 144, QStringLiteral("clear"),
                               QCoreApplication::translate("MainWindow", "Grafik löschen"));
    c.helpButton = pushButton(window, "BitBtn5", 192, QStringLiteral("help"),
                              QCoreApplication::translate("MainWindow", "mehr über MTF"));
    c.infoButton
        = pushButton(window, "BitBtn4", 216, QStringLiteral("info"), QCoreApplication::translate("MainWindow", "Info"));
    // The exit button is never disabled, so it has no disabled picture.
    c.exitButton = pushButton(window, "BitBtn1", 248, QStringLiteral("exit"),
                              QCoreApplication::translate("MainWindow", "Programmende"), false);

    c.toolRowRule = place(new QFrame(&window), "Bevel1", 16, 56, 257, 1);
    c.toolRowRule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    c.plotView = place(new ImageView(plot, &window), "Image2", 20, 66, 250, 250);
    c.plotView->setToolTip(QCoreApplication::translate("MainWindow", "graf. Ergebnis"));

    c.instructionText = place(new QPlainTextEdit(&window), "Memo1", 400, 144, 161, 81);
    c.instructionText->setFont(arial(12));
    // Tab moves on instead of being typed, so the keyboard can leave the
    // text; a file dropped on it is a lens for the window, not text.
    c.instructionText->setTabChangesFocus(true);
    c.instructionText->setAcceptDrops(false);
    c.instructionText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.instructionText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.instructionText->setPlainText(QCoreApplication::translate("MainWindow",
                                                                "\n"
                                                                "     Bitte MTF-Datei des \n"
                                                                "     gewünschten Objektivs\n"
                                                                "     auswählen (1.Button)\n"
                                                                "  "));

    // Abscissa panel.
    c.abscissaPanel = panel(window, "Panel5", 296, 8, 345, 73, false);
    c.abscissaCaption = label(*c.abscissaPanel, "Label6", 55, 8,
                              QCoreApplication::translate("MainWindow", "Modulation darstellen über :"), arial(12));
    c.fNumberAxisLabel = label(*c.abscissaPanel, "Label1", 27, 32, QStringLiteral(" k"), arial(11));
    c.fNumberAxisLabel->setToolTip(QCoreApplication::translate("MainWindow", "Blendenzahl"));
    c.frequencyAxisLabel = label(*c.abscissaPanel, "Label2", 70, 32, QStringLiteral("LP / mm"), arial(11));
    c.frequencyAxisLabel->setToolTip(QCoreApplication::translate("MainWindow", "Ortsfrequenz"));
    c.imageHeightAxisLabel = label(*c.abscissaPanel, "Label3", 152, 32, QStringLiteral("y '"), arial(11));
    c.imageHeightAxisLabel->setToolTip(QCoreApplication::translate("MainWindow", "Bildort"));
    c.magnificationAxisLabel = label(*c.abscissaPanel, "Label4", 227, 32, QStringLiteral("ß '"), arial(11));
    c.magnificationAxisLabel->setToolTip(QCoreApplication::translate("MainWindow", "Abbildungsmaßstab"));
    c.distanceAxisLabel = label(*c.abscissaPanel, "Label19", 248, 32, QStringLiteral("<   >    OO ' [ mm]"), arial(11));
    c.distanceAxisLabel->setToolTip(QCoreApplication::translate("MainWindow", "Abbildungsstrecke"));
    setBlackText(*c.distanceAxisLabel);

    struct AbscissaButton
    {
        const char* name;
        int left;
        const char* caption;
        const char* hint;
    };
    // Only 15 pixels wide: the captions are cut off and the labels above
    // name the buttons.
    const std::array<AbscissaButton, 4> abscissae { {
        { "RadioButton6", 25, "", QT_TRANSLATE_NOOP("MainWindow", "Blende") },
        { "RadioButton7", 83, "RadioButton7", QT_TRANSLATE_NOOP("MainWindow", "Ortsfrequenz") },
        { "RadioButton8", 150, "RadioButton8", QT_TRANSLATE_NOOP("MainWindow", "Bildhöhe") },
        { "RadioButton9", 225, "RadioButton9", QT_TRANSLATE_NOOP("MainWindow", "Abbildungsmaßstab") },
    } };
    c.abscissaGroup = new QButtonGroup(c.abscissaPanel);
    for (std::size_t i = 0; i < abscissae.size(); ++i) {
        const AbscissaButton& entry = abscissae[i];
        auto* button = place(new QRadioButton(c.abscissaPanel), entry.name, entry.left, 48, 15, 17);
        button->setText(QString::fromLatin1(entry.caption));
        button->setToolTip(translated(entry.hint));
        c.abscissaGroup->addButton(button, static_cast<int>(i));
        c.abscissaButtons[i] = button;
    }
    c.abscissaButtons[2]->setChecked(true); // image height

    // Selection panels, hidden until a lens file has been loaded.
    c.fNumberPanel = panel(window, "Panel1", 296, 88, 60, 233, true);
    c.fNumberPanel->setToolTip(translated("Blende"));
    c.fNumberButtons = optionColumn<8>(*c.fNumberPanel,
                                       { "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5",
                                         "RadioButton10", "RadioButton21", "RadioButton22" },
                                       45, c.fNumberGroup);
    c.fNumberButtons[1]->resize(45, 18);

    c.frequencyPanel = panel(window, "Panel2", 362, 88, 55, 233, true);
    c.frequencyPanel->setToolTip(translated("Ortsfrequenz"));
    for (std::size_t k = 0; k < c.frequencyBoxes.size(); ++k) {
        const QByteArray name = "CheckBox" + QByteArray::number(static_cast<int>(k + 1));
        const int top = PanelRowTop + PanelRowStep * static_cast<int>(k);
        auto* box = place(new QCheckBox(c.frequencyPanel), name.constData(), 6, top, 35, 17);
        box->setFont(arial(11));
        box->setText(QString::number(k + 1));
        c.frequencyBoxes[k] = box;
    }
    c.frequencyBoxes[1]->setChecked(true);

    // The image height is the initial abscissa, so its panel starts
    // lowered with its buttons disabled.
    c.imageHeightPanel = panel(window, "Panel3", 426, 88, 70, 233, false);
    c.imageHeightPanel->setToolTip(translated("Bildhöhe"));
    c.imageHeightButtons = optionColumn<6>(
        *c.imageHeightPanel,
        { "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15", "RadioButton26" }, 55,
        c.imageHeightGroup);
    for (QRadioButton* button : c.imageHeightButtons) {
        button->setEnabled(false);
    }

    c.magnificationPanel = panel(window, "Panel4", 503, 88, 138, 233, true);
    c.magnificationPanel->setToolTip(QCoreApplication::translate("MainWindow", "Abbildungsmaßstab / -strecke "));
    c.magnificationButtons
        = optionColumn<9>(*c.magnificationPanel,
                          { "RadioButton16", "RadioButton17", "RadioButton18", "RadioButton19", "RadioButton20",
                            "RadioButton23", "RadioButton24", "RadioButton25", "RadioButton27" },
                          60, c.magnificationGroup);
    const std::array<const char*, 9> distanceNames { "Label9",  "Label10", "Label11", "Label12", "Label13",
                                                     "Label15", "Label16", "Label17", "Label18" };
    for (std::size_t k = 0; k < c.distanceLabels.size(); ++k) {
        const int top = k == 0 ? 17 : PanelRowTop + PanelRowStep * static_cast<int>(k);
        c.distanceLabels[k]
            = label(*c.magnificationPanel, distanceNames[k], 80, top, QString::number(k + 1), arial(11));
        setBlackText(*c.distanceLabels[k]);
    }

    for (QFrame* selection : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
        selection->setVisible(false);
    }

    // Information strip.
    c.lensPanel = panel(window, "Panel7", 16, 328, 625, 41, false);
    c.lensCaption
        = label(*c.lensPanel, "Label5", 16, 12, QCoreApplication::translate("MainWindow", "Objektiv : "), arial(12));
    c.lensNameLabel = label(*c.lensPanel, "Label14", 72, 12, QString(), arial(12, true));
    c.wavelengthLabel = label(*c.lensPanel, "Label7", 284, 8,
                              QCoreApplication::translate("MainWindow", " Wellenlängen [nm]   : "), arial(11));
    c.weightLabel = label(*c.lensPanel, "Label8", 284, 24,
                          QCoreApplication::translate("MainWindow", " Rel. Gewichtungen :  "), arial(11));
    c.wavelengthLabel->setVisible(false);
    c.weightLabel->setVisible(false);

    // The value controls keep their captions whole in their fixed widths.
    // The abscissa buttons keep the toolkit's look: their captions are
    // meant to stay out of their 15-pixel width. The style belongs to the
    // window.
    auto* valueStyle = new ValueControlStyle;
    valueStyle->setParent(&window);
    for (QFrame* selection : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
        for (QAbstractButton* control : selection->findChildren<QAbstractButton*>()) {
            control->setStyle(valueStyle);
        }
    }

    describeControls(c);
    setTabOrder(c);
    return c;
}

} // namespace MainWindowLayout
