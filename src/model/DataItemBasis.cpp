#include "DataItemBasis.h"

#include "IMelder.h"
#include "IProces.h"
#include "KloonVan.h"
#include "Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

CDataItemBasis::CDataItemBasis() = default;

CDataItemBasis::~CDataItemBasis()
{
    // A program started by an item does not outlive the item.
    if (m_pProces)
        m_pProces->Beeindig();
}

void CDataItemBasis::ResetToDefaults()
{
    // The sound that is playing is deliberately left alone here: it belongs to
    // the sound engine, which keeps it reachable for its Stop controls.
    m_nIndex = -1;
    m_pOuder = nullptr;
    m_aKinderen.clear();
    static_cast<CDataItemVelden&>(*this) = CDataItemVelden {};
    m_picture.Release();
}

void CDataItemBasis::KopieerVelden(const CDataItemBasis& bron)
{
    // These keep the values they had in this element.
    const BOOL bIndividueel = m_bIndividueel;
    const CRect rectAchtergrond = m_rectAchtergrondBeeld;
    const auto abReserve2 = m_abReserve2;
    static_cast<CDataItemVelden&>(*this) = static_cast<const CDataItemVelden&>(bron);
    m_bIndividueel = bIndividueel;
    m_rectAchtergrondBeeld = rectAchtergrond;
    m_abReserve2 = abReserve2;
}

void CDataItemBasis::CopyFrom(const CDataItemBasis& bron)
{
    m_nIndex = bron.m_nIndex;
    m_pOuder = bron.m_pOuder;
    m_aKinderen.clear();
    for (const auto& pKind : bron.m_aKinderen) {
        auto pKloon = pKind->Clone();
        pKloon->m_pOuder = this;
        pKloon->m_nIndex = int(m_aKinderen.size());
        m_aKinderen.push_back(std::move(pKloon));
    }
    KopieerVelden(bron);
    // The copy shows the very picture its source shows; no file is read.
    m_picture = bron.m_picture;
}

void CDataItemBasis::CopyValues(const CDataItemBasis& bron)
{
    m_nIndex = bron.m_nIndex;
    m_pOuder = bron.m_pOuder;
    KopieerVelden(bron);
    // The copy shows the very picture its source shows; no file is read.
    m_picture = bron.m_picture;
}

void CDataItemBasis::ApplyTemplate(const CDataItemBasis& s)
{
    m_strLettertype = s.m_strLettertype;
    m_dLettergrootte = s.m_dLettergrootte;
    m_bVet = s.m_bVet;
    m_bCursief = s.m_bCursief;
    m_bOnderlijnen = s.m_bOnderlijnen;
    m_bDoorhalen = s.m_bDoorhalen;
    m_clrTekst = s.m_clrTekst;
    m_nDekkingTekst = s.m_nDekkingTekst;
    m_bKleurvlak = s.m_bKleurvlak;
    m_nKleurvlakMaat = s.m_nKleurvlakMaat;
    m_clrKleurvlak = s.m_clrKleurvlak;
    m_nDekkingKleurlaag = s.m_nDekkingKleurlaag;
    m_bRand = s.m_bRand;
    m_dRandbreedte = s.m_dRandbreedte;
    m_clrRand = s.m_clrRand;
    m_nDekkingRand = s.m_nDekkingRand;
    m_nManierVanTonen = s.m_nManierVanTonen;
    m_nDekkingKleurvlak = s.m_nDekkingKleurvlak;
    m_clrKleurlaag = s.m_clrKleurlaag;
    m_dBreedte = s.m_dBreedte;
    m_dHoogte = s.m_dHoogte;
    m_nVorm = s.m_nVorm;
    m_nAnkerH = s.m_nAnkerH;
    m_nAnkerV = s.m_nAnkerV;
}

QString CDataItemBasis::GetSoortNaam() const
{
    return Tekst::Laad(Tekst::SoortBasis);
}

std::unique_ptr<CDataItemBasis> CDataItemBasis::Clone() const
{
    return KloonVan<CDataItemBasis>(*this);
}

void CDataItemBasis::VoerActieUit(int) { }

int CDataItemBasis::ToonEigenschappen(CZerbantikoDoc*)
{
    return 0;
}

CDataItemBasis* CDataItemBasis::GetKind(int i) const
{
    if (i < 0 || i >= AantalKinderen())
        return nullptr;
    return m_aKinderen[size_t(i)].get();
}

int CDataItemBasis::FindKindByNaam(const QString& strNaam) const
{
    for (int i = 0; i < AantalKinderen(); ++i) {
        if (m_aKinderen[size_t(i)]->m_strNaam.compare(strNaam, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int CDataItemBasis::Hernummer()
{
    for (int i = 0; i < AantalKinderen(); ++i) {
        m_aKinderen[size_t(i)]->m_nIndex = i;
        m_aKinderen[size_t(i)]->m_pOuder = this;
    }
    return AantalKinderen();
}

int CDataItemBasis::VoegKindToe(std::unique_ptr<CDataItemBasis> pKind)
{
    m_aKinderen.push_back(std::move(pKind));
    Hernummer();
    return AantalKinderen() - 1;
}

void CDataItemBasis::VoegKindIn(int nPositie, std::unique_ptr<CDataItemBasis> pKind)
{
    if (nPositie >= 0 && nPositie < AantalKinderen())
        m_aKinderen.insert(m_aKinderen.begin() + nPositie, std::move(pKind));
    else
        m_aKinderen.push_back(std::move(pKind));
    Hernummer();
}

void CDataItemBasis::VoegKindInNa(int nPositie, std::unique_ptr<CDataItemBasis> pKind)
{
    if (nPositie < 0)
        m_aKinderen.insert(m_aKinderen.begin(), std::move(pKind));
    else if (nPositie + 1 < AantalKinderen())
        m_aKinderen.insert(m_aKinderen.begin() + nPositie + 1, std::move(pKind));
    else
        m_aKinderen.push_back(std::move(pKind));
    Hernummer();
}

std::unique_ptr<CDataItemBasis> CDataItemBasis::NeemKindWeg(int i)
{
    if (i < 0 || i >= AantalKinderen())
        return nullptr;
    auto p = std::move(m_aKinderen[size_t(i)]);
    m_aKinderen.erase(m_aKinderen.begin() + i);
    Hernummer();
    p->m_pOuder = nullptr;
    return p;
}

void CDataItemBasis::VervangKinderen(std::vector<std::unique_ptr<CDataItemBasis>> aKinderen)
{
    m_aKinderen = std::move(aKinderen);
    Hernummer();
}

void CDataItemBasis::Verwissel(CDataItemBasis& ander)
{
    std::swap(static_cast<CDataItemVelden&>(*this), static_cast<CDataItemVelden&>(ander));
    std::swap(m_aKinderen, ander.m_aKinderen);
    std::swap(m_picture, ander.m_picture);
    Hernummer();
    ander.Hernummer();
}

const CDataItemBasis* CDataItemBasis::GetProject() const
{
    const CDataItemBasis* p = this;
    while (p && p->m_nSoort != Soort::Project)
        p = p->m_pOuder;
    return p;
}

int FontPixelHeight(int cy, double dLettergrootte)
{
    const double dX = cy * 0.6 * dLettergrootte / 100;
    const qint64 x = std::isfinite(dX) ? qint64(qBound(-1e9, dX, 1e9)) : 0;
    // MulDiv(x, 96, 72): rounded to nearest, halves away from zero.
    const qint64 p = x * 96;
    return int(p >= 0 ? (p + 36) / 72 : -((-p + 36) / 72));
}

std::optional<QFont> CDataItemBasis::TekstFont(int cy) const
{
    if (m_nSoort != Soort::Item || m_nItemSoort != ItemSoort::Tekst)
        return std::nullopt;
    QFont f(m_strLettertype.isEmpty() ? QStringLiteral("Verdana") : m_strLettertype);
    // Qt rejects a pixel size of 0; the smallest real font is one pixel. A
    // size from a file far beyond the page (the dialogs stop at 100 %, 0.8
    // of the height) is drawn as twice the height, not as a gigantic glyph.
    f.setPixelSize(std::clamp(FontPixelHeight(cy, m_dLettergrootte), 1, std::max(1, 2 * cy)));
    f.setWeight(m_bVet ? QFont::ExtraBold : QFont::Normal);
    f.setItalic(m_bCursief != 0);
    f.setUnderline(m_bOnderlijnen != 0);
    f.setStrikeOut(m_bDoorhalen != 0);
    f.setKerning(false);
    return f;
}

void GeheugenTekortBijKopie(IMelder* pMelder, const char* szKlasse)
{
    const QString strTekst = Tekst::GeheugenTekort(QString::fromLatin1(szKlasse));
    if (pMelder)
        pMelder->Meld(strTekst);
    else
        std::fputs(qPrintable(strTekst + u'\n'), stderr);
    std::exit(EXIT_FAILURE);
}
