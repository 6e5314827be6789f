#include "UitgesteldeAfstand.h"

#include "Instellingen.h"
#include "afstandsbediening/IAfstandsbediening.h"
#include "console/ShowAfstand.h"

#include <QLibrary>

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
    for (const QString& strModule : m_aModules) {
        // The module stays loaded for the rest of the program's life.
        QLibrary module(strModule);
        if (!module.load())
            continue;
        if (const auto maak = reinterpret_cast<MaakAfstandsbediening>(module.resolve(szMaakAfstandsbediening))) {
            SAfstandOpslag opslag { Instellingen::Afstand(), Instellingen::AfstandApparaten(),
                Instellingen::BewaarAfstand, Instellingen::BewaarAfstandApparaten };
            m_pEcht.reset(maak(*m_pDoel, opslag));
            if (m_pEcht) {
                m_pEcht->BijWijziging([this] { emit toestandGewijzigd(); });
                m_pDoel->ZetBijWijziging([p = m_pEcht.get()] { p->ShowGewijzigd(); });
                emit toestandGewijzigd();
                return m_pEcht.get();
            }
        }
        qWarning("zerbantiko: afstandsmodule %s onbruikbaar", qPrintable(strModule));
    }
    qWarning("zerbantiko: geen afstandsmodule gevonden");
    return nullptr;
}
