#include "BerichtMelder.h"

#include "dialogs/Modaal.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

const QString strTitel = QStringLiteral("Zerbantiko");

} // namespace

void CBerichtMelder::Meld(const QString& strTekst)
{
    QMessageBox box(QMessageBox::Warning, strTitel, strTekst, QMessageBox::NoButton, m_pOuder);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ToonModaal(box);
}

bool CBerichtMelder::VraagJaNee(const QString& strTekst)
{
    QMessageBox box(QMessageBox::Question, strTitel, strTekst, QMessageBox::NoButton, m_pOuder);
    QPushButton* pJa = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* pNee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    box.setDefaultButton(pNee);
    box.setEscapeButton(pNee);
    ToonModaal(box);
    return box.clickedButton() == pJa;
}

IMelder::Antwoord CBerichtMelder::VraagJaNeeAnnuleren(const QString& strTekst)
{
    QMessageBox box(QMessageBox::Question, strTitel, strTekst, QMessageBox::NoButton, m_pOuder);
    QPushButton* pJa = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* pNee = box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    QPushButton* pAnnuleren = box.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(pJa);
    box.setEscapeButton(pAnnuleren);
    ToonModaal(box);
    if (box.clickedButton() == pJa)
        return Antwoord::Ja;
    if (box.clickedButton() == pNee)
        return Antwoord::Nee;
    return Antwoord::Annuleren;
}

int CBerichtMelder::Kies(const QString& strTekst, const QStringList& aKnoppen)
{
    QMessageBox box(QMessageBox::Question, strTitel, strTekst, QMessageBox::NoButton, m_pOuder);
    QList<QPushButton*> aGemaakt;
    for (const QString& strKnop : aKnoppen)
        aGemaakt << box.addButton(strKnop, QMessageBox::ActionRole);
    if (!aGemaakt.isEmpty()) {
        box.setDefaultButton(aGemaakt.front());
        box.setEscapeButton(aGemaakt.back());
    }
    ToonModaal(box);
    const qsizetype i = aGemaakt.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return i >= 0 ? int(i) : int(aKnoppen.size()) - 1;
}
