// A long evening in accelerated time: the example project's show runs for a
// number of simulated minutes (240 for the full evening, fewer in CI). Every
// simulated second the clock ticks and the page is drawn again; every 30 s
// the next page; every 2 minutes a sound (SDL's disk driver, written to
// /dev/null); every 5 minutes a picture in the viewer with a countdown,
// closed after 20 s; every 10 minutes a stand-in program, ended after 2
// minutes. Resident memory, open descriptors, threads and child processes are
// reported after the first ten minutes (when every cache has had its first
// use) and at the end; the program fails when memory grew by more than
// 5 MB or any of the others grew at all.
//
// zb_duurtest STAND_IN VOORBEELD_MAP [MINUTEN]
#include "file/ProjectBestand.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/ZerbantikoDoc.h"
#include "show/SdlGeluidsmachine.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/Starter.h"
#include "show/WndPresentatie.h"
#include "support/FakeMelder.h"
#include "support/Toon.h"
#include "support/VasteKlok.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

// AddressSanitizer keeps freed memory aside for a while to catch its use,
// so resident memory says nothing there; its leak check at the end does.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool bOnderSanitizer = true;
#else
constexpr bool bOnderSanitizer = false;
#endif

struct SMeting {
    double dRssMB = 0;
    int nDescriptors = 0;
    int nDraden = 0;
    int nKinderen = 0;
};

int Tel(const QString& strMap)
{
    return int(QDir(strMap).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

SMeting Meet()
{
    SMeting m;
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> delen = statm.readAll().split(' ');
        if (delen.size() > 1)
            m.dRssMB = delen[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
    }
    m.nDescriptors = Tel(QStringLiteral("/proc/self/fd"));
    m.nDraden = Tel(QStringLiteral("/proc/self/task"));
    // Children, zombies included, are found by their parent's id.
    const QString strIk = QString::number(getpid());
    for (const QString& strPid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(strPid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray regel = stat.readAll();
        const QList<QByteArray> na = regel.mid(regel.lastIndexOf(')') + 2).split(' ');
        if (na.size() > 1 && na[1] == strIk.toLatin1())
            ++m.nKinderen;
    }
    return m;
}

void Meld(const char* szWanneer, int nMinuut, const SMeting& m)
{
    std::printf("%-6s minuut %4d: geheugen %.1f MB, descriptors %d, draden %d, kinderen %d\n", szWanneer, nMinuut,
        m.dRssMB, m.nDescriptors, m.nDraden, m.nKinderen);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "gebruik: zb_duurtest STAND_IN VOORBEELD_MAP [MINUTEN]\n");
        return 2;
    }
    const QString strStandIn = args[1];
    const QString strVoorbeeld = QDir(args[2]).filePath(QStringLiteral("Clubavond.zb"));
    const int nMinuten = args.size() > 3 ? args[3].toInt() : 240;
    constexpr int nOpwarmMinuten = 10;

    QTemporaryDir dir;
    const QString strToon = dir.filePath(QStringLiteral("toon.wav"));
    MaakToon(strToon, 1.0, 0.25);

    CVasteKlok klok;
    CFakeMelder melder;
    CSysteemStarter starter;
    CSdlGeluidsmachine geluid;
    CZerbantikoDoc doc;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    if (!ProjectBestand::Open(doc, strVoorbeeld).Gelukt()) {
        std::fprintf(stderr, "het voorbeeld is niet te openen: %s\n", qPrintable(strVoorbeeld));
        return 1;
    }
    CShow show(doc, klok, melder, starter, geluid);
    CShowBesturing& besturing = show.Besturing();

    // The evening's extra items, on the first page.
    auto* pEerste = static_cast<CDataItemPagina*>(doc.m_project.GetKind(0));
    const auto voegToe = [&](const QString& strOpdracht, const QString& strOpties) {
        auto pItem = std::make_unique<CDataItemPaginaItem>();
        pItem->m_strOpdracht = strOpdracht;
        pItem->m_strOpties = strOpties;
        pItem->m_bInternTonen = true;
        pItem->m_nVolume = 80;
        CDataItemBasis* p = pItem.get();
        pEerste->VoegKindToe(std::move(pItem));
        return p;
    };
    CDataItemBasis* pGeluid = voegToe(strToon, {});
    CDataItemBasis* pFoto = voegToe(QDir(args[2]).filePath(QStringLiteral("tulpen.jpg")), QStringLiteral("20"));
    CDataItemBasis* pProgramma = voegToe(strStandIn, dir.filePath(QStringLiteral("gestart.txt")));

    doc.SelecteerElement(pEerste);
    show.Start();
    if (!besturing.Loopt()) {
        std::fprintf(stderr, "de presentatie start niet\n");
        return 1;
    }
    const int nPaginas = doc.m_project.AantalKinderen();
    const auto pagina = [&](int i) { return static_cast<CDataItemPagina*>(doc.m_project.GetKind(i % nPaginas)); };

    QElapsedTimer echt;
    echt.start();
    SMeting begin;
    int nPagina = 0;
    for (int s = 0; s < nMinuten * 60; ++s) {
        if (s == nOpwarmMinuten * 60) {
            begin = Meet();
            Meld("begin", s / 60, begin);
        }
        klok.tijd = IKlok::STijd { 19 + s / 3600, s / 60 % 60, s % 60 };
        if (s % 30 == 0)
            besturing.NaarPagina(pagina(++nPagina));
        if (s % 120 == 0) {
            besturing.NaarPagina(pEerste);
            besturing.KlikOpItem(*pGeluid);
        }
        if (s % 300 == 0) {
            besturing.NaarPagina(pEerste);
            besturing.KlikOpItem(*pFoto);
        }
        if (s % 300 == 20)
            besturing.SluitViewer();
        if (s % 600 == 0) {
            besturing.NaarPagina(pEerste);
            besturing.KlikOpItem(*pProgramma);
        }
        if (s % 600 == 120)
            besturing.StopItem(*pProgramma);
        show.Presentatie().update();
        QCoreApplication::processEvents();
    }
    // What was ended gets its grace (SIGKILL after 3 s) and is reaped; the
    // workers' idle threads end.
    besturing.Beeindig();
    QElapsedTimer nazorg;
    nazorg.start();
    while (nazorg.elapsed() < 4000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    const SMeting eind = Meet();
    Meld("eind", nMinuten, eind);
    std::printf("%d gesimuleerde minuten in %.1f s\n", nMinuten, double(echt.elapsed()) / 1000.0);

    bool bGoed = true;
    if (eind.dRssMB - begin.dRssMB > 5.0 && !bOnderSanitizer) {
        std::printf("FOUT: het geheugen groeide %.1f MB\n", eind.dRssMB - begin.dRssMB);
        bGoed = false;
    }
    if (eind.nDescriptors > begin.nDescriptors || eind.nDraden > begin.nDraden || eind.nKinderen > begin.nKinderen) {
        std::printf("FOUT: descriptors, draden of kinderen groeiden\n");
        bGoed = false;
    }
    return bGoed ? 0 : 1;
}
