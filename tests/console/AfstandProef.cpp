// The phone remote over a real show, for a real browser: shows a project
// on Qt's offscreen screen with the remote on 127.0.0.1 and prints
//   adres URL code CODE
// then "pagina NAME" each time the projector shows another page. Lines on
// standard input: "herstart" drops every connection and listens again on the
// same port after 1.5 s, as a network that goes and comes back; "intrekken"
// removes the first paired phone; "code" makes and prints a new code.
//
// zb_afstand_proef PROJECT
#include "afstand/AfstandServer.h"
#include "afstand/Koppeling.h"
#include "console/ShowAfstand.h"
#include "file/ProjectBestand.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "gebruik: zb_afstand_proef PROJECT\n");
        return 2;
    }
    CSysteemKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    if (!ProjectBestand::Open(doc, QString::fromLocal8Bit(argv[1])).Gelukt()) {
        std::fprintf(stderr, "het project is niet te openen\n");
        return 1;
    }
    CShow show(doc, klok, melder, starter, geluid);
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();

    CKoppeling koppeling;
    CShowAfstand doel(doc, klok, show.Besturing());
    CAfstandServer server(doel, koppeling);
    doel.ZetBijWijziging([&server] { server.Gewijzigd(); });
    if (!server.Start(QHostAddress(QHostAddress::LocalHost), CAfstandServer::nStandaardPoort))
        return 1;
    const quint16 nPoort = server.Poort();
    koppeling.NieuweCode();
    std::printf("adres %s code %s\n", qPrintable(server.Url()), qPrintable(koppeling.Code()));
    std::fflush(stdout);

    const CDataItemPagina* pGemeld = nullptr;
    QObject::connect(&show.Besturing(), &CShowBesturing::gewijzigd, [&] {
        const CDataItemPagina* p = show.Besturing().Pagina();
        if (p && p != pGemeld) {
            pGemeld = p;
            std::printf("pagina %s\n", qPrintable(p->m_strNaam));
            std::fflush(stdout);
        }
    });

    QSocketNotifier invoer(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&invoer, &QSocketNotifier::activated, [&] {
        char sz[256];
        const ssize_t n = read(STDIN_FILENO, sz, sizeof sz - 1);
        if (n <= 0) {
            app.quit();
            return;
        }
        const QByteArray regel = QByteArray(sz, int(n)).trimmed();
        if (regel == "herstart") {
            server.Stop();
            QTimer::singleShot(1500, [&] { server.Start(QHostAddress(QHostAddress::LocalHost), nPoort); });
        } else if (regel == "intrekken") {
            koppeling.Verwijder(0);
        } else if (regel == "code") {
            koppeling.NieuweCode();
            std::printf("code %s\n", qPrintable(koppeling.Code()));
            std::fflush(stdout);
        }
    });
    return app.exec();
}
