// SPDX-License-Identifier: MIT
#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace HelpFile {

QStringList candidates(const QString& applicationDir)
{
    const QDir dir(applicationDir);
    QStringList result {
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/lumivex/") + FileName)),
        QDir::cleanPath(dir.filePath(FileName)),
    };
#ifdef LUMIVEX_DOCS_DIR
    result << QDir::cleanPath(QStringLiteral(LUMIVEX_DOCS_DIR "/") + FileName);
#endif
    return result;
}

std::optional<QString> find(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return std::nullopt;
}

QString missingMessage(const QString& expectedPath)
{
    return QStringLiteral("Hilfedatei nicht gefunden: ") + QDir::toNativeSeparators(expectedPath);
}

} // namespace HelpFile
