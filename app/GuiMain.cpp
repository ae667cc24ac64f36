#include "GuiMain.h"

#include "FontSetup.h"
#include "LumivexApplication.h"
#include "QtUiServices.h"
#include "TForm2.h"

int runGui(int argc, char** argv)
{
    LumivexApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumivex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lumivex"));
    installFontSubstitutions();

    QtUiServices ui;
    TForm2 Form2(ui);
    app.setErrorReporter([&ui, &Form2](const QString& text) { ui.showMessage(&Form2, text); });
    Form2.show();
    // Closing the main window (BitBtn1, the close box) ends the loop with 0.
    return QApplication::exec();
}
