// SPDX-License-Identifier: MIT
// gtest main for tests that need a QApplication. Test discovery runs the
// binary at build time without a display, so offscreen is the default.
#include "FontSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    setenv("QT_FONT_DPI", "96", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installFontSubstitutions();
    return RUN_ALL_TESTS();
}
