#include "Mengen.h"

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the mixing loops read pixels as bytes B, G, R, A");

namespace Mengen {

int Alpha(int nDekking)
{
    const int o = qBound(0, nDekking, 100);
    return int(float(o) / 100.0f * 256.0f);
}

namespace {

// Plain loops over the bytes of one row, written so that the compiler
// vectorises them (this file is built with -O3, with an AVX2 variant where
// the processor has it). Per channel s * a + d * (256 - a) is at most
// 255 * 256, so it fits 16 bits; the alpha bytes (0xFF on both sides) come
// out as 0xFF by the same formula.
// The variants are chosen before a sanitizer starts, which it does not allow.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)                  \
    && !defined(__SANITIZE_THREAD__)
#define ZB_VARIANTEN __attribute__((target_clones("avx2", "default")))
#else
#define ZB_VARIANTEN
#endif

ZB_VARIANTEN void MengRij(quint8* __restrict pDoel, const quint8* __restrict pVoor, int n, int a)
{
    const quint16 sa = quint16(a), sb = quint16(256 - a);
    for (int i = 0; i < 4 * n; ++i)
        pDoel[i] = quint8(quint16(pDoel[i] * sa + pVoor[i] * sb) >> 8);
}

ZB_VARIANTEN void MengRijKleur(quint8* __restrict p, int n, const quint16 (&aKleurMaal)[4], int a)
{
    const quint16 sb = quint16(256 - a);
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < 4; ++k)
            p[4 * i + k] = quint8(quint16(aKleurMaal[k] + p[4 * i + k] * sb) >> 8);
    }
}

} // namespace

void MengTerug(QImage& pagina, const QImage& voor, const QRect& r, int a)
{
    const QRect deel = r.intersected(pagina.rect());
    if (deel.isEmpty())
        return;
    const qsizetype nDoelRij = pagina.bytesPerLine() / 4, nVoorRij = voor.bytesPerLine() / 4;
    quint32* pDoel = reinterpret_cast<quint32*>(pagina.bits()) + deel.top() * nDoelRij + deel.left();
    const quint32* pVoor = reinterpret_cast<const quint32*>(voor.constBits()) + (deel.top() - r.top()) * nVoorRij
        + (deel.left() - r.left());
    for (int y = 0; y < deel.height(); ++y, pDoel += nDoelRij, pVoor += nVoorRij)
        MengRij(reinterpret_cast<quint8*>(pDoel), reinterpret_cast<const quint8*>(pVoor), deel.width(), a);
}

void MengKleur(QImage& pagina, const QRect& r, COLORREF clr, int a)
{
    const QRect deel = r.intersected(pagina.rect());
    if (deel.isEmpty() || a <= 0)
        return;
    // The colour's share is the same for every pixel; bytes in memory order B, G, R, A.
    const quint16 aKleurMaal[4]
        = { quint16(GetBValue(clr) * a), quint16(GetGValue(clr) * a), quint16(GetRValue(clr) * a), quint16(255 * a) };
    const qsizetype nRij = pagina.bytesPerLine();
    quint8* p = pagina.bits() + deel.top() * nRij + deel.left() * 4;
    for (int y = 0; y < deel.height(); ++y, p += nRij)
        MengRijKleur(p, deel.width(), aKleurMaal, a);
}

} // namespace Mengen
