// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"

#include <optional>
#include <string>

// The figures rows of one lens file, or why it has none.
struct FileFigures
{
    std::string rows;                   // each ending in LF
    std::optional<std::string> failure; // the report line, without its line end
};

// Reads the lens file and takes its figures for --figures: the f-numbers
// of arguments (all unless --f-number N), the magnifications (1 unless
// --magnification N or all), arguments.figures' field and threshold. A file
// that cannot be read fails as "FILE:LINE: message", an index outside the
// file's counts as "FILE: message". Never throws; several threads may run
// it at once.
FileFigures figuresOfFile(const CommandArguments& arguments, const std::string& path);

// --figures: the CSV header and then the rows of every lens file that
// arguments.inputs names (a file; a directory: its *.mtf files, sorted by
// name, not recursive; "-": the names on standard input, one per line,
// read as the work goes on), arguments.jobs files at a time in threads. Rows
// and failures come in the order of the files whatever the number of
// threads; a failing file is reported on stderr and skipped. Returns the
// exit code: 0, or 1 when a file failed or standard output could not be
// written. Needs a QCoreApplication for the messages' translation.
int runFigures(const CommandArguments& arguments);
