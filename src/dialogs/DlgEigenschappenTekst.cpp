#include "DlgEigenschappenTekst.h"

#include "ItemKoppelingen.h"
#include "ui_DlgEigenschappenTekst.h"

CDlgEigenschappenTekst::CDlgEigenschappenTekst(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CDlgEigenschappenPaginaItem(element, doc, melder, kiezer, pOuder)
    , m_pUi(std::make_unique<Ui::DlgEigenschappenTekst>())
{
    m_pUi->setupUi(this);
    Open(ItemKoppelingen());
}

CDlgEigenschappenTekst::~CDlgEigenschappenTekst() = default;
