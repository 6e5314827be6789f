#pragma once

#include "DataItemBasis.h"

class CDataItemProject : public CDataItemBasis {
public:
    const char* GetKlasseNaam() const override { return "CDataItemProject"; }
    void InitTemplate() override;
    QString GetSoortNaam() const override;
    std::unique_ptr<CDataItemBasis> Clone() const override;
    int ToonEigenschappen(CZerbantikoDoc* pDoc) override;
};
