#include "Monitors.h"

#include "model/DataItemBasis.h"
#include "model/Teksten.h"

#include <QGuiApplication>
#include <QScreen>

CMonitor::CMonitor()
{
    m_pScherm = QGuiApplication::screenAt(QPoint(0, 0));
    if (!m_pScherm)
        m_pScherm = QGuiApplication::primaryScreen();
}

CMonitor::CMonitor(QScreen* pScherm)
    : m_pScherm(pScherm)
{
}

CRect CMonitor::GeefRechthoek() const
{
    if (!m_pScherm)
        return { 0, 0, 1920, 1080 };
    const QRect g = m_pScherm->geometry();
    return { g.x(), g.y(), g.x() + g.width(), g.y() + g.height() };
}

QString CMonitor::GeefNaam() const
{
    return m_pScherm ? m_pScherm->name() : QString();
}

bool CMonitor::IsHoofdbeeldscherm() const
{
    return m_pScherm && m_pScherm == QGuiApplication::primaryScreen();
}

CMonitors::CMonitors()
{
    for (QScreen* pScherm : QGuiApplication::screens())
        m_aMonitors.emplace_back(pScherm);
}

namespace {

// The identity stored in m_strReserve2 starts with this, so that a text an
// older program or another tool put there is never taken for one.
const QString strIdentiteitKop = QStringLiteral("monitor:");
// Maker, model, serial number and name.
constexpr qsizetype nIdentiteitDelen = 4;

} // namespace

QString CMonitor::Identiteit() const
{
    if (!m_pScherm)
        return {};
    return QStringList { m_pScherm->manufacturer(), m_pScherm->model(), m_pScherm->serialNumber(), m_pScherm->name() }
        .join(u'|');
}

void BewaarMonitorKeuze(CDataItemBasis& project, int nMonitor)
{
    project.m_nMonitor = nMonitor;
    const CMonitors monitors;
    if (nMonitor >= 1 && nMonitor <= monitors.GeefAantal())
        project.m_strReserve2 = strIdentiteitKop + monitors.GeefMonitor(nMonitor - 1).Identiteit();
    else if (project.m_strReserve2.startsWith(strIdentiteitKop))
        project.m_strReserve2.clear(); // a text that is no identity of ours stays
}

bool ZelfdeScherm(const QString& strOnthouden, const QString& strIdentiteit)
{
    if (strOnthouden == strIdentiteit)
        return true;
    // On another port the name differs; maker, model and serial number
    // still tell the screen, when the screen reports them.
    const QStringList a = strOnthouden.split(u'|');
    const QStringList b = strIdentiteit.split(u'|');
    if (a.size() != nIdentiteitDelen || b.size() != nIdentiteitDelen)
        return false;
    const bool bBekend = !a[0].isEmpty() || !a[1].isEmpty() || !a[2].isEmpty();
    return bBekend && a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

int OnthoudenMonitor(const CDataItemBasis& project)
{
    if (!project.m_strReserve2.startsWith(strIdentiteitKop))
        return -1;
    const QString strOnthouden = project.m_strReserve2.mid(strIdentiteitKop.size());
    const CMonitors monitors;
    // The very same screen on the very same port first.
    for (int i = 0; i < monitors.GeefAantal(); ++i)
        if (monitors.GeefMonitor(i).Identiteit() == strOnthouden)
            return i + 1;
    for (int i = 0; i < monitors.GeefAantal(); ++i)
        if (ZelfdeScherm(strOnthouden, monitors.GeefMonitor(i).Identiteit()))
            return i + 1;
    return -1;
}

CMonitor KiesMonitor(const CDataItemBasis& project)
{
    const CMonitors monitors;
    if (const int nOnthouden = OnthoudenMonitor(project); nOnthouden > 0)
        return monitors.GeefMonitor(nOnthouden - 1);
    if (project.m_nMonitor >= 1 && project.m_nMonitor <= monitors.GeefAantal())
        return monitors.GeefMonitor(project.m_nMonitor - 1);
    return CMonitor();
}

std::vector<QString> MonitorLijst()
{
    std::vector<QString> a { Tekst::Laad(106) };
    const CMonitors monitors;
    if (monitors.GeefAantal() > 1) {
        for (int i = 0; i < monitors.GeefAantal(); ++i) {
            const CMonitor& m = monitors.GeefMonitor(i);
            const CRect r = m.GeefRechthoek();
            QString s = QStringLiteral("%1 (%2 x %3)").arg(m.GeefNaam()).arg(r.Width()).arg(r.Height());
            if (m.IsHoofdbeeldscherm())
                s += QStringLiteral(" (*)");
            a.push_back(s);
        }
    }
    return a;
}

std::vector<QString> Doelformaten()
{
    std::vector<QString> a { Tekst::Laad(12) };
    for (const char* sz : { "1280 x 720 (HD)", "1400 x 1050 (SXGA+)", "1920 x 1080 (Full HD)", "1920 x 1200 (WUXGA)",
             "2560 x 1440 (QHD)", "3840 x 2160 (UHD)", "4096 x 2160 (4K)", "7680 x 4320 (8K-UHD)", "8192 x 4608 (8K)" })
        a.push_back(QString::fromLatin1(sz).leftJustified(24));
    return a;
}
