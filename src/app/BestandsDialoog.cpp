#include "IBestandsKiezer.h"

#include <QFileDialog>

QString CBestandsDialoog::KiesOpen(QWidget* pOuder)
{
    return QFileDialog::getOpenFileName(pOuder, QString(), QString(), QStringLiteral("Zerbantiko Files (*.zb)"));
}

QString CBestandsDialoog::KiesOpslaan(QWidget* pOuder, const QString& strVoorstel)
{
    return QFileDialog::getSaveFileName(pOuder, QString(), strVoorstel, QStringLiteral("Zerbantiko Files (*.zb)"));
}
