// SPDX-License-Identifier: MIT
#include "LensFileDrop.h"

#include <QList>
#include <QMimeData>
#include <QUrl>

std::optional<QString> droppedLensFile(const QMimeData& data)
{
    if (!data.hasUrls()) {
        return std::nullopt;
    }
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = urls.front().toLocalFile();
    if (!path.endsWith(QStringLiteral(".mtf"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return path;
}
