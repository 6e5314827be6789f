#include "DlgEigenschappenKleurvlak.h"

#include "ItemKoppelingen.h"
#include "ui_DlgEigenschappenKleurvlak.h"

CDlgEigenschappenKleurvlak::CDlgEigenschappenKleurvlak(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CDlgEigenschappenPaginaItem(element, doc, melder, kiezer, pOuder)
    , m_pUi(std::make_unique<Ui::DlgEigenschappenKleurvlak>())
{
    m_pUi->setupUi(this);
    Open(ItemKoppelingen());
}

CDlgEigenschappenKleurvlak::~CDlgEigenschappenKleurvlak() = default;
