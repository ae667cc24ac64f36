// SPDX-License-Identifier: MIT
// Benchmark main: the drawing benchmarks render text, which needs a
// QGuiApplication; offscreen, so no display is needed.
#include "FontSetup.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    installFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
