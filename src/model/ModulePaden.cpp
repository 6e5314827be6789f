#include "ModulePaden.h"

#include <QCoreApplication>

QStringList ModulePaden(const QString& strBestand)
{
    const QString strMap = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return { strMap + strBestand,
        strMap + QString::fromUtf8(ZB_MODULE_MAP_GEINSTALLEERD) + QLatin1Char('/') + strBestand };
}
