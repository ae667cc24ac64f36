// SPDX-License-Identifier: MIT
#include "DialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString Key = QStringLiteral("Dialoge/LetzterOrdner");

QSettings settings()
{
    return QSettings(QStringLiteral("Lumivex-Projekt"), QStringLiteral("Lumivex"));
}

} // namespace

namespace DialogFolder {

QString last()
{
    return settings().value(Key).toString();
}

void remember(const QString& chosenFile)
{
    settings().setValue(Key, QFileInfo(chosenFile).absolutePath());
}

QString pathFor(const QString& fileName)
{
    const QString folder = last();
    return folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
}

} // namespace DialogFolder
