#include "DlgSjabloonPaginaItem.h"

#include "Tooltips.h"

namespace {

using V = CDataItemVelden;
using G = CVeldenDialoog::Gedrag;
using B = CVeldenDialoog::BandHoogte;

const CVeldenDialoog::SKoppeling aSjabloonItem[] = {
    { "ankerH", &V::m_nAnkerH },
    { "ankerV", &V::m_nAnkerV },
    { "lettertype", &V::m_strLettertype },
    { "lettergrootte", &V::m_dLettergrootte, G::Lettergrootte },
    { "vet", &V::m_bVet },
    { "cursief", &V::m_bCursief },
    { "onderlijnen", &V::m_bOnderlijnen },
    { "doorhalen", &V::m_bDoorhalen },
    { "tekstKleur", &V::m_clrTekst, G::Gewoon, B::nTekst },
    { "tekstDekking", &V::m_nDekkingTekst },
    { "manierVanTonen", &V::m_nManierVanTonen },
    { "vorm", &V::m_nVorm },
    { "breedte", &V::m_dBreedte, G::Procent },
    { "hoogte", &V::m_dHoogte, G::Procent },
    { "alfaDekking", &V::m_nDekkingKleurvlak },
    { "vlakKleur", &V::m_clrKleurvlak, G::Gewoon, B::nVlak },
    { "vlakDekking", &V::m_nDekkingKleurvlak },
    { "kleurvlak", &V::m_bKleurvlak },
    { "kleurvlakMaat", &V::m_nKleurvlakMaat },
    { "kleurlaagKleur", &V::m_clrKleurlaag, G::Gewoon, B::nKleurlaag },
    { "kleurlaagDekking", &V::m_nDekkingKleurlaag },
    { "rand", &V::m_bRand },
    { "randbreedte", &V::m_dRandbreedte, G::Rand },
    { "randKleur", &V::m_clrRand, G::Gewoon, B::nRand },
    { "randDekking", &V::m_nDekkingRand },
};

} // namespace

CDlgSjabloonPaginaItem::CDlgSjabloonPaginaItem(
    CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder)
    : CDlgSjabloon(sjabloon, doc, melder, pOuder)
{
}

void CDlgSjabloonPaginaItem::Open()
{
    CDlgSjabloon::Open(aSjabloonItem);
    if (QWidget* pLaag = Control(szLaagDekking))
        pLaag->setToolTip(QString());
}
