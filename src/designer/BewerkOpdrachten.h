#pragma once

class QAction;
class QMenu;
class QString;

// The editing commands that context menus offer, as the main window holds
// them; the tree and the designer build their menus from the same set.
struct SBewerkOpdrachten {
    QAction* pEigenschappen = nullptr;
    QAction* pKopieren = nullptr;
    QAction* pKnippen = nullptr;
    QAction* pPlakken = nullptr;
    QAction* pVerwijderen = nullptr;
    QAction* pPagina = nullptr;
    QAction* pTekst = nullptr;
    QAction* pAfbeelding = nullptr;
    QAction* pKleurvlak = nullptr;
};

// A menu entry that runs the command of the action (whether or not the action
// is enabled at that moment); enabled when bAan and the action exists.
void VoegMenuOpdracht(QMenu& menu, QAction* pActie, const QString& strTekst, bool bAan);
