#include "Commandos.h"

#include "DataItemBasis.h"
#include "Hints.h"
#include "ZerbantikoDoc.h"

#include <algorithm>

namespace {

int HintToegevoegd(const CDataItemBasis& element)
{
    return element.m_nSoort == Soort::Pagina ? Hint::Toegevoegd : Hint::ItemToegevoegd;
}

int HintWeg(const CZerbantikoDoc& doc, const CDataItemBasis& container)
{
    return &container == &doc.m_project ? Hint::Paginas : Hint::Kinderen;
}

} // namespace

CInvoegCommando::CInvoegCommando(CZerbantikoDoc& doc, CDataItemBasis& container,
    std::unique_ptr<CDataItemBasis> pElement, int nPlaats, int nPositie, int nHint, const QString& strTekst)
    : QUndoCommand(strTekst)
    , m_doc(doc)
    , m_container(container)
    , m_pElement(pElement.get())
    , m_pBewaard(std::move(pElement))
    , m_nPlaats(nPlaats)
    , m_nPositie(nPositie)
    , m_nHint(nHint)
{
}

void CInvoegCommando::redo()
{
    if (m_nIndex < 0) {
        m_doc.VoegToe(m_container, CZerbantikoDoc::Plaats(m_nPlaats), m_nPositie, std::move(m_pBewaard));
        m_nIndex = m_pElement->m_nIndex;
    } else {
        m_container.VoegKindIn(m_nIndex, std::move(m_pBewaard));
    }
    m_doc.SelecteerElement(m_pElement);
    m_doc.UpdateAllViews(nullptr, m_nHint, m_pElement);
}

void CInvoegCommando::undo()
{
    m_doc.SelecteerElement(&m_container);
    m_pBewaard = m_doc.NeemWeg(m_container, m_nIndex);
    m_doc.UpdateAllViews(nullptr, HintWeg(m_doc, m_container), &m_container);
}

CVerwijderCommando::CVerwijderCommando(CZerbantikoDoc& doc, CDataItemBasis& element, int nHint, const QString& strTekst)
    : QUndoCommand(strTekst)
    , m_doc(doc)
    , m_container(*element.m_pOuder)
    , m_pElement(&element)
    , m_nIndex(element.m_nIndex)
    , m_nHint(nHint)
{
}

void CVerwijderCommando::redo()
{
    m_doc.SelecteerElement(&m_container);
    m_pBewaard = m_doc.NeemWeg(m_container, m_nIndex);
    m_doc.UpdateAllViews(nullptr, m_nHint, &m_container);
}

void CVerwijderCommando::undo()
{
    m_container.VoegKindIn(m_nIndex, std::move(m_pBewaard));
    m_doc.SelecteerElement(m_pElement);
    m_doc.UpdateAllViews(nullptr, HintToegevoegd(*m_pElement), m_pElement);
}

CVeldenCommando::CVeldenCommando(CZerbantikoDoc& doc, CDataItemBasis& element, const CDataItemVelden& voor,
    const CDataItemVelden& na, int nHint, const QString& strTekst, int nSamen)
    : QUndoCommand(strTekst)
    , m_doc(doc)
    , m_element(element)
    , m_voor(voor)
    , m_na(na)
    , m_nHint(nHint)
    , m_nSamen(nSamen)
{
}

void CVeldenCommando::Zet(const CDataItemVelden& velden)
{
    const bool bAnderBeeld = m_element.m_strAfbeelding != velden.m_strAfbeelding;
    static_cast<CDataItemVelden&>(m_element) = velden;
    if (bAnderBeeld)
        m_element.m_picture.Load(m_doc.Zoeker().Zoek(velden.m_strAfbeelding));
    m_doc.UpdateAllViews(nullptr, m_nHint, &m_element);
    for (int nHint : m_aExtraHints)
        m_doc.UpdateAllViews(nullptr, nHint, &m_element);
}

void CVeldenCommando::redo()
{
    Zet(m_na);
}

void CVeldenCommando::undo()
{
    Zet(m_voor);
}

bool CVeldenCommando::mergeWith(const QUndoCommand* pAnder)
{
    const auto* p = static_cast<const CVeldenCommando*>(pAnder);
    if (&p->m_element != &m_element)
        return false;
    m_na = p->m_na;
    return true;
}

CVerplaatsCommando::CVerplaatsCommando(CZerbantikoDoc& doc, CDataItemBasis& container, int nVan, int nNaar, int nHint,
    const QString& strTekst, bool bSelectieNaarBegin)
    : QUndoCommand(strTekst)
    , m_doc(doc)
    , m_container(container)
    , m_nVan(nVan)
    , m_nNaar(std::min(nNaar, container.AantalKinderen() - 1))
    , m_nHint(nHint)
    , m_bSelectieNaarBegin(bSelectieNaarBegin)
    , m_nSelectieItemVoor(container.m_nSelectieItem)
    , m_bSelectieZichtbaarVoor(container.m_bSelectieZichtbaar)
{
}

void CVerplaatsCommando::Verplaats(int nVan, int nNaar)
{
    std::unique_ptr<CDataItemBasis> pKind = m_container.NeemKindWeg(nVan);
    if (!pKind)
        return;
    m_container.VoegKindIn(nNaar, std::move(pKind));
    m_doc.UpdateAllViews(nullptr, m_nHint, &m_container);
}

void CVerplaatsCommando::redo()
{
    if (m_bSelectieNaarBegin) {
        m_container.m_nSelectieItem = 0;
        m_container.m_bSelectieZichtbaar = 0;
    }
    Verplaats(m_nVan, m_nNaar);
}

void CVerplaatsCommando::undo()
{
    if (m_bSelectieNaarBegin) {
        m_container.m_nSelectieItem = m_nSelectieItemVoor;
        m_container.m_bSelectieZichtbaar = m_bSelectieZichtbaarVoor;
    }
    Verplaats(m_nNaar, m_nVan);
}
