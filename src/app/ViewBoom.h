#pragma once

#include "designer/BewerkOpdrachten.h"
#include "designer/ElementIconen.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

class CZerbantikoDoc;
class CDataItemBasis;
class QAction;

// The project tree: one node for the project, one per page, one per item.
// Selecting a node selects its element in the document.
class CViewBoom : public QTreeWidget {
    Q_OBJECT

public:
    CViewBoom(CZerbantikoDoc& doc, const SBewerkOpdrachten& opdrachten, QWidget* pOuder = nullptr);

    // "name [1]" .. "name [9]", "name [0]" for the first ten items of a page, then the name alone.
    static QString NodeTekst(const CDataItemBasis& element);

    QTreeWidgetItem* Node(const CDataItemBasis* pElement) const { return m_knopen.value(pElement); }
    CDataItemBasis* Element(const QTreeWidgetItem* pNode) const;
    // The context menu for the document's selection, built fresh.
    QMenu* MaakContextMenu(QWidget* pOuder);

public slots:
    void OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void Herbouw();
    void HerbouwKinderen(const CDataItemBasis& ouder);
    static void ZetTekst(QTreeWidgetItem* pNode, const CDataItemBasis& element);
    QTreeWidgetItem* MaakNode(CDataItemBasis& element, QTreeWidgetItem* pOuderNode);
    void SelecteerNode(const CDataItemBasis* pElement, bool bMelden);
    void OnSelectieGewijzigd(QTreeWidgetItem* pNieuw);

    CZerbantikoDoc& m_doc;
    SBewerkOpdrachten m_opdrachten;
    QHash<const CDataItemBasis*, QTreeWidgetItem*> m_knopen;
    bool m_bBezig = false; // while rebuilding, selection changes are not passed on
    QIcon m_aIcons[ElementIconen::Aantal];
};
