// The remote as a module of its own: the program loads it when the remote is
// first wanted, so that it starts without the network libraries.
#include "Afstandsbediening.h"

extern "C" Q_DECL_EXPORT IAfstandsbediening* zb_maak_afstandsbediening(IAfstandDoel& doel, const SAfstandOpslag& opslag)
{
    return new CAfstandsbediening(doel, opslag);
}
