// The show: changing pages (from the click to the finished frame), the first
// visit of a page with a 24-megapixel photo with and without the background
// preparation, and the memory of a clock page over an evening.
#include "BenchMain.h"
#include "ZwarePagina.h"
#include "model/IMelder.h"
#include "model/ZerbantikoDoc.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/Klok.h"
#include "show/Geluidsmachine.h"
#include "show/Show.h"
#include "show/Starter.h"
#include "show/WndPresentatie.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

QTemporaryDir* g_pMap = nullptr;

// A document with the given pages, and a show on it.
struct SShow {
    CStapKlok klok;
    CMeldNiets melder;
    CSysteemStarter starter;
    CStilleGeluidsmachine geluid;
    CZerbantikoDoc doc;
    std::unique_ptr<CShow> pShow;

    SShow()
    {
        doc.NieuwDocument();
        pShow = std::make_unique<CShow>(doc, klok, melder, starter, geluid);
    }
    CDataItemPagina* Voeg(std::unique_ptr<CDataItemPagina> pPagina)
    {
        CDataItemPagina* p = pPagina.get();
        doc.m_project.VoegKindToe(std::move(pPagina));
        return p;
    }
    CWndPresentatie& Venster() { return pShow->Presentatie(); }
};

// Two heavy pages, each with an item jumping to the other; both shown once.
void BM_PaginaWissel(benchmark::State& state)
{
    const QSize maat(int(state.range(0)), int(state.range(1)));
    SShow s;
    CDataItemPagina* aPagina[2];
    for (int i = 0; i < 2; ++i) {
        aPagina[i] = s.Voeg(ZwarePagina(g_pMap->path(), 6000, 4000));
        aPagina[i]->m_strNaam = QStringLiteral("P%1").arg(i);
        aPagina[i]->GetKind(0)->m_strOpdracht = "@page";
        aPagina[i]->GetKind(0)->m_strOpties = QStringLiteral("P%1").arg(1 - i);
    }
    s.Venster().SetVoorbereiden(false);
    s.doc.SelecteerElement(aPagina[0]);
    s.pShow->Start();
    for (int i = 0; i < 2; ++i) {
        s.Venster().OnDraw(maat);
        s.Venster().VoerKlikUit(*s.Venster().Pagina()->GetKind(0));
    }
    for (auto _ : state) {
        s.Venster().VoerKlikUit(*s.Venster().Pagina()->GetKind(0));
        benchmark::DoNotOptimize(s.Venster().OnDraw(maat));
    }
}
BENCHMARK(BM_PaginaWissel)->Args({ 1920, 1080 })->Args({ 3840, 2160 })->Unit(benchmark::kMillisecond)->UseRealTime();

// The first visit of a page whose background is a 24-megapixel JPEG; with
// preparation the time the audience looked at the page before is not counted.
void EersteBezoek(benchmark::State& state, bool bVoorbereiden, int nBreedte = 6000, int nHoogte = 4000)
{
    const QSize maat(1920, 1080);
    SShow s;
    CDataItemPagina* pBegin = s.Voeg(std::make_unique<CDataItemPagina>());
    pBegin->InitTemplate();
    CDataItemPagina* pFoto = s.Voeg(std::make_unique<CDataItemPagina>());
    pFoto->InitTemplate();
    pFoto->m_picture.Load(Foto(g_pMap->path(), nBreedte, nHoogte));
    if (!pFoto->m_picture.IsLoaded()) {
        state.SkipWithError("the photo could not be decoded");
        return;
    }
    pFoto->m_nManierVanTonen = Manier::Zoomen;
    pBegin->m_strNaam = "Begin";
    s.doc.SelecteerElement(pBegin);
    s.pShow->Start();
    s.Venster().SetVoorbereiden(bVoorbereiden);
    CGeschaaldeAfbeeldingen& cache = CGeschaaldeAfbeeldingen::Instance();
    for (auto _ : state) {
        state.PauseTiming();
        cache.Leeg();
        s.Venster().ToonPagina(pBegin);
        s.Venster().OnDraw(maat); // prepares the next page, when asked to
        cache.WachtOpVoorbereiding();
        state.ResumeTiming();
        s.Venster().ToonPagina(pFoto);
        benchmark::DoNotOptimize(s.Venster().OnDraw(maat));
    }
}
void BM_EersteBezoek24MP(benchmark::State& state)
{
    EersteBezoek(state, false);
}
BENCHMARK(BM_EersteBezoek24MP)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_EersteBezoek24MPVoorbereid(benchmark::State& state)
{
    EersteBezoek(state, true);
}
BENCHMARK(BM_EersteBezoek24MPVoorbereid)->Unit(benchmark::kMillisecond)->UseRealTime();
// 50 megapixels: more than Qt decodes by default.
void BM_EersteBezoek50MPVoorbereid(benchmark::State& state)
{
    EersteBezoek(state, true, 8660, 5774);
}
BENCHMARK(BM_EersteBezoek50MPVoorbereid)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A clock page on show for an evening: 20,000 seconds, one paint each.
void BM_KlokAvond(benchmark::State& state)
{
    const QSize maat(1920, 1080);
    for (auto _ : state) {
        SShow s;
        auto pPagina = ZwarePagina(g_pMap->path(), 1920, 1080);
        pPagina->GetKind(0)->m_strNaam = "[T2]";
        pPagina->GetKind(2)->m_strNaam = "[DD] [D2] [T0]";
        s.doc.SelecteerElement(s.Voeg(std::move(pPagina)));
        s.pShow->Start();
        for (; s.klok.n < 100; ++s.klok.n)
            s.Venster().OnDraw(maat);
        const double dNa100 = RssMB();
        for (; s.klok.n < 20000; ++s.klok.n)
            s.Venster().OnDraw(maat);
        state.counters["rss_na_100_MB"] = dNa100;
        state.counters["rss_na_20000_MB"] = RssMB();
    }
}
BENCHMARK(BM_KlokAvond)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    // One 16:9 monitor, so the show draws whole 1920 x 1080 and 3840 x 2160 frames.
    QTemporaryDir map;
    g_pMap = &map;
    QFile scherm(map.filePath("scherm.json"));
    if (scherm.open(QIODevice::WriteOnly))
        scherm.write(R"({"screens": [{"name": "A", "x": 0, "y": 0, "width": 3840, "height": 2160,
            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    scherm.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + scherm.fileName()).toUtf8());
    return DraaiBenchmarks<QApplication>(argc, argv);
}
