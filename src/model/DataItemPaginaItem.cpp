#include "DataItemPaginaItem.h"

#include "DataItemProject.h"
#include "IActies.h"
#include "IEigenschappenDialogen.h"
#include "IMelder.h"
#include "IProces.h"
#include "KloonVan.h"
#include "Teksten.h"
#include "ZerbantikoDoc.h"

void CDataItemPaginaItem::InitTemplate()
{
    ResetToDefaults();
    m_nIndex = 0;
    m_nSoort = Soort::Item;
    m_nItemSoort = ItemSoort::Tekst;
    m_nReserve1 = 0;
    m_bAfbeeldingTonen = 0;
    m_bRand = 0;
    m_bKleurvlak = 0;
    m_bTekstTonen = 1;
    m_strNaam = Tekst::Laad(Tekst::NieuwPaginaItem);
    m_strToelichting.clear();
    m_dRandbreedte = 0.1;
    m_dAnkerX = 50.0;
    m_dAnkerY = 50.0;
    m_clrTekst = 0xFFFFFF;
    m_clrKleurvlak = 0xC0C0C0;
    m_clrRand = 0xFFFFFF;
    m_clrKleurlaag = 0xFFFFFF;
    m_nDekkingTekst = 100;
    m_nDekkingKleurvlak = 100;
    m_nDekkingRand = 100;
    m_bActief = 1;
    m_nAnkerH = Uitlijning::Midden;
    m_nAnkerV = Uitlijning::Midden;
    m_dBreedte = 8.0;
    m_dHoogte = 8.0;
    m_strLettertype = QStringLiteral("Verdana");
    m_dLettergrootte = 8.0;
}

QString CDataItemPaginaItem::GetSoortNaam() const
{
    switch (m_nItemSoort) {
    case ItemSoort::Tekst:
        return Tekst::Laad(Tekst::SoortTekst);
    case ItemSoort::Afbeelding:
        return Tekst::Laad(Tekst::SoortAfbeelding);
    case ItemSoort::Kleurvlak:
        return Tekst::Laad(Tekst::SoortKleurvlak);
    default:
        return QStringLiteral("???");
    }
}

std::unique_ptr<CDataItemBasis> CDataItemPaginaItem::Clone() const
{
    return KloonVan<CDataItemPaginaItem>(*this);
}

int CDataItemPaginaItem::ToonEigenschappen(CZerbantikoDoc* pDoc)
{
    if (!pDoc || m_nSoort != Soort::Item)
        return 0;
    EigenschappenDialoog soort;
    switch (m_nItemSoort) {
    case ItemSoort::Tekst:
        soort = EigenschappenDialoog::Tekst;
        break;
    case ItemSoort::Afbeelding:
        soort = EigenschappenDialoog::Afbeelding;
        break;
    case ItemSoort::Kleurvlak:
        soort = EigenschappenDialoog::Kleurvlak;
        break;
    default:
        if (pDoc->GetMelder())
            pDoc->GetMelder()->Meld(Tekst::GeenItemSoort());
        return -1;
    }
    if (!pDoc->GetEigenschappenDialogen())
        return 0;
    return pDoc->GetEigenschappenDialogen()->Toon(soort, *this, *pDoc);
}

IActies* CDataItemPaginaItem::Acties() const
{
    const auto* pProject = dynamic_cast<const CDataItemProject*>(GetProject());
    return pProject ? pProject->m_pActies : nullptr;
}

void CDataItemPaginaItem::VoerActieUit(int nArgument)
{
    if (IActies* p = Acties())
        p->VoerUit(*this, nArgument);
}

void CDataItemPaginaItem::StopActie()
{
    if (IActies* p = Acties())
        p->Stop(*this);
    else if (m_pProces)
        m_pProces->Beeindig(), m_pProces.reset();
}

bool CDataItemPaginaItem::ActieLoopt()
{
    if (IActies* p = Acties())
        return p->Loopt(*this);
    return m_pProces && m_pProces->Loopt();
}
