#pragma once

#include <QString>

// Keys arriving at the show, turned into its operations: first the page keys
// of the standard profile, then the presenter profile's translation, then
// the common key table.
namespace Toetsen {

// The presenter profiles, in the order of the project dialog's list.
enum Profiel : int { Standaard = 0, LogitechVolledig = 1, LogitechVeilig = 2, Kensington = 3, Maxxter = 4 };

// The profile's name as the project dialog lists it.
QString ProfielNaam(int nProfiel);
constexpr int nProfielen = 5;

// The key message's flag word as the presenter profiles know it: the PC
// scan code in bits 0-7, the extended-key flag in bit 8, bit 14 for a key
// that repeats. From Qt's key code, the native scan code (an X keycode:
// the evdev code + 8; 0 when unknown) and the repeat flag.
quint32 Vlagwoord(int nQtToets, quint32 nNativeScanCode, bool bHerhaling);

enum class Handeling {
    Niets,
    VorigePagina,
    VolgendePagina,
    EerstePagina,
    LaatstePagina,
    VorigItem,
    VolgendItem,
    Activeer,
    Cijfer, // nCijfer: the item's position, 0 for key 1 .. 9 for key 0
    Terug,
    Sluit,
    Gong,
    StopGeluid,
    Herhalen,
    Pauze,
    StopMaarHoud,
    VolumeOp,
    VolumeNeer,
    MasterOp,
    MasterNeer,
};

struct SUitkomst {
    Handeling handeling = Handeling::Niets;
    int nCijfer = 0;
    bool bShift = false; // Shift as it counts after the translation
};

// One key: its Qt code, whether it came from the numeric keypad, its flag
// word, Shift and Ctrl, and whether the page on show is the first or the last.
SUitkomst Vertaal(int nProfiel, int nQtToets, bool bKeypad, quint32 nVlagwoord, bool bShift, bool bCtrl,
    bool bEerstePagina, bool bLaatstePagina);

} // namespace Toetsen
