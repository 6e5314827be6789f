#include "DlgEigenschappenAfbeelding.h"

#include "ItemKoppelingen.h"
#include "ui_DlgEigenschappenAfbeelding.h"

CDlgEigenschappenAfbeelding::CDlgEigenschappenAfbeelding(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CDlgEigenschappenPaginaItem(element, doc, melder, kiezer, pOuder)
    , m_pUi(std::make_unique<Ui::DlgEigenschappenAfbeelding>())
{
    m_pUi->setupUi(this);
    Open(ItemKoppelingen());
}

CDlgEigenschappenAfbeelding::~CDlgEigenschappenAfbeelding() = default;
