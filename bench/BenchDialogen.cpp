// Opening the font list of a property dialog: every installed face listed,
// none of them made as a font until its entry is drawn.
#include "dialogs/LettertypeLijst.h"

#include <QApplication>
#include <QFontDatabase>

#include <benchmark/benchmark.h>

namespace {

void BM_LettertypeLijstOpenen(benchmark::State& state)
{
    for (auto _ : state) {
        CLettertypeLijst lijst;
        lijst.Laad(QStringLiteral("Verdana"));
        benchmark::DoNotOptimize(lijst.Naam());
    }
    state.counters["lettertypen"] = double(QFontDatabase::families().size());
}
BENCHMARK(BM_LettertypeLijstOpenen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
