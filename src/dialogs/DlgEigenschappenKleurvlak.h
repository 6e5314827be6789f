#pragma once

#include "DlgEigenschappenPaginaItem.h"

#include <memory>

namespace Ui {
class DlgEigenschappenKleurvlak;
}

// The properties of a colour area.
class CDlgEigenschappenKleurvlak : public CDlgEigenschappenPaginaItem {
    Q_OBJECT

public:
    CDlgEigenschappenKleurvlak(
        CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder = nullptr);
    ~CDlgEigenschappenKleurvlak() override;

private:
    std::unique_ptr<Ui::DlgEigenschappenKleurvlak> m_pUi;
};
