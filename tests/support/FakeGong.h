#pragma once

#include "dialogs/IGong.h"

#include <vector>

// Records how the gong was played; "plays" as long as the test says.
class CFakeGong : public IGong {
public:
    void SpeelGong(bool bIngebouwd) override { aGespeeld.push_back(bIngebouwd); }
    void StopGeluid() override
    {
        ++nGestopt;
        bLoopt = false;
    }
    bool GeluidLoopt() override { return bLoopt; }

    std::vector<bool> aGespeeld;
    int nGestopt = 0;
    bool bLoopt = false;
};
