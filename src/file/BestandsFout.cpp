#include "BestandsFout.h"

QString FoutMelding(FoutSoort soort, const QString& strBestand)
{
    switch (soort) {
    case FoutSoort::Geen:
        return {};
    case FoutSoort::VoorbijEinde:
        return QStringLiteral("Attempted to access %1 past its end.").arg(strBestand);
    case FoutSoort::OnverwachtObject:
        return QStringLiteral("%1 contained an unexpected object.").arg(strBestand);
    case FoutSoort::VerkeerdSchema:
        return QStringLiteral("%1 contains an incorrect schema.").arg(strBestand);
    case FoutSoort::OngeldigFormaat:
        return QStringLiteral("%1 has a bad format.").arg(strBestand);
    case FoutSoort::OnverwachtFormaat:
        return QStringLiteral("Unexpected file format.");
    case FoutSoort::Openen:
        return QStringLiteral("Het bestand %1 kan niet worden geopend.").arg(strBestand);
    case FoutSoort::Opslaan:
        return QStringLiteral("Het project kan niet worden opgeslagen in %1.").arg(strBestand);
    }
    return {};
}
