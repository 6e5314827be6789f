#include "show/Toetsen.h"

#include "show/Geluidsmachine.h"

#include <Qt>

#include <gtest/gtest.h>

using namespace Toetsen;

TEST(Toetsen, FlagWordFromTheKeyEvent)
{
    const struct {
        int nToets;
        quint32 nX; // X keycode: evdev + 8
        bool bHerhaling;
        quint32 nVlag;
    } aGevallen[] = {
        { Qt::Key_Escape, 9, false, 0x01 }, { Qt::Key_Escape, 9, true, 0x4001 }, // repeating: bit 14
        { Qt::Key_F5, 71, false, 0x3F }, { Qt::Key_B, 56, false, 0x30 },
        { Qt::Key_Up, 111, false, 0x148 }, // an extended key: E0 48
        { Qt::Key_PageDown, 117, false, 0x151 }, { Qt::Key_Enter, 104, false, 0x11C }, // keypad Enter
        { Qt::Key_MediaTogglePlayPause, 172, false, 0x100 }, // a consumer key
        { Qt::Key_MediaPlay, 0, true, 0x4000 }, { Qt::Key_Escape, 0, false, 0 }, // no scan code known
    };
    for (const auto& g : aGevallen)
        EXPECT_EQ(Vlagwoord(g.nToets, g.nX, g.bHerhaling), g.nVlag) << g.nToets << " " << g.nX;
}

TEST(Toetsen, TheKeyTableOfEveryProfile)
{
    using H = Handeling;
    constexpr quint32 nEsc = 0x01, nF5 = 0x3F, nMedia = 0x100;
    const struct {
        const char* szToets;
        int nToets;
        quint32 nVlag;
        bool bShift, bCtrl;
        H aProfiel[5];
    } aTabel[] = {
        { "Escape", Qt::Key_Escape, nEsc, false, false, { H::Niets, H::Activeer, H::Niets, H::Niets, H::Gong } },
        { "Escape, another flag word", Qt::Key_Escape, 0x4001, false, false,
            { H::Niets, H::Activeer, H::Niets, H::Niets, H::Niets } },
        { "Tab", Qt::Key_Tab, 0x0F, false, false, { H::VolgendItem, H::Niets, H::Niets, H::Niets, H::Activeer } },
        { "Shift+Tab", Qt::Key_Backtab, 0x0F, true, false,
            { H::VorigItem, H::Niets, H::Niets, H::Niets, H::Activeer } },
        { "PageUp", Qt::Key_PageUp, 0x149, false, false,
            { H::VorigePagina, H::VorigItem, H::VorigItem, H::Niets, H::Niets } },
        { "Ctrl+PageUp", Qt::Key_PageUp, 0x149, false, true,
            { H::EerstePagina, H::VorigItem, H::VorigItem, H::Niets, H::Niets } },
        { "PageDown", Qt::Key_PageDown, 0x151, false, false,
            { H::VolgendePagina, H::VolgendItem, H::VolgendItem, H::Niets, H::Niets } },
        { "Ctrl+PageDown", Qt::Key_PageDown, 0x151, false, true,
            { H::LaatstePagina, H::VolgendItem, H::VolgendItem, H::Niets, H::Niets } },
        { "Shift+PageUp", Qt::Key_PageUp, 0x149, true, false,
            { H::VorigePagina, H::Niets, H::Niets, H::Niets, H::Niets } },
        { "Shift+PageDown", Qt::Key_PageDown, 0x151, true, false,
            { H::VolgendePagina, H::Niets, H::Niets, H::Niets, H::Niets } },
        { "F5", Qt::Key_F5, nF5, false, false, { H::Activeer, H::Activeer, H::Activeer, H::Activeer, H::Gong } },
        { "F5, another flag word", Qt::Key_F5, 0, false, false,
            { H::Activeer, H::Activeer, H::Activeer, H::Activeer, H::Activeer } },
        { "Media Play/Pause", Qt::Key_MediaTogglePlayPause, nMedia, false, false,
            { H::Niets, H::Niets, H::Niets, H::Niets, H::Gong } },
        { "Media Play, a key of its own", Qt::Key_MediaPlay, nMedia, false, false,
            { H::Niets, H::Niets, H::Niets, H::Niets, H::Niets } },
        { "B", Qt::Key_B, 0x30, false, false, { H::Terug, H::Terug, H::Terug, H::Activeer, H::Terug } },
        { "P", Qt::Key_P, 0x19, false, false,
            { H::VorigItem, H::VorigItem, H::VorigItem, H::VorigItem, H::VorigItem } },
        { "N", Qt::Key_N, 0x31, false, false,
            { H::VolgendItem, H::VolgendItem, H::VolgendItem, H::VolgendItem, H::VolgendItem } },
        { "Shift+P", Qt::Key_P, 0x19, true, false, { H::Pauze, H::Pauze, H::Pauze, H::Pauze, H::Pauze } },
        { "C", Qt::Key_C, 0x2E, false, false, { H::Sluit, H::Sluit, H::Sluit, H::Sluit, H::Sluit } },
        { "Shift+G", Qt::Key_G, 0x22, true, false,
            { H::StopGeluid, H::StopGeluid, H::StopGeluid, H::StopGeluid, H::StopGeluid } },
    };
    for (const auto& r : aTabel) {
        for (int nProfiel = 0; nProfiel < 5; ++nProfiel) {
            const SUitkomst u = Vertaal(nProfiel, r.nToets, false, r.nVlag, r.bShift, r.bCtrl, false, false);
            EXPECT_EQ(int(u.handeling), int(r.aProfiel[nProfiel])) << r.szToets << ", profile " << nProfiel;
        }
    }
}

TEST(Toetsen, PageKeysAtTheEndsAndKeypadKeys)
{
    using H = Handeling;
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_PageUp, false, 0, false, false, true, false).handeling, H::Niets)
        << "PageUp on the first page";
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_PageDown, false, 0, false, false, false, true).handeling, H::Niets);
    // Digits of both keyboards: key 3 runs item 2, key 0 item 9.
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_3, false, 0, false, false, false, false).nCijfer, 2);
    EXPECT_EQ(Vertaal(Kensington, Qt::Key_0, true, 0, false, false, false, false).nCijfer, 9);
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_Plus, true, 0, false, false, false, false).handeling, H::VolumeOp);
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_Plus, true, 0, true, false, false, false).handeling, H::MasterOp);
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_Minus, true, 0, false, false, false, false).handeling, H::VolumeNeer);
    EXPECT_EQ(Vertaal(Standaard, Qt::Key_Plus, false, 0, false, false, false, false).handeling, H::Niets)
        << "the main keyboard's plus is not part of the set";
    // Profile 4's gong releases Shift: Shift+Escape still plays the gong.
    EXPECT_EQ(Vertaal(Maxxter, Qt::Key_Escape, false, 1, true, false, false, false).handeling, H::Gong);
}

TEST(Toetsen, VolumeSteps)
{
    const struct {
        float fVoor;
        double dStap;
        float fNa;
    } aGevallen[] = { { 0.95f, 0.1, 1.0f }, { 1.0f, 0.1, 1.0f }, { 0.5f, 0.1, 0.6f }, { 0.05f, -0.1, 0.0f },
        { 0.0f, -0.1, 0.0f }, { 0.3f, -0.1, float(double(0.3f) - 0.1) } };
    for (const auto& g : aGevallen)
        EXPECT_EQ(VolumeStap(g.fVoor, g.dStap), g.fNa) << g.fVoor << " " << g.dStap;
}
