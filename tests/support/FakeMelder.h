#pragma once

#include "QtPrinters.h"
#include "model/IMelder.h"

#include <QStringList>

// Answers questions as the test says and records everything it was asked.
class CFakeMelder : public IMelder {
public:
    void Meld(const QString& strTekst) override { aMeldingen << strTekst; }
    bool VraagJaNee(const QString& strTekst) override
    {
        aVragen << strTekst;
        return bJa;
    }
    Antwoord VraagJaNeeAnnuleren(const QString& strTekst) override
    {
        aVragen << strTekst;
        return antwoord;
    }

    int Kies(const QString& strTekst, const QStringList& aKnoppen) override
    {
        aVragen << strTekst;
        aKeuzes << aKnoppen;
        return nKeuze;
    }

    bool bJa = true;
    int nKeuze = 0;
    QList<QStringList> aKeuzes;
    Antwoord antwoord = Antwoord::Nee;
    QStringList aMeldingen;
    QStringList aVragen;
};
