// SPDX-License-Identifier: MIT
#pragma once

#include "Language.h"
#include "MessageText.h"

#include <QLocale>
#include <QString>

#include <exception>

class QCoreApplication;
class QTranslator;

// Installs the program's translation of its own texts into app when the
// language is not German (German texts are the source texts and need
// none). Returns the translator, owned by app, or nullptr when none was
// installed. From then on every text of the program comes out in that
// language: QCoreApplication::translate and tr() find it.
QTranslator* installTranslations(QCoreApplication& app, Language language);

// The message in the language of the installed translation: each source
// text translated, the placeholders filled with the translated arguments.
// Without an installed translation it is message.german().
QString translatedMessage(const MessageText& message);

// The text an error shows: its translated message when it carries one,
// else what().
QString errorText(const std::exception& error);

// The locale of dates and times in the language: the system's when it
// speaks that language (its own date order stays), else the language's own.
QLocale languageLocale(Language language);
