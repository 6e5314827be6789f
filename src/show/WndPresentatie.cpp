#include "WndPresentatie.h"

#include "Geluidsmachine.h"
#include "ItemActies.h"
#include "Monitors.h"
#include "Toetsen.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "render/TekstVelden.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int nKlokMs = 100;
constexpr int nCursorMs = 1000;
constexpr int nAutoVolgendeMs = 200;

QRect Q(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

int NummerOfEen(int n)
{
    return n < 1 ? 1 : n;
}

} // namespace

CWndPresentatie::CWndPresentatie(CZerbantikoDoc& doc, const IKlok& klok, IGeluidsmachine& geluid, QWidget* pOuder)
    : QWidget(pOuder, Qt::Window | Qt::FramelessWindowHint)
    , m_doc(doc)
    , m_klok(klok)
    , m_geluid(geluid)
    , m_tekenaar(CPaginaTekenaar::Variant::Presentatie, klok)
{
    setWindowTitle(QStringLiteral("Zerbantiko"));
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole window
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CWndPresentatie::OnUpdate);
    // A projector unplugged or plugged in again during the show: the show
    // goes to the project's screen when it is there, else the main one.
    auto herplaats = [this] {
        if (isVisible() && !m_bRepetitie) {
            Plaats();
            emit schermGewijzigd();
        }
    };
    connect(qApp, &QGuiApplication::screenAdded, this, herplaats);
    connect(qApp, &QGuiApplication::screenRemoved, this, [herplaats] { QTimer::singleShot(0, herplaats); });
}

CWndPresentatie::~CWndPresentatie() = default;

void CWndPresentatie::Start(bool bRepetitie)
{
    CDataItemProject& project = m_doc.m_project;
    if (project.AantalKinderen() == 0)
        return;
    m_lstGeschiedenis.clear();
    m_strProjectNaam = project.m_strNaam;
    m_tekenaar.SetProjectNaam(m_strProjectNaam);
    if (!m_doc.GetHuidigePagina())
        m_doc.SetHuidigePagina(0);
    m_pPagina = m_doc.GetHuidigePagina();
    m_nPaginaIndex = m_pPagina->m_nIndex;
    m_pPagina->m_bSelectieZichtbaar = 0;
    m_bRepetitie = bRepetitie;
    setWindowFlags(bRepetitie ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
    if (bRepetitie)
        PlaatsVoorRepetitie();
    else
        Plaats();
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    update();
    m_doc.m_pShowStartPagina = m_pPagina;
}

void CWndPresentatie::Plaats()
{
    const CMonitor monitor = KiesMonitor(m_doc.m_project);
    if (windowHandle() && monitor.Scherm())
        windowHandle()->setScreen(monitor.Scherm());
    setGeometry(Q(monitor.GeefRechthoek()));
}

void CWndPresentatie::PlaatsVoorRepetitie()
{
    // Beside the console on the editor's screen: a third of its width, in
    // the project's shape, at the top right.
    QScreen* pScherm = QGuiApplication::primaryScreen();
    if (QWidget* pEditor = QApplication::activeWindow(); pEditor && pEditor != this)
        pScherm = pEditor->screen();
    if (!pScherm)
        return;
    if (windowHandle())
        windowHandle()->setScreen(pScherm);
    const QRect vrij = pScherm->availableGeometry();
    const CRect monitor = KiesMonitor(m_doc.m_project).GeefRechthoek();
    const int nBreedte = vrij.width() / 3;
    const int nHoogte
        = monitor.Width() > 0 ? int(qint64(nBreedte) * monitor.Height() / monitor.Width()) : nBreedte * 9 / 16;
    setGeometry(vrij.right() - nBreedte, vrij.top(), nBreedte, nHoogte);
}

void CWndPresentatie::Sluit()
{
    m_timerCursor.stop();
    m_timerAutoVolgende.stop();
    m_timerKlok.stop();
    ToonCursor(true);
    hide();
}

void CWndPresentatie::ToonCursor(bool bZichtbaar)
{
    setCursor(bZichtbaar ? Qt::ArrowCursor : Qt::BlankCursor);
}

void CWndPresentatie::ToonPagina(CDataItemPagina* pPagina)
{
    if (!pPagina)
        return;
    m_pPagina = pPagina;
    m_nPaginaIndex = pPagina->m_nIndex;
    pPagina->m_bSelectieZichtbaar = 0;
    update();
    emit beeldGewijzigd();
}

void CWndPresentatie::NaarGeschiedenis(const CDataItemBasis* pElement)
{
    if (pElement && pElement->m_nSoort == Soort::Item)
        pElement = pElement->m_pOuder;
    if (auto* pPagina = const_cast<CDataItemPagina*>(dynamic_cast<const CDataItemPagina*>(pElement)))
        m_lstGeschiedenis.push_front(pPagina);
}

CDataItemPagina* CWndPresentatie::TerugInGeschiedenis(int n)
{
    CDataItemPagina* pLaatste = nullptr;
    for (int i = 0; i < NummerOfEen(n) && !m_lstGeschiedenis.empty(); ++i) {
        pLaatste = m_lstGeschiedenis.front();
        m_lstGeschiedenis.pop_front();
    }
    return pLaatste;
}

void CWndPresentatie::VoerKlikUit(CDataItemBasis& item)
{
    const QString& strOpdracht = item.m_strOpdracht;
    if (!CItemActies::IsNavigatie(strOpdracht)) {
        item.VoerActieUit(0);
        return;
    }
    CDataItemProject& project = m_doc.m_project;
    const int c = m_pPagina ? m_pPagina->m_nIndex : 0;
    const int k = project.AantalKinderen();
    const int n = NummerOfEen(item.m_nNummer);
    auto naar = [&](int i) {
        auto* pDoel = dynamic_cast<CDataItemPagina*>(project.GetKind(i));
        if (!pDoel)
            return;
        NaarGeschiedenis(&item);
        ToonPagina(pDoel);
    };
    if (strOpdracht == QLatin1String("@close") || strOpdracht == QLatin1String("@exit")) {
        Sluit();
    } else if (strOpdracht == QLatin1String("@page") || strOpdracht == QLatin1String("@Seite")) {
        if (!item.m_strOpties.isEmpty()) {
            const int i = project.FindKindByNaam(item.m_strOpties);
            if (i >= 0)
                naar(i);
        }
    } else if (strOpdracht == QLatin1String("@pageUp")) {
        if (c > 0)
            naar(std::max(0, c - n));
    } else if (strOpdracht == QLatin1String("@pageDn")) {
        if (c < k - 1)
            naar(std::min(k - 1, c + n));
    } else if (strOpdracht == QLatin1String("@back")) {
        if (CDataItemPagina* p = TerugInGeschiedenis(n))
            ToonPagina(p);
    }
}

QImage CWndPresentatie::OnDraw(const QSize& client)
{
    CDataItemProject& project = m_doc.m_project;
    const CRect monitor = KiesMonitor(project).GeefRechthoek();
    m_rectUitvoer = CPaginaTekenaar::Uitvoer(client, monitor, project);
    if (!m_pPagina || m_rectUitvoer.IsEmpty())
        return CPaginaTekenaar::TekenVenster(client, monitor, project, m_rectUitvoer);
    // Covering the monitor, as it does, the page is the whole window: it is
    // drawn straight into the frame that the last paint used, with no grey
    // around it and no copy.
    const bool bHeel = m_rectUitvoer == CRect { 0, 0, client.width(), client.height() };
    if (m_beeld.size() != QSize(m_rectUitvoer.Width(), m_rectUitvoer.Height()))
        m_beeld = QImage(m_rectUitvoer.Width(), m_rectUitvoer.Height(), QImage::Format_RGB32);
    m_tekenaar.DrawPage(m_beeld, *m_pPagina);
    m_tekenaar.DrawSelectionIndicator(m_beeld, *m_pPagina, project);
    m_aKlikvlak = m_tekenaar.ItemRechthoeken();
    QImage venster = bHeel ? m_beeld : CPaginaTekenaar::TekenVenster(client, monitor, project, m_rectUitvoer);
    if (!bHeel) {
        QPainter p(&venster);
        p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, m_beeld);
    }
    if (m_pPagina != m_pVoorbereid && m_bVoorbereiden) {
        m_pVoorbereid = m_pPagina;
        BereidBereikbareVoor();
    }
    if (HeeftVelden(*m_pPagina)) {
        if (!m_timerKlok.isActive())
            m_timerKlok.start(nKlokMs, this);
    } else {
        m_timerKlok.stop();
    }
    return venster;
}

std::vector<CDataItemPagina*> CWndPresentatie::BereikbarePaginas() const
{
    std::vector<CDataItemPagina*> a;
    const CDataItemProject& project = m_doc.m_project;
    auto voeg = [&](int i) {
        auto* p = dynamic_cast<CDataItemPagina*>(project.GetKind(i));
        if (p && p != m_pPagina && std::find(a.begin(), a.end(), p) == a.end())
            a.push_back(p);
    };
    voeg(m_pPagina->m_nIndex - 1);
    voeg(m_pPagina->m_nIndex + 1);
    for (const auto& pItem : m_pPagina->Kinderen()) {
        const QString& s = pItem->m_strOpdracht;
        if ((s == QLatin1String("@page") || s == QLatin1String("@Seite")) && !pItem->m_strOpties.isEmpty())
            voeg(project.FindKindByNaam(pItem->m_strOpties));
    }
    if (!m_lstGeschiedenis.empty())
        voeg(m_lstGeschiedenis.front()->m_nIndex);
    return a;
}

void CWndPresentatie::BereidBereikbareVoor()
{
    for (CDataItemPagina* p : BereikbarePaginas())
        CPaginaTekenaar::BereidVoor(*p, m_rectUitvoer.Width(), m_rectUitvoer.Height());
}

void CWndPresentatie::paintEvent(QPaintEvent*)
{
    if (!m_pPagina)
        return;
    QPainter p(this);
    p.drawImage(0, 0, OnDraw(size()));
}

CDataItemBasis* CWndPresentatie::Raak(const QPoint& pt, bool bAlleenMetOpdracht) const
{
    if (!m_pPagina)
        return nullptr;
    const CPoint q { pt.x() - m_rectUitvoer.left, pt.y() - m_rectUitvoer.top };
    const int n = std::min(m_pPagina->AantalKinderen(), int(m_aKlikvlak.size()));
    for (int i = 0; i < n; ++i) {
        CDataItemBasis* pItem = m_pPagina->GetKind(i);
        if (!m_aKlikvlak[size_t(i)].Contains(q))
            continue;
        if (pItem->m_bKlikbaar && (!bAlleenMetOpdracht || !pItem->m_strOpdracht.isEmpty()))
            return pItem;
    }
    return nullptr;
}

void CWndPresentatie::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!m_pPagina)
        return;
    m_timerCursor.stop();
    setCursor(Raak(pEvent->position().toPoint(), true) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_timerCursor.start(nCursorMs, this);
}

void CWndPresentatie::mousePressEvent(QMouseEvent* pEvent)
{
    if (!m_pPagina || pEvent->button() != Qt::LeftButton)
        return;
    const Qt::KeyboardModifiers toetsen = pEvent->modifiers();
    m_timerCursor.stop();
    CDataItemBasis* pItem = Raak(pEvent->position().toPoint(), false);
    if (!pItem)
        return;
    m_pPagina->m_nSelectieItem = pItem->m_nIndex;
    update();
    emit beeldGewijzigd();
    if ((toetsen & Qt::ShiftModifier) && (toetsen & Qt::ControlModifier)) {
        if (auto* p = dynamic_cast<CDataItemPaginaItem*>(pItem))
            p->StopActie();
        return;
    }
    VoerKlikUit(*pItem);
}

void CWndPresentatie::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second click of a double click does nothing.
}

void CWndPresentatie::ToonPaginaDoorToets(CDataItemPagina* pPagina)
{
    if (!pPagina)
        return;
    m_timerKlok.stop();
    m_timerCursor.stop();
    ToonPagina(pPagina);
    pPagina->m_nSelectieItem = -1;
}

void CWndPresentatie::KiesItem(int nRichting, bool bTonen)
{
    if (!m_pPagina)
        return;
    const int i = m_pPagina->VolgendKlikbaarItem(m_pPagina->m_nSelectieItem, nRichting);
    if (i < 0)
        return;
    if (bTonen)
        m_pPagina->m_bSelectieZichtbaar = 1;
    m_pPagina->m_nSelectieItem = i;
    update();
    emit beeldGewijzigd();
}

void CWndPresentatie::Activeer(bool bStop)
{
    if (!m_pPagina || !m_pPagina->m_bSelectieZichtbaar)
        return;
    auto* pItem = dynamic_cast<CDataItemPaginaItem*>(m_pPagina->GetKind(m_pPagina->m_nSelectieItem));
    if (!pItem)
        return;
    m_timerCursor.stop();
    const bool bAutoVolgende = m_doc.m_project.m_bAutoVolgende != 0;
    if (bStop)
        pItem->StopActie();
    else
        VoerUitDoorToets(*pItem, m_doc.m_project.m_nReserve2);
    // Not after an item that ended the show.
    if (bAutoVolgende && m_pPagina && isVisible())
        m_timerAutoVolgende.start(nAutoVolgendeMs, this);
}

void CWndPresentatie::VoerUitDoorToets(CDataItemBasis& item, int nArgument)
{
    // A presenter at the screen expects a menu item to jump as a click does.
    if (CItemActies::IsNavigatie(item.m_strOpdracht))
        VoerKlikUit(item);
    else
        item.VoerActieUit(nArgument);
}

void CWndPresentatie::keyPressEvent(QKeyEvent* pEvent)
{
    if (m_toetsen)
        m_toetsen(*pEvent);
}

void CWndPresentatie::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_timerCursor.timerId()) {
        m_timerCursor.stop();
        ToonCursor(false);
    } else if (pEvent->timerId() == m_timerAutoVolgende.timerId()) {
        m_timerAutoVolgende.stop();
        KiesItem(+1, false);
    } else if (pEvent->timerId() == m_timerKlok.timerId()) {
        if (!m_pPagina)
            return;
        const auto tijd = m_klok.Tijd();
        const int nNu = tijd ? tijd->nUur * 3600 + tijd->nMinuut * 60 + tijd->nSeconde : -1;
        if (nNu != m_nLaatsteSeconde) {
            m_nLaatsteSeconde = nNu;
            update();
            emit beeldGewijzigd();
        }
    } else {
        QWidget::timerEvent(pEvent);
    }
}

void CWndPresentatie::showEvent(QShowEvent*)
{
    if (windowHandle() && !m_bSchermGevolgd) {
        m_bSchermGevolgd = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &CWndPresentatie::schermGewijzigd);
    }
    emit zichtbaarheidGewijzigd();
}

void CWndPresentatie::hideEvent(QHideEvent*)
{
    emit zichtbaarheidGewijzigd();
}

void CWndPresentatie::closeEvent(QCloseEvent* pEvent)
{
    // Alt+F4 and the system's close: hide, never destroy.
    pEvent->ignore();
    Sluit();
}

bool CWndPresentatie::HoortBijProject(const CDataItemBasis* p) const
{
    // Compared by address only: the page may be freed already.
    const auto& aPaginas = m_doc.m_project.Kinderen();
    return std::any_of(aPaginas.begin(), aPaginas.end(), [p](const auto& pPagina) { return pPagina.get() == p; });
}

void CWndPresentatie::ControleerPaginas()
{
    m_lstGeschiedenis.remove_if([this](const CDataItemPagina* p) { return !HoortBijProject(p); });
    if (m_pPagina && !HoortBijProject(m_pPagina)) {
        // The page on show is gone: the page that now has its index, or the
        // last page, or no show at all.
        const int nPaginas = m_doc.m_project.AantalKinderen();
        if (nPaginas == 0) {
            m_pPagina = nullptr;
            Sluit();
            return;
        }
        ToonPagina(
            dynamic_cast<CDataItemPagina*>(m_doc.m_project.GetKind(std::clamp(m_nPaginaIndex, 0, nPaginas - 1))));
        return;
    }
    if (m_pPagina)
        m_nPaginaIndex = m_pPagina->m_nIndex;
}

void CWndPresentatie::OnUpdate(QObject*, int nHint, CDataItemBasis* pElement)
{
    if (!pElement && nHint == Hint::Uiterlijk) {
        // A new or opened project: nothing of the old one may be touched.
        m_pPagina = nullptr;
        m_pVoorbereid = nullptr;
        m_lstGeschiedenis.clear();
        Sluit();
        return;
    }
    ControleerPaginas();
    if (isVisible())
        update();
}
