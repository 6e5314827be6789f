#include "Afstandsbediening.h"

#include "Instellingen.h"
#include "afstand/AfstandServer.h"
#include "afstand/Koppeling.h"
#include "afstand/NetwerkAdressen.h"
#include "console/ShowAfstand.h"

CAfstandsbediening::CAfstandsbediening(
    CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder)
    : QObject(pOuder)
    , m_instelling(Instellingen::Afstand())
    , m_pKoppeling(new CKoppeling({}, this))
    , m_pDoel(new CShowAfstand(doc, klok, besturing, this))
    , m_pServer(new CAfstandServer(*m_pDoel, *m_pKoppeling, this))
{
    m_pDoel->ZetServer(m_pServer);
    m_pKoppeling->ZetApparaten(Instellingen::AfstandApparaten());
    connect(m_pKoppeling, &CKoppeling::apparatenGewijzigd, this,
        [this] { Instellingen::BewaarAfstandApparaten(m_pKoppeling->Apparaten()); });
    connect(m_pServer, &CAfstandServer::toestandGewijzigd, this, &CAfstandsbediening::toestandGewijzigd);
}

CAfstandsbediening::~CAfstandsbediening()
{
    // The server first: it serves the show's side and the pairing until it stops.
    m_pDoel->ZetServer(nullptr);
    m_pServer->disconnect(this);
    delete m_pServer;
}

void CAfstandsbediening::StartAlsAan()
{
    if (m_instelling.bAan)
        m_pServer->Start(KiesAdres(NetwerkAdressen(), m_instelling.strInterface), quint16(m_instelling.nPoort));
}

void CAfstandsbediening::ToonDialoog(QWidget* pOuder)
{
    CDlgAfstandsbediening dlg(*m_pServer, *m_pKoppeling, m_instelling, pOuder);
    dlg.exec();
    Instellingen::BewaarAfstand(m_instelling);
}

QString CAfstandsbediening::Beschrijving() const
{
    return QStringLiteral("Afstandsbediening: ") + m_pServer->Beschrijving();
}
