#include "IBestandsKiezer.h"
#include "dialogs/Modaal.h"

#include <QFileDialog>

namespace {

const QString strFilter = QStringLiteral("Zerbantiko Files (*.zb)");

QString Kies(QFileDialog& dlg)
{
    if (ToonModaal(dlg) != QDialog::Accepted)
        return QString();
    return dlg.selectedFiles().value(0);
}

} // namespace

QString CBestandsDialoog::KiesOpen(QWidget* pOuder)
{
    // A package is opened by unpacking it first.
    QFileDialog dlg(pOuder, QString(), QString(), strFilter + QStringLiteral(";;Zerbantiko-pakketten (*.zbz)"));
    dlg.setFileMode(QFileDialog::ExistingFile);
    return Kies(dlg);
}

QString CBestandsDialoog::KiesOpslaan(QWidget* pOuder, const QString& strVoorstel)
{
    QFileDialog dlg(pOuder, QString(), strVoorstel, strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    return Kies(dlg);
}

QString CBestandsDialoog::KiesDoel(QWidget* pOuder, const QString& strTitel, const QString& strKnop,
    const QString& strFilter, const QString& strVoorstel)
{
    QFileDialog dlg(pOuder, strTitel, strVoorstel, strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setLabelText(QFileDialog::Accept, strKnop);
    return Kies(dlg);
}
