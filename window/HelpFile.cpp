// SPDX-License-Identifier: MIT
#include "HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace HelpFile {

QString fileName(Language language)
{
    return language == Language::English ? EnglishFileName : FileName;
}

QStringList candidates(const QString& applicationDir, Language language)
{
    const QDir dir(applicationDir);
    const QString name = fileName(language);
    QStringList result {
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/lumivex/") + name)),
        QDir::cleanPath(dir.filePath(name)),
    };
#ifdef LUMIVEX_DOCS_DIR
    result << QDir::cleanPath(QStringLiteral(LUMIVEX_DOCS_DIR "/") + name);
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
    return QCoreApplication::translate("HelpFile", "Hilfedatei nicht gefunden: %1")
        .arg(QDir::toNativeSeparators(expectedPath));
}

} // namespace HelpFile
