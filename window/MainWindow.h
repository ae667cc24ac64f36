// SPDX-License-Identifier: MIT
#pragma once

#include "Language.h"
#include "LensData.h"
#include "MainWindowControls.h"
#include "PlotActions.h"
#include "PlotController.h"
#include "PlotImage.h"
#include "PlotView.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class AboutBox;
class AnalysisWindow;
class PlotReadoutTip;
class UiServices;

// The main window. It owns every control, the lens data set, the plot image
// and the selection state. Its slots translate a click into a call of the
// plot controller (or a dialog) and run under the general error handler
// (runGuarded), so no exception ever leaves a slot. The selection logic lives in
// PlotController and reaches the window through the PlotView interface.
//
// Beyond the buttons, a lens can come from the command line or be dropped
// on the window (openLensFile), and the keys Ctrl+O, Ctrl+P, F1 and Ctrl+Q
// click the open, print, help and exit buttons while those are enabled.
// Over the plot a tool tip reads the values at the cursor (PlotReadoutTip),
// and its context menu saves or copies the chart (PlotActions).
class MainWindow final : public QWidget, public PlotView
{
    Q_OBJECT

public:
    // The window in German, or in the language of the installed
    // translation: language chooses what the texts cannot say themselves
    // (the help document, the report's date format).
    explicit MainWindow(UiServices& ui, QWidget* parent = nullptr);
    MainWindow(UiServices& ui, Language language, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainWindowControls& controls() const { return m_controls; }
    // The plot as shown: 250 x 250 logical pixels at plotPixelRatio().
    const QImage& plotImage() const { return m_plotImage.image(); }
    double plotPixelRatio() const { return m_plotImage.devicePixelRatio(); }
    // nullopt (the default): the plot is drawn at the device pixel ratio of
    // the screen it is shown on. A ratio: drawn at that ratio wherever it is
    // shown (what is shown is redrawn at once).
    void setPlotPixelRatio(std::optional<double> ratio);
    const LensData& lensData() const { return m_lens; }
    // The path the lens was read from, as given to the load.
    const QString& lensFilePath() const { return m_lensPath; }
    const PlotState& plotState() const { return m_plot; }
    // The plot's context menu and shortcuts, and its value readout.
    const PlotActions& plotActions() const { return m_plotActions; }
    PlotReadoutTip& readoutTip() const { return *m_readoutTip; }
    // The information box, once the info button has created it.
    AboutBox* aboutBox() const { return m_aboutBox; }
    // The analysis window ("Analyse …", Ctrl+M), created on first use;
    // null before. openAnalysis shows it at the page named page (its
    // objectName), or at the page it showed last. "Kennzahlen …" (Ctrl+K)
    // opens it at the figures page.
    AnalysisWindow* analysisWindow() const { return m_analysisWindow; }
    void openAnalysis(const QString& page = QString());

    // Where the help button looks for the help document, first match wins.
    void setHelpFileCandidates(const QStringList& candidates) { m_helpFileCandidates = candidates; }

    // The general error handler: runs body; an exception that escapes it is
    // shown in a message box with its text, and the program goes on.
    void runGuarded(const std::function<void()>& body) noexcept;

    // Loads the lens file at path as a load whose file dialog returned
    // path: the window takes its loaded look, shows the lens and redraws.
    // A file that cannot be read shows the same messages as such a load
    // (under the general error handler) and leaves the window as it was,
    // in its start state before the first load. Never throws.
    void openLensFile(const QString& path);
    // The same, run from the event loop once the current event is done:
    // for the file named on the command line, which is loaded after the
    // window is on screen so that a message box has its parent shown, and
    // for a dropped file, so that the drop is over before a message shows.
    void openLensFileLater(const QString& path);
    // Loads the lens file at path as the reference lens: it is drawn with
    // every curve and named after the lens. Refused with the missing-file
    // message while no lens is loaded; a file that cannot be read shows the
    // reader's message and leaves the lens and an earlier reference lens as
    // they were. Never throws.
    void openReferenceFile(const QString& path);
    // The reference lens, or null.
    const LensData* referenceLens() const { return m_plot.drawn.reference.get(); }

    // PlotView
    Abscissa checkedAbscissa() const override;
    bool isFrequencyChecked(int index) const override;
    bool isFrequencyShown(int index) const override;
    std::optional<int> checkedOption(SelectionPanel panel) const override;
    bool isSingleMode() const override;
    void setPanelRaised(SelectionPanel panel, bool raised) override;
    void setPanelControlsEnabled(SelectionPanel panel, bool enabled) override;
    Canvas& plotCanvas() override { return m_plotImage; }
    void refreshPlot() override;
    void showMessage(const QString& text) override;

Q_SIGNALS:
    // The plot was redrawn or cleared: after a load, a draw, a selection
    // change, a new or removed reference lens. Windows that follow the main
    // window (figures, analysis) read lensData(), plotState(),
    // checkedOption() and referenceLens() again.
    void plotChanged();

protected:
    // A drag is taken only when it brings one local .mtf file.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // What the controls do; each runs under the general error handler.
private Q_SLOTS:
    // The open button: the file dialog, then the load.
    void openLens();
    void printSelection();
    void draw();
    void clearPlot();
    // A change of the frequency set or of the mode: the current selection
    // drawn again from an empty plot.
    void redrawFromEmpty();
    void chooseAbscissa(Abscissa abscissa);
    void showAboutBox();
    void showHelp();
    // The entries of the plot's context menu.
    void savePlot();
    void copyPlotImage();
    void copyPlotValues();
    // The file dialog, then the reference lens loaded.
    void loadReference();
    void removeReference();

private:
    // The state the window opens in: no lens, the empty frame for the image
    // height, the buttons that act on a lens disabled.
    void showStartState();
    void connectControls();
    void connectShortcuts();
    // Runs slot under the error handler on every click of button.
    template <typename Button> void onClick(Button* button, void (MainWindow::*slot)());
    // Runs slot under the error handler when button becomes checked.
    template <typename Button> void onChecked(Button* button, const std::function<void()>& slot);
    // The steps of a load before the file is read: panels shown, the
    // instruction text hidden, the buttons that act on a lens enabled.
    void showLoadedLook();
    // Reads the file at path into the data set, all or nothing, and writes
    // the distance labels. False when the file could not be opened (the
    // message has been shown); a malformed file throws LoadError and
    // changes nothing.
    bool readLens(const QString& path);
    void showLens();
    // The lens's name in the information strip, with the reference lens's.
    void showLensName();
    // Saved and copied charts are drawn at the resolution the plot is shown
    // at, rounded up to a whole pixel ratio (as --scale draws them).
    int chartScale() const;

    UiServices& m_ui;
    Language m_language;
    LensData m_lens;
    PlotState m_plot;
    PlotImage m_plotImage;
    MainWindowControls m_controls;
    QString m_wavelengthCaptionPrefix;
    QString m_weightCaptionPrefix;
    QStringList m_helpFileCandidates;
    AboutBox* m_aboutBox = nullptr; // owned by this window (Qt parent)
    QString m_lensPath;
    PlotActions m_plotActions;
    PlotReadoutTip* m_readoutTip = nullptr;     // owned by the plot view (Qt parent)
    AnalysisWindow* m_analysisWindow = nullptr; // owned by this window, deleted first
};
