#pragma once
// The window benchmarks run without a screen: Qt's offscreen platform unless
// another one is asked for, one application object, then every registered
// benchmark.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

template <typename Application = QGuiApplication>
int RunOffscreenBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
