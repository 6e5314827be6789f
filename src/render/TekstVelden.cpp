#include "TekstVelden.h"

#include "Klok.h"
#include "model/DataItemBasis.h"
#include "model/Teksten.h"
#include "model/Versie.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

namespace {

// The month names of "[D2]" come from a table of their own.
const char* const g_aMaanden[12] = { "januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus",
    "september", "oktober", "november", "december" };

// Every field, in the order they are filled in: each is replaced in the
// result of the ones before.
const char* const g_aVelden[]
    = { "[D0]", "[D1]", "[D2]", "[DD]", "[DM]", "[Dd]", "[Dm]", "[DJ]", "[Dj]", "[T0]", "[T2]", "[TH]", "[TM]", "[TS]",
          "[Th]", "[Tm]", "[Ts]", "[T1]", "[T3]", "[TA]", "[Ta]", "[TP]", "[TN]", "[Tp]", "[Tn]", "[N]", "[V]", "[P]" };

QString Twee(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QChar('0'));
}

QString ProgrammaNaam()
{
    // The executable's own file name; this platform gives it no extension.
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QStringLiteral("zerbantiko");
}

} // namespace

bool BevatVeld(const QString& strTekst)
{
    if (!strTekst.contains(u'['))
        return false;
    // Fields hold no inner brackets, so no replacement can remove another
    // field: a text holds a field exactly when one of the names occurs.
    for (const char* szVeld : g_aVelden) {
        if (strTekst.contains(QLatin1String(szVeld)))
            return true;
    }
    return false;
}

QString VulVeldenIn(const QString& strTekst, const SVeldBron& bron, bool* pGebruikt)
{
    if (pGebruikt)
        *pGebruikt = false;
    // Most texts hold no field at all; they cost one scan.
    if (!strTekst.contains(u'['))
        return strTekst;

    const IKlok::SDatum datum = bron.klok.Datum();
    const std::optional<IKlok::STijd> tijd = bron.klok.Tijd();
    const int d = datum.nDag, m = datum.nMaand, y = datum.nJaar;
    const int h = tijd ? tijd->nUur : -1;
    const int mi = tijd ? tijd->nMinuut : -1;
    const int s = tijd ? tijd->nSeconde : -1;
    int h12 = h % 12;
    if (h12 == 0)
        h12 = 12;
    const bool bMiddag = h > 11;

    const bool bGeldigeMaand = m >= 1 && m <= 12;
    const QString strMaand = bGeldigeMaand ? Tekst::Laad(116 + m) : QString();
    const QString strMaandD2 = bGeldigeMaand ? QString::fromLatin1(g_aMaanden[m - 1]) : QString();
    QString strDag;
    const QDate datumQt(y, m, d);
    if (datumQt.isValid() && y >= 1583)
        strDag = Tekst::Laad(110 + datumQt.dayOfWeek() % 7); // Qt counts Monday 1 .. Sunday 7

    QString r = strTekst;
    int nVervangen = 0;
    auto vervang = [&](const char* szVeld, const auto& waarde) {
        const QLatin1String veld(szVeld);
        if (!r.contains(veld))
            return;
        nVervangen += int(r.count(veld));
        r.replace(veld, waarde());
    };
    // The order matters: each field is replaced in the result of the ones before.
    vervang("[D0]", [&] { return QStringLiteral("%1-%2-%3").arg(Twee(d), Twee(m)).arg(y, 4, 10, QChar('0')); });
    vervang("[D1]", [&] { return QStringLiteral("%1-%2-%3").arg(Twee(d), Twee(m), Twee(y % 100)); });
    vervang("[D2]", [&] { return QStringLiteral("%1 %2 %3").arg(d).arg(strMaandD2).arg(y); });
    vervang("[DD]", [&] { return strDag; });
    vervang("[DM]", [&] { return strMaand; });
    vervang("[Dd]", [&] { return QString::number(d); });
    vervang("[Dm]", [&] { return QString::number(m); });
    vervang("[DJ]", [&] { return QString::number(y); });
    vervang("[Dj]", [&] { return Twee(y % 100); });
    vervang("[T0]", [&] { return Twee(h) + u':' + Twee(mi); });
    vervang("[T2]", [&] { return Twee(h) + u':' + Twee(mi) + u':' + Twee(s); });
    vervang("[TH]", [&] { return Twee(h); });
    vervang("[TM]", [&] { return Twee(mi); });
    vervang("[TS]", [&] { return Twee(s); });
    vervang("[Th]", [&] { return QString::number(h); });
    vervang("[Tm]", [&] { return QString::number(mi); });
    vervang("[Ts]", [&] { return QString::number(s); });
    vervang("[T1]", [&] { return Twee(h12) + u':' + Twee(mi); });
    vervang("[T3]", [&] { return Twee(h12) + u':' + Twee(mi) + u':' + Twee(s); });
    vervang("[TA]", [&] { return Twee(h12); });
    vervang("[Ta]", [&] { return QString::number(h12); });
    vervang("[TP]", [&] { return Tekst::Laad(bMiddag ? 130 : 129); });
    vervang("[TN]", [&] { return Tekst::Laad(bMiddag ? 132 : 131); });
    vervang("[Tp]", [&] { return Tekst::Laad(bMiddag ? 134 : 133); });
    vervang("[Tn]", [&] { return Tekst::Laad(bMiddag ? 136 : 135); });
    vervang("[N]", [&] { return bron.strProjectNaam; });
    vervang("[V]", [&] {
        const auto& a = Versie::aDelen;
        return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
    });
    vervang("[P]", [&] { return ProgrammaNaam(); });
    if (pGebruikt)
        *pGebruikt = nVervangen > 0;
    return r;
}

bool HeeftVelden(const CDataItemBasis& element)
{
    if (BevatVeld(element.m_strNaam))
        return true;
    for (const auto& pKind : element.Kinderen()) {
        if (HeeftVelden(*pKind))
            return true;
    }
    return false;
}
