#pragma once

#include <QString>
#include <QStringList>

// Modal messages and questions to the user. The window layer shows them in
// message boxes; tests answer them.
class IMelder {
public:
    enum class Antwoord { Ja, Nee, Annuleren };

    virtual ~IMelder() = default;
    virtual void Meld(const QString& strTekst) = 0;
    virtual bool VraagJaNee(const QString& strTekst) = 0;
    virtual Antwoord VraagJaNeeAnnuleren(const QString& strTekst) = 0;
    // A question with buttons of its own; the index of the one chosen, the
    // last one when the question is closed. Without buttons of its own, as
    // Ja, Nee, Annuleren.
    virtual int Kies(const QString& strTekst, const QStringList& aKnoppen)
    {
        Q_UNUSED(aKnoppen);
        const Antwoord a = VraagJaNeeAnnuleren(strTekst);
        return a == Antwoord::Ja ? 0 : a == Antwoord::Nee ? 1 : 2;
    }
};
