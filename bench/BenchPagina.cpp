// Composing a heavy page, as the presentation repaints it on every page
// change and once a second on a clock page.
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
    const QString strPad = g_pMap->filePath(QStringLiteral("foto-%1x%2.jpg").arg(w).arg(h));
    if (QFile::exists(strPad))
        return strPad;
    QImage beeld(w, h, QImage::Format_RGB32);
    QPainter p(&beeld);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(220, 120, 40));
    g.setColorAt(1, QColor(20, 60, 160));
    p.fillRect(0, 0, w, h, g);
    p.setPen(QPen(Qt::white, w / 200));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(w * (i % 8) / 8.0, h * (i / 8) / 5.0), w / 20.0, h / 20.0);
    p.end();
    beeld.save(strPad, "JPEG", 85);
    return strPad;
}

struct SPagina {
    CDataItemProject project;
    CDataItemPagina* pPagina = nullptr;
};

// A 40 % colour layer over the background photo, ten texts at 80 % with
// bands, ten images at 70 % with borders, ten ellipses and ten rectangles at
// 50 % with borders.
std::unique_ptr<SPagina> ZwarePagina(int nFotoW, int nFotoH)
{
    auto p = std::make_unique<SPagina>();
    p->project.InitTemplate();
    auto pPagina = std::make_unique<CDataItemPagina>();
    pPagina->InitTemplate();
    pPagina->m_strAfbeelding = Foto(nFotoW, nFotoH);
    pPagina->m_picture.Load(pPagina->m_strAfbeelding);
    pPagina->m_nManierVanTonen = 2;
    pPagina->m_nDekkingKleurlaag = 40;
    pPagina->m_clrKleurlaag = 0x000000;
    const QString strKlein = Foto(800, 600);
    for (int i = 0; i < 10; ++i) {
        auto t = std::make_unique<CDataItemPaginaItem>();
        t->InitTemplate();
        t->m_strNaam = QStringLiteral("Agendapunt %1: de jaarrekening").arg(i + 1);
        t->m_strLettertype = "DejaVu Sans";
        t->m_dLettergrootte = 4;
        t->m_dAnkerX = 30;
        t->m_dAnkerY = 95 - i * 9;
        t->m_nDekkingTekst = 80;
        t->m_bKleurvlak = 1;
        t->m_nKleurvlakMaat = i % 2;
        t->m_clrKleurlaag = 0x404000;
        t->m_nDekkingKleurlaag = 50;
        pPagina->VoegKindToe(std::move(t));

        auto b = std::make_unique<CDataItemPaginaItem>();
        b->InitTemplate();
        b->m_nItemSoort = ItemSoort::Afbeelding;
        b->m_strAfbeelding = strKlein;
        b->m_picture.Load(strKlein);
        b->m_nManierVanTonen = i % 3;
        b->m_dAnkerX = 60 + (i % 5) * 8;
        b->m_dAnkerY = 80 - (i / 5) * 30;
        b->m_dBreedte = 10;
        b->m_dHoogte = 15;
        b->m_nDekkingKleurvlak = 70;
        b->m_bRand = 1;
        b->m_dRandbreedte = 0.5;
        pPagina->VoegKindToe(std::move(b));

        for (int vorm : { 2, 0 }) {
            auto v = std::make_unique<CDataItemPaginaItem>();
            v->InitTemplate();
            v->m_nItemSoort = ItemSoort::Kleurvlak;
            v->m_bKleurvlak = 1;
            v->m_bTekstTonen = 0;
            v->m_nVorm = vorm;
            v->m_dAnkerX = 8 + i * 9;
            v->m_dAnkerY = vorm ? 25 : 12;
            v->m_dBreedte = 8;
            v->m_dHoogte = 10;
            v->m_clrKleurvlak = 0x2080F0;
            v->m_nDekkingKleurvlak = 50;
            v->m_bRand = 1;
            v->m_dRandbreedte = 0.3;
            pPagina->VoegKindToe(std::move(v));
        }
    }
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir map;
    g_pMap = &map;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
