#include "Afstandsbediening.h"

#include "DlgAfstandsbediening.h"
#include "afstand/AfstandServer.h"
#include "afstand/NetwerkAdressen.h"

CAfstandsbediening::CAfstandsbediening(IAfstandDoel& doel, SAfstandOpslag opslag)
    : m_opslag(std::move(opslag))
    , m_pKoppeling(new CKoppeling({}, this))
    , m_pServer(new CAfstandServer(doel, *m_pKoppeling, this))
{
    m_pKoppeling->ZetApparaten(m_opslag.aApparaten);
    connect(m_pKoppeling, &CKoppeling::apparatenGewijzigd, this, [this] {
        if (m_opslag.bewaarApparaten)
            m_opslag.bewaarApparaten(m_pKoppeling->Apparaten());
    });
}

CAfstandsbediening::~CAfstandsbediening()
{
    // The server first: it serves the pairing until it stops.
    m_pServer->disconnect(this);
    delete m_pServer;
}

void CAfstandsbediening::StartAlsAan()
{
    if (m_opslag.instelling.bAan) {
        m_pServer->Start(
            KiesAdres(NetwerkAdressen(), m_opslag.instelling.strInterface), quint16(m_opslag.instelling.nPoort));
    }
}

void CAfstandsbediening::ToonDialoog(QWidget* pOuder)
{
    CDlgAfstandsbediening dlg(*m_pServer, *m_pKoppeling, m_opslag.instelling, pOuder);
    dlg.exec();
    if (m_opslag.bewaarInstelling)
        m_opslag.bewaarInstelling(m_opslag.instelling);
}

QString CAfstandsbediening::Toestand() const
{
    return m_pServer->Beschrijving();
}

void CAfstandsbediening::BijWijziging(std::function<void()> gewijzigd)
{
    connect(m_pServer, &CAfstandServer::toestandGewijzigd, this, std::move(gewijzigd));
}

void CAfstandsbediening::ShowGewijzigd()
{
    m_pServer->Gewijzigd();
}
