#include "ItemKoppelingen.h"

namespace {

using V = CDataItemVelden;
using G = CVeldenDialoog::Gedrag;
using B = CVeldenDialoog::BandHoogte;

const CVeldenDialoog::SKoppeling aItem[] = {
    // General: name, notes and the action.
    { "naam", &V::m_strNaam, G::Naam },
    { "afbeelding", &V::m_strAfbeelding, G::Gewoon },
    { "aantekeningen", &V::m_strToelichting, G::Aantekening },
    { "klikbaar", &V::m_bKlikbaar, G::Gebied },
    { "opdracht", &V::m_strOpdracht, G::Opdracht },
    { "opties", &V::m_strOpties, G::Opties },
    { "internTonen", &V::m_bInternTonen, G::Intern },
    { "weergave", &V::m_nPresentatievorm, G::Keuze },
    { "volume", &V::m_nVolume, G::Schuif },
    { "sprong", &V::m_strOpties, G::Sprong },
    { "aantal", &V::m_nNummer, G::Aantal },
    // Position and styling.
    { "ankerX", &V::m_dAnkerX, G::Procent },
    { "ankerY", &V::m_dAnkerY, G::Procent },
    { "individueel", &V::m_bIndividueel, G::Gewoon },
    { "ankerH", &V::m_nAnkerH, G::Anker },
    { "ankerV", &V::m_nAnkerV, G::Anker },
    { "lettertype", &V::m_strLettertype, G::Lettertype },
    { "lettergrootte", &V::m_dLettergrootte, G::Lettergrootte },
    { "vet", &V::m_bVet, G::Stijl },
    { "cursief", &V::m_bCursief, G::Stijl },
    { "onderlijnen", &V::m_bOnderlijnen, G::Stijl },
    { "doorhalen", &V::m_bDoorhalen, G::Stijl },
    { "tekstKleur", &V::m_clrTekst, G::Kleur, B::nTekst },
    { "tekstDekking", &V::m_nDekkingTekst, G::Schuif },
    { "manierVanTonen", &V::m_nManierVanTonen, G::Keuze },
    { "vorm", &V::m_nVorm, G::Gebied },
    { "breedte", &V::m_dBreedte, G::Procent },
    { "hoogte", &V::m_dHoogte, G::Procent },
    { "alfaDekking", &V::m_nDekkingKleurvlak, G::Schuif },
    { "vlakKleur", &V::m_clrKleurvlak, G::Kleur, B::nVlak },
    { "vlakDekking", &V::m_nDekkingKleurvlak, G::Schuif },
    { "kleurvlak", &V::m_bKleurvlak, G::Gebied },
    { "kleurvlakMaat", &V::m_nKleurvlakMaat, G::Keuze },
    { "kleurlaagKleur", &V::m_clrKleurlaag, G::Kleur, B::nKleurlaag },
    { "kleurlaagDekking", &V::m_nDekkingKleurlaag, G::Schuif },
    { "rand", &V::m_bRand, G::Gebied },
    { "randbreedte", &V::m_dRandbreedte, G::Rand },
    { "randKleur", &V::m_clrRand, G::Kleur, B::nRand },
    { "randDekking", &V::m_nDekkingRand, G::Schuif },
};

} // namespace

std::span<const CVeldenDialoog::SKoppeling> ItemKoppelingen()
{
    return aItem;
}
