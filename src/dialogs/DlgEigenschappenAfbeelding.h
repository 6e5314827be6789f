#pragma once

#include "DlgEigenschappenPaginaItem.h"

#include <memory>

namespace Ui {
class DlgEigenschappenAfbeelding;
}

// The properties of an image item.
class CDlgEigenschappenAfbeelding : public CDlgEigenschappenPaginaItem {
    Q_OBJECT

public:
    CDlgEigenschappenAfbeelding(
        CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder = nullptr);
    ~CDlgEigenschappenAfbeelding() override;

private:
    std::unique_ptr<Ui::DlgEigenschappenAfbeelding> m_pUi;
};
