#include "ModulePaden.h"

#include <QCoreApplication>
#include <QLibrary>

QStringList ModulePaden(const QString& strBestand)
{
    const QString strMap = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return { strMap + strBestand,
        strMap + QString::fromUtf8(ZB_MODULE_MAP_GEINSTALLEERD) + QLatin1Char('/') + strBestand };
}

QFunctionPointer ZoekInModule(const QStringList& aPaden, const char* szFunctie)
{
    for (const QString& strModule : aPaden) {
        QLibrary module(strModule);
        if (!module.load())
            continue;
        if (const QFunctionPointer p = module.resolve(szFunctie))
            return p;
        qWarning("zerbantiko: module %s onbruikbaar", qPrintable(strModule));
    }
    return nullptr;
}
