#include "ArchiefSchrijver.h"

#include "Cp1252.h"

#include <QtEndian>

#include <cstring>

void CArchiefSchrijver::Word(quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    Raw(&le, 2);
}

void CArchiefSchrijver::Dword(quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    Raw(&le, 4);
}

void CArchiefSchrijver::Double(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    const quint64 le = qToLittleEndian(bits);
    Raw(&le, 8);
}

void CArchiefSchrijver::Lengte(quint64 n)
{
    if (n < 0xFF) {
        Byte(quint8(n));
    } else if (n < 0xFFFE) {
        Byte(0xFF);
        Word(quint16(n));
    } else {
        Byte(0xFF);
        Word(0xFFFF);
        Dword(quint32(n));
    }
}

void CArchiefSchrijver::String(const QString& s)
{
    QByteArray bytes;
    if (Cp1252::Codeer(s, bytes)) {
        Lengte(quint64(bytes.size()));
        m_data.append(bytes);
        return;
    }
    // The wide form: FF, FFFE, then the length in UTF-16 units and the text.
    Byte(0xFF);
    Word(0xFFFE);
    Lengte(quint64(s.size()));
    for (QChar c : s)
        Word(c.unicode());
}

void CArchiefSchrijver::Count(quint32 n)
{
    if (n < 0xFFFF) {
        Word(quint16(n));
    } else {
        Word(0xFFFF);
        Dword(n);
    }
}

void CArchiefSchrijver::ObjectTag(const char* szKlasse)
{
    const QByteArray naam(szKlasse);
    if (auto it = m_klassen.constFind(naam); it != m_klassen.constEnd()) {
        const quint32 nKlasse = *it;
        if (nKlasse < 0x7FFF) {
            Word(quint16(0x8000 | nKlasse));
        } else {
            Word(0x7FFF);
            Dword(0x80000000u | nKlasse);
        }
    } else {
        Word(0xFFFF);
        Word(1); // schema
        Word(quint16(naam.size()));
        m_data.append(naam);
        m_klassen.insert(naam, m_nVolgendeIndex++);
    }
    ++m_nVolgendeIndex; // the object itself
}

void CArchiefSchrijver::Veld(const char*, const CPoint& v)
{
    I32(v.x);
    I32(v.y);
}

void CArchiefSchrijver::Veld(const char*, const CSize& v)
{
    I32(v.cx);
    I32(v.cy);
}

void CArchiefSchrijver::Veld(const char*, const CRect& v)
{
    I32(v.left);
    I32(v.top);
    I32(v.right);
    I32(v.bottom);
}
