#pragma once

#include "DlgSjabloonPaginaItem.h"

namespace Ui {
class DlgSjabloonKleurvlak;
}

// The template of new colour areas.
class CDlgSjabloonKleurvlak : public CDlgSjabloonPaginaItem {
    Q_OBJECT

public:
    CDlgSjabloonKleurvlak(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder = nullptr);
    ~CDlgSjabloonKleurvlak() override;

private:
    std::unique_ptr<Ui::DlgSjabloonKleurvlak> m_pUi;
};
