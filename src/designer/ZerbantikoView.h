#pragma once

#include "OntwerpGeometrie.h"
#include "OntwerpMarkeringen.h"
#include "model/Types.h"
#include "render/PaginaTekenaar.h"

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

#include <vector>

class CZerbantikoDoc;
class CDataItemBasis;
class CDataItemPagina;
class IKlok;

// The editor's main view: the current page as the show will draw it, with
// the design marks, or an overview of all pages while the project is selected.
class CZerbantikoView : public QWidget {
    Q_OBJECT

public:
    // Clock texts read the clock given here.
    CZerbantikoView(CZerbantikoDoc& doc, const IKlok& klok, QWidget* pParent = nullptr);

    // The whole client area as the view paints it.
    QImage OnDraw(const QSize& client);
    // The font a text item was last drawn with here.
    const QFont* Font(const CDataItemBasis& item) const { return m_tekenaar.Font(item); }
    // What the view shows (the page or the overview) without the window
    // around it, in the monitor's shape as large as fits in ruimte; for
    // printing. Null when there is nothing to show.
    QImage TekenVoorAfdruk(const QSize& ruimte);

    const std::vector<CRect>& ItemRechthoeken() const { return m_aRectItem; }
    const std::vector<CRect>& KlikRechthoeken() const { return m_aRectKlik; }
    const std::vector<COntwerpGeometrie>& Geometrie() const { return m_markeringen.Geometrie(); }
    const CRect& Uitvoer() const { return m_rectUitvoer; }
    bool KlokLoopt() const { return m_klokTimer.isActive(); }
    // The overview shows at most nMaxRaster x nMaxRaster pages.
    static constexpr int nMaxRaster = 8;

public slots:
    void OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    // The page or the overview, by the selection, into a bitmap of the output's size.
    bool TekenInhoud(QImage& bitmap);
    void TekenOverzicht(QImage& bitmap);
    void ZetKlok();

    CZerbantikoDoc& m_doc;
    const IKlok& m_klok;
    CPaginaTekenaar m_tekenaar;
    COntwerpMarkeringen m_markeringen;
    CRect m_rectClient;
    CRect m_rectUitvoer;
    const CDataItemPagina* m_pPagina = nullptr; // compared, never followed
    int m_nFontHoogte = 0; // the output height this view's fonts follow; 0: the paint's
    std::vector<CRect> m_aRectItem;
    std::vector<CRect> m_aRectKlik;
    QBasicTimer m_klokTimer; // timer 112: clock texts tick
    int m_nLaatsteSeconde = -1;
};
