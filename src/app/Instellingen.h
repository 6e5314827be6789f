#pragma once

#include "afstand/Koppeling.h"
#include "afstandsbediening/IAfstandsbediening.h"

#include <QSet>
#include <QStringList>

// The per-user settings under "Morvek" / "Zerbantiko".
namespace Instellingen {

// The tree pane's width at start: the stored "CxCur" (200 when none) when
// it is at least 101, else 100.
int BoomBreedte();
// Written on exit: the tree's width as "CxCur", and 0 as "CyCur".
void BewaarBoomBreedte(int nBreedte);

// Up to ten recent project files, most recent first.
QStringList RecenteBestanden();
// Puts a file at the front of the list.
QStringList VoegRecentToe(const QString& strPad);
void VerwijderRecent(const QString& strPad);

// The command ids of the toolbar buttons the user hid ("Aanpassen...").
QSet<int> VerborgenKnoppen();
void BewaarVerborgenKnoppen(const QSet<int>& verborgen);

// The sound's output device by name; empty for the system's default.
QString GeluidsApparaat();
void BewaarGeluidsApparaat(const QString& strApparaat);

// The phone remote: on or off, network and port, and the paired phones.
SAfstandInstelling Afstand();
void BewaarAfstand(const SAfstandInstelling& instelling);
QList<CKoppeling::SApparaat> AfstandApparaten();
void BewaarAfstandApparaten(const QList<CKoppeling::SApparaat>& aApparaten);

} // namespace Instellingen
