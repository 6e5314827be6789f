// Writing the recovery copy of a large project (about 4 MB): what it costs
// the user-interface thread (the copy of the project it hands over), and the
// whole write on the worker.
#include "BenchMain.h"
#include "GrootProject.h"
#include "app/Herstel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

void BM_HerstelkopieOpDeUiDraad(benchmark::State& state)
{
    QTemporaryDir dir;
    CZerbantikoDoc& doc = GroteDoc();
    CHerstel herstel(doc, dir.path());
    double dWerkerMs = 0;
    for (auto _ : state) {
        doc.SetModifiedFlag(true);
        QElapsedTimer klok;
        klok.start();
        herstel.SchrijfNu();
        state.SetIterationTime(double(klok.nsecsElapsed()) / 1e9);
        herstel.WachtOpSchrijven();
        dWerkerMs += double(klok.nsecsElapsed()) / 1e6;
    }
    state.counters["tot_op_schijf_ms"] = dWerkerMs / double(state.iterations());
}
BENCHMARK(BM_HerstelkopieOpDeUiDraad)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    return DraaiBenchmarks<QApplication>(argc, argv);
}
