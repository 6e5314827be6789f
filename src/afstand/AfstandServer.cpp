#include "AfstandServer.h"

#include "AfstandBericht.h"
#include "HttpVerzoek.h"
#include "Koppeling.h"

#include <QBuffer>
#include <QFile>
#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>
#include <QUrlQuery>
#include <QWebSocket>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace {

constexpr int nPoortPogingen = 20;
constexpr int nMaxHttp = 32; // connections still sending their request
constexpr int nHttpTijdMs = 10000;
constexpr qsizetype nMaxKoppelInhoud = 1024;
constexpr int nJpegKwaliteit = 80;
constexpr int nLevendMs = 1000; // clock pages and the countdown: at most a picture a second
constexpr double nBerichtenPerSeconde = 20; // a phone's commands beyond this are dropped
constexpr double nMaxTegoed = 40;

struct SStatischBestand {
    const char* szPad;
    const char* szBron;
    const char* szType;
};

constexpr SStatischBestand aBestanden[] = {
    { "/", ":/afstand/index.html", "text/html; charset=utf-8" },
    { "/index.html", ":/afstand/index.html", "text/html; charset=utf-8" },
    { "/app.js", ":/afstand/app.js", "text/javascript; charset=utf-8" },
    { "/stijl.css", ":/afstand/stijl.css", "text/css; charset=utf-8" },
};

const char* StatusTekst(int nStatus)
{
    switch (nStatus) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Payload Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

QByteArray Json(const QJsonObject& o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QByteArray StaatJson(const SAfstandStaat& staat, const QString& strKlok);

// A short name for the paired phone, from its browser's description.
QString ApparaatNaam(const QByteArray& agent)
{
    static constexpr const char* aNamen[][2] = { { "iPhone", "iPhone" }, { "iPad", "iPad" }, { "Android", "Android" },
        { "Windows", "Windows" }, { "Macintosh", "Mac" }, { "Linux", "Linux" } };
    for (const auto& naam : aNamen) {
        if (agent.contains(naam[0]))
            return QString::fromLatin1(naam[1]);
    }
    return QStringLiteral("Browser");
}

QByteArray JpegVan(const QImage& beeld)
{
    if (beeld.isNull())
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    beeld.save(&buffer, "JPEG", nJpegKwaliteit);
    return data;
}

// A picture frame: its kind ('H' the page on show, 'V' the next page), the
// key of the picture, then the JPEG.
QByteArray Frame(char cSoort, quint64 nSleutel, const QByteArray& jpeg)
{
    QByteArray frame;
    frame.reserve(9 + jpeg.size());
    frame.append(cSoort);
    for (int i = 7; i >= 0; --i)
        frame.append(char((nSleutel >> (8 * i)) & 0xff));
    frame.append(jpeg);
    return frame;
}

// The time the UI thread spends in one of the server's turns.
class CBeurt {
public:
    explicit CBeurt(qint64& nLangste)
        : m_nLangste(nLangste)
    {
        m_tijd.start();
    }
    ~CBeurt() { Pauzeer(); }
    void Pauzeer()
    {
        if (m_tijd.isValid())
            m_nLangste = std::max(m_nLangste, m_tijd.nsecsElapsed());
        m_tijd.invalidate();
    }
    CBeurt(const CBeurt&) = delete;
    CBeurt& operator=(const CBeurt&) = delete;

private:
    qint64& m_nLangste;
    QElapsedTimer m_tijd;
};

} // namespace

struct CAfstandServer::STelefoon {
    QWebSocket* pSocket = nullptr;
    QByteArray hash; // of its token
    int nBreedte = 0;
    quint64 nVersieH = 0, nVersieV = 0; // the pictures it has
    QByteArray laatsteStaat;
    double dTegoed = nMaxTegoed;
    qint64 nTegoedTijd = 0;
    qint64 nAchterstandSinds = -1;
};

struct CAfstandServer::SBeeld {
    quint64 nSleutel = ~quint64(0);
    qint64 nTijd = 0;
    quint64 nVersie = 0, nVersieV = 0;
    QByteArray jpeg, volgend;
    AfstandKlikvlak klikvlak;
    QSize maat;
    bool bBezig = false;
};

CAfstandServer::CAfstandServer(IAfstandDoel& doel, CKoppeling& koppeling, QObject* pOuder)
    : QObject(pOuder)
    , m_doel(doel)
    , m_koppeling(koppeling)
    , m_ws(QStringLiteral("Zerbantiko"), QWebSocketServer::NonSecureMode)
{
    m_tijd.start();
    m_ws.setMaxPendingConnections(nMaxTelefoons);
    connect(&m_ws, &QWebSocketServer::newConnection, this, &CAfstandServer::NieuweTelefoon);
    connect(&m_koppeling, &CKoppeling::ingetrokken, this, &CAfstandServer::Ingetrokken);
    // One thread draws for every phone, and keeps its scaled pictures.
    m_tekenaar.setMaxThreadCount(1);
    m_tekenaar.setExpiryTimeout(-1);
    // The pictures go out a phone per turn of the event loop, so that ten
    // phones never hold the UI thread up at once.
    m_uitdelen.setSingleShot(true);
    m_uitdelen.setInterval(0);
    connect(&m_uitdelen, &QTimer::timeout, this, &CAfstandServer::DeelUit);
    m_seconde.setInterval(nLevendMs);
    connect(&m_seconde, &QTimer::timeout, this, &CAfstandServer::Verstuur);
}

CAfstandServer::~CAfstandServer()
{
    Stop();
}

bool CAfstandServer::Start(const QHostAddress& adres, quint16 nPoort)
{
    Stop();
    std::vector<QHostAddress> aAdressen { adres };
    if (!adres.isLoopback())
        aAdressen.push_back(QHostAddress(QHostAddress::LocalHost));
    auto probeer = [&](quint16 n) {
        for (const QHostAddress& a : aAdressen) {
            auto* p = new QTcpServer(this);
            if (!p->listen(a, n)) {
                delete p;
                Stop();
                return false;
            }
            n = p->serverPort(); // the first's free port for the others too
            connect(p, &QTcpServer::newConnection, this, [this, p] { NieuweVerbinding(*p); });
            m_aLuisteraars.push_back(p);
        }
        m_nPoort = n;
        return true;
    };
    bool bAan = false;
    for (int i = 0; i < nPoortPogingen && !bAan && nPoort != 0; ++i)
        bAan = nPoort + i <= 65535 && probeer(quint16(nPoort + i));
    if (!bAan)
        bAan = probeer(0);
    if (bAan)
        m_adres = adres;
    emit toestandGewijzigd();
    return bAan;
}

void CAfstandServer::Stop()
{
    const bool bWasAan = Aan();
    for (QTcpSocket* p : m_aHttp) {
        p->disconnect(this);
        p->abort();
        p->deleteLater();
    }
    m_aHttp.clear();
    for (auto& p : m_aTelefoons) {
        p->pSocket->disconnect(this);
        p->pSocket->abort();
        p->pSocket->deleteLater();
    }
    m_aTelefoons.clear();
    m_aUitTeDelen.clear();
    m_uitdelen.stop();
    for (QTcpServer* p : m_aLuisteraars)
        delete p;
    m_aLuisteraars.clear();
    m_beelden.clear();
    m_seconde.stop();
    m_nPoort = 0;
    if (bWasAan)
        emit toestandGewijzigd();
}

QString CAfstandServer::Url() const
{
    if (!Aan())
        return {};
    return QStringLiteral("http://%1:%2/").arg(m_adres.toString()).arg(m_nPoort);
}

QString CAfstandServer::Beschrijving() const
{
    if (!Aan())
        return QStringLiteral("uit");
    const int n = AantalVerbonden();
    return QStringLiteral("%1 · %2").arg(
        Url(), n == 1 ? QStringLiteral("1 telefoon") : QStringLiteral("%1 telefoons").arg(n));
}

void CAfstandServer::NieuweVerbinding(QTcpServer& server)
{
    while (QTcpSocket* pSocket = server.nextPendingConnection()) {
        if (int(m_aHttp.size()) >= nMaxHttp) {
            pSocket->abort();
            pSocket->deleteLater();
            continue;
        }
        // Ours, not the listener's: it may outlive a listener that stops.
        pSocket->setParent(this);
        // A head longer than the limit stays in the kernel: nothing reads it.
        pSocket->setReadBufferSize(nMaxKop + nMaxKoppelInhoud);
        m_aHttp.push_back(pSocket);
        connect(pSocket, &QTcpSocket::readyRead, this, [this, pSocket] { LeesHttp(pSocket); });
        connect(pSocket, &QTcpSocket::disconnected, this, [this, pSocket] {
            std::erase(m_aHttp, pSocket);
            pSocket->deleteLater();
        });
        QTimer::singleShot(nHttpTijdMs, pSocket, [this, pSocket] {
            if (std::find(m_aHttp.begin(), m_aHttp.end(), pSocket) != m_aHttp.end())
                pSocket->abort();
        });
    }
}

void CAfstandServer::Antwoord(QTcpSocket* pSocket, int nStatus, const QByteArray& type, const QByteArray& inhoud)
{
    QByteArray kop = "HTTP/1.1 " + QByteArray::number(nStatus) + ' ' + StatusTekst(nStatus) + "\r\n";
    kop += "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(inhoud.size()) + "\r\n";
    kop += "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    kop += "Content-Security-Policy: default-src 'self'; img-src 'self' blob:; connect-src 'self' ws:; "
           "frame-ancestors 'none'\r\n";
    kop += "Connection: close\r\n\r\n";
    // Nothing more is read from this connection: it ends once written.
    pSocket->disconnect(this);
    std::erase(m_aHttp, pSocket);
    connect(pSocket, &QTcpSocket::disconnected, pSocket, &QObject::deleteLater);
    pSocket->write(kop + inhoud);
    pSocket->disconnectFromHost();
}

void CAfstandServer::LeesHttp(QTcpSocket* pSocket)
{
    CBeurt beurt(m_nLangsteBeurtNs);
    const QByteArray data = pSocket->peek(pSocket->bytesAvailable());
    SHttpVerzoek verzoek;
    switch (LeesVerzoek(data, verzoek)) {
    case SHttpVerzoek::Uitslag::Onvolledig:
        return;
    case SHttpVerzoek::Uitslag::TeGroot:
        Antwoord(pSocket, 431, "text/plain", "Te groot\n");
        return;
    case SHttpVerzoek::Uitslag::Fout:
        Antwoord(pSocket, 400, "text/plain", "Onbekend verzoek\n");
        return;
    case SHttpVerzoek::Uitslag::Klaar:
        break;
    }
    if (verzoek.pad == "/ws") {
        QByteArray fout;
        if (!MagOpwaarderen(verzoek, fout)) {
            Antwoord(pSocket, fout == "vol" ? 503 : 403, "text/plain", fout + '\n');
            return;
        }
        // The handshake is still unread: the WebSocket server reads it.
        pSocket->disconnect(this);
        std::erase(m_aHttp, pSocket);
        m_ws.handleConnection(pSocket);
        return;
    }
    if (verzoek.pad == "/koppel" || verzoek.pad == "/controle") {
        if (verzoek.methode != "POST") {
            Antwoord(pSocket, 405, "text/plain", "Alleen POST\n");
            return;
        }
        // Not from another site's page in a browser on this network.
        const QByteArray herkomst = verzoek.Kop("origin");
        if (!IsEigenHost(verzoek.Kop("host")) || (!herkomst.isEmpty() && herkomst != "http://" + verzoek.Kop("host"))) {
            Antwoord(pSocket, 403, "text/plain", "Verkeerde herkomst\n");
            return;
        }
        bool bGetal = false;
        const qsizetype nLengte = verzoek.Kop("content-length").toLongLong(&bGetal);
        if (!bGetal || nLengte < 0 || nLengte > nMaxKoppelInhoud) {
            Antwoord(pSocket, 413, "text/plain", "Te groot\n");
            return;
        }
        if (data.size() < verzoek.nKopLengte + nLengte)
            return; // the rest of the body is on its way
        const QByteArray inhoud = data.mid(verzoek.nKopLengte, nLengte);
        if (verzoek.pad == "/koppel") {
            Koppel(pSocket, inhoud, verzoek.Kop("user-agent"));
        } else {
            // Whether a phone's token still opens the remote: it tells no more
            // than a refused WebSocket does, in a way the page can read.
            const QByteArray token
                = QJsonDocument::fromJson(inhoud).object().value(QLatin1String("token")).toString().toLatin1();
            const bool bGeldig = m_koppeling.Geldig(token);
            Antwoord(pSocket, bGeldig ? 200 : 403, "application/json", Json({ { "gekoppeld", bGeldig } }));
        }
        return;
    }
    if (verzoek.methode != "GET" && verzoek.methode != "HEAD") {
        Antwoord(pSocket, 405, "text/plain", "Alleen GET\n");
        return;
    }
    for (const SStatischBestand& b : aBestanden) {
        if (verzoek.pad == b.szPad) {
            QFile f(QString::fromLatin1(b.szBron));
            f.open(QIODevice::ReadOnly);
            Antwoord(pSocket, 200, b.szType, verzoek.methode == "HEAD" ? QByteArray() : f.readAll());
            return;
        }
    }
    Antwoord(pSocket, 404, "text/plain", "Niet gevonden\n");
}

bool CAfstandServer::IsEigenHost(const QByteArray& host) const
{
    // A name that some site's DNS points at this computer is not ours: only
    // the numeric addresses the server listens on, and localhost.
    const QUrl url(QStringLiteral("http://") + QString::fromLatin1(host));
    if (!url.isValid() || url.port() != m_nPoort)
        return false;
    const QHostAddress adres(url.host());
    return url.host() == QLatin1String("localhost") || adres.isLoopback() || (!adres.isNull() && adres == m_adres);
}

bool CAfstandServer::MagOpwaarderen(const SHttpVerzoek& verzoek, QByteArray& fout) const
{
    // The page's own origin only: the address the phone asked for.
    const QByteArray host = verzoek.Kop("host");
    if (!IsEigenHost(host) || verzoek.Kop("origin") != "http://" + host) {
        fout = "Verkeerde herkomst";
        return false;
    }
    if (!m_koppeling.Geldig(verzoek.QueryWaarde("token"))) {
        fout = "Niet gekoppeld";
        return false;
    }
    if (AantalVerbonden() >= nMaxTelefoons) {
        fout = "vol";
        return false;
    }
    return true;
}

void CAfstandServer::Koppel(QTcpSocket* pSocket, const QByteArray& inhoud, const QByteArray& agent)
{
    const QJsonObject o = QJsonDocument::fromJson(inhoud).object();
    const QByteArray code = o.value(QLatin1String("code")).toString().toLatin1();
    const CKoppeling::SPoging poging = m_koppeling.Koppel(code,
        QStringLiteral("%1, %2").arg(ApparaatNaam(agent), QTime::currentTime().toString(QStringLiteral("HH:mm"))));
    switch (poging.uitslag) {
    case CKoppeling::Uitslag::Gekoppeld:
        Antwoord(pSocket, 200, "application/json", Json({ { "token", QString::fromLatin1(poging.token) } }));
        break;
    case CKoppeling::Uitslag::FouteCode:
        Antwoord(pSocket, 403, "application/json", Json({ { "fout", QStringLiteral("Verkeerde code.") } }));
        break;
    case CKoppeling::Uitslag::Vergrendeld:
        Antwoord(pSocket, 429, "application/json",
            Json({ { "fout",
                QStringLiteral("Te veel verkeerde codes. Probeer het over %1 seconden opnieuw.")
                    .arg(m_koppeling.SlotSeconden()) } }));
        break;
    }
}

void CAfstandServer::NieuweTelefoon()
{
    while (QWebSocket* pSocket = m_ws.nextPendingConnection()) {
        const QByteArray token = QUrlQuery(pSocket->requestUrl()).queryItemValue(QStringLiteral("token")).toLatin1();
        if (!m_koppeling.Geldig(token) || AantalVerbonden() >= nMaxTelefoons) {
            pSocket->abort();
            pSocket->deleteLater();
            continue;
        }
        pSocket->setParent(this); // gone with the server at the latest
        pSocket->setMaxAllowedIncomingFrameSize(nMaxBericht);
        pSocket->setMaxAllowedIncomingMessageSize(nMaxBericht);
        auto p = std::make_unique<STelefoon>();
        p->pSocket = pSocket;
        p->hash = CKoppeling::Hash(token);
        p->nTegoedTijd = m_tijd.elapsed();
        m_aTelefoons.push_back(std::move(p));
        connect(pSocket, &QWebSocket::textMessageReceived, this,
            [this, pSocket](const QString& strTekst) { Bericht(pSocket, strTekst); });
        connect(pSocket, &QWebSocket::binaryMessageReceived, this,
            [pSocket] { pSocket->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported); });
        connect(pSocket, &QWebSocket::disconnected, this, [this, pSocket] { Verwijder(pSocket); });
        if (!m_seconde.isActive())
            m_seconde.start();
        emit toestandGewijzigd();
    }
    Verstuur();
}

CAfstandServer::STelefoon* CAfstandServer::Zoek(QWebSocket* pSocket)
{
    for (auto& p : m_aTelefoons) {
        if (p->pSocket == pSocket)
            return p.get();
    }
    return nullptr;
}

void CAfstandServer::Verwijder(QWebSocket* pSocket)
{
    const auto n = std::erase_if(m_aTelefoons, [pSocket](const auto& p) { return p->pSocket == pSocket; });
    std::erase(m_aUitTeDelen, pSocket);
    pSocket->disconnect(this);
    pSocket->deleteLater();
    if (m_aTelefoons.empty())
        m_seconde.stop();
    if (n)
        emit toestandGewijzigd();
}

void CAfstandServer::Ingetrokken(const QByteArray& hash)
{
    std::vector<QWebSocket*> a;
    for (auto& p : m_aTelefoons) {
        if (p->hash == hash)
            a.push_back(p->pSocket);
    }
    for (QWebSocket* p : a) {
        p->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("Ontkoppeld"));
        Verwijder(p);
    }
}

void CAfstandServer::Bericht(QWebSocket* pSocket, const QString& strTekst)
{
    CBeurt beurt(m_nLangsteBeurtNs);
    STelefoon* pTelefoon = Zoek(pSocket);
    if (!pTelefoon)
        return;
    // A flood is dropped, not queued: the show must not run behind the phone.
    const qint64 nNu = m_tijd.elapsed();
    pTelefoon->dTegoed = std::min(
        nMaxTegoed, pTelefoon->dTegoed + double(nNu - pTelefoon->nTegoedTijd) * nBerichtenPerSeconde / 1000.0);
    pTelefoon->nTegoedTijd = nNu;
    if (pTelefoon->dTegoed < 1)
        return;
    pTelefoon->dTegoed -= 1;
    const std::optional<SAfstandBericht> bericht = LeesBericht(strTekst.toUtf8());
    if (!bericht) {
        pSocket->close(QWebSocketProtocol::CloseCodeProtocolError, QStringLiteral("Onbekend bericht"));
        return;
    }
    beurt.Pauzeer(); // what the command does is the show's work, as for a key
    Voer(*pTelefoon, *bericht);
}

void CAfstandServer::Voer(STelefoon& telefoon, const SAfstandBericht& bericht)
{
    using Soort = SAfstandBericht::Soort;
    // The buttons that are a presenter's key.
    static constexpr std::pair<Soort, SAfstandOpdracht::Soort> aKnoppen[] = {
        { Soort::Vorige, SAfstandOpdracht::Soort::Vorige },
        { Soort::Volgende, SAfstandOpdracht::Soort::Volgende },
        { Soort::Terug, SAfstandOpdracht::Soort::Terug },
        { Soort::Gong, SAfstandOpdracht::Soort::Gong },
        { Soort::StopGeluid, SAfstandOpdracht::Soort::StopGeluid },
    };
    for (const auto& [soort, opdracht] : aKnoppen) {
        if (bericht.soort == soort) {
            m_doel.Voer({ opdracht, -1 });
            Verstuur();
            return;
        }
    }
    switch (bericht.soort) {
    case Soort::Ping:
        Verzend(telefoon, Json({ { "t", QStringLiteral("pong") } }), false);
        return;
    case Soort::Maat:
        telefoon.nBreedte = bericht.nBreedte;
        telefoon.nVersieH = telefoon.nVersieV = 0;
        break;
    case Soort::Item: {
        // Only an item the phone saw listed for the page now on show.
        const SAfstandStaat staat = m_doel.Staat();
        if (bericht.nSleutel != staat.nBeeldSleutel)
            break;
        const bool bGenoemd = std::any_of(
            staat.aItems.begin(), staat.aItems.end(), [&](const auto& item) { return item.first == bericht.nItem; });
        if (bGenoemd)
            m_doel.Voer({ SAfstandOpdracht::Soort::Item, bericht.nItem });
        break;
    }
    case Soort::Tik: {
        // The item under the finger on the picture the phone shows, by that
        // picture's own hit table; a tap on an older picture does nothing.
        const SAfstandStaat staat = m_doel.Staat();
        if (bericht.nSleutel != staat.nBeeldSleutel)
            break;
        if (staat.bViewer) {
            m_doel.Voer({ SAfstandOpdracht::Soort::SluitViewer, -1 });
            break;
        }
        const auto it = m_beelden.find(telefoon.nBreedte);
        if (it == m_beelden.end() || it->second.nSleutel != bericht.nSleutel)
            break;
        const SBeeld& beeld = it->second;
        const QPoint pt(int(bericht.dX * beeld.maat.width()), int(bericht.dY * beeld.maat.height()));
        for (const auto& [nItem, rect] : beeld.klikvlak) {
            if (rect.contains(pt)) {
                m_doel.Voer({ SAfstandOpdracht::Soort::Item, nItem });
                break;
            }
        }
        break;
    }
    default: // the buttons above
        break;
    }
    Verstuur();
}

namespace {

QByteArray StaatJson(const SAfstandStaat& staat, const QString& strKlok)
{
    QJsonArray aItems;
    for (const auto& [nIndex, strNaam] : staat.aItems)
        aItems.append(QJsonObject { { "i", nIndex }, { "naam", strNaam } });
    QJsonObject o { { "t", QStringLiteral("staat") }, { "loopt", staat.bLoopt }, { "pagina", staat.strPagina },
        { "volgende", staat.strVolgende }, { "items", aItems }, { "s", double(staat.nBeeldSleutel) },
        { "klok", strKlok } };
    if (staat.bViewer)
        o.insert(QLatin1String("viewer"), QJsonObject { { "over", staat.nViewerOver } });
    if (staat.bGeluid) {
        o.insert(QLatin1String("geluid"),
            QJsonObject { { "positie", staat.dPositie }, { "lengte", staat.dLengte }, { "pauze", staat.bPauze } });
    }
    return Json(o);
}

} // namespace

void CAfstandServer::Gewijzigd()
{
    if (!m_aTelefoons.empty())
        Verstuur();
}

void CAfstandServer::Verstuur()
{
    CBeurt beurt(m_nLangsteBeurtNs);
    if (m_aTelefoons.empty())
        return;
    const SAfstandStaat staat = m_doel.Staat();
    std::shared_ptr<IAfstandTekening> pOpname; // taken when a picture is needed, once for all widths
    const QByteArray json = StaatJson(staat, QTime::currentTime().toString(QStringLiteral("HH:mm")));
    const qint64 nNu = m_tijd.elapsed();
    m_nSleutel = staat.nBeeldSleutel;
    std::vector<QWebSocket*> aTeTraag;
    for (auto& p : m_aTelefoons) {
        STelefoon& telefoon = *p;
        if (telefoon.laatsteStaat != json && Verzend(telefoon, json, false))
            telefoon.laatsteStaat = json;
        if (telefoon.nBreedte == 0)
            continue;
        SBeeld& beeld = m_beelden[telefoon.nBreedte];
        const bool bVerouderd
            = beeld.nSleutel != staat.nBeeldSleutel || (staat.bLevend && nNu - beeld.nTijd >= nLevendMs);
        if (bVerouderd && staat.bLoopt)
            MaakBeeld(telefoon.nBreedte, beeld, staat, pOpname);
        const bool bAchter = telefoon.nVersieH != beeld.nVersie || telefoon.nVersieV != beeld.nVersieV;
        if (beeld.nSleutel == staat.nBeeldSleutel && !beeld.jpeg.isEmpty() && bAchter
            && std::find(m_aUitTeDelen.begin(), m_aUitTeDelen.end(), telefoon.pSocket) == m_aUitTeDelen.end())
            m_aUitTeDelen.push_back(telefoon.pSocket);
        // A phone that has read nothing for long is let go, its queue with it.
        if (telefoon.pSocket->bytesToWrite() <= m_grenzen.nWachtrij)
            telefoon.nAchterstandSinds = -1;
        else if (telefoon.nAchterstandSinds < 0)
            telefoon.nAchterstandSinds = nNu;
        else if (nNu - telefoon.nAchterstandSinds > m_grenzen.nGeduldMs)
            aTeTraag.push_back(telefoon.pSocket);
    }
    for (QWebSocket* p : aTeTraag) {
        p->abort();
        Verwijder(p);
    }
    if (!m_aUitTeDelen.empty() && !m_uitdelen.isActive())
        m_uitdelen.start();
    // Pictures of widths no phone shows any more are dropped.
    std::erase_if(m_beelden, [this](const auto& b) {
        return !b.second.bBezig && std::none_of(m_aTelefoons.begin(), m_aTelefoons.end(), [&](const auto& p) {
            return p->nBreedte == b.first;
        });
    });
}

void CAfstandServer::DeelUit()
{
    CBeurt beurt(m_nLangsteBeurtNs);
    while (!m_aUitTeDelen.empty()) {
        STelefoon* pTelefoon = Zoek(m_aUitTeDelen.front());
        m_aUitTeDelen.erase(m_aUitTeDelen.begin());
        const auto it = pTelefoon ? m_beelden.find(pTelefoon->nBreedte) : m_beelden.end();
        if (it == m_beelden.end() || it->second.nSleutel != m_nSleutel || it->second.jpeg.isEmpty())
            continue;
        const SBeeld& beeld = it->second;
        if (pTelefoon->nVersieH != beeld.nVersie && Verzend(*pTelefoon, Frame('H', beeld.nSleutel, beeld.jpeg), true))
            pTelefoon->nVersieH = beeld.nVersie;
        if (pTelefoon->nVersieV != beeld.nVersieV
            && Verzend(*pTelefoon, Frame('V', beeld.nSleutel, beeld.volgend), true))
            pTelefoon->nVersieV = beeld.nVersieV;
        break;
    }
    if (!m_aUitTeDelen.empty())
        m_uitdelen.start();
}

void CAfstandServer::MaakBeeld(
    int nBreedte, SBeeld& beeld, const SAfstandStaat& staat, std::shared_ptr<IAfstandTekening>& pOpname)
{
    if (beeld.bBezig)
        return; // the turn after it is done makes the newer one
    if (!pOpname)
        pOpname = m_doel.Opname();
    beeld.bBezig = true;
    const quint64 nSleutel = staat.nBeeldSleutel;
    const bool bNieuwePagina = beeld.nSleutel != nSleutel;
    struct SGemaakt {
        QByteArray jpeg, volgend;
        AfstandKlikvlak klikvlak;
        QSize maat;
    };
    auto* pWachter = new QFutureWatcher<SGemaakt>(this);
    connect(pWachter, &QFutureWatcherBase::finished, this, [this, pWachter, nBreedte, nSleutel, bNieuwePagina] {
        pWachter->deleteLater();
        const auto it = m_beelden.find(nBreedte);
        if (it == m_beelden.end())
            return;
        SBeeld& b = it->second;
        b.bBezig = false;
        SGemaakt gemaakt = pWachter->result();
        b.jpeg = std::move(gemaakt.jpeg);
        b.nSleutel = nSleutel;
        b.nTijd = m_tijd.elapsed();
        b.klikvlak = std::move(gemaakt.klikvlak);
        b.maat = gemaakt.maat;
        ++b.nVersie;
        if (bNieuwePagina) {
            b.volgend = std::move(gemaakt.volgend);
            ++b.nVersieV;
        }
        m_nGemaakteBeelden += bNieuwePagina && !b.volgend.isEmpty() ? 2 : 1;
        Verstuur();
    });
    // Drawn and encoded on the remote's own thread.
    pWachter->setFuture(QtConcurrent::run(&m_tekenaar, [pOpname, nBreedte, bNieuwePagina] {
        SGemaakt gemaakt;
        const QImage huidig = pOpname->Huidig(nBreedte, gemaakt.klikvlak);
        gemaakt.maat = huidig.size();
        gemaakt.jpeg = JpegVan(huidig);
        if (bNieuwePagina)
            gemaakt.volgend = JpegVan(pOpname->Volgend(nBreedte));
        return gemaakt;
    }));
}

bool CAfstandServer::Verzend(STelefoon& telefoon, const QByteArray& data, bool bBinair)
{
    // A phone behind on reading gets no more until it catches up; what it
    // missed it gets whole when it does.
    if (telefoon.pSocket->bytesToWrite() > m_grenzen.nWachtrij)
        return false;
    if (bBinair)
        telefoon.pSocket->sendBinaryMessage(data);
    else
        telefoon.pSocket->sendTextMessage(QString::fromUtf8(data));
    return true;
}
