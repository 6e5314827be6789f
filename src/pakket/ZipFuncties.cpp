#include "ZipFuncties.h"

#include "model/ModulePaden.h"

#include <QString>

// Defined when the module's code is linked into the program itself.
extern "C" const SZipFuncties* zb_zip_functies() __attribute__((weak));

const SZipFuncties* ZipFuncties()
{
    static const SZipFuncties* const pFuncties = []() -> const SZipFuncties* {
        if (zb_zip_functies)
            return zb_zip_functies();
        using Functies = const SZipFuncties* (*)();
        if (const auto functies = reinterpret_cast<Functies>(
                ZoekInModule(ModulePaden(QStringLiteral("zerbantiko-zip.so")), "zb_zip_functies")))
            return functies();
        qWarning("zerbantiko: geen zip-module gevonden; inpakken en uitpakken kunnen niet");
        return nullptr;
    }();
    return pFuncties;
}
