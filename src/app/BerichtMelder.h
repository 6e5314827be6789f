#pragma once

#include "model/IMelder.h"

class QWidget;

// Messages and questions in modal message boxes with Dutch buttons.
class CBerichtMelder : public IMelder {
public:
    explicit CBerichtMelder(QWidget* pOuder = nullptr)
        : m_pOuder(pOuder)
    {
    }
    void SetOuder(QWidget* pOuder) { m_pOuder = pOuder; }

    void Meld(const QString& strTekst) override;
    bool VraagJaNee(const QString& strTekst) override;
    Antwoord VraagJaNeeAnnuleren(const QString& strTekst) override;
    int Kies(const QString& strTekst, const QStringList& aKnoppen) override;

private:
    QWidget* m_pOuder;
};
