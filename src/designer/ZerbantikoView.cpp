#include "ZerbantikoView.h"

#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/Geometrie.h"
#include "render/Klok.h"
#include "render/TekstVelden.h"
#include "show/Monitors.h"

#include <QPainter>
#include <QPrinter>
#include <QTimerEvent>

namespace {

constexpr int nKlokPeriode = 100; // ms

void Vierkant(QPainter& p, CPoint pt, int nHalf, const QColor& kleur)
{
    p.fillRect(QRect(pt.x - nHalf, pt.y - nHalf, 2 * nHalf, 2 * nHalf), kleur);
}

} // namespace

CZerbantikoView::CZerbantikoView(CZerbantikoDoc& doc, QWidget* pParent)
    : QWidget(pParent)
    , m_doc(doc)
    , m_tekenaar(CPaginaTekenaar::Variant::Ontwerp)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole view
    setMinimumSize(64, 36);
    m_tekenaar.m_naItem
        = [this](CTekenaar& t, CDataItemBasis& item, const CRect&, const CRect&) { TekenMarkeringen(t, item); };
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CZerbantikoView::OnUpdate);
}

void CZerbantikoView::TekenMarkeringen(CTekenaar& t, CDataItemBasis& item)
{
    const size_t i = size_t(item.m_nIndex);
    if (i >= m_aGeometrie.size())
        return;
    m_aGeometrie[i] = COntwerpGeometrie::Bereken(item, m_aGeometrie[i]);

    const bool bGeselecteerd = &item == m_doc.GetGeselecteerd();
    const auto* pPagina = item.m_pOuder;
    if (!bGeselecteerd && !(pPagina && pPagina->m_bAnkerpuntenTonen))
        return;
    t.Teken([&](QPainter& p) {
        if (bGeselecteerd) {
            for (const CPoint& pt : m_aGeometrie[i].aptHoek) {
                Vierkant(p, pt, 4, Qt::yellow);
                Vierkant(p, pt, 1, Qt::black);
            }
        }
        Vierkant(p, item.m_ptAnker, bGeselecteerd ? 4 : 3, bGeselecteerd ? Qt::red : Qt::white);
        Vierkant(p, item.m_ptAnker, 1, Qt::black);
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

    const CDataItemBasis* pGeselecteerd = m_doc.GetGeselecteerd();
    QImage bitmap(m_rectUitvoer.Width(), m_rectUitvoer.Height(), QImage::Format_RGB32);
    CDataItemPagina* pPagina = nullptr;
    if (pGeselecteerd && pGeselecteerd->m_nSoort == 1) {
        m_pPagina = nullptr;
        TekenOverzicht(bitmap);
    } else if (pGeselecteerd && (pPagina = m_doc.GetHuidigePagina())) {
        m_pPagina = pPagina;
        m_aGeometrie.resize(size_t(pPagina->AantalKinderen()));
        m_tekenaar.DrawPage(bitmap, *pPagina, project, pGeselecteerd);
        m_tekenaar.DrawSelectionIndicator(bitmap, *pPagina, project, pGeselecteerd);
        m_aRectItem = m_tekenaar.ItemRechthoeken();
        m_aRectKlik.resize(m_aGeometrie.size());
        for (size_t i = 0; i < m_aGeometrie.size(); ++i)
            m_aRectKlik[i] = m_aGeometrie[i].rectKlik;
    } else {
        return venster; // nothing selected: only the grey client area
    }
    QPainter p(&venster);
    p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, bitmap);
    return venster;
}

void CZerbantikoView::TekenOverzicht(QImage& bitmap)
{
    CDataItemProject& project = m_doc.m_project;
    const int W = bitmap.width(), H = bitmap.height();
    bitmap.fill(QColor(
        GetRValue(project.m_clrKleurvlak), GetGValue(project.m_clrKleurvlak), GetBValue(project.m_clrKleurvlak)));
    const int n = project.AantalKinderen();
    int g = 8;
    for (int k = 2; k < 8; ++k) {
        if (n <= k * k) {
            g = k;
            break;
        }
    }
    m_aRectItem.assign(size_t(qMax(n, g * g)), CRect {});
    m_aRectKlik = m_aRectItem;
    m_aGeometrie.clear();

    CPaginaTekenaar mini(CPaginaTekenaar::Variant::Ontwerp);
    const CSize sizeBewaard = project.m_sizeDoel;
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
            project.m_sizeDoel = { cel.Width(), cel.Height() };
            pPagina->MaakFontsOntwerp();
            mini.SetLaatstePagina(pPagina);
            mini.DrawPage(duim, *pPagina, project, nullptr);
            project.m_sizeDoel = sizeBewaard;
            pPagina->MaakFontsOntwerp();
            p.drawImage(left, top, duim);
            p.setPen(Qt::white);
            p.drawRect(q.adjusted(0, 0, -1, -1));
            m_aRectItem[size_t(d)] = cel;
            m_aRectKlik[size_t(d)] = cel;
            m_pPagina = pPagina;
        } else if (d >= n) {
            p.setPen(QColor(128, 128, 128));
            p.drawRect(q.adjusted(0, 0, -1, -1));
            p.drawLine(q.topLeft(), q.bottomRight());
            p.drawLine(q.topRight(), q.bottomLeft());
        }
    }
    // Its fonts are the thumbnail's now; the page view must build them again.
    m_tekenaar.SetLaatstePagina(nullptr);
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
    pPagina->MaakFontsOntwerp();
    m_tekenaar.SetLaatstePagina(pPagina);
    update();
}

void CZerbantikoView::OnUpdate(QObject*, int nHint, CDataItemBasis* pElement)
{
    if (!pElement) {
        if (nHint != Hint::Uiterlijk)
            return;
        // A new or opened project: everything is new.
        m_tekenaar.SetLaatstePagina(nullptr);
        m_aGeometrie.clear();
    } else if (nHint == Hint::Toegevoegd || nHint == Hint::SelectieOntwerp) {
        return;
    } else if (nHint == Hint::Stijl) {
        pElement->MaakFont();
    }
    update();
    ZetKlok();
}

void CZerbantikoView::ZetKlok()
{
    const CDataItemPagina* pPagina = m_doc.GetHuidigePagina();
    if (m_doc.m_project.AantalKinderen() > 0 && pPagina && HeeftVelden(*pPagina)) {
        if (!m_klok.isActive())
            m_klok.start(nKlokPeriode, this);
    } else {
        m_klok.stop();
    }
}

void CZerbantikoView::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_klok.timerId())
        return QWidget::timerEvent(pEvent);
    const auto tijd = TekstVelden::Klok().Tijd();
    const int nNu = tijd ? tijd->nUur * 3600 + tijd->nMinuut * 60 + tijd->nSeconde : -1;
    if (nNu != m_nLaatsteSeconde) {
        m_nLaatsteSeconde = nNu;
        update();
    }
}

void CZerbantikoView::Print(QPrinter& printer)
{
    QPainter p(&printer);
    const QRect r = p.viewport();
    p.drawImage(r, OnDraw(size().isEmpty() ? QSize(1920, 1080) : size()));
}
