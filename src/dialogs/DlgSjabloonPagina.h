#pragma once

#include "DlgSjabloon.h"

class IOpenBestand;

namespace Ui {
class DlgSjabloonPagina;
}

// The template of new pages, with a preview of the background it gives.
class CDlgSjabloonPagina : public CDlgSjabloon {
    Q_OBJECT

public:
    CDlgSjabloonPagina(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer,
        QWidget* pOuder = nullptr);
    ~CDlgSjabloonPagina() override;

private:
    void Bijgewerkt();
    void KiesAfbeelding();
    void WisAfbeelding();

    std::unique_ptr<Ui::DlgSjabloonPagina> m_pUi;
    IOpenBestand& m_kiezer;
};
