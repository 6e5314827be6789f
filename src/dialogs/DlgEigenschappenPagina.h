#pragma once

#include "DlgEigenschappenPaginaItem.h"

#include <memory>

namespace Ui {
class DlgEigenschappenPagina;
}

// The properties of a page: background, colour layer, clipping, the marks
// and the selection indicator of the show, and its items in order.
class CDlgEigenschappenPagina : public CDlgEigenschappenPaginaItem {
    Q_OBJECT

public:
    CDlgEigenschappenPagina(
        CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder = nullptr);
    ~CDlgEigenschappenPagina() override;

    static const QString& ClippingWaarschuwing();

protected:
    void VulRijen() override;

private:
    void ClippingGeklikt();
    void ProbeerActie();

    std::unique_ptr<Ui::DlgEigenschappenPagina> m_pUi;
};
