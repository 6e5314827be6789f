#include "render/Mengen.h"

#include <gtest/gtest.h>

TEST(Mengen, AlphaFromOpacity)
{
    const std::pair<int, int> aGevallen[]
        = { { 0, 0 }, { 1, 2 }, { 33, 84 }, { 50, 128 }, { 99, 253 }, { 100, 256 }, { -20, 0 }, { 250, 256 } };
    for (const auto& [o, a] : aGevallen)
        EXPECT_EQ(Mengen::Alpha(o), a) << o;
}

TEST(Mengen, PixelMix)
{
    const quint32 s = 0xFFC86432, d = 0xFF1020F0;
    EXPECT_EQ(Mengen::Pixel(s, d, 256), s) << "100 % copies the new drawing exactly";
    EXPECT_EQ(Mengen::Pixel(s, d, 0), d) << "0 % leaves the page";
    // 50 %: (s + d) >> 1 per channel.
    EXPECT_EQ(Mengen::Pixel(s, d, 128),
        0xFF000000u | ((0xC8 + 0x10) >> 1) << 16 | ((0x64 + 0x20) >> 1) << 8 | ((0x32 + 0xF0) >> 1));
    // 33 %: (s * 84 + d * 172) >> 8 per channel.
    const auto kanaal = [](int a, int b) { return quint32((a * 84 + b * 172) >> 8); };
    EXPECT_EQ(
        Mengen::Pixel(s, d, 84), 0xFF000000u | kanaal(0xC8, 0x10) << 16 | kanaal(0x64, 0x20) << 8 | kanaal(0x32, 0xF0));
    EXPECT_EQ(Mengen::Pixel(0xFFFFFFFF, 0xFFFFFFFF, 200), 0xFFFFFFFFu) << "no carry between channels";
}

TEST(Mengen, ColourOverlayClippedToThePage)
{
    QImage pagina(4, 3, QImage::Format_RGB32);
    pagina.fill(0xFF000000);
    // A one-pixel-high overlay running off the page on the right.
    Mengen::MengKleur(pagina, QRect(2, 1, 10, 1), RGB(255, 0, 0), 128);
    EXPECT_EQ(pagina.pixel(1, 1), 0xFF000000u);
    EXPECT_EQ(pagina.pixel(2, 1), 0xFF7F0000u);
    EXPECT_EQ(pagina.pixel(3, 1), 0xFF7F0000u);
    EXPECT_EQ(pagina.pixel(3, 0), 0xFF000000u);
}
