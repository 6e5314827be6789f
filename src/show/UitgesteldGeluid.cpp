#include "UitgesteldGeluid.h"

#include <QLibrary>
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
    for (const QString& strModule : m_aModules) {
        // The module stays loaded for the rest of the program's life: the
        // engine's code and its audio thread live in it.
        QLibrary module(strModule);
        if (!module.load())
            continue;
        if (const auto maak = reinterpret_cast<Maker>(module.resolve("zb_maak_geluidsmachine"))) {
            m_pEcht.reset(maak(m_strApparaat));
            if (m_pEcht)
                return *m_pEcht;
        }
        qWarning("zerbantiko: geluidsmodule %s onbruikbaar", qPrintable(strModule));
    }
    qWarning("zerbantiko: geen geluidsmodule gevonden; de presentatie blijft stil");
    m_pEcht = std::make_unique<CStilleGeluidsmachine>();
    return *m_pEcht;
}
