#include "Toetsen.h"

#include <Qt>

namespace Toetsen {

namespace {

constexpr quint32 nXNaarEvdev = 8; // X keycodes are evdev codes plus 8
constexpr quint32 nUitgebreid = 0x100;
constexpr quint32 nHerhaling = 1u << 14;
constexpr quint32 nVlagEscape = 0x01;
constexpr quint32 nVlagF5 = 0x3F;
constexpr quint32 nVlagMediaSpelen = 0x100;

// The evdev codes of keys a PC keyboard sends with an E0 prefix, with their
// scan codes: keypad Enter and slash, right Ctrl and Alt, the navigation
// cluster, the Windows and menu keys.
struct SUitgebreid {
    quint32 nEvdev;
    quint32 nScan;
};
constexpr SUitgebreid g_aUitgebreid[] = { { 96, 0x1C }, { 97, 0x1D }, { 98, 0x35 }, { 100, 0x38 }, { 102, 0x47 },
    { 103, 0x48 }, { 104, 0x49 }, { 105, 0x4B }, { 106, 0x4D }, { 107, 0x4F }, { 108, 0x50 }, { 109, 0x51 },
    { 110, 0x52 }, { 111, 0x53 }, { 125, 0x5B }, { 126, 0x5C }, { 127, 0x5D } };
// Below this, evdev codes are the PC's own scan codes.
constexpr quint32 nEersteNietPc = 89;

// The one media key the presenter profiles know: Play/Pause, as a remote
// and a keyboard send it; a separate Play or Pause key is no such key.
bool IsMediaSpelen(int nToets)
{
    return nToets == Qt::Key_MediaTogglePlayPause;
}

} // namespace

QString ProfielNaam(int nProfiel)
{
    static const char* const aNamen[nProfielen] = { "Standaard toetsen (basis-bediening)", "Logitech (volledig)",
        "Logitech (veilig)", "Kensington", "Maxxter (ACT-WPL-01), Action" };
    return nProfiel >= 0 && nProfiel < nProfielen ? QString::fromLatin1(aNamen[nProfiel]) : QString();
}

quint32 Vlagwoord(int nQtToets, quint32 nNativeScanCode, bool bHerhaling)
{
    quint32 nVlag = 0;
    if (IsMediaSpelen(nQtToets)) {
        // A presenter's play key arrives as a consumer key with no scan code.
        nVlag = nVlagMediaSpelen;
    } else if (nNativeScanCode > nXNaarEvdev) {
        const quint32 nEvdev = nNativeScanCode - nXNaarEvdev;
        for (const SUitgebreid& u : g_aUitgebreid) {
            if (u.nEvdev == nEvdev)
                nVlag = nUitgebreid | u.nScan;
        }
        if (nVlag == 0 && nEvdev < nEersteNietPc)
            nVlag = nEvdev;
    }
    if (bHerhaling)
        nVlag |= nHerhaling;
    return nVlag;
}

SUitkomst Vertaal(int nProfiel, int nToets, bool bKeypad, quint32 nVlagwoord, bool bShift, bool bCtrl,
    bool bEerstePagina, bool bLaatstePagina)
{
    SUitkomst u;
    if (nToets == Qt::Key_Backtab) {
        // Qt reports Shift+Tab as a key of its own.
        nToets = Qt::Key_Tab;
        bShift = true;
    }

    // Stage 1: the page keys of the standard profile.
    if (nProfiel == Standaard) {
        if (nToets == Qt::Key_Tab) {
            nToets = bShift ? Qt::Key_Up : Qt::Key_Down;
            bShift = false;
        } else if (nToets == Qt::Key_PageUp && !bEerstePagina) {
            u.handeling = bCtrl ? Handeling::EerstePagina : Handeling::VorigePagina;
            return u;
        } else if (nToets == Qt::Key_PageDown && !bLaatstePagina) {
            u.handeling = bCtrl ? Handeling::LaatstePagina : Handeling::VolgendePagina;
            return u;
        }
    }

    // Stage 2: the presenter profile.
    bool bDoorProfiel4 = false;
    switch (nProfiel) {
    case LogitechVolledig:
    case LogitechVeilig:
        if (nToets == Qt::Key_Escape) {
            if (nProfiel == LogitechVeilig)
                return u;
            nToets = Qt::Key_Return;
        } else if (nToets == Qt::Key_PageUp || nToets == Qt::Key_PageDown) {
            if (bShift)
                bShift = false;
            else
                nToets = nToets == Qt::Key_PageUp ? Qt::Key_Up : Qt::Key_Down;
        }
        break;
    case Kensington:
        if (nToets == Qt::Key_B)
            nToets = Qt::Key_Return;
        break;
    case Maxxter:
        if ((nToets == Qt::Key_Escape && nVlagwoord == nVlagEscape) || (nToets == Qt::Key_F5 && nVlagwoord == nVlagF5)
            || (IsMediaSpelen(nToets) && nVlagwoord == nVlagMediaSpelen)) {
            nToets = Qt::Key_G;
            bShift = false;
            bDoorProfiel4 = true;
        } else if (nToets == Qt::Key_Tab) {
            nToets = Qt::Key_Return;
            bDoorProfiel4 = true;
        }
        break;
    default:
        break;
    }
    if (!bDoorProfiel4) {
        if (nToets == Qt::Key_P && !bShift)
            nToets = Qt::Key_Up;
        else if (nToets == Qt::Key_N)
            nToets = Qt::Key_Down;
    }

    // Stage 3: the common table.
    u.bShift = bShift;
    switch (nToets) {
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Up:
        u.handeling = Handeling::VorigItem;
        break;
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_Down:
        u.handeling = Handeling::VolgendItem;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        u.handeling = Handeling::Activeer;
        break;
    case Qt::Key_B:
        u.handeling = Handeling::Terug;
        break;
    case Qt::Key_C:
    case Qt::Key_X:
        u.handeling = Handeling::Sluit;
        break;
    case Qt::Key_G:
        u.handeling = bShift ? Handeling::StopGeluid : Handeling::Gong;
        break;
    case Qt::Key_L:
        if (bShift)
            u.handeling = Handeling::Herhalen;
        break;
    case Qt::Key_P:
        if (bShift)
            u.handeling = Handeling::Pauze;
        break;
    case Qt::Key_S:
        if (bShift)
            u.handeling = Handeling::StopMaarHoud;
        break;
    case Qt::Key_Plus:
        if (bKeypad)
            u.handeling = bShift ? Handeling::MasterOp : Handeling::VolumeOp;
        break;
    case Qt::Key_Minus:
        if (bKeypad)
            u.handeling = bShift ? Handeling::MasterNeer : Handeling::VolumeNeer;
        break;
    default:
        if (nToets >= Qt::Key_0 && nToets <= Qt::Key_9) {
            u.handeling = Handeling::Cijfer;
            u.nCijfer = nToets == Qt::Key_0 ? 9 : nToets - Qt::Key_1;
        }
        break;
    }
    return u;
}

} // namespace Toetsen
