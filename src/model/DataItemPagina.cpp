#include "DataItemPagina.h"

#include "IEigenschappenDialogen.h"
#include "KloonVan.h"
#include "Teksten.h"
#include "ZerbantikoDoc.h"

#include <algorithm>

void CDataItemPagina::InitTemplate()
{
    ResetToDefaults();
    m_nIndex = 0;
    m_nSoort = Soort::Pagina;
    m_strNaam = Tekst::Laad(Tekst::NieuwePagina);
    m_strToelichting.clear();
    m_dRandbreedte = 0.1;
    m_clrKleurvlak = 0x000000;
    m_clrKleurlaag = 0xFFFFFF;
    m_clrRand = 0x0080FF;
    m_nDekkingTekst = 100;
    m_nDekkingKleurvlak = 100;
    m_nDekkingRand = 100;
    m_dBreedte = 8.0;
    m_dHoogte = 8.0;
    m_strLettertype = QStringLiteral("Verdana");
    m_clrTekst = 0xC0C0C0;
    m_dLettergrootte = 8.0;
}

QString CDataItemPagina::GetSoortNaam() const
{
    return Tekst::Laad(Tekst::SoortPagina);
}

std::unique_ptr<CDataItemBasis> CDataItemPagina::Clone() const
{
    return KloonVan<CDataItemPagina>(*this);
}

void CDataItemPagina::VoerActieUit(int nPositie)
{
    if (CDataItemBasis* pKind = GetKind(nPositie))
        pKind->VoerActieUit(0);
}

int CDataItemPagina::VolgendKlikbaarItem(int nVan, int nRichting) const
{
    const int n = AantalKinderen();
    const auto& aItems = Kinderen();
    if (std::none_of(aItems.begin(), aItems.end(), [](const auto& p) { return p->m_bKlikbaar != 0; }))
        return -1;
    const int nStap = nRichting < 0 ? -1 : +1;
    int i = std::clamp(nVan, -1, n);
    do {
        i += nStap;
        if (i >= n)
            i = 0;
        else if (i < 0)
            i = n - 1;
    } while (!GetKind(i)->m_bKlikbaar);
    return i;
}

int CDataItemPagina::ToonEigenschappen(CZerbantikoDoc* pDoc)
{
    if (!pDoc || m_nSoort != Soort::Pagina || !pDoc->GetEigenschappenDialogen())
        return 0;
    return pDoc->GetEigenschappenDialogen()->Toon(EigenschappenDialoog::Pagina, *this, *pDoc);
}
