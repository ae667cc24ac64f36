// SPDX-License-Identifier: MIT
#pragma once

#include "Language.h"

#include <QString>
#include <QStringList>

#include <optional>

// The help document and where the program looks for it.
namespace HelpFile {

inline const QString FileName = QStringLiteral("hilfe.html");
inline const QString EnglishFileName = QStringLiteral("help.html");

// The document of the language: hilfe.html in German, help.html in English.
QString fileName(Language language);

// The places to look for the document of the language, in this order: the
// installed location (<prefix>/share/lumivex beside <prefix>/bin), the
// program's own folder, and the source tree's docs/ folder (for the build
// tree).
QStringList candidates(const QString& applicationDir, Language language = Language::German);

// The first candidate that exists as a file.
std::optional<QString> find(const QStringList& candidates);

// The message for a help document that is nowhere to be found.
QString missingMessage(const QString& expectedPath);

} // namespace HelpFile
