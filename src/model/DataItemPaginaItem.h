#pragma once

#include "DataItemBasis.h"

class IActies;

class CDataItemPaginaItem : public CDataItemBasis {
public:
    const char* GetKlasseNaam() const override { return "CDataItemPaginaItem"; }
    void InitTemplate() override;
    QString GetSoortNaam() const override;
    std::unique_ptr<CDataItemBasis> Clone() const override;
    int ToonEigenschappen(CZerbantikoDoc* pDoc) override;
    // The item's action (0, or the project's m_nReserve2 for keyboard activation).
    void VoerActieUit(int nArgument) override;
    // Ends what the item's actions started.
    void StopActie();
    // Whether a program or sound the item's actions started still runs.
    bool ActieLoopt();

private:
    IActies* Acties() const;
};
