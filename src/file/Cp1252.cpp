#include "Cp1252.h"

namespace Cp1252 {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
const char16_t g_aHoog[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

int NaarByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (g_aHoog[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString Decodeer(QByteArrayView bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* p = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = quint8(bytes[i]);
        p[i] = QChar(b >= 0x80 && b < 0xA0 ? g_aHoog[b - 0x80] : char16_t(b));
    }
    return s;
}

bool Codeer(const QString& strTekst, QByteArray& uit)
{
    uit.resize(strTekst.size());
    char* p = uit.data();
    for (qsizetype i = 0; i < strTekst.size(); ++i) {
        const int b = NaarByte(strTekst[i].unicode());
        if (b < 0)
            return false;
        p[i] = char(b);
    }
    return true;
}

} // namespace Cp1252
