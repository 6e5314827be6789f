#pragma once

#include "DataItemBasis.h"

class IActies;

class CDataItemProject : public CDataItemBasis {
public:
    const char* GetKlasseNaam() const override { return "CDataItemProject"; }
    void InitTemplate() override;
    QString GetSoortNaam() const override;
    std::unique_ptr<CDataItemBasis> Clone() const override;
    int ToonEigenschappen(CZerbantikoDoc* pDoc) override;

    // What its items' actions do; not saved, not copied, kept when another
    // project's content takes this one's place.
    IActies* m_pActies = nullptr;
};
