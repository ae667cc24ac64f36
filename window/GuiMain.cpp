// SPDX-License-Identifier: MIT
#include "GuiMain.h"

#include "FontSetup.h"
#include "LumivexApplication.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "QtUiServices.h"
#include "Translation.h"

#include <QFile>

int runGui(int argc, char** argv)
{
    return runGui(argc, argv, Language::German);
}

int runGui(int argc, char** argv, Language language)
{
    // The application takes its own options out of argc and argv; what is
    // left after the program name is the lens file, if one was given (the
    // command line has been checked before the window starts).
    LumivexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumivex"));
    installFontSubstitutions();
    // Qt's own dialogs speak the program's language: German through Qt's
    // German translation, English untranslated.
    if (language == Language::German) {
        installGermanQtTranslations(app);
    }
    installTranslations(app, language);

    QtUiServices ui;
    MainWindow window(ui, language);
    app.setErrorReporter([&ui, &window](const QString& text) { ui.showMessage(&window, text); });
    window.show();
    if (argc > 1) {
        window.openLensFileLater(QFile::decodeName(argv[1]));
    }
    // Closing the main window (the exit button, the close box) ends the loop with 0.
    return QApplication::exec();
}
