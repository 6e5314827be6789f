#include "ViewBoom.h"

#include "designer/ElementIconen.h"
#include "model/Hints.h"
#include "model/Teksten.h"
#include "model/ZerbantikoDoc.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>

CViewBoom::CViewBoom(CZerbantikoDoc& doc, const SBewerkOpdrachten& opdrachten, QWidget* pOuder)
    : QTreeWidget(pOuder)
    , m_doc(doc)
    , m_opdrachten(opdrachten)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // A long name scrolls sideways instead of hiding the item's number.
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int i = 0; i < ElementIconen::Aantal; ++i)
        m_aIcons[i] = ElementIconen::Icoon(i);
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* pNieuw, QTreeWidgetItem*) { OnSelectieGewijzigd(pNieuw); });
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CViewBoom::OnUpdate);
    Herbouw();
}

QString CViewBoom::NodeTekst(const CDataItemBasis& element)
{
    if (element.m_nSoort == Soort::Item && element.m_nIndex >= 0 && element.m_nIndex < 10)
        return QStringLiteral("%1 [%2]").arg(element.m_strNaam).arg((element.m_nIndex + 1) % 10);
    return element.m_strNaam;
}

void CViewBoom::ZetTekst(QTreeWidgetItem* pNode, const CDataItemBasis& element)
{
    const QString strTekst = NodeTekst(element);
    pNode->setText(0, strTekst);
    pNode->setToolTip(0, strTekst);
}

CDataItemBasis* CViewBoom::Element(const QTreeWidgetItem* pNode) const
{
    return pNode ? reinterpret_cast<CDataItemBasis*>(pNode->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* CViewBoom::MaakNode(CDataItemBasis& element, QTreeWidgetItem* pOuderNode)
{
    auto* pNode = new QTreeWidgetItem;
    ZetTekst(pNode, element);
    pNode->setIcon(0, m_aIcons[ElementIconen::Voor(element)]);
    pNode->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&element)));
    if (pOuderNode)
        pOuderNode->addChild(pNode);
    else
        addTopLevelItem(pNode);
    m_knopen.insert(&element, pNode);
    return pNode;
}

void CViewBoom::Herbouw()
{
    m_bBezig = true;
    clear();
    m_knopen.clear();
    QTreeWidgetItem* pProject = MaakNode(m_doc.m_project, nullptr);
    for (const auto& pPagina : m_doc.m_project.Kinderen()) {
        QTreeWidgetItem* pPaginaNode = MaakNode(*pPagina, pProject);
        for (const auto& pItem : pPagina->Kinderen())
            MaakNode(*pItem, pPaginaNode);
        pPaginaNode->setExpanded(true);
    }
    m_bBezig = false;
    pProject->setExpanded(true);
    const CDataItemBasis* pGeselecteerd = m_doc.GetGeselecteerd();
    SelecteerNode(pGeselecteerd && m_doc.m_project.AantalKinderen() > 0 ? pGeselecteerd : &m_doc.m_project, true);
}

void CViewBoom::HerbouwKinderen(const CDataItemBasis& ouder)
{
    QTreeWidgetItem* pNode = Node(&ouder);
    if (!pNode)
        return Herbouw();
    m_bBezig = true;
    for (QTreeWidgetItem* pKind : pNode->takeChildren()) {
        m_knopen.remove(Element(pKind));
        delete pKind;
    }
    for (const auto& pKind : ouder.Kinderen())
        MaakNode(*pKind, pNode);
    pNode->setExpanded(true);
    m_bBezig = false;
}

void CViewBoom::SelecteerNode(const CDataItemBasis* pElement, bool bMelden)
{
    QTreeWidgetItem* pNode = Node(pElement);
    if (!pNode)
        return;
    const bool bWas = m_bBezig;
    m_bBezig = !bMelden;
    setCurrentItem(pNode);
    pNode->setSelected(true);
    m_bBezig = bWas;
}

void CViewBoom::OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement)
{
    if (pSender == this)
        return;
    if (!pElement) {
        if (nHint == Hint::Uiterlijk)
            Herbouw(); // a new or opened project
        return;
    }
    switch (nHint) {
    case Hint::Naam:
        if (QTreeWidgetItem* pNode = Node(pElement))
            ZetTekst(pNode, *pElement);
        break;
    case Hint::Kinderen:
        HerbouwKinderen(*pElement);
        // The document already selected the element; show it without telling it again.
        SelecteerNode(m_doc.GetGeselecteerd(), false);
        break;
    case Hint::Paginas:
    case Hint::Toegevoegd:
        Herbouw();
        break;
    case Hint::AnderePagina:
    case Hint::SelectieOntwerp:
        SelecteerNode(pElement, false);
        break;
    case Hint::ItemToegevoegd:
        if (pElement->m_pOuder)
            HerbouwKinderen(*pElement->m_pOuder);
        SelecteerNode(pElement, true);
        break;
    default:
        break;
    }
}

void CViewBoom::OnSelectieGewijzigd(QTreeWidgetItem* pNieuw)
{
    if (m_bBezig || !pNieuw)
        return;
    CDataItemBasis* pElement = Element(pNieuw);
    if (!pElement)
        return;
    m_doc.SelecteerElement(pElement);
    pElement->m_nSelectieItem = -1;
    m_doc.UpdateAllViews(this, Hint::SelectieBoom, pElement);
}

void CViewBoom::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::RightButton) {
        if (QTreeWidgetItem* pNode = itemAt(pEvent->position().toPoint()))
            setCurrentItem(pNode);
        return;
    }
    QTreeWidget::mousePressEvent(pEvent);
}

QMenu* CViewBoom::MaakContextMenu(QWidget* pOuder)
{
    const CDataItemBasis* pS = m_doc.GetGeselecteerd();
    if (!pS)
        return nullptr;
    const CDataItemBasis* pK = m_doc.m_pKlembord.get();
    auto* pMenu = new QMenu(pOuder);
    // Entries carry the command's own action, enabled as the table says.
    auto voeg = [pMenu](QAction* pActie, const QString& strTekst, bool bAan) {
        VoegMenuOpdracht(*pMenu, pActie, strTekst, bAan);
    };
    const bool bEigenschappen = m_opdrachten.pEigenschappen && m_opdrachten.pEigenschappen->isEnabled();
    voeg(m_opdrachten.pEigenschappen, Tekst::Laad(21) + u' ' + pS->GetSoortNaam(), bEigenschappen);
    pMenu->addSeparator();
    switch (pS->m_nSoort) {
    case Soort::Project:
        voeg(m_opdrachten.pKnippen, Tekst::Laad(18), false);
        voeg(m_opdrachten.pKopieren, Tekst::Laad(17), false);
        voeg(m_opdrachten.pPlakken, Tekst::Laad(19), pK && pK->m_nSoort == Soort::Pagina);
        voeg(m_opdrachten.pVerwijderen, Tekst::Laad(20), false);
        pMenu->addSeparator();
        voeg(m_opdrachten.pPagina, Tekst::Laad(22), true);
        break;
    case Soort::Pagina:
        voeg(m_opdrachten.pKnippen, Tekst::Laad(18), false);
        voeg(m_opdrachten.pKopieren, Tekst::Laad(17), true);
        voeg(m_opdrachten.pPlakken, Tekst::Laad(19),
            pK && (pK->m_nSoort == Soort::Pagina || pK->m_nSoort == Soort::Item));
        voeg(m_opdrachten.pVerwijderen, Tekst::Laad(20), true);
        pMenu->addSeparator();
        voeg(m_opdrachten.pPagina, Tekst::Laad(22), true);
        pMenu->addSeparator();
        voeg(m_opdrachten.pTekst, Tekst::Laad(24), true);
        voeg(m_opdrachten.pAfbeelding, Tekst::Laad(25), true);
        voeg(m_opdrachten.pKleurvlak, Tekst::Laad(26), true);
        break;
    default:
        voeg(m_opdrachten.pKnippen, Tekst::Laad(18), true);
        voeg(m_opdrachten.pKopieren, Tekst::Laad(17), true);
        voeg(m_opdrachten.pPlakken, Tekst::Laad(19), pK != nullptr);
        voeg(m_opdrachten.pVerwijderen, Tekst::Laad(20), true);
        pMenu->addSeparator();
        voeg(m_opdrachten.pTekst, Tekst::Laad(24), true);
        voeg(m_opdrachten.pAfbeelding, Tekst::Laad(25), true);
        voeg(m_opdrachten.pKleurvlak, Tekst::Laad(26), true);
        break;
    }
    return pMenu;
}

void CViewBoom::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu* pMenu = MaakContextMenu(this);
    if (!pMenu)
        return;
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    pMenu->popup(pEvent->globalPos());
}
