#include "UitgesteldeAfstand.h"

#include "Instellingen.h"
#include "afstandsbediening/IAfstandsbediening.h"
#include "console/ShowAfstand.h"
#include "model/ModulePaden.h"

CUitgesteldeAfstand::CUitgesteldeAfstand(
    QStringList aModules, CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder)
    : QObject(pOuder)
    , m_aModules(std::move(aModules))
    , m_pDoel(new CShowAfstand(doc, klok, besturing, this))
{
}

CUitgesteldeAfstand::~CUitgesteldeAfstand()
{
    // The remote first: its server serves the show's side until it stops.
    m_pDoel->ZetBijWijziging({});
    m_pEcht.reset();
}

void CUitgesteldeAfstand::StartAlsAan()
{
    // The setting is read here, so that a remote left off loads nothing.
    if (Instellingen::Afstand().bAan) {
        if (IAfstandsbediening* p = Echt())
            p->StartAlsAan();
    }
}

bool CUitgesteldeAfstand::ToonDialoog(QWidget* pOuder)
{
    IAfstandsbediening* p = Echt();
    if (!p)
        return false;
    p->ToonDialoog(pOuder);
    return true;
}

QString CUitgesteldeAfstand::Beschrijving() const
{
    return QStringLiteral("Afstandsbediening: ") + (m_pEcht ? m_pEcht->Toestand() : QStringLiteral("uit"));
}

IAfstandsbediening* CUitgesteldeAfstand::Echt()
{
    if (m_pEcht)
        return m_pEcht.get();
    if (const auto maak = reinterpret_cast<MaakAfstandsbediening>(ZoekInModule(m_aModules, szMaakAfstandsbediening))) {
        SAfstandOpslag opslag { Instellingen::Afstand(), Instellingen::AfstandApparaten(), Instellingen::BewaarAfstand,
            Instellingen::BewaarAfstandApparaten };
        m_pEcht.reset(maak(*m_pDoel, opslag));
        if (m_pEcht) {
            m_pEcht->BijWijziging([this] { emit toestandGewijzigd(); });
            m_pDoel->ZetBijWijziging([p = m_pEcht.get()] { p->ShowGewijzigd(); });
            emit toestandGewijzigd();
            return m_pEcht.get();
        }
    }
    qWarning("zerbantiko: geen afstandsmodule gevonden");
    return nullptr;
}
