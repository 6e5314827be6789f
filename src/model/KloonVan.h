#pragma once

#include "DataItemBasis.h"

#include <new>

// Allocates an element of class T as a copy of the source; running out of
// memory here ends the program with the copy message.
template <class T> std::unique_ptr<CDataItemBasis> KloonVan(const CDataItemBasis& bron)
{
    std::unique_ptr<CDataItemBasis> p;
    try {
        p = std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        GeheugenTekortBijKopie(bron.GetKlasseNaam());
    }
    p->CopyFrom(bron);
    return p;
}
