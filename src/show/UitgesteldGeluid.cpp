#include "UitgesteldGeluid.h"

#include "model/ModulePaden.h"

#include <QtGlobal>

CUitgesteldGeluid::CUitgesteldGeluid(QStringList aModules, QString strApparaat)
    : m_aModules(std::move(aModules))
    , m_strApparaat(std::move(strApparaat))
{
}

CUitgesteldGeluid::~CUitgesteldGeluid() = default;

void CUitgesteldGeluid::KiesApparaat(const QString& strApparaat)
{
    m_strApparaat = strApparaat;
    if (m_pEcht)
        m_pEcht->KiesApparaat(strApparaat);
}

IGeluidsmachine& CUitgesteldGeluid::Echt() const
{
    if (m_pEcht)
        return *m_pEcht;
    using Maker = IGeluidsmachine* (*)(const QString&);
    if (const auto maak = reinterpret_cast<Maker>(ZoekInModule(m_aModules, "zb_maak_geluidsmachine"))) {
        m_pEcht.reset(maak(m_strApparaat));
        if (m_pEcht)
            return *m_pEcht;
    }
    qWarning("zerbantiko: geen geluidsmodule gevonden; de presentatie blijft stil");
    m_pEcht = std::make_unique<CStilleGeluidsmachine>();
    return *m_pEcht;
}
