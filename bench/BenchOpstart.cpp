// Start-up: the editor with no project and on the example project, from
// starting the process to its first paint, side by side with an empty Qt
// Widgets window with a tree (the baseline, built beside the benchmarks). All
// run as child processes on Qt's offscreen platform; the figure is the time
// from starting the process (loading its libraries included) to the moment it
// reports its first paint on the monotonic clock, and its peak resident
// memory. Ending the process afterwards is not counted.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

constexpr const char* szGemeld = "eerste tekening: ";

qint64 Nu()
{
    timespec nu {};
    clock_gettime(CLOCK_MONOTONIC, &nu);
    return qint64(nu.tv_sec) * 1000000000LL + nu.tv_nsec;
}

void Start(benchmark::State& state, const QString& strProgramma, const QStringList& args)
{
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert("QT_QPA_PLATFORM", "offscreen");
    omgeving.insert("ZB_OPSTART_METEN", "1");
    long nPiekKb = 0;
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(omgeving);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 nStart = Nu();
        p.start(strProgramma, args);
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("the program did not start and end");
            return;
        }
        const QByteArray uit = p.readAllStandardOutput();
        const qsizetype nPos = uit.indexOf(szGemeld);
        if (nPos < 0) {
            state.SkipWithError("the program did not report its first paint");
            return;
        }
        const qint64 nGetekend = uit.mid(nPos + qsizetype(qstrlen(szGemeld))).trimmed().toLongLong();
        state.SetIterationTime(double(nGetekend - nStart) / 1e9);
    }
    rusage gebruik {};
    getrusage(RUSAGE_CHILDREN, &gebruik);
    nPiekKb = gebruik.ru_maxrss;
    state.counters["piek_MB"] = double(nPiekKb) / 1024.0;
}

void BM_OpstartLeegVenster(benchmark::State& state)
{
    Start(state, QStringLiteral(ZB_LEEG_VENSTER), {});
}
BENCHMARK(BM_OpstartLeegVenster)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

// The editor's own window, with no project: what the example adds is the
// difference to the next row.
void BM_OpstartEditorZonderProject(benchmark::State& state)
{
    Start(state, QStringLiteral(ZB_PROGRAMMA), {});
}
BENCHMARK(BM_OpstartEditorZonderProject)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

void BM_OpstartEditorMetVoorbeeld(benchmark::State& state)
{
    Start(state, QStringLiteral(ZB_PROGRAMMA), { QStringLiteral(ZB_VOORBEELD) });
}
BENCHMARK(BM_OpstartEditorMetVoorbeeld)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
