#include "DlgSjabloonTekst.h"

#include "ui_DlgSjabloonTekst.h"

CDlgSjabloonTekst::CDlgSjabloonTekst(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder)
    : CDlgSjabloonPaginaItem(sjabloon, doc, melder, pOuder)
    , m_pUi(std::make_unique<Ui::DlgSjabloonTekst>())
{
    m_pUi->setupUi(this);
    Open();
}

CDlgSjabloonTekst::~CDlgSjabloonTekst() = default;
