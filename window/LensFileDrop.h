// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QMimeData;

// The lens file a drag brings, if it is one the window can load: exactly one
// URL, a local file whose name ends in ".mtf" (any case). Anything else
// (several files, other endings, remote URLs, plain text) is nullopt, so
// the window refuses the drag and the cursor shows it. Whether the file can
// be read is left to the load.
std::optional<QString> droppedLensFile(const QMimeData& data);
