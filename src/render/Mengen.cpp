#include "Mengen.h"

namespace Mengen {

int Alpha(int nDekking)
{
    const int o = qBound(0, nDekking, 100);
    return int(float(o) / 100.0f * 256.0f);
}

void MengTerug(QImage& pagina, const QImage& voor, const QRect& r, int a)
{
    const QRect deel = r.intersected(pagina.rect());
    for (int y = deel.top(); y <= deel.bottom(); ++y) {
        auto* pDoel = reinterpret_cast<quint32*>(pagina.scanLine(y));
        const auto* pVoor = reinterpret_cast<const quint32*>(voor.constScanLine(y - r.top())) - r.left();
        for (int x = deel.left(); x <= deel.right(); ++x)
            pDoel[x] = Pixel(pDoel[x], pVoor[x], a);
    }
}

void MengKleur(QImage& pagina, const QRect& r, COLORREF clr, int a)
{
    const QRect deel = r.intersected(pagina.rect());
    if (deel.isEmpty() || a <= 0)
        return;
    const quint32 s
        = 0xFF000000u | (quint32(GetRValue(clr)) << 16) | (quint32(GetGValue(clr)) << 8) | quint32(GetBValue(clr));
    for (int y = deel.top(); y <= deel.bottom(); ++y) {
        auto* p = reinterpret_cast<quint32*>(pagina.scanLine(y));
        for (int x = deel.left(); x <= deel.right(); ++x)
            p[x] = Pixel(s, p[x], a);
    }
}

} // namespace Mengen
