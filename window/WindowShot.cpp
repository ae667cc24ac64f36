// SPDX-License-Identifier: MIT
// lumivex_window_shot: pictures of the real window for the documentation.
//
//   lumivex_window_shot FILE OUT.png [--f-number N] [--compare FILE2] [--abscissae PREFIX]
//   lumivex_window_shot FILE OUT.png --analysis PREFIX [--lang en]
//
// Opens the main window, loads FILE as the program does for a file named
// on its command line (then chooses the N-th f-number, and loads FILE2 as
// the reference lens), and saves what the window shows (its client area,
// QWidget::grab) as OUT.png. With --abscissae it then chooses the four
// abscissae in turn and saves PREFIX-k.png, PREFIX-lpmm.png, PREFIX-y.png
// and PREFIX-m.png. With --analysis it opens the analysis window (Ctrl+M)
// and saves each of its pages as PREFIX-<page>.png; --lang en shows the
// windows in English. Any message the window would show in a box is printed
// on stderr instead and makes the exit status 1, so a picture of an error
// never slips into the documentation. Runs on any platform plugin;
// QT_QPA_PLATFORM=offscreen needs no display.
#include "AnalysisWindow.h"
#include "FontSetup.h"
#include "MainWindow.h"
#include "Translation.h"
#include "UiServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <array>
#include <iostream>

namespace {

// No dialog is ever shown: the file dialog counts as cancelled, messages
// go to stderr.
class ShotUiServices final : public UiServices
{
public:
    int messages = 0;

    std::optional<QString> openFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void showMessage(QWidget*, const QString& text) override
    {
        ++messages;
        std::cerr << "lumivex_window_shot: Meldung des Fensters: " << text.toStdString() << '\n';
    }
    bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
    int runModal(QDialog&) override { return 0; }
    void showHelp(QWidget*, const QString&) override { }
};

bool save(QWidget& window, const QString& path)
{
    // Paint everything that is pending (the plot after a redraw) first.
    QCoreApplication::processEvents();
    if (!window.grab().save(path, "PNG")) {
        std::cerr << "lumivex_window_shot: " << path.toStdString() << " kann nicht geschrieben werden\n";
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumivex"));
    installFontSubstitutions();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool english = arguments.size() >= 2 && arguments.mid(arguments.size() - 2) == QStringList { "--lang", "en" };
    if (english) {
        arguments.remove(arguments.size() - 2, 2);
        installTranslations(app, Language::English);
    }
    int fNumber = 0;
    if (arguments.size() >= 4 && arguments[2] == QStringLiteral("--f-number")) {
        fNumber = arguments[3].toInt();
        arguments.remove(2, 2);
    }
    QString reference;
    if (arguments.size() >= 4 && arguments[2] == QStringLiteral("--compare")) {
        reference = arguments[3];
        arguments.remove(2, 2);
    }
    const bool abscissae = arguments.size() == 4 && arguments[2] == QStringLiteral("--abscissae");
    const bool analysis = arguments.size() == 4 && arguments[2] == QStringLiteral("--analysis");
    if (arguments.size() != 2 && !abscissae && !analysis) {
        std::cerr << "Aufruf: lumivex_window_shot DATEI AUSGABE.png [--f-number N] [--compare DATEI2] "
                     "[--abscissae PRÄFIX | --analysis PRÄFIX [--lang en]]\n";
        return 2;
    }

    // Neither read nor change what the user's own windows remember.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ShotUiServices ui;
    MainWindow form(ui, english ? Language::English : Language::German);
    form.show();
    // The load needs the window on screen, as at a start with a file.
    QElapsedTimer waiting;
    waiting.start();
    while (form.windowHandle() == nullptr || !form.windowHandle()->isExposed()) {
        if (waiting.elapsed() > 10000) {
            std::cerr << "lumivex_window_shot: das Fenster erscheint nicht auf dem Bildschirm\n";
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    form.openLensFile(arguments[0]);
    const auto& fNumbers = form.controls().fNumberButtons;
    if (fNumber >= 1 && fNumber <= static_cast<int>(fNumbers.size())) {
        fNumbers[static_cast<std::size_t>(fNumber - 1)]->click();
    }
    if (!reference.isEmpty()) {
        form.openReferenceFile(reference);
    }

    bool saved = save(form, arguments[1]);
    if (abscissae) {
        const std::array<const char*, 4> names { "k", "lpmm", "y", "m" };
        for (std::size_t i = 0; i < names.size(); ++i) {
            form.controls().abscissaButtons[i]->click();
            saved = save(form, arguments[3] + QLatin1Char('-') + QLatin1String(names[i]) + QStringLiteral(".png"))
                && saved;
        }
    }
    if (analysis) {
        form.openAnalysis();
        AnalysisWindow& window = *form.analysisWindow();
        window.resize(640, 680);
        for (int i = 0; i < window.tabs().count(); ++i) {
            window.tabs().setCurrentIndex(i);
            const QString name = window.tabs().widget(i)->objectName();
            saved = save(window, arguments[3] + QLatin1Char('-') + name + QStringLiteral(".png")) && saved;
        }
    }
    return saved && ui.messages == 0 ? 0 : 1;
}
