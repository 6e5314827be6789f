#pragma once

#include "model/Types.h"
#include "render/PaginaTekenaar.h"

#include <QBasicTimer>
#include <QWidget>

#include <functional>
#include <list>
#include <vector>

class CDataItemBasis;
class CDataItemPagina;
class CZerbantikoDoc;
class IGeluidsmachine;
class IKlok;

// The full-screen window that shows the project to the audience, one page
// at a time at the monitor's own pixel size. It follows the document's
// project without copying it, turns clicks into the items' actions, keeps
// the page history for "@back", and never touches a page that is gone.
class CWndPresentatie : public QWidget {
    Q_OBJECT

public:
    CWndPresentatie(CZerbantikoDoc& doc, const IKlok& klok, IGeluidsmachine& geluid, QWidget* pOuder = nullptr);
    ~CWndPresentatie() override;

    // Shows the editor's current page (page 0 when there is none) over the
    // project's monitor, with an empty history; for a rehearsal in an
    // ordinary window on the editor's screen instead.
    void Start(bool bRepetitie = false);
    bool Repetitie() const { return m_bRepetitie; }
    // The closing path: hidden, timers stopped, cursor back.
    void Sluit();

    void ToonPagina(CDataItemPagina* pPagina);
    // Pushes the page being left (an item's page for an item).
    void NaarGeschiedenis(const CDataItemBasis* pElement);
    // Takes up to n pages (at least 1) from the history; the last taken, or null.
    CDataItemPagina* TerugInGeschiedenis(int n);
    // A left click on a clickable item: navigation here, anything else the item's action.
    void VoerKlikUit(CDataItemBasis& item);
    // The previous or next clickable item under the indicator; bTonen shows it.
    void KiesItem(int nRichting, bool bTonen = true);
    // Enter and its presenter keys: the item under a visible indicator.
    void Activeer(bool bStop);
    // An item run by a key: a jump as its click would, anything else by its action.
    void VoerUitDoorToets(CDataItemBasis& item, int nArgument);
    bool AutoVolgendeLoopt() const { return m_timerAutoVolgende.isActive(); }

    CDataItemPagina* Pagina() const { return m_pPagina; }
    const std::list<CDataItemPagina*>& Geschiedenis() const { return m_lstGeschiedenis; }
    // The project name that "[N]" shows, copied at the start.
    const QString& ProjectNaam() const { return m_strProjectNaam; }
    // Item i of the page on show covered entry i at the last paint (output coordinates).
    const std::vector<CRect>& Klikvlakken() const { return m_aKlikvlak; }
    const CRect& Uitvoer() const { return m_rectUitvoer; }
    bool KlokLoopt() const { return m_timerKlok.isActive(); }
    bool CursorVerborgen() const { return cursor().shape() == Qt::BlankCursor; }
    // The clickable item under a client point whose action would run, or null.
    CDataItemBasis* Raak(const QPoint& pt, bool bAlleenMetOpdracht) const;
    // Whether the pictures of the reachable pages are prepared while the show runs.
    void SetVoorbereiden(bool bAan) { m_bVoorbereiden = bAan; }

    // The whole client area as the window paints it.
    QImage OnDraw(const QSize& client);

    // A page change by key: the indicator starts anew on the new page.
    void ToonPaginaDoorToets(CDataItemPagina* pPagina);
    // Who takes the keys that arrive here (the show's control); none: no keys.
    void SetToetsen(std::function<void(QKeyEvent&)> toetsen) { m_toetsen = std::move(toetsen); }

signals:
    // Shown or hidden: the editor's start and stop commands follow.
    void zichtbaarheidGewijzigd();
    // What the audience sees changed: another page, the indicator moved, the
    // clock's second (for a page with fields).
    void beeldGewijzigd();
    // The window went to another screen (a projector plugged in or out).
    void schermGewijzigd();

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement);
    // After a change to the project: a page on show or in the history that
    // is gone is dropped without being touched.
    void ControleerPaginas();
    bool HoortBijProject(const CDataItemBasis* p) const;
    void Plaats();
    void PlaatsVoorRepetitie();
    void ToonCursor(bool bZichtbaar);
    // The pages one click or key away from the page on show: before and
    // after it, the targets of its "@page" items, the top of the history.
    std::vector<CDataItemPagina*> BereikbarePaginas() const;
    // Starts preparing their pictures in the background.
    void BereidBereikbareVoor();

    CZerbantikoDoc& m_doc;
    const IKlok& m_klok;
    IGeluidsmachine& m_geluid;
    CPaginaTekenaar m_tekenaar;
    CDataItemPagina* m_pPagina = nullptr;
    int m_nPaginaIndex = -1; // the index the page on show had, for when it goes
    CRect m_rectUitvoer;
    QImage m_beeld; // the page bitmap, kept between paints
    std::vector<CRect> m_aKlikvlak;
    std::list<CDataItemPagina*> m_lstGeschiedenis; // most recent first
    QString m_strProjectNaam;
    QBasicTimer m_timerKlok; // 100 ms: repaint when the clock's second changed
    QBasicTimer m_timerCursor; // 1 s after the mouse rests the cursor hides
    QBasicTimer m_timerAutoVolgende; // 200 ms after a key activation the indicator moves on
    int m_nLaatsteSeconde = -1;
    const CDataItemPagina* m_pVoorbereid = nullptr; // compared, never followed
    bool m_bVoorbereiden = true;
    std::function<void(QKeyEvent&)> m_toetsen;
    bool m_bRepetitie = false;
    bool m_bSchermGevolgd = false;
};
