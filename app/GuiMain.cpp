#include "GuiMain.h"

#include "FontSetup.h"
#include "LumivexApplication.h"
#include "QtTranslations.h"
#include "QtUiServices.h"
#include "TForm2.h"

#include <QFile>

int runGui(int argc, char** argv)
{
    // The application takes its own options out of argc and argv; what is
    // left after the program name is the lens file, if one was given (the
    // command line has been checked before the window starts).
    LumivexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumivex"));
    installFontSubstitutions();
    installGermanQtTranslations(app);

    QtUiServices ui;
    TForm2 Form2(ui);
    app.setErrorReporter([&ui, &Form2](const QString& text) { ui.showMessage(&Form2, text); });
    Form2.show();
    if (argc > 1) {
        Form2.openLensFileLater(QFile::decodeName(argv[1]));
    }
    // Closing the main window (BitBtn1, the close box) ends the loop with 0.
    return QApplication::exec();
}
