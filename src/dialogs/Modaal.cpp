#include "Modaal.h"

#include <QDialog>

int ToonModaal(QDialog& dlg)
{
    // exec() would make it application-modal unless told otherwise first.
    dlg.setWindowModality(Qt::WindowModal);
    return dlg.exec();
}
