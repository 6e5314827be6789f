// The phone remote over a show of two heavy pages, with ten phones on
// loopback in this process (five at 412 pixels wide, five at 1080):
// - a command from a phone until the projector repaints the new page and
//   every phone has its picture, over 1,000 commands (50th and 95th
//   percentile, and the longest; and until every phone has its picture);
// - the longest time the UI thread spent in one turn of the server;
// - the pictures encoded per page change (one per distinct width, and the
//   next page's);
// - resident memory without the remote, with ten phones, and after many
//   page changes (--benchmark_filter=Geheugen; 10,000 by default, or
//   ZB_AFSTAND_WISSELS); there the phones are a child process (this program
//   with --telefoons), so that only the server's memory counts.
#include "BenchMain.h"
#include "ZwarePagina.h"
#include "afstand/AfstandServer.h"
#include "afstand/Koppeling.h"
#include "console/ShowAfstand.h"
#include "model/ZerbantikoDoc.h"
#include "show/Geluidsmachine.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/Starter.h"
#include "show/WndPresentatie.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebSocket>

#include <algorithm>
#include <memory>

namespace {

QTemporaryDir* g_pMap = nullptr;
constexpr int nTelefoons = 10;

// Counts the projector's paints of the page on show.
class CVerfTeller : public QObject {
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++nVerf;
        return false;
    }
    int nVerf = 0;
};

struct SAfstand {
    CStapKlok klok;
    CMeldNiets melder;
    CSysteemStarter starter;
    CStilleGeluidsmachine geluid;
    CZerbantikoDoc doc;
    std::unique_ptr<CShow> pShow;
    std::unique_ptr<CKoppeling> pKoppeling;
    std::unique_ptr<CShowAfstand> pDoel;
    std::unique_ptr<CAfstandServer> pServer;
    std::vector<std::unique_ptr<QWebSocket>> aTelefoons;
    std::vector<int> aBeelden; // 'H' pictures each phone received
    int nCommando = 0; // the phones take turns, as no presenter taps 30 times a second
    CVerfTeller verf;

    SAfstand()
    {
        doc.NieuwDocument();
        pShow = std::make_unique<CShow>(doc, klok, melder, starter, geluid);
        for (int i = 0; i < 2; ++i) {
            auto p = ZwarePagina(g_pMap->path(), 6000, 4000);
            p->m_strNaam = QStringLiteral("P%1").arg(i);
            doc.m_project.VoegKindToe(std::move(p));
        }
        doc.SelecteerElement(doc.m_project.GetKind(0));
        pShow->Start();
        pShow->Presentatie().installEventFilter(&verf);
        WachtTot([] { return false; }, 300);
    }

    void StartAfstand()
    {
        pKoppeling = std::make_unique<CKoppeling>();
        pDoel = std::make_unique<CShowAfstand>(doc, klok, pShow->Besturing());
        pServer = std::make_unique<CAfstandServer>(*pDoel, *pKoppeling);
        pDoel->ZetBijWijziging([p = pServer.get()] { p->Gewijzigd(); });
        pServer->Start(QHostAddress(QHostAddress::LocalHost), 0);
        aBeelden.assign(nTelefoons, 0);
        for (int i = 0; i < nTelefoons; ++i) {
            pKoppeling->NieuweCode();
            const QByteArray token = pKoppeling->Koppel(pKoppeling->Code().toLatin1(), QStringLiteral("b")).token;
            const QString strHost = QStringLiteral("127.0.0.1:%1").arg(pServer->Poort());
            auto p = std::make_unique<QWebSocket>("http://" + strHost);
            QWebSocket* pSocket = p.get();
            QObject::connect(pSocket, &QWebSocket::binaryMessageReceived, [this, i](const QByteArray& b) {
                if (b.startsWith('H'))
                    ++aBeelden[size_t(i)];
            });
            QObject::connect(pSocket, &QWebSocket::connected, [pSocket, i] {
                pSocket->sendTextMessage(
                    i % 2 ? QStringLiteral(R"({"cmd":"maat","b":1080})") : QStringLiteral(R"({"cmd":"maat","b":412})"));
            });
            p->open(QUrl(QStringLiteral("ws://%1/ws?token=%2").arg(strHost, QString::fromLatin1(token))));
            aTelefoons.push_back(std::move(p));
        }
        WachtTot([this] { return std::all_of(aBeelden.begin(), aBeelden.end(), [](int n) { return n > 0; }); });
    }

    template <class F> static bool WachtTot(F klaar, int nMs = 10000)
    {
        QElapsedTimer t;
        t.start();
        while (!klaar()) {
            if (t.elapsed() > nMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    // One command from the next phone: until the projector painted the
    // other page, and until every phone has its new picture.
    std::pair<qint64, qint64> Commando(bool bVolgende)
    {
        const int nVerfVoor = verf.nVerf;
        const std::vector<int> aVoor = aBeelden;
        QElapsedTimer t;
        t.start();
        aTelefoons[size_t(nCommando++ % nTelefoons)]->sendTextMessage(
            bVolgende ? QStringLiteral(R"({"cmd":"volgende"})") : QStringLiteral(R"({"cmd":"vorige"})"));
        WachtTot([&] { return verf.nVerf > nVerfVoor; });
        const qint64 nProjector = t.nsecsElapsed();
        WachtTot([&] {
            for (size_t i = 0; i < aBeelden.size(); ++i) {
                if (aBeelden[i] == aVoor[i])
                    return false;
            }
            return true;
        });
        return { nProjector, t.nsecsElapsed() };
    }
};

double Percentiel(std::vector<qint64> a, double p)
{
    std::sort(a.begin(), a.end());
    return a.empty() ? 0 : double(a[std::min(a.size() - 1, size_t(p * double(a.size())))]) / 1e6;
}

void BM_OpdrachtTotProjector(benchmark::State& state)
{
    SAfstand s;
    s.StartAfstand();
    std::vector<qint64> aNs, aTelefoonNs;
    const int nBeeldenVoor = s.pServer->GemaakteBeelden();
    const int nOpdrachten = qEnvironmentVariableIsSet("ZB_AFSTAND_OPDRACHTEN")
        ? qEnvironmentVariableIntValue("ZB_AFSTAND_OPDRACHTEN")
        : 1000;
    for (auto _ : state) {
        for (int i = 0; i < nOpdrachten; ++i) {
            const auto [nProjector, nAllen] = s.Commando(i % 2 == 0);
            aNs.push_back(nProjector);
            aTelefoonNs.push_back(nAllen);
        }
    }
    state.counters["p50_ms"] = Percentiel(aNs, 0.50);
    state.counters["p95_ms"] = Percentiel(aNs, 0.95);
    state.counters["max_ms"] = Percentiel(aNs, 1.0);
    state.counters["telefoons_p50_ms"] = Percentiel(aTelefoonNs, 0.50);
    state.counters["telefoons_p95_ms"] = Percentiel(aTelefoonNs, 0.95);
    state.counters["ui_beurt_max_ms"] = double(s.pServer->LangsteBeurtNs()) / 1e6;
    state.counters["jpeg_per_wissel"] = double(s.pServer->GemaakteBeelden() - nBeeldenVoor) / double(aNs.size());
}
BENCHMARK(BM_OpdrachtTotProjector)->Iterations(1)->Unit(benchmark::kSecond);

// Phones in another process: HOST and tokens on the command line.
int Telefoons(const QString& strHost, const QStringList& aTokens)
{
    std::vector<std::unique_ptr<QWebSocket>> a;
    for (int i = 0; i < aTokens.size(); ++i) {
        auto p = std::make_unique<QWebSocket>("http://" + strHost);
        QWebSocket* pSocket = p.get();
        QObject::connect(pSocket, &QWebSocket::connected, [pSocket, i] {
            pSocket->sendTextMessage(
                i % 2 ? QStringLiteral(R"({"cmd":"maat","b":1080})") : QStringLiteral(R"({"cmd":"maat","b":412})"));
        });
        QObject::connect(pSocket, &QWebSocket::disconnected, qApp, &QCoreApplication::quit);
        p->open(QUrl(QStringLiteral("ws://%1/ws?token=%2").arg(strHost, aTokens[i])));
        a.push_back(std::move(p));
    }
    return QCoreApplication::exec();
}

QString g_strProgramma;

void BM_Geheugen(benchmark::State& state)
{
    const int nWissels
        = qEnvironmentVariableIsSet("ZB_AFSTAND_WISSELS") ? qEnvironmentVariableIntValue("ZB_AFSTAND_WISSELS") : 10000;
    for (auto _ : state) {
        SAfstand s;
        CShowBesturing& besturing = s.pShow->Besturing();
        auto wissel = [&](int i) {
            // Until the projector painted the page and both widths' pictures are made.
            const int nVerf = s.verf.nVerf;
            const int nBeelden = s.pServer ? s.pServer->GemaakteBeelden() : 0;
            if (i % 2 == 0)
                besturing.VolgendePagina();
            else
                besturing.VorigePagina();
            SAfstand::WachtTot(
                [&] { return s.verf.nVerf > nVerf && (!s.pServer || s.pServer->GemaakteBeelden() >= nBeelden + 2); });
        };
        for (int i = 0; i < 20; ++i)
            wissel(i);
        const double dZonder = RssMB();

        s.pKoppeling = std::make_unique<CKoppeling>();
        s.pDoel = std::make_unique<CShowAfstand>(s.doc, s.klok, besturing);
        s.pServer = std::make_unique<CAfstandServer>(*s.pDoel, *s.pKoppeling);
        s.pDoel->ZetBijWijziging([p = s.pServer.get()] { p->Gewijzigd(); });
        s.pServer->Start(QHostAddress(QHostAddress::LocalHost), 0);
        QStringList aArgumenten { QStringLiteral("--telefoons"),
            QStringLiteral("127.0.0.1:%1").arg(s.pServer->Poort()) };
        for (int i = 0; i < nTelefoons; ++i) {
            s.pKoppeling->NieuweCode();
            aArgumenten << QString::fromLatin1(
                s.pKoppeling->Koppel(s.pKoppeling->Code().toLatin1(), QStringLiteral("b")).token);
        }
        QProcess telefoons;
        telefoons.start(g_strProgramma, aArgumenten);
        SAfstand::WachtTot([&] { return s.pServer->AantalVerbonden() == nTelefoons; });
        for (int i = 0; i < 20; ++i)
            wissel(i);
        const double dMet = RssMB();
        for (int i = 0; i < nWissels; ++i)
            wissel(i);
        state.counters["rss_zonder_MB"] = dZonder;
        state.counters["rss_10_telefoons_MB"] = dMet;
        state.counters["rss_na_wissels_MB"] = RssMB();
        state.counters["wissels"] = nWissels;
        state.counters["telefoons"] = s.pServer->AantalVerbonden();
        s.pServer->Stop();
        telefoons.waitForFinished(5000);
    }
}
BENCHMARK(BM_Geheugen)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--telefoons") == 0) {
        QCoreApplication app(argc, argv);
        return Telefoons(QString::fromLatin1(argv[2]), app.arguments().mid(3));
    }
    g_strProgramma = QString::fromLocal8Bit(argv[0]);
    QTemporaryDir map;
    g_pMap = &map;
    ZonderScherm();
    return DraaiBenchmarks<QApplication>(argc, argv);
}
