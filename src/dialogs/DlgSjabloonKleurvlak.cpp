#include "DlgSjabloonKleurvlak.h"

#include "ui_DlgSjabloonKleurvlak.h"

CDlgSjabloonKleurvlak::CDlgSjabloonKleurvlak(
    CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder)
    : CDlgSjabloonPaginaItem(sjabloon, doc, melder, pOuder)
    , m_pUi(std::make_unique<Ui::DlgSjabloonKleurvlak>())
{
    m_pUi->setupUi(this);
    Open();
}

CDlgSjabloonKleurvlak::~CDlgSjabloonKleurvlak() = default;
