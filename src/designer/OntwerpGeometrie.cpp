#include "OntwerpGeometrie.h"

#include "model/DataItemBasis.h"

COntwerpGeometrie COntwerpGeometrie::Bereken(const CDataItemBasis& item, const COntwerpGeometrie& vorige)
{
    COntwerpGeometrie g = vorige; // a text keeps the handle zones it had
    const CRect& r = item.m_rectScherm;
    if (item.m_nItemSoort == ItemSoort::Tekst) {
        g.aptHoek.fill(item.m_ptAnker);
        g.rectKlik = r;
        return g;
    }
    const CPoint tl { r.left, r.top }, tr { r.right, r.top }, br { r.right, r.bottom }, bl { r.left, r.bottom };
    g.aptHoek = { tl, tr, br, bl };
    g.rectKlik = { r.left - 4, r.top - 4, r.right + 4, r.bottom + 4 };
    auto rond = [](CPoint p) { return CRect { p.x - 4, p.y - 4, p.x + 4, p.y + 4 }; };
    g.aRectGreep = {
        rond(tl),
        rond(tr),
        rond(br),
        rond(bl),
        CRect { tl.x - 4, tl.y + 4, bl.x + 4, bl.y - 4 },
        CRect { tl.x + 4, tl.y - 4, tr.x - 4, tr.y + 4 },
        CRect { tr.x - 4, tr.y + 4, br.x + 4, br.y - 4 },
        CRect { bl.x + 4, bl.y - 4, br.x - 4, br.y + 4 },
    };
    return g;
}
