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

    bool bJa = true;
    Antwoord antwoord = Antwoord::Nee;
    QStringList aMeldingen;
    QStringList aVragen;
};
