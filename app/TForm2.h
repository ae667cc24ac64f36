#pragma once

#include "ImageCanvas.h"
#include "LensData.h"
#include "MainWindowControls.h"
#include "PlotController.h"
#include "PlotView.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>

class TAboutBox;
class UiServices;

// The main window. It owns every control, the lens data set, the plot image
// and the selection state. Slots only translate a click into a handler
// call; every handler runs under the general error handler (runGuarded), so
// no exception ever leaves a slot. The selection logic lives in
// PlotController and reaches the window through the PlotView interface.
class TForm2 final : public QWidget, public PlotView
{
    Q_OBJECT

public:
    explicit TForm2(UiServices& ui, QWidget* parent = nullptr);
    ~TForm2() override;

    const MainWindowControls& controls() const { return m_controls; }
    const QImage& plotImage() const { return m_plotImage; }
    const LensData& lensData() const { return m_lens; }
    const PlotState& plotState() const { return m_plot; }
    const AxisTexts& axisTexts() const { return m_plot.texts; }
    const QString& wavelengthCaptionPrefix() const { return m_wavelengthCaptionPrefix; }
    const QString& weightCaptionPrefix() const { return m_weightCaptionPrefix; }
    // The information box, once BitBtn4 has created it.
    TAboutBox* aboutBox() const { return m_aboutBox; }

    // Where BitBtn5 looks for the help document, first match wins.
    void setHelpFileCandidates(const QStringList& candidates) { m_helpFileCandidates = candidates; }
    const QStringList& helpFileCandidates() const { return m_helpFileCandidates; }

    // The general error handler: runs body; an exception that escapes it is
    // shown in a message box with its text, and the program goes on.
    void runGuarded(const std::function<void()>& body) noexcept;

    // Event handlers, named after control and event.
    void FormCreate();
    void BitBtn1Click();
    void SpeedButton1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void CheckBox1Click();
    void SpeedButton3Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void Label6Click();
    void BitBtn4Click();
    void BitBtn5Click();

    // Runs the file-open dialog and reads the chosen file into the data
    // set, all or nothing. Returns false when the load is to stop here (the
    // file could not be opened; the message has been shown). A malformed
    // file throws LoadError and changes nothing.
    bool ReadDataFile();

    // PlotView
    Abscissa checkedAbscissa() const override;
    bool isFrequencyChecked(int index) const override;
    bool isFrequencyShown(int index) const override;
    std::optional<int> checkedOption(SelectionPanel panel) const override;
    bool isSingleMode() const override;
    void setPanelRaised(SelectionPanel panel, bool raised) override;
    void setPanelControlsEnabled(SelectionPanel panel, bool enabled) override;
    Canvas& plotCanvas() override { return m_canvas; }
    void refreshPlot() override;
    void showMessage(const QString& text) override;

private:
    void connectHandlers();
    // Runs handler, under the error handler, on every click of button.
    template <typename Button> void onClick(Button* button, void (TForm2::*handler)());
    // Runs handler, under the error handler, when button becomes checked
    // (an option button) or changes its state (a check box).
    template <typename Button> void onCheck(Button* button, void (TForm2::*handler)(), bool onUncheckToo = false);
    void showLens();

    UiServices& m_ui;
    LensData m_lens;
    PlotState m_plot;
    QImage m_plotImage;
    ImageCanvas m_canvas;
    MainWindowControls m_controls;
    QString m_wavelengthCaptionPrefix;
    QString m_weightCaptionPrefix;
    QStringList m_helpFileCandidates;
    TAboutBox* m_aboutBox = nullptr; // owned by this window (Qt parent)
};
