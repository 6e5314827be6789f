#include "BewerkOpdrachten.h"

#include <QAction>
#include <QMenu>

void VoegMenuOpdracht(QMenu& menu, QAction* pActie, const QString& strTekst, bool bAan)
{
    QAction* p = menu.addAction(strTekst);
    p->setEnabled(bAan && pActie);
    if (pActie)
        QObject::connect(p, &QAction::triggered, pActie, &QAction::trigger);
}
