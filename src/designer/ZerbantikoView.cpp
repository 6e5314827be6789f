#include "ZerbantikoView.h"

#include "OntwerpBewerking.h"
#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/Teksten.h"
#include "model/ZerbantikoDoc.h"
#include "render/Geometrie.h"
#include "render/Klok.h"
#include "render/TekstVelden.h"
#include "show/Monitors.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QUndoStack>

namespace {

constexpr int nKlokPeriode = 100; // ms
const QColor kleurRaster(128, 128, 128); // frames and crosses of empty overview cells

// A picture of the part r of beeld that shares its pixels: what is drawn in
// it lands in beeld, without a picture of its own to copy over.
QImage Deel(QImage& beeld, const CRect& r)
{
    Q_ASSERT(QRect(0, 0, beeld.width(), beeld.height()).contains(QRect(r.left, r.top, r.Width(), r.Height())));
    Q_ASSERT(beeld.format() == QImage::Format_RGB32);
    constexpr int nBytesPerPixel = 4;
    return QImage(beeld.bits() + qsizetype(r.top) * beeld.bytesPerLine() + qsizetype(r.left) * nBytesPerPixel,
        r.Width(), r.Height(), beeld.bytesPerLine(), QImage::Format_RGB32);
}

} // namespace

CZerbantikoView::CZerbantikoView(CZerbantikoDoc& doc, const IKlok& klok, QWidget* pParent)
    : QWidget(pParent)
    , m_doc(doc)
    , m_klok(klok)
    , m_tekenaar(CPaginaTekenaar::Variant::Ontwerp, klok)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole view
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(64, 36);
    setMouseTracking(true); // the handles' cursors show before a click
    m_markeringen.KoppelAan(m_tekenaar);
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CZerbantikoView::OnUpdate);
    // An undo or redo during a drag may select another item, or move this
    // one: the drag is given up rather than written into whatever is
    // selected at the release.
    connect(&m_doc.Undo(), &QUndoStack::indexChanged, this, [this] {
        if (m_bSlepen) {
            m_bSlepen = false;
            unsetCursor();
            update();
        }
    });
}

QImage CZerbantikoView::OnDraw(const QSize& client)
{
    CDataItemProject& project = m_doc.m_project;
    m_rectClient = { 0, 0, client.width(), client.height() };
    QImage venster
        = CPaginaTekenaar::TekenVenster(client, KiesMonitor(project).GeefRechthoek(), project, m_rectUitvoer);
    if (m_rectUitvoer.IsEmpty())
        return venster;
    // The page is drawn straight into its place in the client's picture.
    QImage bitmap = Deel(venster, m_rectUitvoer);
    TekenInhoud(bitmap); // nothing selected leaves the grey client area
    return venster;
}

bool CZerbantikoView::TekenInhoud(QImage& bitmap)
{
    const CDataItemBasis* pGeselecteerd = m_doc.GetGeselecteerd();
    CDataItemPagina* pPagina = nullptr;
    if (pGeselecteerd && pGeselecteerd->m_nSoort == Soort::Project) {
        m_pPagina = nullptr;
        TekenOverzicht(bitmap);
        return true;
    }
    if (!pGeselecteerd || !(pPagina = m_doc.GetHuidigePagina()))
        return false;
    const bool bAnderePagina = pPagina != m_pPagina;
    if (bAnderePagina) {
        // Another page: its fonts follow this paint's output size.
        m_nFontHoogte = 0;
        m_tekenaar.SetFontHoogte(m_nFontHoogte);
    }
    m_pPagina = pPagina;
    // Once a show has run, the tree follows the page the designer shows.
    if (bAnderePagina && m_doc.m_pShowStartPagina)
        m_doc.UpdateAllViews(this, Hint::AnderePagina, pPagina);
    m_markeringen.BeginPagina(pPagina, pGeselecteerd);
    m_tekenaar.DrawPage(bitmap, *pPagina, pGeselecteerd);
    m_tekenaar.DrawSelectionIndicator(bitmap, *pPagina, m_doc.m_project, pGeselecteerd);
    m_markeringen.EindPagina(*pPagina);
    m_aRectItem = m_tekenaar.ItemRechthoeken();
    const auto& aGeometrie = m_markeringen.Geometrie();
    m_aRectKlik.resize(aGeometrie.size());
    for (size_t i = 0; i < aGeometrie.size(); ++i)
        m_aRectKlik[i] = aGeometrie[i].rectKlik;
    return true;
}

QImage CZerbantikoView::TekenVoorAfdruk(const QSize& ruimte)
{
    CDataItemProject& project = m_doc.m_project;
    const CRect uitvoer
        = Geometrie::ComputeOutputRect({ 0, 0, ruimte.width(), ruimte.height() }, KiesMonitor(project).GeefRechthoek());
    if (uitvoer.IsEmpty())
        return {};
    // Drawn as the view draws, at the print's size, with fonts for that size.
    const CSize sizeBewaard = project.m_sizeDoel;
    const CRect rectBewaard = project.m_rectMonitor;
    project.m_sizeDoel = { uitvoer.Width(), uitvoer.Height() };
    project.m_rectMonitor = { 0, 0, uitvoer.Width(), uitvoer.Height() };
    m_tekenaar.SetFontHoogte(0);
    QImage bitmap(uitvoer.Width(), uitvoer.Height(), QImage::Format_RGB32);
    const bool bGetekend = TekenInhoud(bitmap);
    project.m_sizeDoel = sizeBewaard;
    project.m_rectMonitor = rectBewaard;
    m_tekenaar.SetFontHoogte(m_nFontHoogte);
    update();
    return bGetekend ? bitmap : QImage();
}

void CZerbantikoView::TekenOverzicht(QImage& bitmap)
{
    CDataItemProject& project = m_doc.m_project;
    const int W = bitmap.width(), H = bitmap.height();
    bitmap.fill(QColor(
        GetRValue(project.m_clrKleurvlak), GetGValue(project.m_clrKleurvlak), GetBValue(project.m_clrKleurvlak)));
    const int n = project.AantalKinderen();
    int g = nMaxRaster;
    for (int k = 2; k < nMaxRaster; ++k) {
        if (n <= k * k) {
            g = k;
            break;
        }
    }
    m_aRectItem.assign(size_t(qMax(n, g * g)), CRect {});
    m_aRectKlik = m_aRectItem;
    m_markeringen.BeginPagina(nullptr, nullptr);

    // The thumbnails draw what the designer draws, anchor marks included.
    CPaginaTekenaar mini(CPaginaTekenaar::Variant::Ontwerp, m_klok);
    COntwerpMarkeringen miniMarkeringen;
    miniMarkeringen.KoppelAan(mini);
    QPainter p(&bitmap);
    for (int d = 0; d < g * g; ++d) {
        const int left = Geometrie::Trunc(((d % g) * W) / g + W * 0.02);
        const int top = Geometrie::Trunc(((d / g) * H) / g + H * 0.02);
        const int right = Geometrie::Trunc(W / g + left - W * 0.04);
        const int bottom = Geometrie::Trunc(top + H / g - H * 0.04);
        const CRect cel { left, top, right, bottom };
        const QRect q(left, top, cel.Width(), cel.Height());
        if (d < n && !cel.IsEmpty()) {
            auto* pPagina = dynamic_cast<CDataItemPagina*>(project.GetKind(d));
            if (!pPagina)
                continue;
            // The thumbnail's texts get fonts for the thumbnail's height.
            QImage duim = Deel(bitmap, cel);
            miniMarkeringen.BeginPagina(pPagina, nullptr);
            mini.DrawPage(duim, *pPagina, nullptr);
            p.setPen(Qt::white);
            p.drawRect(q.adjusted(0, 0, -1, -1));
            m_aRectItem[size_t(d)] = cel;
            m_aRectKlik[size_t(d)] = cel;
            m_pPagina = pPagina;
        } else if (d >= n) {
            p.setPen(kleurRaster);
            p.drawRect(q.adjusted(0, 0, -1, -1));
            p.drawLine(q.topLeft(), q.bottomRight());
            p.drawLine(q.topRight(), q.bottomLeft());
        }
    }
}

void CZerbantikoView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_bSlepen && m_laatste.size() == size()) {
        // During a drag the page is not composed anew: the band lies over the
        // last picture, inverting what is under it, the start outline too.
        p.drawImage(0, 0, m_laatste);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        for (const CRect& r : { m_rectStart, m_rectSleep })
            p.drawRect(QRect(r.left, r.top, r.Width(), r.Height()));
        return;
    }
    m_laatste = OnDraw(size());
    ++m_nComposities;
    p.drawImage(0, 0, m_laatste);
}

CPoint CZerbantikoView::NaarPagina(const QPoint& p) const
{
    return { p.x() - m_rectUitvoer.left, p.y() - m_rectUitvoer.top };
}

int CZerbantikoView::Raak(const CPoint& q) const
{
    for (size_t i = 0; i < m_aRectKlik.size(); ++i) {
        if (m_aRectKlik[i].Contains(q))
            return int(i);
    }
    return -1;
}

int CZerbantikoView::RaakGreep(const CDataItemBasis& item, const CPoint& q) const
{
    const auto& a = m_markeringen.Geometrie();
    if (item.m_nIndex < 0 || size_t(item.m_nIndex) >= a.size())
        return -1;
    const auto& aGrepen = a[size_t(item.m_nIndex)].aRectGreep;
    for (size_t i = 0; i < aGrepen.size(); ++i) {
        if (aGrepen[i].Contains(q))
            return int(i) + 1;
    }
    return -1;
}

void CZerbantikoView::ZetCursor(int nGreep)
{
    switch (nGreep) {
    case 1:
    case 3:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case 2:
    case 4:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case 5:
    case 7:
        setCursor(Qt::SizeHorCursor);
        break;
    case 6:
    case 8:
        setCursor(Qt::SizeVerCursor);
        break;
    default:
        setCursor(Qt::SizeAllCursor);
        break;
    }
}

void CZerbantikoView::mouseMoveEvent(QMouseEvent* pEvent)
{
    const QPoint p = pEvent->position().toPoint();
    CDataItemBasis* pS = m_doc.GetGeselecteerd();
    if (m_bSlepen) {
        const int dx = p.x() - m_ptLaatst.x(), dy = p.y() - m_ptLaatst.y();
        if (pS && pS->m_nSoort == Soort::Item && pS->m_nIndex == m_nHoverItem)
            m_rectSleep = OntwerpBewerking::Versleep(m_rectSleep, m_nGreep, dx, dy);
        m_ptLaatst = p;
        update();
        return;
    }
    const CPoint q = NaarPagina(p);
    m_nHoverItem = pS ? Raak(q) : -1;
    if (m_nHoverItem < 0) {
        unsetCursor();
    } else if (pS && pS->m_nSoort == Soort::Item && pS->m_nIndex == m_nHoverItem) {
        ZetCursor(RaakGreep(*pS, q));
    } else {
        setCursor(Qt::PointingHandCursor);
    }
}

void CZerbantikoView::Druk(const QPoint& p)
{
    m_bSlepen = false;
    m_ptNeer = m_ptLaatst = p;
    const CPoint q = NaarPagina(p);
    CDataItemBasis* pS = m_doc.GetGeselecteerd();
    if (!pS)
        return;
    if (pS->m_nSoort == Soort::Project) {
        const int d = Raak(q);
        if (d >= 0 && m_doc.SetHuidigePagina(d))
            m_doc.UpdateAllViews(nullptr, Hint::SelectieOntwerp, m_doc.GetHuidigePagina());
        return;
    }
    CDataItemPagina* pPagina = m_doc.GetHuidigePagina();
    if (!pPagina)
        return;
    const int i = Raak(q);
    if (i < 0) {
        m_doc.SelecteerElement(pPagina);
        m_doc.UpdateAllViews(nullptr, Hint::SelectieOntwerp, pPagina);
        update();
        return;
    }
    CDataItemBasis* pItem = pPagina->GetKind(i);
    if (!pItem)
        return;
    if (pS != pItem) {
        m_doc.SelecteerElement(pItem);
        m_doc.UpdateAllViews(nullptr, Hint::SelectieOntwerp, pItem);
        // The new selection's marks and handle zones are drawn before the drag begins.
        m_laatste = OnDraw(size());
        ++m_nComposities;
    }
    m_bSlepen = true;
    m_nHoverItem = i;
    const CRect& r = m_aRectItem[size_t(i)];
    m_rectStart = m_rectSleep = { r.left + m_rectUitvoer.left, r.top + m_rectUitvoer.top, r.right + m_rectUitvoer.left,
        r.bottom + m_rectUitvoer.top };
    m_nGreep = RaakGreep(*pItem, q);
    if (m_nGreep < 0)
        m_nGreep = 0;
    ZetCursor(m_nGreep);
}

void CZerbantikoView::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        Druk(pEvent->position().toPoint());
}

void CZerbantikoView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton || !m_bSlepen)
        return;
    m_bSlepen = false;
    const QPoint p = pEvent->position().toPoint();
    if (p == m_ptNeer) {
        update(); // a plain click: the band goes, nothing changes
        return;
    }
    CDataItemBasis* pS = m_doc.GetGeselecteerd();
    if (!pS || pS->m_nSoort != Soort::Item || m_rectUitvoer.IsEmpty()) {
        update();
        return;
    }
    CRect R = m_rectSleep;
    if (pS->m_nIndex == m_nHoverItem)
        R = OntwerpBewerking::Versleep(R, m_nGreep, p.x() - m_ptLaatst.x(), p.y() - m_ptLaatst.y());
    R = OntwerpBewerking::Normaliseer({ R.left - m_rectUitvoer.left, R.top - m_rectUitvoer.top,
        R.right - m_rectUitvoer.left, R.bottom - m_rectUitvoer.top });
    const CDataItemVelden na
        = OntwerpBewerking::NaSlepen(*pS, m_doc.m_project, R, m_rectUitvoer.Width(), m_rectUitvoer.Height(), m_nGreep);
    m_doc.WijzigVelden(
        *pS, na, Hint::PositieGrootte, m_nGreep > 0 ? QStringLiteral("grootte slepen") : QStringLiteral("verslepen"));
    update();
}

void CZerbantikoView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_bSlepen = false;
    if (m_doc.GetGeselecteerd())
        m_doc.OnEigenschappen();
}

QMenu* CZerbantikoView::MaakContextMenu(const QPoint& p, QWidget* pOuder)
{
    Druk(p);
    m_bSlepen = false;
    if (!m_doc.m_project.m_rectMonitor.Contains({ p.x(), p.y() }))
        return nullptr;
    CDataItemBasis* pS = m_doc.GetGeselecteerd();
    if (!pS)
        return nullptr;
    m_doc.m_ptInvoegPositie = { p.x(), p.y() };
    const CPoint q = NaarPagina(p);
    int k = -1;
    for (size_t i = 0; i < m_aRectItem.size() && k < 0; ++i) {
        if (m_aRectItem[i].Contains(q))
            k = int(i);
    }
    auto* pMenu = new QMenu(pOuder);
    // Entries carry the command's own action, enabled as the table says.
    auto voeg = [pMenu](QAction* pActie, const QString& strTekst, bool bAan) {
        VoegMenuOpdracht(*pMenu, pActie, strTekst, bAan);
    };
    voeg(m_opdrachten.pEigenschappen, Tekst::Laad(21) + u' ' + pS->GetSoortNaam(), true);
    pMenu->addSeparator();
    const CDataItemBasis* pK = m_doc.m_pKlembord.get();
    if (pS->m_nSoort == Soort::Project) {
        if (k >= 0)
            m_doc.m_pKopieerBron = m_doc.m_project.GetKind(k);
        voeg(m_opdrachten.pKnippen, Tekst::Laad(18), k >= 0);
        voeg(m_opdrachten.pKopieren, Tekst::Laad(17), k >= 0);
        voeg(m_opdrachten.pPlakken, Tekst::Laad(19), pK && pK->m_nSoort == Soort::Pagina);
        voeg(m_opdrachten.pVerwijderen, Tekst::Laad(20), k >= 0);
        pMenu->addSeparator();
        voeg(m_opdrachten.pPagina, Tekst::Laad(22), true);
    } else {
        voeg(m_opdrachten.pKnippen, Tekst::Laad(18), k >= 0);
        voeg(m_opdrachten.pKopieren, Tekst::Laad(17), true);
        voeg(m_opdrachten.pPlakken, Tekst::Laad(19), pK != nullptr);
        voeg(m_opdrachten.pVerwijderen, Tekst::Laad(20), k >= 0);
        pMenu->addSeparator();
        voeg(m_opdrachten.pTekst, Tekst::Laad(24), true);
        voeg(m_opdrachten.pAfbeelding, Tekst::Laad(25), true);
        voeg(m_opdrachten.pKleurvlak, Tekst::Laad(26), true);
    }
    return pMenu;
}

void CZerbantikoView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    std::unique_ptr<QMenu> pMenu(MaakContextMenu(pEvent->pos(), this));
    if (pMenu)
        pMenu->exec(pEvent->globalPos());
}

std::vector<double> CZerbantikoView::Ankers(bool bX) const
{
    std::vector<double> a;
    if (const CDataItemPagina* pPagina = m_doc.GetHuidigePagina()) {
        for (const auto& pItem : pPagina->Kinderen())
            a.push_back(bX ? pItem->m_dAnkerX : pItem->m_dAnkerY);
    }
    return a;
}

void CZerbantikoView::keyPressEvent(QKeyEvent* pEvent)
{
    CDataItemBasis* pS = m_doc.GetGeselecteerd();
    const bool bShift = pEvent->modifiers() & Qt::ShiftModifier;
    const bool bCtrl = pEvent->modifiers() & Qt::ControlModifier;
    int nToets = pEvent->key();
    if (nToets == Qt::Key_Backtab)
        nToets = Qt::Key_Tab;
    if (!pS)
        return QWidget::keyPressEvent(pEvent);
    if (nToets == Qt::Key_Return || nToets == Qt::Key_Enter) {
        m_doc.OnEigenschappen();
        return;
    }
    CDataItemPagina* pPagina = m_doc.GetHuidigePagina();
    const int nRichting = bShift || pEvent->key() == Qt::Key_Backtab ? -1 : +1;
    if (nToets == Qt::Key_Tab && pPagina && pPagina->AantalKinderen() > 0) {
        const int n = pPagina->AantalKinderen();
        if (pS->m_nSoort == Soort::Pagina) {
            // A preview of the presenter's navigation over the clickable items.
            if (const int i = pPagina->VolgendKlikbaarItem(pPagina->m_nSelectieItem, nRichting); i >= 0) {
                pPagina->m_nSelectieItem = i;
                pPagina->m_bSelectieZichtbaar = 1;
                update();
                m_doc.UpdateAllViews(nullptr, Hint::SelectieIndicator, pPagina);
            }
        } else if (pS->m_nSoort == Soort::Item) {
            m_doc.Selecteer(pPagina->m_nIndex, (pS->m_nIndex + nRichting + n) % n);
            m_doc.UpdateAllViews(nullptr, Hint::SelectieOntwerp, m_doc.GetGeselecteerd());
        }
        return;
    }
    if ((nToets == Qt::Key_PageUp || nToets == Qt::Key_PageDown) && pPagina
        && (pS->m_nSoort == Soort::Pagina || pS->m_nSoort == Soort::Item)) {
        const int nLaatste = m_doc.m_project.AantalKinderen() - 1;
        const int i = nToets == Qt::Key_PageUp ? (bCtrl ? 0 : std::max(0, pPagina->m_nIndex - 1))
                                               : (bCtrl ? nLaatste : std::min(nLaatste, pPagina->m_nIndex + 1));
        m_doc.SetHuidigePagina(i);
        update();
        m_doc.UpdateAllViews(nullptr, Hint::SelectieOntwerp, pS);
        return;
    }
    if (pS->m_nSoort != Soort::Item)
        return QWidget::keyPressEvent(pEvent);
    CDataItemVelden na = *pS;
    const int n = qMax(1, pEvent->count());
    if (!OntwerpBewerking::Toets(na, nToets, bShift, bCtrl, n, Ankers(true), Ankers(false)))
        return QWidget::keyPressEvent(pEvent);
    // Consecutive nudges of the item with the same key are one step.
    const int nSamen = nToets ^ (bShift ? 0x1000000 : 0) ^ (bCtrl ? 0x2000000 : 0);
    m_doc.WijzigVelden(*pS, na, Hint::PositieGrootte, QStringLiteral("verschuiven"), nSamen);
    update();
}

void CZerbantikoView::resizeEvent(QResizeEvent*)
{
    CDataItemPagina* pPagina = m_doc.GetHuidigePagina();
    if (m_doc.m_project.AantalKinderen() == 0 || !pPagina)
        return;
    // Fonts follow a fixed 16:9 shape here; the paint then draws with the monitor's.
    m_pPagina = pPagina;
    m_rectClient = { 0, 0, width(), height() };
    m_rectUitvoer = Geometrie::FitRect(m_rectClient, 1920, 1080);
    m_doc.m_project.m_sizeDoel = { m_rectUitvoer.Width(), m_rectUitvoer.Height() };
    m_doc.m_project.m_rectMonitor = m_rectUitvoer;
    m_nFontHoogte = m_rectUitvoer.Height();
    m_tekenaar.SetFontHoogte(m_nFontHoogte);
    update();
}

void CZerbantikoView::OnUpdate(QObject* pSender, int nHint, CDataItemBasis* pElement)
{
    if (pSender == this)
        return;
    if (!pElement) {
        if (nHint != Hint::Uiterlijk)
            return;
        m_bSlepen = false;
        // A new or opened project: everything is new.
        m_pPagina = nullptr;
        m_markeringen.BeginPagina(nullptr, nullptr);
    } else if (nHint == Hint::Toegevoegd) {
        return;
    }
    // Every other change, a change of selection by whatever window included,
    // repaints: handles and marks follow the selection.
    // A changed font (hint 1) is built anew at the paint: fonts follow their fields.
    update();
    ZetKlok();
}

void CZerbantikoView::ZetKlok()
{
    const CDataItemPagina* pPagina = m_doc.GetHuidigePagina();
    if (m_doc.m_project.AantalKinderen() > 0 && pPagina && HeeftVelden(*pPagina)) {
        if (!m_klokTimer.isActive())
            m_klokTimer.start(nKlokPeriode, this);
    } else {
        m_klokTimer.stop();
    }
}

void CZerbantikoView::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_klokTimer.timerId())
        return QWidget::timerEvent(pEvent);
    const auto tijd = m_klok.Tijd();
    const int nNu = tijd ? tijd->nUur * 3600 + tijd->nMinuut * 60 + tijd->nSeconde : -1;
    if (nNu != m_nLaatsteSeconde) {
        m_nLaatsteSeconde = nNu;
        update();
    }
}
