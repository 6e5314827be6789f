#include "WerkbalkDialoog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CWerkbalkDialoog::CWerkbalkDialoog(
    const QList<QPair<int, QAction*>>& aKnoppen, const QSet<int>& verborgen, QWidget* pOuder)
    : QDialog(pOuder)
{
    setWindowTitle(QStringLiteral("Aanpassen..."));
    auto* pLayout = new QVBoxLayout(this);
    for (const auto& [nId, pActie] : aKnoppen) {
        // The menu text without its mnemonic and shortcut.
        QString strTekst = pActie->text().section(u'\t', 0, 0);
        strTekst.remove(u'&');
        auto* pVakje = new QCheckBox(strTekst, this);
        pVakje->setIcon(pActie->icon());
        pVakje->setChecked(!verborgen.contains(nId));
        pLayout->addWidget(pVakje);
        m_aVakjes << qMakePair(nId, pVakje);
    }
    auto* pKnoppen = new QDialogButtonBox(this);
    pKnoppen->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    pKnoppen->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    connect(pKnoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pKnoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pKnoppen);
}

QSet<int> CWerkbalkDialoog::Verborgen() const
{
    QSet<int> s;
    for (const auto& [nId, pVakje] : m_aVakjes) {
        if (!pVakje->isChecked())
            s.insert(nId);
    }
    return s;
}
