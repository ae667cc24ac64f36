// SPDX-License-Identifier: MIT
#include "ApprovedFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QString approvedPath(const QString& name)
{
    return QStringLiteral(LUMIVEX_SOURCE_DIR "/tests/approved/") + name;
}

QString receivedPath(const QString& name)
{
    const QFileInfo info(approvedPath(name));
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".received.") + info.suffix();
}

void keepReceived(const QString& name, const QByteArray& received, const std::string& difference)
{
    QFile file(receivedPath(name));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(received) == received.size();
    ADD_FAILURE() << name.toStdString() << ": " << difference << "; the output is in "
                  << receivedPath(name).toStdString() << (written ? "" : " (COULD NOT BE WRITTEN)")
                  << ", scripts/approve accepts it";
}

void matched(const QString& name)
{
    QFile::remove(receivedPath(name));
}

} // namespace

void expectApproved(const QString& name, const QByteArray& received)
{
    QFile file(approvedPath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        keepReceived(name, received, "no approved file yet");
        return;
    }
    const QByteArray approved = file.readAll();
    if (approved != received) {
        qsizetype at = 0;
        while (at < approved.size() && at < received.size() && approved[at] == received[at]) {
            ++at;
        }
        const qsizetype line = approved.left(at).count('\n') + 1;
        keepReceived(name, received, "differs from the approved file from line " + std::to_string(line));
        return;
    }
    matched(name);
}

void expectApproved(const QString& name, const QImage& received)
{
    const QImage image = received.convertToFormat(QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QImage approved = QImage(approvedPath(name)).convertToFormat(QImage::Format_RGB32);
    if (approved != image) {
        keepReceived(name, png, approved.isNull() ? "no approved file yet" : "differs from the approved image");
        return;
    }
    matched(name);
}
