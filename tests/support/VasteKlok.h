#pragma once

#include "render/Klok.h"

// A clock that shows what the test sets.
class CVasteKlok : public IKlok {
public:
    SDatum Datum() const override { return datum; }
    std::optional<STijd> Tijd() const override { return tijd; }

    void Zet(int d, int m, int y, int h, int mi, int s)
    {
        datum = { d, m, y };
        tijd = STijd { h, mi, s };
    }

    SDatum datum { 5, 3, 2024 };
    std::optional<STijd> tijd = STijd { 14, 7, 9 };
};
