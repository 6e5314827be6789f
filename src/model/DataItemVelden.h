#pragma once

#include "Soorten.h"
#include "Types.h"

#include <QString>

#include <array>

using BOOL = qint32; // stored files may hold any 32-bit value here

// Every value field of an element, in declaration order, each initialised to
// its reset value. Kept apart from the element's structure (children, parent,
// fonts, picture) so that resetting and copying cannot forget a field.
struct CDataItemVelden {
    quint8 m_nSoort = 0; // a Soort; 0 in a bare record
    quint8 m_nItemSoort = ItemSoort::Kleurvlak;
    qint32 m_nNummer = 1;
    QString m_strReserve1;
    QString m_strNaam; // for a text item this is the text that is shown
    QString m_strToelichting;
    QString m_strAfbeelding;
    double m_dReserve1 = 0.0;
    double m_dReserve2 = 0.0;
    CPoint m_ptAnker;
    qint32 m_nVorm = 0; // Vorm bits
    double m_dAnkerX = 0.0;
    double m_dAnkerY = 0.0; // counts upwards from the bottom edge
    double m_dBreedte = 0.0;
    double m_dHoogte = 0.0;
    qint32 m_nAnkerH = 0;
    qint32 m_nAnkerV = 0;
    BOOL m_bIndividueel = 1;
    QString m_strLettertype = QStringLiteral("Verdana");
    double m_dLettergrootte = 8.0;
    BOOL m_bVet = 0;
    BOOL m_bCursief = 0;
    BOOL m_bOnderlijnen = 0;
    BOOL m_bDoorhalen = 0;
    COLORREF m_clrTekst = 0xC0C0C0;
    qint32 m_nDekkingTekst = 100;
    qint32 m_nReserve1 = 0;
    COLORREF m_clrKleurvlak = 0x202020;
    qint32 m_nDekkingKleurvlak = 100;
    QString m_strReserve2;
    BOOL m_bVolleBreedte = 0;
    qint32 m_nManierVanTonen = 0;
    COLORREF m_clrKleurlaag = 0xFFFFFF;
    qint32 m_nDekkingKleurlaag = 0;
    BOOL m_bClipping = 0;
    BOOL m_bKlikgebiedenMarkeren = 0;
    BOOL m_bAnkerpuntenTonen = 1;
    CRect m_rectAchtergrondBeeld;
    BOOL m_bRand = 0;
    COLORREF m_clrRand = 0x7F7F7F;
    qint32 m_nDekkingRand = 100;
    double m_dRandbreedte = 0.1;
    std::array<quint8, 8> m_abReserve2 {};
    CSize m_sizeDoel { 1920, 1080 };
    CRect m_rectMonitor { 0, 0, 1920, 1080 };
    qint32 m_nMonitor = 0;
    BOOL m_bToetsenbord = 1;
    qint32 m_nPresenter = 0;
    BOOL m_bAutoVolgende = 0;
    qint32 m_nSelectiePositie = Zijde::Onder;
    BOOL m_bSelectieZichtbaar = 0;
    qint32 m_nSelectieItem = -1;
    QString m_strGong;
    qint32 m_nDoelformaat = 0;
    qint32 m_nPresentatiegedrag = 0;
    qint32 m_nReserve2 = 0;
    QString m_strOpdracht;
    QString m_strOpties;
    qint32 m_nReserve3 = -1;
    BOOL m_bKlikbaar = 1;
    BOOL m_bActief = 1;
    BOOL m_bKleurvlak = 0;
    qint32 m_nKleurvlakMaat = 0;
    BOOL m_bAfbeeldingTonen = 0;
    BOOL m_bTekstTonen = 1;
    qint32 m_nReserve4 = 0;
    CRect m_rectScherm;
    qint32 m_nReserve5 = 0;
    qint32 m_nReserve6 = 0;
    BOOL m_bGeluidIntern = 1;
    qint32 m_nVolume = 100;
    BOOL m_bViewerOpen = 0;
    qint32 m_nPresentatievorm = 0;
    BOOL m_bInternTonen = 1;

    friend bool operator==(const CDataItemVelden&, const CDataItemVelden&) = default;
};
