// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "AboutBox.h"
#include "AnalysisWindow.h"
#include "ComparisonTexts.h"
#include "DialogFolder.h"
#include "HelpFile.h"
#include "ImageView.h"
#include "LensFileDrop.h"
#include "LensFileReader.h"
#include "LensPresentation.h"
#include "LoadError.h"
#include "MainWindowLayout.h"
#include "PlotFileCommands.h"
#include "PlotFrame.h"
#include "PlotReadoutTip.h"
#include "PrintCommand.h"
#include "Translation.h"
#include "UiServices.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
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
#include <array>
#include <cmath>
#include <exception>

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

// A distance label as the panel shows it: the data's "unendlich" in the
// window's language, a number as it is.
QString distanceCaption(const std::string& label)
{
    return label == "unendlich" ? QCoreApplication::translate("DistanceLabel", "unendlich")
                                : QString::fromStdString(label);
}

} // namespace

MainWindow::MainWindow(UiServices& ui, QWidget* parent)
    : MainWindow(ui, Language::German, parent)
{
}

MainWindow::MainWindow(UiServices& ui, Language language, QWidget* parent)
    : QWidget(parent)
    , m_ui(ui)
    , m_language(language)
    // Drawn from the start at the ratio of the screen the window opens on.
    , m_plotImage(devicePixelRatioF())
    , m_helpFileCandidates(HelpFile::candidates(QCoreApplication::applicationDirPath(), language))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Lumivex"));
    setFont(MainWindowLayout::pixelFont(QStringLiteral("System"), 13));
    // The layout does not follow a resize, so the client area is fixed.
    setFixedSize(MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight);
    setAcceptDrops(true);

    m_controls = MainWindowLayout::build(*this, m_plotImage);
    m_readoutTip = new PlotReadoutTip(*m_controls.plotView, m_plot.drawn);
    m_plotActions = PlotActions::create(*this, *m_controls.plotView);
    connectControls();
    connectShortcuts();
    runGuarded([this] { showStartState(); });

    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow()
{
    // Its pages read this window's state: gone before that is.
    delete m_analysisWindow;
}

void MainWindow::runGuarded(const std::function<void()>& body) noexcept
{
    // Showing the message can itself fail (out of memory); then there is
    // nothing left to report to, and the program still goes on.
    try {
        try {
            body();
        } catch (const std::exception& error) {
            m_ui.showMessage(this, errorText(error));
        } catch (...) {
            m_ui.showMessage(this, tr("Unbekannter Fehler"));
        }
    } catch (...) {
    }
}

template <typename Button> void MainWindow::onClick(Button* button, void (MainWindow::*slot)())
{
    connect(button, &Button::clicked, this, [this, slot] { runGuarded([this, slot] { (this->*slot)(); }); });
}

template <typename Button> void MainWindow::onChecked(Button* button, const std::function<void()>& slot)
{
    connect(button, &Button::toggled, this, [this, slot](bool checked) {
        if (checked) {
            runGuarded(slot);
        }
    });
}

void MainWindow::connectControls()
{
    const MainWindowControls& c = m_controls;
    // Closing the main window ends the event loop and the program.
    connect(c.exitButton, &QPushButton::clicked, this, &QWidget::close);
    onClick(c.openButton, &MainWindow::openLens);
    onClick(c.printButton, &MainWindow::printSelection);
    onClick(c.singleModeButton, &MainWindow::redrawFromEmpty);
    onClick(c.drawButton, &MainWindow::draw);
    onClick(c.clearButton, &MainWindow::clearPlot);
    onClick(c.infoButton, &MainWindow::showAboutBox);
    onClick(c.helpButton, &MainWindow::showHelp);

    constexpr std::array abscissae { Abscissa::FNumber, Abscissa::Frequency, Abscissa::ImageHeight,
                                     Abscissa::Magnification };
    for (std::size_t k = 0; k < abscissae.size(); ++k) {
        onChecked(c.abscissaButtons[k], [this, abscissa = abscissae[k]] { chooseAbscissa(abscissa); });
    }
    const auto onTrigger = [this](QAction* action, void (MainWindow::*slot)()) {
        connect(action, &QAction::triggered, this, [this, slot] { runGuarded([this, slot] { (this->*slot)(); }); });
    };
    onTrigger(m_plotActions.save, &MainWindow::savePlot);
    onTrigger(m_plotActions.copyChart, &MainWindow::copyPlotImage);
    onTrigger(m_plotActions.copyValues, &MainWindow::copyPlotValues);
    onTrigger(m_plotActions.loadReference, &MainWindow::loadReference);
    onTrigger(m_plotActions.removeReference, &MainWindow::removeReference);
    connect(m_plotActions.figures, &QAction::triggered, this, [this] { openAnalysis(QStringLiteral("figures")); });
    connect(m_plotActions.analysis, &QAction::triggered, this, [this] { openAnalysis(); });

    // A new fixed value draws on top (or alone in single mode).
    const auto drawOnCheck = [this](const auto& buttons) {
        for (QRadioButton* button : buttons) {
            onChecked(button, [this] { draw(); });
        }
    };
    drawOnCheck(c.fNumberButtons);
    drawOnCheck(c.imageHeightButtons);
    drawOnCheck(c.magnificationButtons);
    // A frequency checked or unchecked changes the set of curves.
    for (QCheckBox* box : c.frequencyBoxes) {
        connect(box, &QCheckBox::toggled, this, [this] { runGuarded([this] { redrawFromEmpty(); }); });
    }
}

void MainWindow::connectShortcuts()
{
    // Each key clicks its button, so exactly the button's slot runs under
    // the error handler, and only while the button is enabled (a disabled
    // button ignores click() too; the check keeps the rule in sight here).
    const auto bind = [this](const QKeySequence& key, QAbstractButton* button) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) {
                button->click();
            }
        });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), m_controls.openButton);
    bind(QKeySequence(Qt::CTRL | Qt::Key_P), m_controls.printButton);
    bind(QKeySequence(Qt::Key_F1), m_controls.helpButton);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Q), m_controls.exitButton);
}

void MainWindow::showStartState()
{
    m_lens.FileLoaded = 0;
    m_plot.texts = initialAxisTexts();
    drawPlotFrame(m_plotImage, Abscissa::ImageHeight, m_plot.texts);
    clearDrawnPlot(m_plot.drawn, Abscissa::ImageHeight, m_plot.texts);
    refreshPlot();
    m_plotActions.setFileLoaded(false);

    m_controls.singleModeButton->setChecked(false); // overlay mode
    m_controls.printButton->setEnabled(false);
    m_controls.singleModeButton->setEnabled(false);
    m_controls.drawButton->setEnabled(false);
    m_controls.clearButton->setEnabled(false);

    m_wavelengthCaptionPrefix = m_controls.wavelengthLabel->text();
    m_weightCaptionPrefix = m_controls.weightLabel->text();
}

void MainWindow::openLens()
{
    // The window takes its loaded look before the dialog, and keeps it
    // whatever the dialog and the read bring.
    showLoadedLook();
    const auto path = m_ui.openFileName(this, tr("MTF-Datei") + QStringLiteral("|*.mtf"), DialogFolder::last());
    if (path) {
        DialogFolder::remember(*path);
    }
    if (path && !readLens(*path)) {
        return;
    }
    m_plotActions.setFileLoaded(m_lens.FileLoaded > 0);
    // Also after a cancelled dialog: the data set as it is, shown and drawn
    // again.
    showLens();
    PlotController::redrawAfterLoad(*this, m_lens, m_plot);
}

void MainWindow::showLoadedLook()
{
    const MainWindowControls& c = m_controls;
    for (QFrame* panel : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
        panel->setVisible(true);
    }
    c.instructionText->setVisible(false);
    c.printButton->setEnabled(true);
    c.singleModeButton->setEnabled(true);
    c.drawButton->setEnabled(true);
    c.clearButton->setEnabled(true);
}

bool MainWindow::readLens(const QString& path)
{
    try {
        // All or nothing: the data set is replaced only by a complete read.
        m_lens = readLensFile(QFile::encodeName(path).toStdString(), m_lens);
        m_lensPath = path;
    } catch (const FileOpenError& error) {
        showMessage(errorText(error));
        return false;
    }
    for (int k = 1; k <= m_lens.MagnificationCount; ++k) {
        QLabel* label = m_controls.distanceLabels[static_cast<std::size_t>(k - 1)];
        label->setText(distanceCaption(m_lens.DistanceLabels[k]));
        label->adjustSize();
    }
    return true;
}

void MainWindow::openLensFile(const QString& path)
{
    runGuarded([this, &path] {
        // The file is read first: with no lens to show, the window stays
        // as it is. From there on as a load through the dialog.
        if (!readLens(path)) {
            return;
        }
        showLoadedLook();
        m_plotActions.setFileLoaded(true);
        showLens();
        PlotController::redrawAfterLoad(*this, m_lens, m_plot);
    });
}

void MainWindow::openReferenceFile(const QString& path)
{
    runGuarded([this, &path] {
        if (m_lens.FileLoaded <= 0) {
            showMessage(PlotController::NoFileMessage);
            return;
        }
        // All or nothing, as a lens: a file that cannot be read throws and
        // changes nothing.
        auto reference
            = std::make_shared<const LensData>(readLensFile(QFile::encodeName(path).toStdString(), LensData()));
        PlotController::setReference(*this, m_lens, m_plot, std::move(reference));
        m_plotActions.setReferenceLoaded(true);
        showLensName();
    });
}

void MainWindow::loadReference()
{
    if (const auto path = m_ui.openFileName(this, tr("MTF-Datei") + QStringLiteral("|*.mtf"), DialogFolder::last())) {
        DialogFolder::remember(*path);
        openReferenceFile(*path);
    }
}

void MainWindow::removeReference()
{
    PlotController::setReference(*this, m_lens, m_plot, nullptr);
    m_plotActions.setReferenceLoaded(false);
    showLensName();
}

void MainWindow::openLensFileLater(const QString& path)
{
    QMetaObject::invokeMethod(
        this, [this, path] { openLensFile(path); }, Qt::QueuedConnection);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (const auto action = lensDropAction(*event)) {
        event->setDropAction(*action);
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const auto action = lensDropAction(*event);
    if (!action) {
        event->ignore();
        return;
    }
    event->setDropAction(*action);
    event->accept();
    const QString path = *droppedLensFile(*event->mimeData());
    if (event->modifiers() & Qt::ShiftModifier) {
        // With Shift the file becomes the reference lens.
        QMetaObject::invokeMethod(
            this, [this, path] { openReferenceFile(path); }, Qt::QueuedConnection);
    } else {
        openLensFileLater(path);
    }
}

void MainWindow::setPlotPixelRatio(std::optional<double> ratio)
{
    m_controls.plotView->setFollowScreen(!ratio);
    m_plotImage.setDevicePixelRatio(ratio.value_or(m_controls.plotView->devicePixelRatioF()));
    refreshPlot();
}

void MainWindow::showLens()
{
    const MainWindowControls& c = m_controls;
    const LensPresentation shown = presentLens(m_lens, m_wavelengthCaptionPrefix, m_weightCaptionPrefix);
    showLensName();
    c.wavelengthLabel->setText(shown.wavelengthCaption);
    c.wavelengthLabel->adjustSize();
    c.wavelengthLabel->setVisible(true);
    c.weightLabel->setText(shown.weightCaption);
    c.weightLabel->adjustSize();
    c.weightLabel->setVisible(true);

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
    MainWindowLayout::describeControls(c);
}

void MainWindow::showLensName()
{
    const MainWindowControls& c = m_controls;
    QString name = QString::fromStdString(m_lens.LensName);
    if (const LensData* reference = referenceLens()) {
        name = ComparisonTexts::lensNames(name, QString::fromStdString(reference->LensName));
    }
    // A long name would run into the wavelength lines: it ends in "…"
    // before them, and the whole name is in the tool tip.
    const int room = c.wavelengthLabel->x() - c.lensNameLabel->x() - 4;
    const QString shown = c.lensNameLabel->fontMetrics().elidedText(name, Qt::ElideRight, room);
    c.lensNameLabel->setText(shown);
    c.lensNameLabel->adjustSize();
    c.lensNameLabel->setToolTip(shown != name ? name : QString());
}

void MainWindow::draw()
{
    PlotController::draw(*this, m_lens, m_plot);
}

void MainWindow::clearPlot()
{
    PlotController::clear(*this, m_plot);
}

void MainWindow::redrawFromEmpty()
{
    PlotController::clearAndDraw(*this, m_lens, m_plot);
}

void MainWindow::chooseAbscissa(Abscissa abscissa)
{
    PlotController::changeAbscissa(*this, m_lens, m_plot, abscissa);
}

void MainWindow::printSelection()
{
    printCommand(*this, m_ui, this, m_lens, m_plot, QDateTime::currentDateTime(), languageLocale(m_language));
}

void MainWindow::showAboutBox()
{
    if (m_aboutBox == nullptr) {
        m_aboutBox = new AboutBox(this);
    }
    m_ui.runModal(*m_aboutBox);
}

void MainWindow::showHelp()
{
    if (const auto path = HelpFile::find(m_helpFileCandidates)) {
        m_ui.showHelp(this, *path);
    } else {
        m_ui.showMessage(this, HelpFile::missingMessage(m_helpFileCandidates.value(0)));
    }
}

int MainWindow::chartScale() const
{
    return std::clamp(static_cast<int>(std::ceil(plotPixelRatio() - 1e-9)), 1, 8);
}

void MainWindow::savePlot()
{
    savePlotCommand(*this, m_ui, this, m_lens, m_plot, chartScale(), languageLocale(m_language));
}

void MainWindow::openAnalysis(const QString& page)
{
    runGuarded([this, &page] {
        if (!m_analysisWindow) {
            m_analysisWindow = new AnalysisWindow(*this, m_ui);
        }
        m_analysisWindow->open(page);
    });
}

void MainWindow::copyPlotImage()
{
    QGuiApplication::clipboard()->setImage(plotChartImage(m_lens, m_plot, chartScale()));
}

void MainWindow::copyPlotValues()
{
    QGuiApplication::clipboard()->setText(plotValuesText(m_lens, m_plot));
}

Abscissa MainWindow::checkedAbscissa() const
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

bool MainWindow::isFrequencyChecked(int index) const
{
    return m_controls.frequencyBoxes.at(static_cast<std::size_t>(index - 1))->isChecked();
}

bool MainWindow::isFrequencyShown(int index) const
{
    return !m_controls.frequencyBoxes.at(static_cast<std::size_t>(index - 1))->isHidden();
}

std::optional<int> MainWindow::checkedOption(SelectionPanel panel) const
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

bool MainWindow::isSingleMode() const
{
    return m_controls.singleModeButton->isChecked();
}

void MainWindow::setPanelRaised(SelectionPanel panel, bool raised)
{
    QFrame* frames[] = { m_controls.fNumberPanel, m_controls.frequencyPanel, m_controls.imageHeightPanel,
                         m_controls.magnificationPanel };
    MainWindowLayout::setPanelRaised(*frames[static_cast<int>(panel)], raised);
}

void MainWindow::setPanelControlsEnabled(SelectionPanel panel, bool enabled)
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

void MainWindow::refreshPlot()
{
    m_controls.plotView->update();
    // What a screen reader says about the plot follows what it shows.
    QStringList frequencies;
    for (const QCheckBox* box : m_controls.frequencyBoxes) {
        if (box->isChecked() && !box->isHidden()) {
            frequencies << box->text().trimmed();
        }
    }
    const QString lensName = m_lens.FileLoaded > 0 ? QString::fromStdString(m_lens.LensName) : QString();
    const QRadioButton* abscissa
        = m_controls.abscissaButtons.at(static_cast<std::size_t>(std::max(0, m_controls.abscissaGroup->checkedId())));
    m_controls.plotView->setAccessibleDescription(
        MainWindowLayout::plotDescription(lensName, abscissa->toolTip(), frequencies));
    Q_EMIT plotChanged();
}

void MainWindow::showMessage(const QString& text)
{
    m_ui.showMessage(this, text);
}
