#include "ShowMelder.h"

#include "show/ShowBesturing.h"

void CShowMelder::Meld(const QString& strTekst)
{
    if (m_pBesturing && m_pBesturing->Loopt())
        m_pBesturing->Meld(strTekst);
    else
        m_dialogen.Meld(strTekst);
}
