#pragma once

#include "IAfstandDoel.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <QWebSocketServer>

#include <map>
#include <memory>
#include <vector>

class CKoppeling;
class QTcpServer;
class QTcpSocket;
class QWebSocket;
struct SAfstandBericht;
struct SHttpVerzoek;

// The phone remote: one port that serves the remote's page over plain HTTP
// and takes paired phones' WebSockets. It listens on one chosen address and
// on 127.0.0.1, never on others. Before pairing it serves the page's static
// files and the pairing request, nothing else; afterwards every command goes
// to the show as a presenter's key or click would.
class CAfstandServer : public QObject {
    Q_OBJECT

public:
    static constexpr quint16 nStandaardPoort = 8421;
    static constexpr int nMaxTelefoons = 16;

    CAfstandServer(IAfstandDoel& doel, CKoppeling& koppeling, QObject* pOuder = nullptr);
    ~CAfstandServer() override;

    // Listens at nPoort or, when that is taken, another free port; false
    // when it cannot listen at all.
    bool Start(const QHostAddress& adres, quint16 nPoort = nStandaardPoort);
    void Stop();
    bool Aan() const { return !m_aLuisteraars.empty(); }
    quint16 Poort() const { return m_nPoort; }
    const QHostAddress& Adres() const { return m_adres; }
    // The page's address with a numeric IP, as the phone opens it.
    QString Url() const;
    int AantalVerbonden() const { return int(m_aTelefoons.size()); }
    // "uit", or the address and the number of phones, for the console.
    QString Beschrijving() const;

    // How far a phone may fall behind on reading: beyond nWachtrij bytes
    // waiting it gets no more, and after nGeduldMs of that it is let go.
    struct SGrenzen {
        qint64 nWachtrij = 1 << 20;
        qint64 nGeduldMs = 10000;
    };
    void ZetGrenzen(const SGrenzen& grenzen) { m_grenzen = grenzen; }

    // The show changed: send the phones what changed.
    void Gewijzigd();

    // Measured by the benchmarks: the pictures encoded, and the longest
    // time the UI thread spent in the server so far.
    int GemaakteBeelden() const { return m_nGemaakteBeelden; }
    qint64 LangsteBeurtNs() const { return m_nLangsteBeurtNs; }

signals:
    void toestandGewijzigd();

private:
    struct STelefoon;
    struct SBeeld;

    void NieuweVerbinding(QTcpServer& server);
    void LeesHttp(QTcpSocket* pSocket);
    void Antwoord(QTcpSocket* pSocket, int nStatus, const QByteArray& type, const QByteArray& inhoud);
    bool IsEigenHost(const QByteArray& host) const;
    bool MagOpwaarderen(const SHttpVerzoek& verzoek, QByteArray& fout) const;
    void Koppel(QTcpSocket* pSocket, const QByteArray& inhoud, const QByteArray& agent);
    void NieuweTelefoon();
    void Bericht(QWebSocket* pSocket, const QString& strTekst);
    void Voer(STelefoon& telefoon, const SAfstandBericht& bericht);
    void Verstuur();
    void MaakBeeld(int nBreedte, SBeeld& beeld, const SAfstandStaat& staat, std::shared_ptr<IAfstandTekening>& pOpname);
    // Sends the next waiting phone its pictures.
    void DeelUit();
    bool Verzend(STelefoon& telefoon, const QByteArray& data, bool bBinair);
    STelefoon* Zoek(QWebSocket* pSocket);
    void Verwijder(QWebSocket* pSocket);
    void Ingetrokken(const QByteArray& hash);

    IAfstandDoel& m_doel;
    CKoppeling& m_koppeling;
    QWebSocketServer m_ws;
    std::vector<QTcpServer*> m_aLuisteraars;
    std::vector<QTcpSocket*> m_aHttp;
    std::vector<std::unique_ptr<STelefoon>> m_aTelefoons;
    std::map<int, SBeeld> m_beelden; // by width, shared by the phones of that width
    QHostAddress m_adres;
    SGrenzen m_grenzen;
    quint16 m_nPoort = 0;
    QTimer m_seconde;
    QTimer m_uitdelen;
    std::vector<QWebSocket*> m_aUitTeDelen; // phones whose pictures wait, in turn
    quint64 m_nSleutel = 0; // the picture the show shows now
    QElapsedTimer m_tijd;
    int m_nGemaakteBeelden = 0;
    qint64 m_nLangsteBeurtNs = 0;
    QThreadPool m_tekenaar;
};
