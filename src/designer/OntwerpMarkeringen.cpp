#include "OntwerpMarkeringen.h"

#include "model/DataItemBasis.h"
#include "render/PaginaTekenaar.h"

#include <QPainter>

namespace {

constexpr int nHalfHoek = 4; // yellow corner handle
constexpr int nHalfAnkerGeselecteerd = 4; // red anchor of the selected item
constexpr int nHalfAnker = 3; // white anchor of the others
constexpr int nHalfMidden = 1; // black centre of every mark

void Vierkant(QPainter& p, CPoint pt, int nHalf, const QColor& kleur)
{
    p.fillRect(QRect(pt.x - nHalf, pt.y - nHalf, 2 * nHalf, 2 * nHalf), kleur);
}

} // namespace

void COntwerpMarkeringen::KoppelAan(CPaginaTekenaar& tekenaar)
{
    tekenaar.m_naItem = [this](CTekenaar& t, CDataItemBasis& item, const CRect&, const CRect&) { Teken(t, item); };
}

void COntwerpMarkeringen::BeginPagina(const CDataItemBasis* pPagina, const CDataItemBasis* pGeselecteerd)
{
    if (pPagina != m_pPagina) {
        m_geometrie.clear();
        m_pPagina = pPagina;
    }
    if (!pPagina)
        m_aGeometrie.clear();
    m_pGeselecteerd = pGeselecteerd;
}

void COntwerpMarkeringen::EindPagina(const CDataItemBasis& pagina)
{
    m_aGeometrie.assign(size_t(pagina.AantalKinderen()), COntwerpGeometrie {});
    for (int i = 0; i < pagina.AantalKinderen(); ++i) {
        const auto it = m_geometrie.find(pagina.GetKind(i));
        if (it != m_geometrie.end())
            m_aGeometrie[size_t(i)] = it->second;
    }
}

void COntwerpMarkeringen::Teken(CTekenaar& t, const CDataItemBasis& item)
{
    COntwerpGeometrie& g = m_geometrie[&item];
    g = COntwerpGeometrie::Bereken(item, g);

    const bool bGeselecteerd = &item == m_pGeselecteerd;
    const CDataItemBasis* pPagina = item.m_pOuder;
    if (!bGeselecteerd && !(pPagina && pPagina->m_bAnkerpuntenTonen))
        return;
    t.Teken([&](QPainter& p) {
        if (bGeselecteerd) {
            for (const CPoint& pt : g.aptHoek) {
                Vierkant(p, pt, nHalfHoek, Qt::yellow);
                Vierkant(p, pt, nHalfMidden, Qt::black);
            }
        }
        Vierkant(p, item.m_ptAnker, bGeselecteerd ? nHalfAnkerGeselecteerd : nHalfAnker,
            bGeselecteerd ? Qt::red : Qt::white);
        Vierkant(p, item.m_ptAnker, nHalfMidden, Qt::black);
    });
}
