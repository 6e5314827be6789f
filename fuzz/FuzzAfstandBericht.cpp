// Feeds arbitrary bytes to what the phone remote reads from the network: a
// phone's message and the head of an HTTP request. Both must refuse cleanly
// what they do not take, and what they take must hold its limits.
#include "afstand/AfstandBericht.h"
#include "afstand/HttpVerzoek.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto b = LeesBericht(bytes)) {
        const bool bBinnen = size <= size_t(nMaxBericht) && b->dX >= 0 && b->dX <= 1 && b->dY >= 0 && b->dY <= 1
            && (b->soort != SAfstandBericht::Soort::Maat
                || (b->nBreedte >= nMinBeeldBreedte && b->nBreedte <= nMaxBeeldBreedte));
        if (!bBinnen)
            std::abort();
    }
    SHttpVerzoek verzoek;
    if (LeesVerzoek(bytes, verzoek) == SHttpVerzoek::Uitslag::Klaar) {
        if (verzoek.nKopLengte > nMaxKop || !verzoek.pad.startsWith('/'))
            std::abort();
        verzoek.QueryWaarde("token");
    }
    return 0;
}
