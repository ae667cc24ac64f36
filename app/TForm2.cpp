#include "TForm2.h"

#include "HelpFile.h"
#include "ImageView.h"
#include "LensFileDrop.h"
#include "LensFileReader.h"
#include "LensPresentation.h"
#include "LoadError.h"
#include "MainWindowLayout.h"
#include "PlotFrame.h"
#include "PrintCommand.h"
#include "TAboutBox.h"
#include "UiServices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <exception>
#include <filesystem>

namespace {

template <std::size_t N>
void applyToPanel(const std::array<ValueControlState, N>& states, const std::array<QRadioButton*, N>& buttons)
{
    for (std::size_t k = 0; k < N; ++k) {
        if (states[k].caption) {
            buttons[k]->setText(*states[k].caption);
        }
        buttons[k]->setVisible(states[k].shown);
    }
    // A hidden button never stays the chosen one: the first button, which
    // is always shown, takes over without running a handler.
    for (QRadioButton* button : buttons) {
        if (button->isChecked() && button->isHidden()) {
            const QSignalBlocker blocker(buttons[0]);
            buttons[0]->setChecked(true);
        }
    }
}

// A lens file is read, never taken away: a drop is accepted as a copy (or a
// link, where the source offers no copy), never as a move, which would let
// the source delete the file afterwards. nullopt: the drop is refused.
std::optional<Qt::DropAction> lensDropAction(const QDropEvent& event)
{
    if (!droppedLensFile(*event.mimeData())) {
        return std::nullopt;
    }
    if (event.possibleActions() & Qt::CopyAction) {
        return Qt::CopyAction;
    }
    if (event.possibleActions() & Qt::LinkAction) {
        return Qt::LinkAction;
    }
    return std::nullopt;
}

} // namespace

TForm2::TForm2(UiServices& ui, QWidget* parent)
    : QWidget(parent)
    , m_ui(ui)
    // Drawn from the start at the ratio of the screen the window opens on.
    , m_plotImage(devicePixelRatioF())
    , m_helpFileCandidates(HelpFile::candidates(QCoreApplication::applicationDirPath()))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Lumivex"));
    setFont(MainWindowLayout::pixelFont(QStringLiteral("System"), 13));
    // The layout does not follow a resize, so the client area is fixed.
    setFixedSize(MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight);
    setAcceptDrops(true);

    m_controls = MainWindowLayout::build(*this, m_plotImage);
    connectHandlers();
    connectShortcuts();
    runGuarded([this] { FormCreate(); });

    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TForm2::~TForm2() = default;

void TForm2::runGuarded(const std::function<void()>& body) noexcept
{
    // Showing the message can itself fail (out of memory); then there is
    // nothing left to report to, and the program still goes on.
    try {
        try {
            body();
        } catch (const std::exception& error) {
            m_ui.showMessage(this, QString::fromUtf8(error.what()));
        } catch (...) {
            m_ui.showMessage(this, QStringLiteral("Unbekannter Fehler"));
        }
    } catch (...) {
    }
}

template <typename Button> void TForm2::onClick(Button* button, void (TForm2::*handler)())
{
    connect(button, &Button::clicked, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

template <typename Button> void TForm2::onCheck(Button* button, void (TForm2::*handler)(), bool onUncheckToo)
{
    connect(button, &Button::toggled, this, [this, handler, onUncheckToo](bool checked) {
        if (checked || onUncheckToo) {
            runGuarded([this, handler] { (this->*handler)(); });
        }
    });
}

void TForm2::connectHandlers()
{
    const MainWindowControls& c = m_controls;
    onClick(c.BitBtn1, &TForm2::BitBtn1Click);
    onClick(c.SpeedButton1, &TForm2::SpeedButton1Click);
    onClick(c.SpeedButton2, &TForm2::Label6Click);
    onClick(c.SpeedButton3, &TForm2::SpeedButton3Click);
    onClick(c.BitBtn2, &TForm2::BitBtn2Click);
    onClick(c.BitBtn3, &TForm2::BitBtn3Click);
    onClick(c.BitBtn4, &TForm2::BitBtn4Click);
    onClick(c.BitBtn5, &TForm2::BitBtn5Click);

    onCheck(c.abscissaButtons[0], &TForm2::RadioButton6Click);
    onCheck(c.abscissaButtons[1], &TForm2::RadioButton7Click);
    onCheck(c.abscissaButtons[2], &TForm2::RadioButton8Click);
    onCheck(c.abscissaButtons[3], &TForm2::RadioButton9Click);
    onCheck(c.fNumberButtons[0], &TForm2::RadioButton1Click);
    for (std::size_t k = 1; k < c.fNumberButtons.size(); ++k) {
        onCheck(c.fNumberButtons[k], &TForm2::RadioButton2Click);
    }
    for (QCheckBox* box : c.frequencyBoxes) {
        onCheck(box, &TForm2::CheckBox1Click, true);
    }
    for (QRadioButton* button : c.imageHeightButtons) {
        onCheck(button, &TForm2::BitBtn2Click);
    }
    for (QRadioButton* button : c.magnificationButtons) {
        onCheck(button, &TForm2::BitBtn2Click);
    }
}

void TForm2::connectShortcuts()
{
    // Each key clicks its button, so exactly the button's handler runs
    // under the error handler, and only while the button is enabled (a
    // disabled button ignores click() too; the check keeps the rule in
    // sight here).
    const auto bind = [this](const QKeySequence& key, QAbstractButton* button) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) {
                button->click();
            }
        });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), m_controls.SpeedButton1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_P), m_controls.SpeedButton2);
    bind(QKeySequence(Qt::Key_F1), m_controls.BitBtn5);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Q), m_controls.BitBtn1);
}

void TForm2::FormCreate()
{
    m_lens.FileLoaded = 0;
    m_plot.texts = initialAxisTexts();
    DrawPlotFrame(m_plotImage, Abscissa::ImageHeight, m_plot.texts);
    refreshPlot();

    m_controls.SpeedButton3->setChecked(false); // overlay mode
    m_controls.SpeedButton2->setEnabled(false);
    m_controls.SpeedButton3->setEnabled(false);
    m_controls.BitBtn2->setEnabled(false);
    m_controls.BitBtn3->setEnabled(false);

    m_wavelengthCaptionPrefix = m_controls.Label7->text();
    m_weightCaptionPrefix = m_controls.Label8->text();
}

void TForm2::BitBtn1Click()
{
    // Closing the main window ends the event loop and the program.
    close();
}

void TForm2::SpeedButton1Click()
{
    // The window takes its loaded look before the dialog, and keeps it
    // whatever the dialog and the read bring.
    showLoadedLook();
    if (!ReadDataFile()) {
        return;
    }
    showLens();
    PlotController::RedrawAfterLoad(*this, m_lens, m_plot);
}

void TForm2::showLoadedLook()
{
    const MainWindowControls& c = m_controls;
    for (QFrame* panel : { c.Panel1, c.Panel2, c.Panel3, c.Panel4 }) {
        panel->setVisible(true);
    }
    c.Memo1->setVisible(false);
    c.SpeedButton2->setEnabled(true);
    c.SpeedButton3->setEnabled(true);
    c.BitBtn2->setEnabled(true);
    c.BitBtn3->setEnabled(true);
}

bool TForm2::ReadDataFile()
{
    const auto path = m_ui.openFileName(this, QStringLiteral("MTF-Datei|*.mtf"));
    if (!path) {
        return true; // cancelled: the data set stays as it is
    }
    return readLens(*path);
}

bool TForm2::readLens(const QString& path)
{
    try {
        // All or nothing: the data set is replaced only by a complete read.
        m_lens = readLensFile(std::filesystem::path(QFile::encodeName(path).toStdString()), m_lens);
    } catch (const FileOpenError& error) {
        showMessage(QString::fromUtf8(error.what()));
        return false;
    }
    for (int k = 1; k <= m_lens.MagnificationCount; ++k) {
        QLabel* label = m_controls.distanceLabels[static_cast<std::size_t>(k - 1)];
        label->setText(QString::fromStdString(m_lens.DistanceLabels[k]));
        label->adjustSize();
    }
    return true;
}

void TForm2::openLensFile(const QString& path)
{
    runGuarded([this, &path] {
        // The file is read first: with no lens to show, the window stays
        // as it is. From there on as a load through the dialog.
        if (!readLens(path)) {
            return;
        }
        showLoadedLook();
        showLens();
        PlotController::RedrawAfterLoad(*this, m_lens, m_plot);
    });
}

void TForm2::openLensFileLater(const QString& path)
{
    QMetaObject::invokeMethod(
        this, [this, path] { openLensFile(path); }, Qt::QueuedConnection);
}

void TForm2::dragEnterEvent(QDragEnterEvent* event)
{
    if (const auto action = lensDropAction(*event)) {
        event->setDropAction(*action);
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm2::dropEvent(QDropEvent* event)
{
    const auto action = lensDropAction(*event);
    if (!action) {
        event->ignore();
        return;
    }
    event->setDropAction(*action);
    event->accept();
    openLensFileLater(*droppedLensFile(*event->mimeData()));
}

void TForm2::setPlotPixelRatio(std::optional<double> ratio)
{
    m_controls.Image2->setFollowScreen(!ratio);
    m_plotImage.setDevicePixelRatio(ratio.value_or(m_controls.Image2->devicePixelRatioF()));
    refreshPlot();
}

void TForm2::showLens()
{
    const MainWindowControls& c = m_controls;
    const LensPresentation shown = presentLens(m_lens, m_wavelengthCaptionPrefix, m_weightCaptionPrefix);
    c.Label14->setText(shown.lensName);
    c.Label14->adjustSize();
    // A long name would run into the wavelength lines: it is cut there,
    // and the whole name is in the tool tip.
    const int room = c.Label7->x() - c.Label14->x() - 4;
    const bool cut = c.Label14->width() > room;
    if (cut) {
        c.Label14->resize(room, c.Label14->height());
    }
    c.Label14->setToolTip(cut ? shown.lensName : QString());
    c.Label7->setText(shown.wavelengthCaption);
    c.Label7->adjustSize();
    c.Label7->setVisible(true);
    c.Label8->setText(shown.weightCaption);
    c.Label8->adjustSize();
    c.Label8->setVisible(true);

    applyToPanel(shown.fNumbers, c.fNumberButtons);
    for (std::size_t k = 0; k < c.frequencyBoxes.size(); ++k) {
        // A hidden box keeps its check mark; it does not count while hidden.
        if (shown.frequencies[k].caption) {
            c.frequencyBoxes[k]->setText(*shown.frequencies[k].caption);
        }
        c.frequencyBoxes[k]->setVisible(shown.frequencies[k].shown);
    }
    // A load that hides every checked box would leave nothing to draw (a
    // file with one frequency hides the default box 2): the first box
    // takes a check, without its handler, so that the redraw after the
    // load draws it. A box the user unchecked stays unchecked.
    const auto checkedWhere = [&c](bool hidden) {
        return std::any_of(c.frequencyBoxes.begin(), c.frequencyBoxes.end(),
                           [hidden](const QCheckBox* box) { return box->isChecked() && box->isHidden() == hidden; });
    };
    if (checkedWhere(true) && !checkedWhere(false)) {
        const QSignalBlocker blocker(c.frequencyBoxes[0]);
        c.frequencyBoxes[0]->setChecked(true);
    }
    applyToPanel(shown.imageHeights, c.imageHeightButtons);
    applyToPanel(shown.magnifications, c.magnificationButtons);
    for (std::size_t k = 0; k < c.distanceLabels.size(); ++k) {
        c.distanceLabels[k]->setVisible(shown.distancesShown[k]);
    }
}

void TForm2::BitBtn2Click()
{
    PlotController::Draw(*this, m_lens, m_plot);
}

void TForm2::BitBtn3Click()
{
    PlotController::Clear(*this, m_plot);
}

void TForm2::CheckBox1Click()
{
    // A change of the frequency set always starts from an empty plot.
    BitBtn3Click();
    BitBtn2Click();
}

void TForm2::SpeedButton3Click()
{
    // The current selection is redrawn from an empty plot in the new mode.
    BitBtn3Click();
    BitBtn2Click();
}

void TForm2::RadioButton1Click()
{
    BitBtn2Click();
}

void TForm2::RadioButton2Click()
{
    BitBtn2Click();
}

void TForm2::RadioButton6Click()
{
    PlotController::ChangeAbscissa(*this, m_lens, m_plot, Abscissa::FNumber);
}

void TForm2::RadioButton7Click()
{
    PlotController::ChangeAbscissa(*this, m_lens, m_plot, Abscissa::Frequency);
}

void TForm2::RadioButton8Click()
{
    PlotController::ChangeAbscissa(*this, m_lens, m_plot, Abscissa::ImageHeight);
}

void TForm2::RadioButton9Click()
{
    PlotController::ChangeAbscissa(*this, m_lens, m_plot, Abscissa::Magnification);
}

void TForm2::Label6Click()
{
    PrintCommand(*this, m_ui, this, m_lens, m_plot, QDateTime::currentDateTime());
}

void TForm2::BitBtn4Click()
{
    if (m_aboutBox == nullptr) {
        m_aboutBox = new TAboutBox(this);
    }
    m_ui.runModal(*m_aboutBox);
}

void TForm2::BitBtn5Click()
{
    if (const auto path = HelpFile::find(m_helpFileCandidates)) {
        m_ui.showHelp(this, *path);
    } else {
        m_ui.showMessage(this, HelpFile::missingMessage(m_helpFileCandidates.value(0)));
    }
}

Abscissa TForm2::checkedAbscissa() const
{
    switch (m_controls.abscissaGroup->checkedId()) {
    case 0:
        return Abscissa::FNumber;
    case 1:
        return Abscissa::Frequency;
    case 3:
        return Abscissa::Magnification;
    default:
        return Abscissa::ImageHeight;
    }
}

bool TForm2::isFrequencyChecked(int index) const
{
    return m_controls.frequencyBoxes.at(static_cast<std::size_t>(index - 1))->isChecked();
}

bool TForm2::isFrequencyShown(int index) const
{
    return !m_controls.frequencyBoxes.at(static_cast<std::size_t>(index - 1))->isHidden();
}

std::optional<int> TForm2::checkedOption(SelectionPanel panel) const
{
    const QButtonGroup* group = nullptr;
    switch (panel) {
    case SelectionPanel::FNumber:
        group = m_controls.fNumberGroup;
        break;
    case SelectionPanel::ImageHeight:
        group = m_controls.imageHeightGroup;
        break;
    case SelectionPanel::Magnification:
        group = m_controls.magnificationGroup;
        break;
    case SelectionPanel::Frequency:
        return std::nullopt;
    }
    const int id = group->checkedId();
    if (id < 0) {
        return std::nullopt;
    }
    return id + 1;
}

bool TForm2::isSingleMode() const
{
    return m_controls.SpeedButton3->isChecked();
}

void TForm2::setPanelRaised(SelectionPanel panel, bool raised)
{
    QFrame* frames[] = { m_controls.Panel1, m_controls.Panel2, m_controls.Panel3, m_controls.Panel4 };
    MainWindowLayout::setPanelRaised(*frames[static_cast<int>(panel)], raised);
}

void TForm2::setPanelControlsEnabled(SelectionPanel panel, bool enabled)
{
    auto setAll = [enabled](const auto& controls) {
        for (QWidget* control : controls) {
            control->setEnabled(enabled);
        }
    };
    switch (panel) {
    case SelectionPanel::FNumber:
        setAll(m_controls.fNumberButtons);
        break;
    case SelectionPanel::Frequency:
        setAll(m_controls.frequencyBoxes);
        break;
    case SelectionPanel::ImageHeight:
        setAll(m_controls.imageHeightButtons);
        break;
    case SelectionPanel::Magnification:
        setAll(m_controls.magnificationButtons);
        setAll(m_controls.distanceLabels);
        break;
    }
}

void TForm2::refreshPlot()
{
    m_controls.Image2->update();
}

void TForm2::showMessage(const QString& text)
{
    m_ui.showMessage(this, text);
}
