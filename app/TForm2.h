#pragma once

#include "AxisTexts.h"
#include "LensData.h"
#include "MainWindowControls.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>

class TAboutBox;
class UiServices;

// The main window. It owns every control, the lens data set and the plot
// image. Slots only translate a click into a handler call; every handler
// runs under the general error handler (runGuarded), so no exception ever
// leaves a slot.
class TForm2 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(UiServices& ui, QWidget* parent = nullptr);
    ~TForm2() override;

    const MainWindowControls& controls() const { return m_controls; }
    const QImage& plotImage() const { return m_plotImage; }
    const LensData& lensData() const { return m_lens; }
    const AxisTexts& axisTexts() const { return m_axisTexts; }
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
    void BitBtn4Click();
    void BitBtn5Click();

private:
    void connectHandlers();
    // Connects a click of button to handler, under the error handler.
    template <typename Button> void onClick(Button* button, void (TForm2::*handler)());

    UiServices& m_ui;
    LensData m_lens;
    AxisTexts m_axisTexts;
    QImage m_plotImage;
    MainWindowControls m_controls;
    QString m_wavelengthCaptionPrefix;
    QString m_weightCaptionPrefix;
    QStringList m_helpFileCandidates;
    TAboutBox* m_aboutBox = nullptr; // owned by this window (Qt parent)
};
