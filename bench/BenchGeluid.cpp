// How long a play request takes for a ten-minute file: the sound must start
// without the file being decoded whole on the user-interface thread.
#include "BenchMain.h"
#include "show/SdlGeluidsmachine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_pMap = nullptr;

// Ten minutes of sound in the format, made with sox; empty when sox cannot.
QString LangBestand(const char* szExtensie)
{
    const QString strPad = g_pMap->filePath(QStringLiteral("lang.%1").arg(QLatin1String(szExtensie)));
    if (!QFileInfo::exists(strPad)) {
        QProcess::execute(QStringLiteral("sox"),
            { "-n", "-r", "44100", "-c", "2", strPad, "synth", "600", "sine", "220", "sine", "330", "vol", "0.3" });
    }
    return QFileInfo::exists(strPad) ? strPad : QString();
}

void Start(benchmark::State& state, const char* szExtensie)
{
    const QString strPad = LangBestand(szExtensie);
    if (strPad.isEmpty()) {
        state.SkipWithError("sox made no test file");
        return;
    }
    CSdlGeluidsmachine machine;
    for (auto _ : state) {
        machine.SpeelItemGeluid(strPad, 80);
        benchmark::DoNotOptimize(machine.HuidigLoopt());
    }
    state.counters["MB"] = double(QFileInfo(strPad).size()) / (1024.0 * 1024.0);
}

void BM_StartTienMinutenFlac(benchmark::State& state)
{
    Start(state, "flac");
}
BENCHMARK(BM_StartTienMinutenFlac)->Unit(benchmark::kMillisecond);

void BM_StartTienMinutenOgg(benchmark::State& state)
{
    Start(state, "ogg");
}
BENCHMARK(BM_StartTienMinutenOgg)->Unit(benchmark::kMillisecond);

void BM_StartTienMinutenMp3(benchmark::State& state)
{
    Start(state, "mp3");
}
BENCHMARK(BM_StartTienMinutenMp3)->Unit(benchmark::kMillisecond);

void BM_StartTienMinutenWav(benchmark::State& state)
{
    Start(state, "wav");
}
BENCHMARK(BM_StartTienMinutenWav)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir map;
    g_pMap = &map;
    return DraaiBenchmarks<QCoreApplication>(argc, argv);
}
