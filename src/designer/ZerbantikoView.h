#pragma once

#include "OntwerpGeometrie.h"
#include "model/Types.h"
#include "render/PaginaTekenaar.h"

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

#include <vector>

class CZerbantikoDoc;
class CDataItemBasis;
class CDataItemPagina;
class QPrinter;

// The editor's main view: the current page as the show will draw it, with
// the design marks, or an overview of all pages while the project is selected.
class CZerbantikoView : public QWidget {
    Q_OBJECT

public:
    explicit CZerbantikoView(CZerbantikoDoc& doc, QWidget* pParent = nullptr);

    // The whole client area as the view paints it.
    QImage OnDraw(const QSize& client);
    void Print(QPrinter& printer);

    const std::vector<CRect>& ItemRechthoeken() const { return m_aRectItem; }
    const std::vector<CRect>& KlikRechthoeken() const { return m_aRectKlik; }
    const std::vector<COntwerpGeometrie>& Geometrie() const { return m_aGeometrie; }
    const CRect& Uitvoer() const { return m_rectUitvoer; }
    bool KlokLoopt() const { return m_klok.isActive(); }

public slots:
    void OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void TekenOverzicht(QImage& bitmap);
    void TekenMarkeringen(CTekenaar& t, CDataItemBasis& item);
    void ZetKlok();

    CZerbantikoDoc& m_doc;
    CPaginaTekenaar m_tekenaar;
    CRect m_rectClient;
    CRect m_rectUitvoer;
    const CDataItemPagina* m_pPagina = nullptr;
    std::vector<CRect> m_aRectItem;
    std::vector<CRect> m_aRectKlik;
    std::vector<COntwerpGeometrie> m_aGeometrie;
    QBasicTimer m_klok; // timer 112: clock texts tick
    int m_nLaatsteSeconde = -1;
};
