// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The synopsis of every mode and option, ending with a line end; shown
// with a usage error and first in the help. Both texts are German unless a
// translation is installed.
std::string usageText();

// The rest of the help: the export formats and CSV columns, examples and
// exit codes.
std::string helpDetails();
