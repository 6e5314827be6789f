#include "ZerbantikoView.h"

#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/Geometrie.h"
#include "render/Klok.h"
#include "render/TekstVelden.h"
#include "show/Monitors.h"

#include <QPainter>
#include <QTimerEvent>

namespace {

constexpr int nKlokPeriode = 100; // ms
const QColor kleurRaster(128, 128, 128); // frames and crosses of empty overview cells

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
    m_markeringen.KoppelAan(m_tekenaar);
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CZerbantikoView::OnUpdate);
}

QImage CZerbantikoView::OnDraw(const QSize& client)
{
    CDataItemProject& project = m_doc.m_project;
    m_rectClient = { 0, 0, client.width(), client.height() };
    QImage venster
        = CPaginaTekenaar::TekenVenster(client, KiesMonitor(project).GeefRechthoek(), project, m_rectUitvoer);
    if (m_rectUitvoer.IsEmpty())
        return venster;
    QImage bitmap(m_rectUitvoer.Width(), m_rectUitvoer.Height(), QImage::Format_RGB32);
    if (!TekenInhoud(bitmap))
        return venster; // nothing selected: only the grey client area
    QPainter p(&venster);
    p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, bitmap);
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
    m_markeringen.BeginPagina(pPagina->AantalKinderen(), pGeselecteerd);
    m_tekenaar.DrawPage(bitmap, *pPagina, pGeselecteerd);
    m_tekenaar.DrawSelectionIndicator(bitmap, *pPagina, m_doc.m_project, pGeselecteerd);
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
    m_markeringen.BeginPagina(0, nullptr);

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
            QImage duim(cel.Width(), cel.Height(), QImage::Format_RGB32);
            miniMarkeringen.BeginPagina(pPagina->AantalKinderen(), nullptr);
            mini.DrawPage(duim, *pPagina, nullptr);
            p.drawImage(left, top, duim);
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
    p.drawImage(0, 0, OnDraw(size()));
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
        // A new or opened project: everything is new.
        m_pPagina = nullptr;
        m_markeringen.BeginPagina(0, nullptr);
    } else if (nHint == Hint::Toegevoegd || nHint == Hint::SelectieOntwerp) {
        return;
    }
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
