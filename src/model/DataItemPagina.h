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
    // The presenter's walk over the clickable items: from the item at nVan a
    // step in nRichting (+1 or -1), round past either end, to the next
    // clickable one; -1 when none is. A start outside the page (none yet, or
    // an odd value in a file) walks from before the first or after the last.
    int VolgendKlikbaarItem(int nVan, int nRichting) const;
};
