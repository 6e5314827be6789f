// The phone remote: its messages, pairing, addresses, and the server driven
// by real HTTP and WebSocket clients over loopback.
#include "afstand/AfstandBericht.h"
#include "afstand/AfstandServer.h"
#include "afstand/HttpVerzoek.h"
#include "afstand/Koppeling.h"
#include "afstand/NetwerkAdressen.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include <gtest/gtest.h>

namespace {

using Soort = SAfstandBericht::Soort;

TEST(AfstandBericht, LeestAlleenBekendeOpdrachtenMetJuisteVelden)
{
    struct {
        const char* szJson;
        bool bGoed;
        Soort soort;
    } const aGevallen[] = {
        { R"({"cmd":"volgende"})", true, Soort::Volgende },
        { R"({"cmd":"vorige"})", true, Soort::Vorige },
        { R"({"cmd":"terug"})", true, Soort::Terug },
        { R"({"cmd":"gong"})", true, Soort::Gong },
        { R"({"cmd":"stopgeluid"})", true, Soort::StopGeluid },
        { R"({"cmd":"ping"})", true, Soort::Ping },
        { R"({"cmd":"item","i":3,"s":7})", true, Soort::Item },
        { R"({"cmd":"tik","x":0.5,"y":1,"s":7})", true, Soort::Tik },
        { R"({"cmd":"maat","b":412})", true, Soort::Maat },
        { R"({"cmd":"Volgende"})", false, {} }, // names are exact
        { R"({"cmd":"open","pad":"/etc/passwd"})", false, {} },
        { R"({"cmd":"volgende","extra":1})", false, {} },
        { R"({"cmd":"item","i":-1,"s":7})", false, {} },
        { R"({"cmd":"item","i":2.5,"s":7})", false, {} },
        { R"({"cmd":"item","i":"2","s":7})", false, {} },
        { R"({"cmd":"item","i":2})", false, {} },
        { R"({"cmd":"tik","x":1.5,"y":0,"s":7})", false, {} },
        { R"({"cmd":"tik","x":0.5,"s":7})", false, {} },
        { R"({"cmd":"maat","b":100000})", false, {} },
        { R"({"cmd":"maat","b":10})", false, {} },
        { R"(["volgende"])", false, {} },
        { R"({"cmd":1})", false, {} },
        { "{\"cmd\":\"volgende\"", false, {} },
        { "", false, {} },
    };
    for (const auto& g : aGevallen) {
        const auto b = LeesBericht(g.szJson);
        EXPECT_EQ(b.has_value(), g.bGoed) << g.szJson;
        if (b && g.bGoed) {
            EXPECT_EQ(b->soort, g.soort) << g.szJson;
        }
    }
    const QByteArray groot = R"({"cmd":"ping","x":")" + QByteArray(nMaxBericht, 'a') + R"("})";
    EXPECT_FALSE(LeesBericht(groot));
    const auto tik = LeesBericht(R"({"cmd":"tik","x":0.25,"y":0.75,"s":9007199254740991})");
    ASSERT_TRUE(tik);
    EXPECT_EQ(tik->nSleutel, 9007199254740991ULL);
    EXPECT_DOUBLE_EQ(tik->dY, 0.75);
}

TEST(HttpVerzoek, LeestDeKopOfZegtWatErMisIs)
{
    using U = SHttpVerzoek::Uitslag;
    struct {
        QByteArray data;
        U uitslag;
        const char* szPad;
    } const aGevallen[] = {
        { "GET / HTTP/1.1\r\nHost: a\r\n\r\n", U::Klaar, "/" },
        { "GET /ws?token=ab%20c HTTP/1.1\r\nHost: a\r\n\r\n", U::Klaar, "/ws" },
        { "GET / HTTP/1.1\r\nHost: a\r\n", U::Onvolledig, "" },
        { "GET " + QByteArray(nMaxKop, 'a') + " HTTP/1.1", U::TeGroot, "" },
        { "GET /" + QByteArray(nMaxKop, 'a') + " HTTP/1.1\r\n\r\n", U::TeGroot, "" },
        { "GET /\r\n\r\n", U::Fout, "" },
        { "GET http://x/ HTTP/1.1\r\n\r\n", U::Fout, "" },
        { "GET / HTTP/1.1\r\nkop zonder dubbele punt\r\n\r\n", U::Fout, "" },
    };
    for (const auto& g : aGevallen) {
        SHttpVerzoek v;
        EXPECT_EQ(LeesVerzoek(g.data, v), g.uitslag) << g.data.left(60).constData();
        if (g.uitslag == U::Klaar) {
            EXPECT_EQ(v.pad, g.szPad);
        }
    }
    SHttpVerzoek v;
    ASSERT_EQ(LeesVerzoek("GET /ws?token=ab%20c HTTP/1.1\r\nOrigin: http://h\r\n\r\n", v), U::Klaar);
    EXPECT_EQ(v.QueryWaarde("token"), "ab c");
    EXPECT_EQ(v.Kop("origin"), "http://h");
}

TEST(Koppeling, EenCodeEenTelefoonEnEenSlotNaVijfFouten)
{
    qint64 nNu = 0;
    CKoppeling k([&] { return nNu; });
    EXPECT_EQ(k.Koppel("", QStringLiteral("a")).uitslag, CKoppeling::Uitslag::FouteCode)
        << "nothing pairs before the dialog made a code";
    k.NieuweCode();
    const QString strCode = k.Code();
    ASSERT_EQ(strCode.size(), 6);
    const CKoppeling::SPoging goed = k.Koppel(strCode.toLatin1(), QStringLiteral("Android"));
    ASSERT_EQ(goed.uitslag, CKoppeling::Uitslag::Gekoppeld);
    EXPECT_EQ(goed.token.size(), 32); // 128 bits in hexadecimal
    EXPECT_TRUE(k.Geldig(goed.token));
    ASSERT_EQ(k.Apparaten().size(), 1);
    EXPECT_NE(k.Apparaten()[0].hash, goed.token) << "only the hash is kept";
    EXPECT_NE(k.Code(), strCode) << "a code pairs one phone";

    // Four wrong codes leave pairing open; the fifth locks it for a minute.
    const QByteArray fout = k.Code() == QStringLiteral("000000") ? "000001" : "000000";
    for (int i = 1; i < CKoppeling::nMaxFout; ++i)
        EXPECT_EQ(k.Koppel(fout, {}).uitslag, CKoppeling::Uitslag::FouteCode);
    EXPECT_EQ(k.Koppel(fout, {}).uitslag, CKoppeling::Uitslag::Vergrendeld);
    EXPECT_EQ(k.SlotSeconden(), 60);
    EXPECT_EQ(k.Koppel(k.Code().toLatin1(), {}).uitslag, CKoppeling::Uitslag::Vergrendeld)
        << "even the right code waits";
    nNu += 59'500;
    EXPECT_EQ(k.SlotSeconden(), 1);
    nNu += 500;
    EXPECT_EQ(k.Koppel(k.Code().toLatin1(), {}).uitslag, CKoppeling::Uitslag::Gekoppeld);

    QSignalSpy ingetrokken(&k, &CKoppeling::ingetrokken);
    k.Verwijder(0);
    EXPECT_FALSE(k.Geldig(goed.token));
    EXPECT_EQ(ingetrokken.size(), 1);
    k.WisCode();
    EXPECT_EQ(k.Koppel("", {}).uitslag, CKoppeling::Uitslag::FouteCode);
}

TEST(NetwerkAdressen, EenGewoonPriveNetwerkEerstLoopbackLaatst)
{
    using T = QNetworkInterface::InterfaceType;
    struct {
        const char* szNaam;
        T type;
        const char* szAdres;
        int nRang;
    } const aGevallen[] = {
        { "wlp2s0", T::Wifi, "192.168.1.20", 0 },
        { "enp3s0", T::Ethernet, "10.0.0.5", 0 },
        { "eth0", T::Ethernet, "172.20.1.2", 0 },
        { "eth1", T::Ethernet, "145.1.2.3", 1 },
        { "eth2", T::Ethernet, "169.254.3.4", 2 },
        { "docker0", T::Ethernet, "172.17.0.1", 3 },
        { "br-5f3a", T::Ethernet, "172.18.0.1", 3 },
        { "virbr0", T::Ethernet, "192.168.122.1", 3 },
        { "tun0", T::Unknown, "10.8.0.2", 3 },
        { "wg0", T::Unknown, "10.9.0.2", 3 },
        { "vpn0", T::Virtual, "192.168.5.1", 3 },
        { "lo", T::Loopback, "127.0.0.1", 4 },
    };
    for (const auto& g : aGevallen)
        EXPECT_EQ(
            AdresRang(QString::fromLatin1(g.szNaam), g.type, QHostAddress(QString::fromLatin1(g.szAdres))), g.nRang)
            << g.szNaam;
    const std::vector<SNetwerkAdres> a { { "wlan0", QHostAddress("192.168.1.20") },
        { "lo", QHostAddress("127.0.0.1") } };
    EXPECT_EQ(KiesAdres(a, QStringLiteral("lo")), QHostAddress("127.0.0.1"));
    EXPECT_EQ(KiesAdres(a, QStringLiteral("weg0")), QHostAddress("192.168.1.20")) << "a vanished interface";
}

// A show of two pages; item 2 of the first page is clickable at (100,100,50,50)
// in a picture 400 wide.
class NepShow : public IAfstandDoel {
public:
    SAfstandStaat Staat() const override
    {
        SAfstandStaat s;
        s.bLoopt = true;
        s.strPagina = nPagina == 0 ? QStringLiteral("Welkom") : QStringLiteral("Einde");
        s.aItems = { { 2, QStringLiteral("Film") } };
        s.nBeeldSleutel = quint64(10 + nPagina);
        s.bLevend = bLevend;
        return s;
    }
    // Drawn as the show was when the picture was asked for.
    class CTekening : public IAfstandTekening {
    public:
        explicit CTekening(int n)
            : nPagina(n)
        {
        }
        QImage Huidig(int nBreedte, AfstandKlikvlak& klikvlak) override
        {
            const double dSchaal = nBreedte / 400.0;
            klikvlak = { { 2, QRect(int(100 * dSchaal), int(100 * dSchaal), int(50 * dSchaal), int(50 * dSchaal)) } };
            QImage b(nBreedte, nBreedte * 9 / 16, QImage::Format_RGB32);
            b.fill(nPagina == 0 ? Qt::blue : Qt::red);
            if (nBreedte >= nMaxBeeldBreedte) {
                // Noise: a picture JPEG cannot make small.
                quint32 n = 12345;
                for (int y = 0; y < b.height(); ++y) {
                    auto* p = reinterpret_cast<quint32*>(b.scanLine(y));
                    for (int x = 0; x < b.width(); ++x)
                        p[x] = (n = n * 1664525u + 1013904223u);
                }
            }
            return b;
        }
        QImage Volgend(int nBreedte) override
        {
            QImage b(nBreedte, nBreedte * 9 / 16, QImage::Format_RGB32);
            b.fill(Qt::green);
            return b;
        }
        int nPagina;
    };
    std::shared_ptr<IAfstandTekening> Opname() override
    {
        ++nOpnames;
        return std::make_shared<CTekening>(nPagina);
    }
    void Voer(const SAfstandOpdracht& o) override
    {
        aOpdrachten.push_back(o);
        if (o.soort == SAfstandOpdracht::Soort::Volgende)
            nPagina = 1;
    }
    int nPagina = 0;
    bool bLevend = false;
    int nOpnames = 0;
    std::vector<SAfstandOpdracht> aOpdrachten;
};

class Server : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start(QHostAddress(QHostAddress::LocalHost), 0));
        koppeling.NieuweCode();
        token = koppeling.Koppel(koppeling.Code().toLatin1(), QStringLiteral("Test")).token;
    }
    QString Basis() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.Poort()); }

    // The raw answer to raw request bytes, until the server closes.
    QByteArray Http(const QByteArray& verzoek)
    {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server.Poort());
        EXPECT_TRUE(s.waitForConnected(2000));
        s.write(verzoek);
        QByteArray antwoord;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (antwoord += s.readAll(), s.state() == QAbstractSocket::UnconnectedState); }, 5000));
        return antwoord + s.readAll();
    }
    QByteArray Post(const char* szPad, const QByteArray& inhoud)
    {
        return Http(QByteArray("POST ") + szPad + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(server.Poort())
            + "\r\nContent-Length: " + QByteArray::number(inhoud.size()) + "\r\n\r\n" + inhoud);
    }

    // A phone's WebSocket with what it received; connected or not within two seconds.
    struct STelefoon {
        std::unique_ptr<QWebSocket> p;
        std::vector<QByteArray> aBeelden;
        QList<QJsonObject> aStaten;
        QAbstractSocket::SocketState state() const { return p->state(); }
        void sendTextMessage(const QString& strTekst) const { p->sendTextMessage(strTekst); }
    };
    std::unique_ptr<STelefoon> Telefoon(const QByteArray& tok, const QString& strHerkomst = {})
    {
        const QString strHost = QStringLiteral("127.0.0.1:%1").arg(server.Poort());
        auto t = std::make_unique<STelefoon>();
        t->p = std::make_unique<QWebSocket>(strHerkomst.isNull() ? "http://" + strHost : strHerkomst);
        QWebSocket* p = t->p.get();
        STelefoon* pT = t.get();
        QObject::connect(
            p, &QWebSocket::binaryMessageReceived, [pT](const QByteArray& b) { pT->aBeelden.push_back(b); });
        QObject::connect(p, &QWebSocket::textMessageReceived,
            [pT](const QString& s) { pT->aStaten.append(QJsonDocument::fromJson(s.toUtf8()).object()); });
        QSignalSpy verbonden(p, &QWebSocket::connected);
        QSignalSpy weg(p, &QWebSocket::disconnected);
        p->open(QUrl(QStringLiteral("ws://%1/ws?token=%2").arg(strHost, QString::fromLatin1(tok))));
        (void)QTest::qWaitFor(
            [&] { return !verbonden.isEmpty() || !weg.isEmpty() || p->error() != QAbstractSocket::UnknownSocketError; },
            2000);
        return t;
    }

    NepShow show;
    CKoppeling koppeling;
    CAfstandServer server { show, koppeling };
    QByteArray token;
};

TEST_F(Server, DientAlleenDePaginaEnHetKoppelenZonderToken)
{
    struct {
        QByteArray verzoek;
        const char* szStatus;
    } const aGevallen[] = {
        { "GET / HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200" },
        { "GET /app.js HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200" },
        { "GET /stijl.css HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200" },
        { "GET /../../etc/passwd HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404" },
        { "GET /%2e%2e/app.js HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404" },
        { "GET /beeld.jpg HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404" },
        { "DELETE / HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 405" },
        { "GET /ws HTTP/1.1\r\nHost: x\r\nOrigin: http://x\r\n\r\n", "HTTP/1.1 403" },
        { "GET /" + QByteArray(1 << 20, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.1 431" },
        { "nonsens\r\n\r\n", "HTTP/1.1 400" },
    };
    for (const auto& g : aGevallen) {
        const QByteArray antwoord = Http(g.verzoek);
        EXPECT_TRUE(antwoord.startsWith(g.szStatus))
            << g.verzoek.left(50).constData() << " -> " << antwoord.left(40).constData();
        EXPECT_FALSE(antwoord.contains("Welkom")) << "no page name before pairing";
    }
    EXPECT_TRUE(Http("GET / HTTP/1.1\r\nHost: x\r\n\r\n").contains("Afstandsbediening koppelen"));
}

TEST_F(Server, KoppelenMetCodeEnSlot)
{
    koppeling.NieuweCode();
    const QByteArray fout = koppeling.Code() == QStringLiteral("111111") ? "222222" : "111111";
    for (int i = 1; i < CKoppeling::nMaxFout; ++i)
        EXPECT_TRUE(Post("/koppel", R"({"code":")" + fout + R"("})").contains("Verkeerde code."));
    EXPECT_TRUE(Post("/koppel", R"({"code":")" + fout + R"("})").startsWith("HTTP/1.1 429"));
    EXPECT_TRUE(Post("/koppel", R"({"code":")" + koppeling.Code().toLatin1() + R"("})").startsWith("HTTP/1.1 429"));
    EXPECT_TRUE(Post("/koppel", QByteArray(2000, 'x')).startsWith("HTTP/1.1 413"));
    EXPECT_TRUE(Http("POST /koppel HTTP/1.1\r\nHost: x\r\nOrigin: http://elders\r\nContent-Length: 2\r\n\r\n{}")
                    .startsWith("HTTP/1.1 403"))
        << "not from another site's page";
    EXPECT_TRUE(Post("/controle", R"({"token":")" + token + R"("})").startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(Post("/controle", R"({"token":"00000000000000000000000000000000"})").startsWith("HTTP/1.1 403"));
}

TEST_F(Server, AlleenEenGekoppeldeTelefoonVanDeEigenHerkomstVerbindt)
{
    struct {
        QByteArray token;
        QString strHerkomst;
        bool bVerbonden;
    } const aGevallen[] = {
        { token, {}, true },
        { "00000000000000000000000000000000", {}, false },
        { "", {}, false },
        { token, QStringLiteral("http://kwaadaardig.example"), false },
        { token, QStringLiteral(""), false },
    };
    for (const auto& g : aGevallen) {
        auto p = Telefoon(g.token, g.strHerkomst);
        EXPECT_EQ(p->state() == QAbstractSocket::ConnectedState, g.bVerbonden) << g.strHerkomst.toStdString();
    }
    // A site whose name points at this computer gets nothing, even with the
    // right origin for that name.
    const QByteArray host = "kwaadaardig.example:" + QByteArray::number(server.Poort());
    EXPECT_TRUE(Http("GET /ws?token=" + token + " HTTP/1.1\r\nHost: " + host + "\r\nOrigin: http://" + host
        + "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
          "Sec-WebSocket-Version: 13\r\n\r\n")
                    .startsWith("HTTP/1.1 403"));
}

TEST_F(Server, OpdrachtenTikkenEnSlechteBerichten)
{
    auto t = Telefoon(token);
    QWebSocket* p = t->p.get();
    ASSERT_EQ(p->state(), QAbstractSocket::ConnectedState);
    std::vector<QByteArray>& aBeelden = t->aBeelden;
    QList<QJsonObject>& aStaten = t->aStaten;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !aStaten.isEmpty(); }));
    ASSERT_FALSE(aStaten.isEmpty());
    EXPECT_EQ(aStaten.last().value("pagina").toString(), QStringLiteral("Welkom"));
    p->sendTextMessage(R"({"cmd":"maat","b":400})");
    EXPECT_TRUE(QTest::qWaitFor([&] { return aBeelden.size() == 2u; })) << 2u; // the page and the next
    EXPECT_EQ(aBeelden[0][0], 'H');
    EXPECT_EQ(QImage::fromData(aBeelden[0].mid(9), "JPEG").width(), 400);

    // A tap goes to the item under the finger by the picture's own hit
    // table, an item button by index; both only for the picture on show.
    p->sendTextMessage(R"({"cmd":"tik","x":0.3,"y":0.5,"s":10})"); // (120,112): item 2
    p->sendTextMessage(R"({"cmd":"tik","x":0.1,"y":0.1,"s":10})"); // nothing there
    p->sendTextMessage(R"({"cmd":"tik","x":0.3,"y":0.5,"s":9})"); // an older picture
    p->sendTextMessage(R"({"cmd":"item","i":5,"s":10})"); // not listed
    p->sendTextMessage(R"({"cmd":"item","i":2,"s":10})");
    p->sendTextMessage(R"({"cmd":"volgende"})");
    EXPECT_TRUE(QTest::qWaitFor([&] { return show.aOpdrachten.size() == 3u; })) << 3u;
    EXPECT_EQ(show.aOpdrachten[0].soort, SAfstandOpdracht::Soort::Item);
    EXPECT_EQ(show.aOpdrachten[0].nItem, 2);
    EXPECT_EQ(show.aOpdrachten[1].nItem, 2);
    EXPECT_EQ(show.aOpdrachten[2].soort, SAfstandOpdracht::Soort::Volgende);
    server.Gewijzigd();
    EXPECT_TRUE(QTest::qWaitFor([&] { return aStaten.last().value("pagina").toString() == QStringLiteral("Einde"); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return aBeelden.size() == 4u; })) << 4u;

    // Garbage closes that connection, never the server.
    QSignalSpy weg(p, &QWebSocket::disconnected);
    p->sendTextMessage(QStringLiteral("onzin"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !weg.isEmpty(); }));
    auto q = Telefoon(token);
    EXPECT_EQ(q->state(), QAbstractSocket::ConnectedState);
    QSignalSpy qWeg(q->p.get(), &QWebSocket::disconnected);
    q->sendTextMessage(QString(nMaxBericht + 1, u'x'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !qWeg.isEmpty(); }));
}

TEST_F(Server, EenVloedWordtAfgeknotEnIntrekkenSluit)
{
    auto t = Telefoon(token);
    QWebSocket* p = t->p.get();
    ASSERT_EQ(p->state(), QAbstractSocket::ConnectedState);
    for (int i = 0; i < 10000; ++i)
        p->sendTextMessage(QStringLiteral(R"({"cmd":"gong"})"));
    p->flush();
    QTest::qWait(500);
    EXPECT_GE(show.aOpdrachten.size(), 10u);
    EXPECT_LE(show.aOpdrachten.size(), 60u) << "a burst of 40 and 20 a second, the rest dropped";
    EXPECT_EQ(p->state(), QAbstractSocket::ConnectedState);

    QSignalSpy weg(p, &QWebSocket::disconnected);
    koppeling.Verwijder(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !weg.isEmpty(); }));
    EXPECT_NE(Telefoon(token)->state(), QAbstractSocket::ConnectedState);
}

TEST_F(Server, EenTelefoonDieNietsLeestWordtLosgelaten)
{
    server.ZetGrenzen({ 64 * 1024, 500 });
    show.bLevend = true; // a picture a second
    // A phone that does the handshake, asks for the largest pictures, and
    // then reads nothing.
    QTcpSocket s;
    s.setReadBufferSize(1);
    s.connectToHost(QHostAddress::LocalHost, server.Poort());
    ASSERT_TRUE(s.waitForConnected(2000));
    const QByteArray host = "127.0.0.1:" + QByteArray::number(server.Poort());
    s.write("GET /ws?token=" + token + " HTTP/1.1\r\nHost: " + host + "\r\nOrigin: http://" + host
        + "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
          "Sec-WebSocket-Version: 13\r\n\r\n");
    const QByteArray maat = R"({"cmd":"maat","b":1920})";
    QByteArray frame
        = QByteArray::fromHex("81") + char(0x80 | maat.size()) + QByteArray(4, '\0') + maat; // masked with zeros
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.AantalVerbonden() == 1; }, 2000));
    s.write(frame); // after the handshake, as a browser does
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.AantalVerbonden() == 0; }, 15000)) << "let go";
    EXPECT_GE(server.GemaakteBeelden(), 2) << "it was sent pictures";
    auto t = Telefoon(token);
    EXPECT_EQ(t->state(), QAbstractSocket::ConnectedState) << "the others are served";
}

TEST_F(Server, HoogstensZestienTelefoonsEnEenBeeldPerBreedte)
{
    std::vector<std::unique_ptr<STelefoon>> a;
    for (int i = 0; i < CAfstandServer::nMaxTelefoons; ++i) {
        a.push_back(Telefoon(token));
        ASSERT_EQ(a.back()->state(), QAbstractSocket::ConnectedState);
        a.back()->sendTextMessage(
            i % 2 ? QStringLiteral(R"({"cmd":"maat","b":400})") : QStringLiteral(R"({"cmd":"maat","b":800})"));
    }
    EXPECT_NE(Telefoon(token)->state(), QAbstractSocket::ConnectedState);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::all_of(a.begin(), a.end(), [](const auto& t) { return t->aBeelden.size() == 2; }); }));
    EXPECT_EQ(server.GemaakteBeelden(), 4) << "one picture per width and its next page, shared";
}

} // namespace
