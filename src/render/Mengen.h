#pragma once

#include "model/Types.h"

#include <QImage>
#include <QRect>

// Opacity mixing on 32-bit page bitmaps (QImage::Format_RGB32): for every
// channel, result = (s * a + d * (256 - a)) >> 8 with s the new drawing and
// d what was there before.
namespace Mengen {

// a = trunc(o / 100 * 256) in single precision, o clamped to 0..100:
// 100 gives 256, 50 gives 128, 33 gives 84, 1 gives 2, 99 gives 253.
int Alpha(int nDekking);

// One pixel (the alpha byte of the result is set, as RGB32 wants).
inline quint32 Pixel(quint32 s, quint32 d, int a)
{
    const quint32 b = 256 - quint32(a);
    const quint32 rb = (((s & 0xFF00FFu) * quint32(a) + (d & 0xFF00FFu) * b) >> 8) & 0xFF00FFu;
    const quint32 g = (((s & 0x00FF00u) * quint32(a) + (d & 0x00FF00u) * b) >> 8) & 0x00FF00u;
    return 0xFF000000u | rb | g;
}

// The page inside r holds the new drawing s; voor holds the same part as it
// was before the drawing (d), voor's (0, 0) lying at r's top-left. The page
// receives the mix.
void MengTerug(QImage& pagina, const QImage& voor, const QRect& r, int a);

// Mixes a solid colour into the page over r (clipped to the page).
void MengKleur(QImage& pagina, const QRect& r, COLORREF clr, int a);

} // namespace Mengen
