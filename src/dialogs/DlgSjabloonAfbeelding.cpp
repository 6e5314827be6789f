#include "DlgSjabloonAfbeelding.h"

#include "ui_DlgSjabloonAfbeelding.h"

CDlgSjabloonAfbeelding::CDlgSjabloonAfbeelding(
    CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder)
    : CDlgSjabloonPaginaItem(sjabloon, doc, melder, pOuder)
    , m_pUi(std::make_unique<Ui::DlgSjabloonAfbeelding>())
{
    m_pUi->setupUi(this);
    Open();
}

CDlgSjabloonAfbeelding::~CDlgSjabloonAfbeelding() = default;
