#include "BewerkOpdrachten.h"

#include <QAction>
#include <QMenu>

void VoegMenuOpdracht(QMenu& menu, QAction* pActie, const QString& strTekst, bool bAan)
{
    QAction* p = menu.addAction(strTekst);
    p->setEnabled(bAan && pActie);
    // The entry runs the command itself: the action may be disabled at this
    // moment (the main window's Kopieëren while the overview is selected),
    // and a disabled action ignores trigger(). The entry's own state decides.
    if (pActie)
        QObject::connect(p, &QAction::triggered, pActie, &QAction::triggered);
}
