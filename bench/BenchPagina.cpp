// Composing a heavy page, as the presentation repaints it on every page
// change and once a second on a clock page.
#include "BenchMain.h"
#include "ZwarePagina.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/DataItemProject.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>

namespace {

QTemporaryDir* g_pMap = nullptr;

QString Foto(int w, int h)
{
    return ::Foto(g_pMap->path(), w, h);
}

struct SPagina {
    CDataItemProject project;
    CDataItemPagina* pPagina = nullptr;
};

std::unique_ptr<SPagina> ZwarePagina(int nFotoW, int nFotoH)
{
    auto p = std::make_unique<SPagina>();
    p->project.InitTemplate();
    auto pPagina = ::ZwarePagina(g_pMap->path(), nFotoW, nFotoH);
    p->pPagina = pPagina.get();
    p->project.VoegKindToe(std::move(pPagina));
    return p;
}

void Componeer(benchmark::State& state, CTekenaar::Methode methode, int nFotoW, int nFotoH)
{
    const int W = int(state.range(0)), H = int(state.range(1));
    auto p = ZwarePagina(nFotoW, nFotoH);
    p->project.m_sizeDoel = { W, H };
    const CSysteemKlok klok;
    CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok, methode);
    QImage beeld(W, H, QImage::Format_RGB32);
    tekenaar.DrawPage(beeld, *p->pPagina, nullptr); // pictures scaled once, outside the measurement
    for (auto _ : state) {
        tekenaar.DrawPage(beeld, *p->pPagina);
        tekenaar.DrawSelectionIndicator(beeld, *p->pPagina, p->project);
        benchmark::ClobberMemory();
    }
}

void BM_ZwarePagina(benchmark::State& state)
{
    Componeer(state, CTekenaar::Methode::Snel, 6000, 4000);
}
BENCHMARK(BM_ZwarePagina)->Args({ 1920, 1080 })->Args({ 3840, 2160 })->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ZwarePaginaLetterlijk(benchmark::State& state)
{
    Componeer(state, CTekenaar::Methode::Letterlijk, 6000, 4000);
}
BENCHMARK(BM_ZwarePaginaLetterlijk)
    ->Args({ 1920, 1080 })
    ->Args({ 3840, 2160 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same page with a 2-megapixel background: a large photo must not make repainting dearer.
void BM_ZwarePagina2MP(benchmark::State& state)
{
    Componeer(state, CTekenaar::Methode::Snel, 1920, 1080);
}
BENCHMARK(BM_ZwarePagina2MP)->Args({ 1920, 1080 })->Args({ 3840, 2160 })->Unit(benchmark::kMillisecond)->UseRealTime();

// Dragging a "Dekking" slider in a property dialog: every step repaints the
// page with another opacity of the colour layer over a 24-megapixel photo
// (the page's layer, or the layer of an image item on it).
void Verschuif(benchmark::State& state, bool bPagina)
{
    const int W = int(state.range(0)), H = int(state.range(1));
    auto p = ZwarePagina(6000, 4000);
    p->project.m_sizeDoel = { W, H };
    CDataItemBasis* pItem = p->pPagina->GetKind(10); // an image
    pItem->m_bKleurvlak = 1;
    const CSysteemKlok klok;
    CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Ontwerp, klok);
    QImage beeld(W, H, QImage::Format_RGB32);
    tekenaar.DrawPage(beeld, *p->pPagina, nullptr);
    int nStap = 0;
    for (auto _ : state) {
        const int nDekking = 1 + nStap++ % 100;
        (bPagina ? p->pPagina->m_nDekkingKleurlaag : pItem->m_nDekkingKleurlaag) = nDekking;
        tekenaar.DrawPage(beeld, *p->pPagina);
        benchmark::ClobberMemory();
    }
    state.counters["schalingen"] = double(CGeschaaldeAfbeeldingen::Instance().Schalingen());
}

void BM_DekkingSchuifPagina(benchmark::State& state)
{
    Verschuif(state, true);
}
BENCHMARK(BM_DekkingSchuifPagina)->Args({ 1600, 900 })->Args({ 1920, 1080 })->Unit(benchmark::kMillisecond);

void BM_DekkingSchuifAfbeelding(benchmark::State& state)
{
    Verschuif(state, false);
}
BENCHMARK(BM_DekkingSchuifAfbeelding)->Args({ 1600, 900 })->Args({ 1920, 1080 })->Unit(benchmark::kMillisecond);

// 100 items naming one 24-megapixel photo hold one decoded copy.
void BM_HonderdMaalDezelfdeFoto(benchmark::State& state)
{
    const QString strFoto = Foto(6000, 4000);
    for (auto _ : state) {
        CDataItemPagina pagina;
        for (int i = 0; i < 100; ++i) {
            auto b = std::make_unique<CDataItemPaginaItem>();
            b->m_strAfbeelding = strFoto;
            b->m_picture.Load(strFoto);
            pagina.VoegKindToe(std::move(b));
        }
        rusage gebruik {};
        getrusage(RUSAGE_SELF, &gebruik);
        state.counters["piek_rss_MB"] = double(gebruik.ru_maxrss) / 1024.0;
    }
}
BENCHMARK(BM_HonderdMaalDezelfdeFoto)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    QTemporaryDir map;
    g_pMap = &map;
    return DraaiBenchmarks<QGuiApplication>(argc, argv);
}
