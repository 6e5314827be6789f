#pragma once

#include "model/Types.h"

#include <array>

class CDataItemBasis;

// The designer's handles of one item, recomputed at every paint: corner
// points, the rectangle a click hits, and the eight handle zones (1-4 the
// corners from top-left clockwise, 5-8 the left, top, right and bottom
// edges). Never saved, never copied.
struct COntwerpGeometrie {
    std::array<CPoint, 4> aptHoek {}; // top-left, top-right, bottom-right, bottom-left
    CRect rectKlik;
    std::array<CRect, 8> aRectGreep {};

    // For a text all corners are the anchor and the click rectangle is the
    // text box; colour areas and images get their rectangle's corners, the
    // click rectangle 4 pixels larger all round, and handle zones.
    static COntwerpGeometrie Bereken(const CDataItemBasis& item, const COntwerpGeometrie& vorige);
};
