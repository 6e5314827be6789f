#pragma once

#include "model/Types.h"

#include <QString>

#include <vector>

class QScreen;
class CDataItemBasis;

// One display monitor as the platform reports it.
class CMonitor {
public:
    // The primary monitor: the one holding the desktop point (0, 0), else the platform's primary.
    CMonitor();
    explicit CMonitor(QScreen* pScherm);

    // The full rectangle in desktop coordinates.
    CRect GeefRechthoek() const;
    QString GeefNaam() const;
    bool IsHoofdbeeldscherm() const;
    // The platform's screen, for placing a window on it; null without screens.
    QScreen* Scherm() const { return m_pScherm; }
    // Which physical screen this is, whatever port it hangs on: its maker,
    // model, serial number and name.
    QString Identiteit() const;

private:
    QScreen* m_pScherm = nullptr;
};

// The monitors in the platform's order, enumerated anew at each construction
// so that a projector plugged in meanwhile is seen.
class CMonitors {
public:
    CMonitors();
    int GeefAantal() const { return int(m_aMonitors.size()); }
    // 0 <= i < GeefAantal().
    const CMonitor& GeefMonitor(int i) const { return m_aMonitors[size_t(i)]; }

private:
    std::vector<CMonitor> m_aMonitors;
};

// The project's monitor: the screen the project remembers (m_strReserve2,
// see BewaarMonitorKeuze) when it is present, wherever it is in the order;
// else number m_nMonitor (from 1) when that many exist, else the primary monitor.
CMonitor KiesMonitor(const CDataItemBasis& project);

// The number (from 1) of the screen the project remembers, when it is
// connected now; -1 otherwise.
int OnthoudenMonitor(const CDataItemBasis& project);
// Whether an identity is that of the remembered screen: the same, or, on
// another port, the same maker, model and serial number.
bool ZelfdeScherm(const QString& strOnthouden, const QString& strIdentiteit);

// The user chose monitor nMonitor (0 automatic, k the k-th screen): the
// number, and the screen's identity in the project's m_strReserve2, so the
// show finds the projector again when the screens come in another order.
void BewaarMonitorKeuze(CDataItemBasis& project, int nMonitor);

// The texts of the project dialog's monitor list: "automatisch ..." first,
// then, only with more than one monitor, "name (w x h)" with " (*)" for the primary one.
std::vector<QString> MonitorLijst();

// The target formats of the project dialog, padded to 24 characters; stored
// with the project, never used for drawing.
std::vector<QString> Doelformaten();
