#include "TForm2.h"

#include "HelpFile.h"
#include "ImageCanvas.h"
#include "ImageView.h"
#include "MainWindowLayout.h"
#include "PlotFrame.h"
#include "PlotGeometry.h"
#include "TAboutBox.h"
#include "UiServices.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <exception>

TForm2::TForm2(UiServices& ui, QWidget* parent)
    : QWidget(parent)
    , m_ui(ui)
    , m_plotImage(PlotGeometry::ImageSize, PlotGeometry::ImageSize, QImage::Format_RGB32)
    , m_helpFileCandidates(HelpFile::candidates(QCoreApplication::applicationDirPath()))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Lumivex"));
    setFont(MainWindowLayout::pixelFont(QStringLiteral("System"), 13));
    // The layout does not follow a resize, so the client area is fixed.
    setFixedSize(MainWindowLayout::ClientWidth, MainWindowLayout::ClientHeight);
    m_plotImage.fill(Qt::white);

    m_controls = MainWindowLayout::build(*this, m_plotImage);
    connectHandlers();
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

void TForm2::connectHandlers()
{
    onClick(m_controls.BitBtn1, &TForm2::BitBtn1Click);
    onClick(m_controls.BitBtn4, &TForm2::BitBtn4Click);
    onClick(m_controls.BitBtn5, &TForm2::BitBtn5Click);
}

void TForm2::FormCreate()
{
    m_lens.FileLoaded = 0;
    m_axisTexts = initialAxisTexts();
    ImageCanvas canvas(m_plotImage);
    DrawPlotFrame(canvas, Abscissa::ImageHeight, m_axisTexts);
    m_controls.Image2->update();

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
