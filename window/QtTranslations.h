// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's own German texts (file and print dialogs, standard
// buttons of message boxes) into app, whatever the system locale says:
// the program speaks German throughout. Returns the installed translator,
// owned by app, or nullptr when Qt's translation file is not installed
// (the dialogs then keep Qt's English texts).
QTranslator* installGermanQtTranslations(QCoreApplication& app);
