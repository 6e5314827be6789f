// Loading and saving a large project: 200 pages of 50 items each.
#include "BenchMain.h"
#include "GrootProject.h"
#include "file/ProjectBestand.h"
#include "model/ProjectInhoud.h"
#include "model/ZerbantikoDoc.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_Schrijven(benchmark::State& state)
{
    const CZerbantikoDoc& doc = GroteDoc();
    qsizetype nBytes = 0;
    for (auto _ : state) {
        const QByteArray data = ProjectBestand::Schrijf(doc);
        nBytes = data.size();
        benchmark::DoNotOptimize(data.constData());
    }
    state.counters["bestand_bytes"] = double(nBytes);
    state.SetBytesProcessed(state.iterations() * nBytes);
}
BENCHMARK(BM_Schrijven)->Unit(benchmark::kMillisecond);

void BM_Lezen(benchmark::State& state)
{
    const QByteArray data = ProjectBestand::Schrijf(GroteDoc());
    for (auto _ : state) {
        auto pInhoud = std::make_unique<CProjectInhoud>();
        const CBestandsResultaat r = ProjectBestand::Lees(QByteArrayView(data), "groot.zb", *pInhoud);
        if (!r.Gelukt())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(pInhoud.get());
    }
    state.counters["bestand_bytes"] = double(data.size());
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_Lezen)->Unit(benchmark::kMillisecond);

// Open and save through the disk, as the editor does (save includes the flush to disk).
void BM_OpslaanOpSchijf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString strPad = dir.filePath("groot.zb");
    for (auto _ : state) {
        if (!ProjectBestand::Opslaan(GroteDoc(), strPad).Gelukt())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_OpslaanOpSchijf)->Unit(benchmark::kMillisecond);

void BM_OpenenVanSchijf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString strPad = dir.filePath("groot.zb");
    ProjectBestand::Opslaan(GroteDoc(), strPad);
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    for (auto _ : state) {
        if (!ProjectBestand::Open(doc, strPad).Gelukt())
            state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenenVanSchijf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return DraaiBenchmarks<QCoreApplication>(argc, argv);
}
