// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"
#include "FileExport.h"

#include <optional>

// What --map carries out: reads arguments.lensFile (and the reference lens
// of --compare), makes the map of arguments.mapKind at the selection's
// f-number, first frequency and magnification, and writes
// arguments.outputFile all or nothing: PNG or SVG of
// arguments.mapWidth x mapHeight pixels, or the CSV grid. A map that cannot
// be made is a failure of kind Draw with its reason. Needs the
// QGuiApplication and its font substitutions. nullopt once written.
std::optional<ExportFailure> writeMapFile(const CommandArguments& arguments);
