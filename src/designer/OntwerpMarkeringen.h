#pragma once

#include "OntwerpGeometrie.h"

#include <unordered_map>
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

    // Before drawing a page: the page (null for none) and the document's
    // selection. Another page forgets the handles of the last one.
    void BeginPagina(const CDataItemBasis* pPagina, const CDataItemBasis* pGeselecteerd);
    // After drawing: the table in the page's item order.
    void EindPagina(const CDataItemBasis& pagina);

    // Entry i: item i's handles as drawn last (empty for an item never drawn).
    const std::vector<COntwerpGeometrie>& Geometrie() const { return m_aGeometrie; }

private:
    void Teken(CTekenaar& t, const CDataItemBasis& item);

    // By item, not by position: an item keeps its own handles however the
    // list changes, and never takes those of another.
    std::unordered_map<const CDataItemBasis*, COntwerpGeometrie> m_geometrie;
    std::vector<COntwerpGeometrie> m_aGeometrie;
    const CDataItemBasis* m_pPagina = nullptr; // compared, never followed
    const CDataItemBasis* m_pGeselecteerd = nullptr;
};
