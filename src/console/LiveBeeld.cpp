#include "LiveBeeld.h"

#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "show/Monitors.h"
#include "show/ShowBesturing.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor clrOnder(255, 200, 0); // the outline of the item under the pointer

} // namespace

CLiveBeeld::CLiveBeeld(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QWidget* pOuder)
    : QWidget(pOuder)
    , m_doc(doc)
    , m_besturing(besturing)
    , m_tekenaar(CPaginaTekenaar::Variant::Presentatie, klok)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(320, 180);
    // Repainted in the same turn of the event loop as the projector changes.
    connect(&m_besturing, &CShowBesturing::gewijzigd, this, qOverload<>(&QWidget::update));
}

QImage CLiveBeeld::Teken(const QSize& client)
{
    ++m_nComposities;
    CDataItemProject& project = m_doc.m_project;
    const CRect monitor = KiesMonitor(project).GeefRechthoek();
    QImage venster = CPaginaTekenaar::TekenVenster(client, monitor, project, m_rectUitvoer);
    m_aKlikvlak.clear();
    if (m_rectUitvoer.IsEmpty())
        return venster;
    const QSize maat(m_rectUitvoer.Width(), m_rectUitvoer.Height());
    QPainter p(&venster);
    if (m_besturing.ViewerOpen()) {
        p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, m_besturing.ViewerBeeld(maat));
        return venster;
    }
    CDataItemPagina* pPagina = m_besturing.Pagina();
    if (!pPagina || !m_besturing.Loopt())
        return venster;
    QImage beeld(maat, QImage::Format_RGB32);
    m_tekenaar.SetProjectNaam(m_besturing.ProjectNaam());
    m_tekenaar.DrawPage(beeld, *pPagina);
    m_tekenaar.DrawSelectionIndicator(beeld, *pPagina, project);
    m_aKlikvlak = m_tekenaar.ItemRechthoeken();
    p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, beeld);
    const int n = std::min(pPagina->AantalKinderen(), int(m_aKlikvlak.size()));
    for (int i = 0; i < n; ++i) {
        if (pPagina->GetKind(i) != m_pOnder)
            continue;
        const CRect& r = m_aKlikvlak[size_t(i)];
        p.setPen(QPen(clrOnder, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(r.left + m_rectUitvoer.left, r.top + m_rectUitvoer.top, r.Width(), r.Height()));
    }
    return venster;
}

void CLiveBeeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Teken(size()));
}

CDataItemBasis* CLiveBeeld::Raak(const QPoint& pt) const
{
    CDataItemPagina* pPagina = m_besturing.Pagina();
    if (!pPagina || m_besturing.ViewerOpen())
        return nullptr;
    const CPoint q { pt.x() - m_rectUitvoer.left, pt.y() - m_rectUitvoer.top };
    const int n = std::min(pPagina->AantalKinderen(), int(m_aKlikvlak.size()));
    for (int i = 0; i < n; ++i) {
        CDataItemBasis* pItem = pPagina->GetKind(i);
        if (pItem->m_bKlikbaar && m_aKlikvlak[size_t(i)].Contains(q))
            return pItem;
    }
    return nullptr;
}

void CLiveBeeld::mouseMoveEvent(QMouseEvent* pEvent)
{
    const CDataItemBasis* pOnder = Raak(pEvent->position().toPoint());
    setCursor(pOnder && !pOnder->m_strOpdracht.isEmpty() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (pOnder != m_pOnder) {
        m_pOnder = pOnder;
        update();
    }
}

void CLiveBeeld::leaveEvent(QEvent*)
{
    if (m_pOnder) {
        m_pOnder = nullptr;
        update();
    }
}

void CLiveBeeld::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    if (m_besturing.ViewerOpen()) {
        m_besturing.SluitViewer(); // as a click on the viewer
        return;
    }
    CDataItemBasis* pItem = Raak(pEvent->position().toPoint());
    if (!pItem)
        return;
    const Qt::KeyboardModifiers toetsen = pEvent->modifiers();
    if ((toetsen & Qt::ShiftModifier) && (toetsen & Qt::ControlModifier))
        m_besturing.StopItem(*pItem);
    else
        m_besturing.KlikOpItem(*pItem);
}
