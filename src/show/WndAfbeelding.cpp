#include "WndAfbeelding.h"

#include "Monitors.h"
#include "render/Geometrie.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/PaginaTekenaar.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int nMaxSeconden = 365 * 24 * 3600;

constexpr int nTikMs = 30;
constexpr int nCursorMs = 100;
constexpr int nSluitMs = 500;
constexpr int nBalkHoogte = 20;
const QColor kleurRand(128, 128, 128);

QRect Q(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

} // namespace

CWndAfbeelding::CWndAfbeelding(const CDataItemBasis& project, QWidget* pOuder)
    : QWidget(pOuder, Qt::Window | Qt::FramelessWindowHint)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Zerbantiko"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

CWndAfbeelding::~CWndAfbeelding() = default;

bool CWndAfbeelding::LaadAfbeelding(const QString& strPad, int nWeergave)
{
    m_strPad.clear();
    m_beeld.Release();
    if (!strPad.isEmpty() && m_beeld.Load(strPad))
        m_strPad = strPad;
    m_nWeergave = nWeergave;
    m_bVerloop = false;
    m_bVensterGeldig = false;
    return m_beeld.IsLoaded();
}

void CWndAfbeelding::WisAfbeelding()
{
    m_strPad.clear();
    m_beeld.Release();
    m_bVerloop = false;
    m_bVensterGeldig = false;
}

void CWndAfbeelding::ZetAftelling(bool bAan, int nSeconden)
{
    m_nTik = 0;
    if (bAan && nSeconden > 0) {
        // A year at most, so that the count of 32 ms ticks stays a number.
        m_nSeconden = std::min(nSeconden, nMaxSeconden);
        m_bAftellen = true;
        m_nTikken = int(qint64(m_nSeconden) * 1000 / 32);
    } else {
        m_nSeconden = 0;
        m_bAftellen = false;
    }
}

void CWndAfbeelding::Plaats()
{
    if (m_plaats) {
        setGeometry(m_plaats());
        return;
    }
    const CMonitor monitor = KiesMonitor(m_project);
    const CRect r = monitor.GeefRechthoek();
    if (windowHandle() && monitor.Scherm())
        windowHandle()->setScreen(monitor.Scherm());
    setGeometry(Q(r));
}

void CWndAfbeelding::Toon()
{
    m_bVensterGeldig = false;
    m_timerSluiten.stop();
    Plaats();
    if (!isVisible())
        show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    ToonCursor(false);
    if (m_bAftellen)
        m_timerAftellen.start(nTikMs, this);
    else
        m_timerAftellen.stop();
    update();
    emit beeldGewijzigd();
}

void CWndAfbeelding::Sluit()
{
    if (!isVisible())
        return;
    m_timerAftellen.stop();
    m_timerSluiten.stop();
    m_timerCursor.stop();
    ToonCursor(true);
    hide();
    m_nTik = 0;
    if (m_naSluiten)
        m_naSluiten();
    emit beeldGewijzigd();
}

int CWndAfbeelding::SecondenOver() const
{
    if (!m_bAftellen || m_nTikken <= 0)
        return 0;
    // A tick is 32 ms; what is left, in whole seconds rounded up.
    const qint64 nMsOver = qint64(std::max(0, m_nTikken - m_nTik)) * 32;
    return int((nMsOver + 999) / 1000);
}

void CWndAfbeelding::ToonCursor(bool bZichtbaar)
{
    setCursor(bZichtbaar ? Qt::ArrowCursor : Qt::BlankCursor);
}

QImage SViewerInhoud::Teken(int w, int h, bool bMetBalk, CRect* pBeeld) const
{
    QImage uit(qMax(1, w), qMax(1, h), QImage::Format_RGB32);
    uit.fill(NaarQColor(clrKleur1));
    const CRect heel { 0, 0, w, h };
    CRect rectBeeld;
    if (const QImage* pPlaatje = beeld.Image()) {
        const double pw = pPlaatje->width(), ph = pPlaatje->height();
        CRect bron { 0, 0, pPlaatje->width(), pPlaatje->height() };
        switch (nWeergave) {
        case Manier::Uitrekken:
            rectBeeld = heel;
            break;
        case Manier::Zoomen:
            rectBeeld = heel;
            bron = Geometrie::ZoomSource(heel, pw, ph);
            break;
        default:
            rectBeeld = Geometrie::FitRect(heel, pw, ph);
            break;
        }
        QPainter p(&uit);
        TekenAfbeelding(p, *pPlaatje, Q(rectBeeld), Q(bron));
    } else if (bVerloop) {
        // Row i: c2 + (c1 - c2) * i / h, truncating toward zero; row 0 is colour 2.
        QPainter p(&uit);
        const int c1[3] = { GetRValue(clrKleur1), GetGValue(clrKleur1), GetBValue(clrKleur1) };
        const int c2[3] = { GetRValue(clrKleur2), GetGValue(clrKleur2), GetBValue(clrKleur2) };
        for (int i = 0; i < h; ++i) {
            int c[3];
            for (int k = 0; k < 3; ++k)
                c[k] = c2[k] + ((c1[k] - c2[k]) * i) / h;
            p.fillRect(0, i, w, 1, QColor(c[0], c[1], c[2]));
        }
    }
    if (bMetBalk && bAftellen && nTikken > 0) {
        // The countdown bar as the viewer draws it, at this size.
        const int nBreedte = int(qint64(w) * std::min(nTik, nTikken) / nTikken);
        const int nHoogte = std::max(2, h / 60);
        QPainter p(&uit);
        p.fillRect(QRect(0, h / 2 - nHoogte, nBreedte, nHoogte), NaarQColor(clrKleur2));
    }
    if (pBeeld)
        *pBeeld = rectBeeld;
    return uit;
}

SViewerInhoud CWndAfbeelding::Inhoud() const
{
    return { m_beeld, m_nWeergave, m_clrKleur1, m_clrKleur2, m_bVerloop, m_bAftellen, m_nTik, m_nTikken };
}

QImage CWndAfbeelding::TekenInhoud(int w, int h)
{
    return Inhoud().Teken(w, h, false, &m_rectBeeld);
}

QRect CWndAfbeelding::Balk(int nTik) const
{
    const int nRechts = m_nTikken > 0 ? int(qint64(width()) * nTik / m_nTikken) : width();
    const int nMidden = height() / 2;
    return QRect(0, nMidden - nBalkHoogte, nRechts, nBalkHoogte);
}

void CWndAfbeelding::paintEvent(QPaintEvent*)
{
    if (!m_bVensterGeldig || m_venster.size() != size()) {
        // The output follows the primary monitor's shape, wherever the window lies.
        const CRect client { 0, 0, width(), height() };
        const CRect primair = CMonitor().GeefRechthoek();
        m_rectUitvoer = Geometrie::FitRect(client, primair.Width(), primair.Height());
        m_venster = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        m_venster.fill(kleurRand);
        QPainter p(&m_venster);
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
        p.drawImage(m_rectUitvoer.left, m_rectUitvoer.top, TekenInhoud(m_rectUitvoer.Width(), m_rectUitvoer.Height()));
        m_bVensterGeldig = true;
    }
    QPainter p(this);
    p.drawImage(0, 0, m_venster);
    if (m_nTik > 0) {
        // The bar lies over the content; only its own area is ever repainted.
        const QRect balk = Balk(m_nTik);
        p.fillRect(balk, NaarQColor(m_clrKleur2));
        p.setPen(Qt::black);
        p.drawRect(balk.adjusted(0, 0, -1, -1));
    }
}

void CWndAfbeelding::TikAf()
{
    if (!m_bAftellen) {
        m_timerAftellen.stop();
        return;
    }
    ++m_nTik;
    update(Balk(m_nTik));
    emit beeldGewijzigd();
    if (Balk(m_nTik).right() + 1 >= width()) {
        m_bAftellen = false;
        m_timerAftellen.stop();
        m_timerSluiten.start(nSluitMs, this);
    }
}

void CWndAfbeelding::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_timerAftellen.timerId()) {
        TikAf();
    } else if (pEvent->timerId() == m_timerCursor.timerId()) {
        m_timerCursor.stop();
        ToonCursor(false);
    } else if (pEvent->timerId() == m_timerSluiten.timerId()) {
        m_timerSluiten.stop();
        Sluit();
    } else {
        QWidget::timerEvent(pEvent);
    }
}

void CWndAfbeelding::mousePressEvent(QMouseEvent*)
{
    Sluit();
}

void CWndAfbeelding::keyPressEvent(QKeyEvent*)
{
    Sluit();
}

void CWndAfbeelding::mouseMoveEvent(QMouseEvent*)
{
    ToonCursor(true);
    m_timerCursor.start(nCursorMs, this);
}

void CWndAfbeelding::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    Sluit();
}

void CWndAfbeelding::resizeEvent(QResizeEvent*)
{
    m_bVensterGeldig = false;
}
