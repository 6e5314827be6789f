// The sound module: the SDL2_mixer engine, loaded by the program when it is
// first needed.
#include "SdlGeluidsmachine.h"

extern "C" Q_DECL_EXPORT IGeluidsmachine* zb_maak_geluidsmachine(const QString& strApparaat)
{
    return new CSdlGeluidsmachine(strApparaat);
}
