#pragma once

#include "DlgSjabloonPaginaItem.h"

namespace Ui {
class DlgSjabloonAfbeelding;
}

// The template of new images.
class CDlgSjabloonAfbeelding : public CDlgSjabloonPaginaItem {
    Q_OBJECT

public:
    CDlgSjabloonAfbeelding(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder = nullptr);
    ~CDlgSjabloonAfbeelding() override;

private:
    std::unique_ptr<Ui::DlgSjabloonAfbeelding> m_pUi;
};
