#pragma once

#include "OntwerpGeometrie.h"

#include <vector>

class CDataItemBasis;
class CPaginaTekenaar;
class CTekenaar;

// The designer's marks on a drawn page: after each active item, its design
// geometry is computed and its anchor drawn (white, or red with yellow
// corner handles for the selected element). The page view, the overview's
// thumbnails and the command line's designer picture all draw them this way.
class COntwerpMarkeringen {
public:
    // From now on the composer draws these marks with every active item.
    void KoppelAan(CPaginaTekenaar& tekenaar);

    // Before drawing a page: its item count and the document's selection.
    void BeginPagina(int nItems, const CDataItemBasis* pGeselecteerd);

    // Entry i: item i's handles as drawn last.
    const std::vector<COntwerpGeometrie>& Geometrie() const { return m_aGeometrie; }

private:
    void Teken(CTekenaar& t, const CDataItemBasis& item);

    std::vector<COntwerpGeometrie> m_aGeometrie;
    const CDataItemBasis* m_pGeselecteerd = nullptr;
};
