#pragma once

#include <QString>

// Modal messages and questions to the user. The window layer shows them in
// message boxes; tests answer them.
class IMelder {
public:
    enum class Antwoord { Ja, Nee, Annuleren };

    virtual ~IMelder() = default;
    virtual void Meld(const QString& strTekst) = 0;
    virtual bool VraagJaNee(const QString& strTekst) = 0;
    virtual Antwoord VraagJaNeeAnnuleren(const QString& strTekst) = 0;
};
