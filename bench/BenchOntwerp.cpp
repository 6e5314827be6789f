// The designer while editing: a nudge (one undoable step and the repaint it
// causes) and a drag's rubber band, on the heavy page at the designer's size.
#include "BenchMain.h"
#include "ZwarePagina.h"
#include "designer/ZerbantikoView.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_pMap = nullptr;

struct SOntwerp {
    CSysteemKlok klok;
    CZerbantikoDoc doc;
    std::unique_ptr<CZerbantikoView> pView;
    CDataItemBasis* pItem = nullptr;

    SOntwerp()
    {
        doc.NieuwDocument();
        doc.m_project.VoegKindToe(ZwarePagina(g_pMap->path(), 6000, 4000));
        pItem = doc.m_project.GetKind(0)->GetKind(1);
        doc.SelecteerElement(pItem);
        pView = std::make_unique<CZerbantikoView>(doc, klok);
        pView->resize(1000, 563);
        pView->OnDraw(pView->size()); // pictures scaled once
    }
};

void BM_OntwerpVerschuiven(benchmark::State& state)
{
    SOntwerp o;
    int n = 0;
    for (auto _ : state) {
        CDataItemVelden na = *o.pItem;
        na.m_dAnkerX = 40 + (++n % 20);
        o.doc.WijzigVelden(*o.pItem, na, Hint::PositieGrootte, QStringLiteral("verschuiven"), Qt::Key_Right);
        benchmark::DoNotOptimize(o.pView->OnDraw(o.pView->size()));
    }
}
BENCHMARK(BM_OntwerpVerschuiven)->Unit(benchmark::kMillisecond)->UseRealTime();

// The rubber band: the last picture with two inverted outlines, nothing composed.
void BM_OntwerpRubberband(benchmark::State& state)
{
    SOntwerp o;
    o.pView->show();
    const QPoint p(500, 280);
    QMouseEvent neer(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(o.pView.get(), &neer);
    int n = 0;
    for (auto _ : state) {
        const QPoint q = p + QPoint(++n % 50, 0);
        QMouseEvent beweeg(QEvent::MouseMove, q, q, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(o.pView.get(), &beweeg);
        benchmark::DoNotOptimize(o.pView->grab()); // a paint, as the screen would get it
    }
    state.counters["composities"] = o.pView->Composities();
}
BENCHMARK(BM_OntwerpRubberband)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    QTemporaryDir map;
    g_pMap = &map;
    return DraaiBenchmarks<QApplication>(argc, argv);
}
