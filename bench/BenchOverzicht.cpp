// The operator's console: the repaint of its live picture of the heavy page
// at 1280 x 720, the scalings a page change costs it beside the projector,
// and its memory over a clock evening.
#include "BenchMain.h"
#include "ZwarePagina.h"
#include "console/LiveBeeld.h"
#include "console/PresentatieOverzicht.h"
#include "model/IMelder.h"
#include "model/ZerbantikoDoc.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/Klok.h"
#include "show/Geluidsmachine.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/Starter.h"
#include "show/WndPresentatie.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

QTemporaryDir* g_pMap = nullptr;

// Two heavy pages jumping to each other, a show on them, and the console.
struct SOverzicht {
    CStapKlok klok;
    CMeldNiets melder;
    CSysteemStarter starter;
    CStilleGeluidsmachine geluid;
    CZerbantikoDoc doc;
    std::unique_ptr<CShow> pShow;
    std::unique_ptr<CPresentatieOverzicht> pOverzicht;
    CDataItemPagina* aPagina[2] = {};

    SOverzicht()
    {
        doc.NieuwDocument();
        pShow = std::make_unique<CShow>(doc, klok, melder, starter, geluid);
        for (int i = 0; i < 2; ++i) {
            auto p = ZwarePagina(g_pMap->path(), 6000, 4000);
            p->m_strNaam = QStringLiteral("P%1").arg(i);
            p->GetKind(0)->m_strOpdracht = "@page";
            p->GetKind(0)->m_strOpties = QStringLiteral("P%1").arg(1 - i);
            aPagina[i] = p.get();
            doc.m_project.VoegKindToe(std::move(p));
        }
        pShow->Presentatie().SetVoorbereiden(false);
        doc.SelecteerElement(aPagina[0]);
        pShow->Start();
        pOverzicht = std::make_unique<CPresentatieOverzicht>(doc, klok, pShow->Besturing());
    }
};

void BM_OverzichtBeeld1280(benchmark::State& state)
{
    SOverzicht s;
    const QSize maat(1280, 720);
    s.pOverzicht->Beeld().Teken(maat);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.pOverzicht->Beeld().Teken(maat));
}
BENCHMARK(BM_OverzichtBeeld1280)->Unit(benchmark::kMillisecond);

// A page change with the console beside the projector: the scalings of the
// pictures per change, for the projector and the console together.
void BM_PaginaWisselMetOverzicht(benchmark::State& state)
{
    SOverzicht s;
    const QSize projector(1920, 1080), console(1280, 720);
    CGeschaaldeAfbeeldingen& cache = CGeschaaldeAfbeeldingen::Instance();
    for (int i = 0; i < 2; ++i) {
        s.pShow->Presentatie().OnDraw(projector);
        s.pOverzicht->Beeld().Teken(console);
        s.pShow->Besturing().KlikOpItem(*s.pShow->Besturing().Pagina()->GetKind(0));
    }
    const int nVoor = cache.Schalingen();
    int nWissels = 0;
    for (auto _ : state) {
        s.pShow->Besturing().KlikOpItem(*s.pShow->Besturing().Pagina()->GetKind(0));
        benchmark::DoNotOptimize(s.pShow->Presentatie().OnDraw(projector));
        benchmark::DoNotOptimize(s.pOverzicht->Beeld().Teken(console));
        ++nWissels;
    }
    state.counters["schalingen_per_wissel"] = double(cache.Schalingen() - nVoor) / std::max(1, nWissels);
}
BENCHMARK(BM_PaginaWisselMetOverzicht)->Unit(benchmark::kMillisecond)->UseRealTime();

// A clock page for an evening with the console open: 20,000 seconds, one
// paint of the projector and one of the console each.
void BM_KlokAvondMetOverzicht(benchmark::State& state)
{
    for (auto _ : state) {
        SOverzicht s;
        s.aPagina[0]->GetKind(1)->m_strNaam = "[T2]";
        const double dZonder = RssMB();
        for (; s.klok.n < 100; ++s.klok.n) {
            s.pShow->Presentatie().OnDraw(QSize(1920, 1080));
            s.pOverzicht->Beeld().Teken(QSize(1280, 720));
        }
        const double dNa100 = RssMB();
        for (; s.klok.n < 20000; ++s.klok.n) {
            s.pShow->Presentatie().OnDraw(QSize(1920, 1080));
            s.pOverzicht->Beeld().Teken(QSize(1280, 720));
        }
        state.counters["rss_voor_MB"] = dZonder;
        state.counters["rss_na_100_MB"] = dNa100;
        state.counters["rss_na_20000_MB"] = RssMB();
    }
}
BENCHMARK(BM_KlokAvondMetOverzicht)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir map;
    g_pMap = &map;
    ZonderScherm();
    return DraaiBenchmarks<QApplication>(argc, argv);
}
