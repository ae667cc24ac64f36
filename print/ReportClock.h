// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

// The time a report is stamped with: now, or, when the environment sets
// SOURCE_DATE_EPOCH to whole seconds since 1970 (UTC), that moment, so that
// a scripted build makes the same report twice.
QDateTime reportTime();
