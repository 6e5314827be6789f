#pragma once

#include "DataItemBasis.h"

class CDataItemPagina : public CDataItemBasis {
public:
    const char* GetKlasseNaam() const override { return "CDataItemPagina"; }
    void InitTemplate() override;
    QString GetSoortNaam() const override;
    std::unique_ptr<CDataItemBasis> Clone() const override;
    // Runs the action of the item at that position.
    void VoerActieUit(int nPositie) override;
    int ToonEigenschappen(CZerbantikoDoc* pDoc) override;
};
