#pragma once

#include "DataItemBasis.h"

class CDataItemPaginaItem : public CDataItemBasis {
public:
    const char* GetKlasseNaam() const override { return "CDataItemPaginaItem"; }
    void InitTemplate() override;
    QString GetSoortNaam() const override;
    std::unique_ptr<CDataItemBasis> Clone() const override;
    int ToonEigenschappen(CZerbantikoDoc* pDoc) override;
};
