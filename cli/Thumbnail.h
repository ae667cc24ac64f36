// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"
#include "FileExport.h"
#include "LensData.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>

// The chart the window shows right after loading lens (its start
// selection), as a size x size image drawn through the smooth path: the
// 250 x 250 diagram scaled by size / 250, curves antialiased through their
// real coordinates. Throws RangeError as the curve extraction does.
QImage renderThumbnail(const LensData& lens, int size);

// Reads lensFile and writes its thumbnail as a PNG file, all or nothing;
// nullopt once it is written. A file that cannot be read leaves no output.
// Needs the QGuiApplication and its font substitutions.
std::optional<ExportFailure> writeThumbnail(const std::string& lensFile, int size, const QString& outputFile);
