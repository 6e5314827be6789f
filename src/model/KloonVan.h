#pragma once

#include "DataItemBasis.h"

// Allocates an element of class T as a deep copy of the source.
template <class T> std::unique_ptr<CDataItemBasis> KloonVan(const CDataItemBasis& bron)
{
    auto p = std::make_unique<T>();
    p->CopyFrom(bron);
    return p;
}
