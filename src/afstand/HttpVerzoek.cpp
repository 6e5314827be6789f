#include "HttpVerzoek.h"

#include <QUrl>
#include <QUrlQuery>

QByteArray SHttpVerzoek::Kop(const char* szNaam) const
{
    for (const auto& kop : aKoppen) {
        if (kop.first == szNaam)
            return kop.second;
    }
    return {};
}

QByteArray SHttpVerzoek::QueryWaarde(const char* szNaam) const
{
    const QUrlQuery q(QString::fromLatin1(query));
    return q.queryItemValue(QString::fromLatin1(szNaam), QUrl::FullyDecoded).toUtf8();
}

SHttpVerzoek::Uitslag LeesVerzoek(const QByteArray& data, SHttpVerzoek& verzoek)
{
    const qsizetype nEinde = data.indexOf("\r\n\r\n");
    if (nEinde < 0)
        return data.size() >= nMaxKop ? SHttpVerzoek::Uitslag::TeGroot : SHttpVerzoek::Uitslag::Onvolledig;
    if (nEinde + 4 > nMaxKop)
        return SHttpVerzoek::Uitslag::TeGroot;
    verzoek = {};
    verzoek.nKopLengte = nEinde + 4;
    const QList<QByteArray> aRegels = data.left(nEinde).split('\n');
    const QList<QByteArray> aEerste = aRegels.first().trimmed().split(' ');
    if (aEerste.size() != 3 || !aEerste[2].startsWith("HTTP/1."))
        return SHttpVerzoek::Uitslag::Fout;
    verzoek.methode = aEerste[0];
    const QByteArray& doel = aEerste[1];
    if (!doel.startsWith('/'))
        return SHttpVerzoek::Uitslag::Fout;
    const qsizetype nVraag = doel.indexOf('?');
    verzoek.pad = nVraag < 0 ? doel : doel.left(nVraag);
    verzoek.query = nVraag < 0 ? QByteArray() : doel.mid(nVraag + 1);
    for (qsizetype i = 1; i < aRegels.size(); ++i) {
        const QByteArray regel = aRegels[i].trimmed();
        const qsizetype nDubbelepunt = regel.indexOf(':');
        if (nDubbelepunt <= 0)
            return SHttpVerzoek::Uitslag::Fout;
        verzoek.aKoppen.append({ regel.left(nDubbelepunt).trimmed().toLower(), regel.mid(nDubbelepunt + 1).trimmed() });
    }
    return SHttpVerzoek::Uitslag::Klaar;
}
