#pragma once

class CDataItemBasis;

// What an item's action does, supplied by the show: playing a sound,
// showing a picture or a colour screen, starting a program. Elements reach
// it through their project.
class IActies {
public:
    virtual ~IActies() = default;
    virtual void VoerUit(CDataItemBasis& item, int nArgument) = 0;
    virtual void Stop(CDataItemBasis& item) = 0;
    // Whether a program or sound the item's actions started still runs.
    virtual bool Loopt(CDataItemBasis& item) = 0;
};
