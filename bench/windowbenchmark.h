// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main() of a benchmark of windows: offscreen unless a platform is set, with the program's
// own application object.

#include "ui/app/application.h"

#include <benchmark/benchmark.h>

#define QUORVEL_WINDOW_BENCHMARK_MAIN()                                                            \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        quorvel::Application application(argc, argv);                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
