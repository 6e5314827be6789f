#pragma once

#include "DlgSjabloonPaginaItem.h"

namespace Ui {
class DlgSjabloonTekst;
}

// The template of new texts.
class CDlgSjabloonTekst : public CDlgSjabloonPaginaItem {
    Q_OBJECT

public:
    CDlgSjabloonTekst(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder = nullptr);
    ~CDlgSjabloonTekst() override;

private:
    std::unique_ptr<Ui::DlgSjabloonTekst> m_pUi;
};
