#pragma once

#include "model/IActies.h"

#include <vector>

class CDataItemBasis;

// Records the items whose actions ran and stopped; "runs" as long as the test says.
class CFakeActies : public IActies {
public:
    void VoerUit(CDataItemBasis& item, int nArgument) override
    {
        aUitgevoerd.push_back(&item);
        aArgumenten.push_back(nArgument);
    }
    void Stop(CDataItemBasis& item) override
    {
        aGestopt.push_back(&item);
        bLoopt = false;
    }
    bool Loopt(CDataItemBasis&) override { return bLoopt; }

    std::vector<CDataItemBasis*> aUitgevoerd;
    std::vector<int> aArgumenten;
    std::vector<CDataItemBasis*> aGestopt;
    bool bLoopt = false;
};
