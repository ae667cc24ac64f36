// Export files are written all or nothing.
#include "ExportFiles.h"

#include <gtest/gtest.h>
