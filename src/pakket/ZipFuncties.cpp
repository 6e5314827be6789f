#include "ZipFuncties.h"

#include "model/ModulePaden.h"

#include <QLibrary>
#include <QString>

// Defined when the module's code is linked into the program itself.
extern "C" const SZipFuncties* zb_zip_functies() __attribute__((weak));

const SZipFuncties* ZipFuncties()
{
    static const SZipFuncties* const pFuncties = []() -> const SZipFuncties* {
        if (zb_zip_functies)
            return zb_zip_functies();
        using Functies = const SZipFuncties* (*)();
        for (const QString& strModule : ModulePaden(QStringLiteral("zerbantiko-zip.so"))) {
            // The module stays loaded for the rest of the program's life.
            QLibrary module(strModule);
            if (!module.load())
                continue;
            if (const auto functies = reinterpret_cast<Functies>(module.resolve("zb_zip_functies")))
                return functies();
        }
        qWarning("zerbantiko: geen zip-module gevonden; inpakken en uitpakken kunnen niet");
        return nullptr;
    }();
    return pFuncties;
}

QString GeenZipModule()
{
    return QStringLiteral("Inpakken en uitpakken kunnen niet: de module zerbantiko-zip.so ontbreekt.");
}
