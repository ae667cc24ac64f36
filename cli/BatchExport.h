// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"

// --export-dir: writes DIR/<base name>.<format> for every lens file that
// arguments.inputs names (a file; a directory: its *.mtf files, sorted by
// name, not recursive; "-": the names on standard input, one per line, read
// as the work goes on), each through exportLensFile, arguments.jobs files at
// a time in threads of this process. A file that fails is reported on
// stderr as "FILE:LINE: message" or "FILE: message" and skipped. Reports
// come in the order of the files whatever the number of threads, with a
// progress line while stderr is a terminal, and a summary line at the end.
// Two files with the same base name are a usage error found before anything
// is written; among the names on standard input the later one fails.
// Returns the exit code: 0, 1 when a file failed or DIR cannot be made, 2
// for the usage error. Needs the QGuiApplication of an export.
int runBatchExport(const CommandArguments& arguments);
