// A project from another computer: 20 images naming Windows paths that do
// not exist here. Once opened, its page must repaint no dearer than the same
// page whose images name local files: no path is looked up while painting.
#include "BenchMain.h"
#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int nItems = 20;

void Teken(benchmark::State& state, bool bWindows)
{
    QTemporaryDir dir;
    QImage foto(400, 300, QImage::Format_RGB32);
    foto.fill(qRgb(30, 90, 160));
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.OnPaginaInvoegen();
    CDataItemBasis* pPagina = doc.GetGeselecteerd();
    for (int i = 0; i < nItems; ++i) {
        const QString strNaam = QStringLiteral("foto%1.png").arg(i);
        foto.save(dir.filePath(strNaam));
        doc.SelecteerElement(pPagina);
        CDataItemBasis* pBeeld = doc.Invoegen(Soort::Item, 2);
        pBeeld->m_strAfbeelding = bWindows ? QStringLiteral(R"(C:\Elders\Foto's\)") + strNaam + ".jpg" : strNaam;
        pBeeld->m_dAnkerX = 5 + (i % 5) * 20;
        pBeeld->m_dAnkerY = 15 + (i / 5) * 22;
        pBeeld->m_dBreedte = 15;
        pBeeld->m_dHoogte = 18;
    }
    const QString strPad = dir.filePath("avond.zb");
    CZerbantikoDoc geopend;
    if (!ProjectBestand::Opslaan(doc, strPad).Gelukt() || !ProjectBestand::Open(geopend, strPad).Gelukt()) {
        state.SkipWithError("project not written or read");
        return;
    }
    auto* pGeopend = dynamic_cast<CDataItemPagina*>(geopend.m_project.GetKind(0));
    const CSysteemKlok klok;
    CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok);
    QImage beeld(1920, 1080, QImage::Format_RGB32);
    tekenaar.DrawPage(beeld, *pGeopend); // the first paint scales the pictures
    for (auto _ : state) {
        tekenaar.DrawPage(beeld, *pGeopend);
        benchmark::ClobberMemory();
    }
}

void BM_PaginaMetOntbrekendeWindowsPaden(benchmark::State& state)
{
    Teken(state, true);
}
BENCHMARK(BM_PaginaMetOntbrekendeWindowsPaden)->Unit(benchmark::kMillisecond);

void BM_PaginaMetLokalePaden(benchmark::State& state)
{
    Teken(state, false);
}
BENCHMARK(BM_PaginaMetLokalePaden)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    return DraaiBenchmarks<QGuiApplication>(argc, argv);
}
