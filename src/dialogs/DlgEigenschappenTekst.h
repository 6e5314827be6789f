#pragma once

#include "DlgEigenschappenPaginaItem.h"

#include <memory>

namespace Ui {
class DlgEigenschappenTekst;
}

// The properties of a text item.
class CDlgEigenschappenTekst : public CDlgEigenschappenPaginaItem {
    Q_OBJECT

public:
    CDlgEigenschappenTekst(
        CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder = nullptr);
    ~CDlgEigenschappenTekst() override;

private:
    std::unique_ptr<Ui::DlgEigenschappenTekst> m_pUi;
};
