#pragma once

#include "model/DataItemVelden.h"

// The saved fields of an element record in the order the file holds them.
// The reader, the writer and the dump all walk this one list; `ar.Veld`
// receives each field with its name.
enum class RecordFormaat {
    Huidig, // "Zerbantiko 002.000.001.072"
    Oud, // 2.0.0.63 and 2.0.0.55: number before kind, no item type or individual flag
};

#define ZB_VELD(f) ar.Veld(#f, e.f)

template <class Archief, class Element> void ElementVelden(Archief& ar, Element& e, RecordFormaat formaat)
{
    if (formaat == RecordFormaat::Huidig) {
        ZB_VELD(m_nSoort);
        ZB_VELD(m_nItemSoort);
        ZB_VELD(m_nNummer);
    } else {
        ZB_VELD(m_nNummer);
        ZB_VELD(m_nSoort);
    }
    ZB_VELD(m_strReserve1);
    ZB_VELD(m_strNaam);
    ZB_VELD(m_strToelichting);
    ZB_VELD(m_strAfbeelding);
    ZB_VELD(m_dReserve1);
    ZB_VELD(m_dReserve2);
    ZB_VELD(m_ptAnker);
    ZB_VELD(m_nVorm);
    ZB_VELD(m_dAnkerX);
    ZB_VELD(m_dAnkerY);
    ZB_VELD(m_dBreedte);
    ZB_VELD(m_dHoogte);
    ZB_VELD(m_nAnkerH);
    ZB_VELD(m_nAnkerV);
    if (formaat == RecordFormaat::Huidig)
        ZB_VELD(m_bIndividueel);
    ZB_VELD(m_strLettertype);
    ZB_VELD(m_dLettergrootte);
    ZB_VELD(m_bVet);
    ZB_VELD(m_bCursief);
    ZB_VELD(m_bOnderlijnen);
    ZB_VELD(m_bDoorhalen);
    ZB_VELD(m_clrTekst);
    ZB_VELD(m_nDekkingTekst);
    ZB_VELD(m_nReserve1);
    ZB_VELD(m_clrKleurvlak);
    ZB_VELD(m_nDekkingKleurvlak);
    ZB_VELD(m_strReserve2);
    ZB_VELD(m_bVolleBreedte);
    ZB_VELD(m_nManierVanTonen);
    ZB_VELD(m_clrKleurlaag);
    ZB_VELD(m_nDekkingKleurlaag);
    ZB_VELD(m_bClipping);
    ZB_VELD(m_bKlikgebiedenMarkeren);
    ZB_VELD(m_bAnkerpuntenTonen);
    ZB_VELD(m_rectAchtergrondBeeld);
    ZB_VELD(m_bRand);
    ZB_VELD(m_clrRand);
    ZB_VELD(m_nDekkingRand);
    ZB_VELD(m_dRandbreedte);
    ZB_VELD(m_abReserve2);
    ZB_VELD(m_sizeDoel);
    ZB_VELD(m_rectMonitor);
    ZB_VELD(m_nMonitor);
    ZB_VELD(m_bToetsenbord);
    ZB_VELD(m_nPresenter);
    ZB_VELD(m_bAutoVolgende);
    ZB_VELD(m_nSelectiePositie);
    ZB_VELD(m_nSelectieItem);
    ZB_VELD(m_strGong);
    ZB_VELD(m_nDoelformaat);
    ZB_VELD(m_nPresentatiegedrag);
    ZB_VELD(m_nReserve2);
    ZB_VELD(m_strOpdracht);
    ZB_VELD(m_strOpties);
    ZB_VELD(m_nReserve3);
    ZB_VELD(m_bKlikbaar);
    ZB_VELD(m_bActief);
    ZB_VELD(m_bKleurvlak);
    ZB_VELD(m_nKleurvlakMaat);
    ZB_VELD(m_bAfbeeldingTonen);
    ZB_VELD(m_bTekstTonen);
    if (formaat == RecordFormaat::Oud) {
        // Old files know no item type: a shown text makes the item a text,
        // else a shown picture an image, else it is a colour area.
        ar.ZetItemSoort(e,
            e.m_bTekstTonen != 0            ? ItemSoort::Tekst
                : e.m_bAfbeeldingTonen != 0 ? ItemSoort::Afbeelding
                                            : ItemSoort::Kleurvlak);
    }
    ZB_VELD(m_nReserve4);
    ZB_VELD(m_rectScherm);
    ZB_VELD(m_nReserve5);
    ZB_VELD(m_nReserve6);
    ZB_VELD(m_bGeluidIntern);
    ZB_VELD(m_nVolume);
    ZB_VELD(m_bViewerOpen);
    ZB_VELD(m_nPresentatievorm);
    ZB_VELD(m_bInternTonen);
}

#undef ZB_VELD
