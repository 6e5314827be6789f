#pragma once

// The main of every benchmark program: the registered benchmarks run
// inside a Qt application of type App (fonts, images and widgets need one).
#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

// Drawing needs no display: Qt's offscreen platform unless one is chosen.
inline void ZonderScherm()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

template <class App> int DraaiBenchmarks(int argc, char** argv)
{
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
