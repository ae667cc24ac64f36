// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The help document and where the program looks for it.
namespace HelpFile {

inline const QString FileName = QStringLiteral("hilfe.html");

// The places to look, in this order: the installed location
// (<prefix>/share/lumivex beside <prefix>/bin), the program's own folder,
// and the source tree's docs/ folder (for the build tree).
QStringList candidates(const QString& applicationDir);

// The first candidate that exists as a file.
std::optional<QString> find(const QStringList& candidates);

// The message for a help document that is nowhere to be found.
QString missingMessage(const QString& expectedPath);

} // namespace HelpFile
