#include "EigenschappenDialogen.h"

#include "DlgEigenschappenAfbeelding.h"
#include "DlgEigenschappenKleurvlak.h"
#include "DlgEigenschappenPagina.h"
#include "DlgEigenschappenProject.h"
#include "DlgEigenschappenTekst.h"
#include "Modaal.h"

#include <memory>

CEigenschappenDialogen::CEigenschappenDialogen(IMelder& melder, IOpenBestand& kiezer, IGong* pGong)
    : m_melder(melder)
    , m_kiezer(kiezer)
    , m_pGong(pGong)
{
}

int CEigenschappenDialogen::Toon(EigenschappenDialoog soort, CDataItemBasis& element, CZerbantikoDoc& doc)
{
    std::unique_ptr<QDialog> pDialoog;
    switch (soort) {
    case EigenschappenDialoog::Tekst:
        pDialoog = std::make_unique<CDlgEigenschappenTekst>(element, doc, m_melder, m_kiezer, m_pOuder);
        break;
    case EigenschappenDialoog::Afbeelding:
        pDialoog = std::make_unique<CDlgEigenschappenAfbeelding>(element, doc, m_melder, m_kiezer, m_pOuder);
        break;
    case EigenschappenDialoog::Kleurvlak:
        pDialoog = std::make_unique<CDlgEigenschappenKleurvlak>(element, doc, m_melder, m_kiezer, m_pOuder);
        break;
    case EigenschappenDialoog::Pagina:
        pDialoog = std::make_unique<CDlgEigenschappenPagina>(element, doc, m_melder, m_kiezer, m_pOuder);
        break;
    case EigenschappenDialoog::Project:
        pDialoog = std::make_unique<CDlgEigenschappenProject>(element, doc, m_melder, m_kiezer, m_pGong, m_pOuder);
        break;
    }
    return ToonModaal(*pDialoog) == QDialog::Accepted ? 1 : 0;
}
