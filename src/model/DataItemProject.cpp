#include "DataItemProject.h"

#include "IEigenschappenDialogen.h"
#include "KloonVan.h"
#include "Teksten.h"
#include "ZerbantikoDoc.h"

void CDataItemProject::InitTemplate()
{
    ResetToDefaults();
    m_nIndex = 0;
    m_nSoort = Soort::Project;
    m_strNaam = Tekst::Laad(Tekst::NieuwProject);
    m_strToelichting.clear();
    m_clrKleurvlak = 0x404040;
    m_bToetsenbord = 1;
    m_nPresenter = 0;
}

QString CDataItemProject::GetSoortNaam() const
{
    return Tekst::Laad(Tekst::SoortProject);
}

std::unique_ptr<CDataItemBasis> CDataItemProject::Clone() const
{
    return KloonVan<CDataItemProject>(*this);
}

int CDataItemProject::ToonEigenschappen(CZerbantikoDoc* pDoc)
{
    if (!pDoc || !pDoc->GetEigenschappenDialogen())
        return 0;
    return pDoc->GetEigenschappenDialogen()->Toon(EigenschappenDialoog::Project, *this, *pDoc);
}
