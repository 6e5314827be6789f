#include "ItemActies.h"

#include "Geluidsmachine.h"
#include "Starter.h"
#include "WndAfbeelding.h"
#include "model/BestandZoeker.h"
#include "model/DataItemBasis.h"
#include "model/FileKind.h"
#include "model/IProces.h"

#include <QFileInfo>

#include <vector>

namespace {

// Every "@" command re-arms the viewer's countdown to this and makes its bar grey.
constexpr int nOpdrachtSeconden = 60;
constexpr COLORREF clrGrijs = RGB(128, 128, 128);
constexpr int nRgbLengte = 6; // "RRGGBB"
constexpr int nVerloopLengte = 13; // "RRGGBB RRGGBB"

struct SKleurWoord {
    const char* szWoord;
    COLORREF clr;
};
const SKleurWoord g_aKleuren[] = {
    { "@black", RGB(0, 0, 0) },
    { "@grey", RGB(128, 128, 128) },
    { "@dgrey", RGB(64, 64, 64) },
    { "@lgrey", RGB(192, 192, 192) },
    { "@white", RGB(255, 255, 255) },
    { "@red", RGB(255, 0, 0) },
    { "@dred", RGB(128, 0, 0) },
    { "@green", RGB(0, 255, 0) },
    { "@dgreen", RGB(0, 128, 0) },
    { "@blue", RGB(0, 0, 255) },
    { "@dblue", RGB(0, 0, 128) },
    { "@yellow", RGB(255, 255, 0) },
    { "@dyellow", RGB(128, 128, 0) },
    { "@cyan", RGB(0, 255, 255) },
    { "@dcyan", RGB(0, 128, 128) },
    { "@magenta", RGB(255, 0, 255) },
    { "@dmagenta", RGB(128, 0, 128) },
};

// The next n two-digit hexadecimal numbers of the text, blanks before each
// skipped as "%02x" skips them; a pair that is no number reads as 0.
std::vector<int> HexParen(const QString& s, int n)
{
    std::vector<int> a;
    qsizetype i = 0;
    while (int(a.size()) < n) {
        while (i < s.size() && (s[i] == u' ' || s[i] == u'\t'))
            ++i;
        bool bOk = false;
        const int nWaarde = s.mid(i, 2).toInt(&bOk, 16);
        a.push_back(bOk && nWaarde >= 0 && s.mid(i, 2).size() == 2 ? nWaarde : 0);
        i += 2;
    }
    return a;
}

// The decimal number at the start of the text, blanks skipped, with an
// optional sign; 0 when there is none.
int GetalVooraan(const QString& s)
{
    const QString t = s.trimmed();
    qsizetype n = 0;
    if (n < t.size() && (t[n] == u'-' || t[n] == u'+'))
        ++n;
    while (n < t.size() && t[n].isDigit() && t[n].unicode() < 128)
        ++n;
    bool bOk = false;
    const int nWaarde = t.left(n).toInt(&bOk);
    return bOk ? nWaarde : 0;
}

} // namespace

CItemActies::CItemActies(
    const CBestandZoeker& zoeker, IStarter& starter, IGeluidsmachine& geluid, CWndAfbeelding& viewer)
    : m_zoeker(zoeker)
    , m_starter(starter)
    , m_geluid(geluid)
    , m_viewer(viewer)
{
}

const QString& CItemActies::OpdrachtLijst()
{
    static const QString s = QStringLiteral("@close @page @gong @GONG @exit @about @back @pageDn @pageUp @black @grey "
                                            "@lgrey @dgrey @white @red @dred @green @dgreen @blue @dblue @yellow "
                                            "@dyellow @cyan @dcyan @magenta @dmagenta @rgb @grad ");
    return s;
}

const QString& CItemActies::NavigatieLijst()
{
    static const QString s = QStringLiteral("@close @exit @page @pageUp @pageDn @back @Seite ");
    return s;
}

bool CItemActies::IsNavigatie(const QString& strOpdracht)
{
    return strOpdracht.startsWith(u'@') && NavigatieLijst().contains(strOpdracht + u' ');
}

bool CItemActies::KleurWoord(const QString& strWoord, quint32& clr)
{
    for (const SKleurWoord& k : g_aKleuren) {
        if (strWoord == QLatin1String(k.szWoord)) {
            clr = k.clr;
            return true;
        }
    }
    return false;
}

bool CItemActies::LeesRgb(const QString& strOpties, quint32& clr)
{
    if (strOpties.size() < nRgbLengte)
        return false;
    const std::vector<int> a = HexParen(strOpties, 3);
    clr = RGB(a[0], a[1], a[2]);
    return true;
}

bool CItemActies::LeesVerloop(const QString& strOpties, quint32& clr1, quint32& clr2)
{
    if (strOpties.size() < nVerloopLengte)
        return false;
    const std::vector<int> a = HexParen(strOpties, 6);
    clr1 = RGB(a[0], a[1], a[2]);
    clr2 = RGB(a[3], a[4], a[5]);
    return true;
}

QString CItemActies::Lokaal(const QString& strPad) const
{
    const QString strGevonden = m_zoeker.Zoek(strPad);
    return strGevonden.isEmpty() ? strPad : strGevonden;
}

void CItemActies::VoerUit(CDataItemBasis& item, int nArgument)
{
    if (item.m_strOpdracht.isEmpty())
        return;
    if (item.m_pProces)
        Stop(item);
    if (item.m_strOpdracht.startsWith(u'@')) {
        VoerOpdrachtUit(item);
        return;
    }
    QString strPad = item.m_strOpdracht;
    QString strOpties = item.m_strOpties;
    if (nArgument == 1) {
        // Keyboard activation may ask to drop a drive letter.
        if (strPad.size() > 1 && strPad[1] == u':')
            strPad.remove(0, 2);
        if (strOpties.size() > 1 && strOpties[1] == u':')
            strOpties.remove(0, 2);
    }
    if (IsSoundFile(strPad) && item.m_bInternTonen) {
        m_geluid.SpeelItemGeluid(Lokaal(strPad), item.m_nVolume);
        return;
    }
    if (IsImageFile(strPad) && item.m_bInternTonen) {
        m_viewer.LaadAfbeelding(Lokaal(strPad), item.m_nPresentatievorm);
        m_viewer.ZetKleur1(RGB(0, 0, 0));
        m_viewer.ZetVerloop(false);
        const int n = GetalVooraan(strOpties);
        m_viewer.ZetAftelling(n > 0, n);
        m_viewer.Toon();
        item.m_bViewerGeopend = true;
        return;
    }
    const QString strLokaal = Lokaal(strPad);
    item.m_pProces = m_starter.Start(strLokaal, strOpties);
    // No process may also mean a file handed to an application that runs
    // already; only what is not there at all is worth a word.
    if (!item.m_pProces && m_bijMislukt && !QFileInfo::exists(strLokaal))
        m_bijMislukt(QStringLiteral("\"%1\" (%2) kan niet worden geopend: het bestand of programma is er niet.")
                         .arg(strPad, item.m_strNaam));
}

void CItemActies::VoerOpdrachtUit(CDataItemBasis& item)
{
    const QString& strWoord = item.m_strOpdracht;
    if (strWoord == QLatin1String("@gong")) {
        const CDataItemBasis* pProject = item.GetProject();
        m_geluid.SpeelGong(ProjectGong(m_zoeker, pProject ? pProject->m_strGong : QString(), false));
    } else if (strWoord == QLatin1String("@GONG")) {
        m_geluid.SpeelGong(SGong::Ingebouwd());
    }
    m_viewer.ZetAftelling(true, nOpdrachtSeconden);
    m_viewer.ZetKleur2(clrGrijs);
    m_viewer.ZetVerloop(false);

    COLORREF clr = 0, clr2 = 0;
    if (KleurWoord(strWoord, clr)) {
        m_viewer.ZetKleur1(clr);
        m_viewer.WisAfbeelding();
        m_viewer.Toon();
    } else if (strWoord == QLatin1String("@rgb")) {
        if (LeesRgb(item.m_strOpties, clr)) {
            m_viewer.WisAfbeelding();
            m_viewer.ZetKleur1(clr);
            m_viewer.Toon();
        }
    } else if (strWoord == QLatin1String("@grad")) {
        if (LeesVerloop(item.m_strOpties, clr, clr2)) {
            m_viewer.WisAfbeelding();
            m_viewer.ZetKleur1(clr);
            m_viewer.ZetKleur2(clr2);
            m_viewer.ZetVerloop(true);
            m_viewer.Toon();
        }
    } else if (strWoord == QLatin1String("@about")) {
        if (m_overZerbantiko)
            m_overZerbantiko();
    }
}

void CItemActies::Stop(CDataItemBasis& item)
{
    if (item.m_pProces) {
        item.m_pProces->Beeindig();
        item.m_pProces.reset();
    }
    m_geluid.StopHuidig();
    if (item.m_bViewerGeopend) {
        item.m_bViewerGeopend = false;
        // What this item showed in the viewer goes away with it.
        m_viewer.Sluit();
    }
}

bool CItemActies::Loopt(CDataItemBasis& item)
{
    if (item.m_pProces && !item.m_pProces->Loopt())
        item.m_pProces.reset();
    return item.m_pProces != nullptr || m_geluid.HuidigLoopt();
}
