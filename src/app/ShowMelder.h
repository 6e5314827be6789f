#pragma once

#include "model/IMelder.h"

class CShowBesturing;

// While a show runs, its messages go to the operator's console rather than
// to a dialog; questions, and all messages outside a show, to the message
// boxes.
class CShowMelder : public IMelder {
public:
    explicit CShowMelder(IMelder& dialogen)
        : m_dialogen(dialogen)
    {
    }
    void SetShow(CShowBesturing* pBesturing) { m_pBesturing = pBesturing; }

    void Meld(const QString& strTekst) override;
    bool VraagJaNee(const QString& strTekst) override { return m_dialogen.VraagJaNee(strTekst); }
    Antwoord VraagJaNeeAnnuleren(const QString& strTekst) override { return m_dialogen.VraagJaNeeAnnuleren(strTekst); }
    int Kies(const QString& strTekst, const QStringList& aKnoppen) override
    {
        return m_dialogen.Kies(strTekst, aKnoppen);
    }

private:
    IMelder& m_dialogen;
    CShowBesturing* m_pBesturing = nullptr;
};
