#pragma once

#include "BewerkOpdrachten.h"
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
class QAction;
class QMenu;

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

    // The editing commands the right-click menu offers.
    void SetOpdrachten(const SBewerkOpdrachten& opdrachten) { m_opdrachten = opdrachten; }
    // The right-click menu at client point p, built fresh (after the press has selected).
    QMenu* MaakContextMenu(const QPoint& p, QWidget* pOuder);

    // What a press on the selected item grabbed: 0 the whole item, 1-8 a handle, -1 nothing.
    int Greep() const { return m_nGreep; }
    bool Sleept() const { return m_bSlepen; }
    // The rubber band as drawn last, client coordinates.
    const CRect& SleepRechthoek() const { return m_rectSleep; }
    // How often the page was composed (the band is drawn without composing).
    int Composities() const { return m_nComposities; }

public slots:
    void OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab belongs to the view

private:
    // A point of the client in page coordinates.
    CPoint NaarPagina(const QPoint& p) const;
    // The first index whose click rectangle holds the page point; -1 none.
    int Raak(const CPoint& q) const;
    int RaakGreep(const CDataItemBasis& item, const CPoint& q) const;
    void ZetCursor(int nGreep);
    void Druk(const QPoint& p);
    std::vector<double> Ankers(bool bX) const;

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
    SBewerkOpdrachten m_opdrachten;
    QImage m_laatste; // the client as composed last; a drag draws its band over it
    int m_nComposities = 0;
    bool m_bSlepen = false;
    QPoint m_ptNeer;
    QPoint m_ptLaatst;
    CRect m_rectStart; // the grabbed item's rectangle, client coordinates
    CRect m_rectSleep;
    int m_nHoverItem = -1;
    int m_nGreep = -1;
};
