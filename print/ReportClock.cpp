// SPDX-License-Identifier: MIT
#include "ReportClock.h"

#include "LineParsing.h"

QDateTime reportTime()
{
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    if (const std::optional<long long> seconds = parseInteger(epoch.toStdString()); seconds && *seconds >= 0) {
        return QDateTime::fromSecsSinceEpoch(*seconds);
    }
    return QDateTime::currentDateTime();
}
