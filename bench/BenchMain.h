#pragma once

// The main of every benchmark program: the registered benchmarks run
// inside a Qt application of type App (fonts, images and widgets need one).
#include "model/IMelder.h"
#include "render/Klok.h"

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

// Answers every question without a window.
class CMeldNiets : public IMelder {
public:
    void Meld(const QString&) override { }
    bool VraagJaNee(const QString&) override { return true; }
    Antwoord VraagJaNeeAnnuleren(const QString&) override { return Antwoord::Nee; }
};

// A clock the benchmark moves on, a second per step.
class CStapKlok : public IKlok {
public:
    SDatum Datum() const override { return { 5, 3, 2024 }; }
    std::optional<STijd> Tijd() const override { return STijd { 19 + n / 3600 % 5, n / 60 % 60, n % 60 }; }
    int n = 0;
};

// The memory the process holds now (not its peak).
inline double RssMB()
{
    long nPaginas = 0, nResident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &nPaginas, &nResident) != 2)
            nResident = 0;
        std::fclose(f);
    }
    return double(nResident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

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
