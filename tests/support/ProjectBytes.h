#pragma once

#include <QByteArray>
#include <QString>

#include <cstring>

// Builds expected file bytes by hand, little-endian, the way the format
// describes them.
class CBytes {
public:
    CBytes& b(int v)
    {
        m_data.append(char(v));
        return *this;
    }
    CBytes& w(int v) { return b(v & 0xFF).b((v >> 8) & 0xFF); }
    CBytes& dw(quint32 v) { return w(int(v & 0xFFFF)).w(int(v >> 16)); }
    CBytes& i(qint32 v) { return dw(quint32(v)); }
    CBytes& d(double v)
    {
        quint64 u;
        std::memcpy(&u, &v, 8);
        return dw(quint32(u)).dw(quint32(u >> 32));
    }
    CBytes& raw(const QByteArray& a)
    {
        m_data.append(a);
        return *this;
    }
    CBytes& zeros(int n) { return raw(QByteArray(n, '\0')); }
    // A Latin-1 string with a one-byte length.
    CBytes& s(const char* sz)
    {
        const QByteArray a(sz);
        return b(int(a.size())).raw(a);
    }
    CBytes& klasse(const char* sz) { return w(0xFFFF).w(1).w(int(strlen(sz))).raw(sz); }

    const QByteArray& data() const { return m_data; }
    operator QByteArray() const { return m_data; }

private:
    QByteArray m_data;
};

// The values of a record that the tests vary; everything else holds the
// reset value.
struct SRecord {
    int nSoort = 0;
    int nItemSoort = 2;
    const char* szNaam = "";
    qint32 nNummer = 1;
    qint32 bTekstTonen = 1;
    qint32 bIndividueel = 1;
    qint32 nVolume = 100;
    const char* szAfbeelding = "";
    qint32 bAfbeeldingTonen = 0;
};

// One element record, field by field, without its child list (the caller
// appends the count and the children).
inline CBytes& Record(CBytes& o, const SRecord& r, bool bOud)
{
    if (bOud)
        o.i(r.nNummer).b(r.nSoort);
    else
        o.b(r.nSoort).b(r.nItemSoort).i(r.nNummer);
    o.s("").s(r.szNaam).s("").s(r.szAfbeelding); // reserve 1, name, notes, picture
    o.d(0).d(0); // reserved doubles
    o.i(0).i(0); // anchor point
    o.i(0); // shape
    o.d(0).d(0).d(0).d(0); // anchor x, y, width, height
    o.i(0).i(0); // anchor h, v
    if (!bOud)
        o.i(r.bIndividueel);
    o.s("Verdana").d(8.0); // font, size
    o.i(0).i(0).i(0).i(0); // bold, italic, underline, strike-out
    o.i(0xC0C0C0).i(100).i(0); // text colour, opacity, reserve
    o.i(0x202020).i(100); // colour area, opacity
    o.s(""); // reserve 2
    o.i(0).i(0).i(0xFFFFFF).i(0); // full width, fit mode, layer colour, layer opacity
    o.i(0).i(0).i(1); // clipping, mark clickable, show anchors
    o.zeros(16); // background rectangle
    o.i(0).i(0x7F7F7F).i(100).d(0.1); // border, colour, opacity, width
    o.zeros(8); // reserved block
    o.i(1920).i(1080); // target size
    o.i(0).i(0).i(1920).i(1080); // monitor rectangle
    o.i(0).i(1).i(0).i(0); // monitor, keyboard, presenter, auto next
    o.i(3).i(-1); // indicator side, indicator item
    o.s(""); // gong
    o.i(0).i(0).i(0); // target format, behaviour, reserve 2
    o.s("").s(""); // command, options
    o.i(-1).i(1).i(1).i(0).i(0).i(r.bAfbeeldingTonen); // reserve 3, clickable, active, colour area, extent, show image
    o.i(r.bTekstTonen).i(0); // show text, reserve 4
    o.zeros(16); // screen rectangle
    o.i(0).i(0).i(1).i(r.nVolume).i(0).i(0).i(
        1); // reserves 5, 6, internal sound, volume, viewer open, viewer fit, internal
    return o;
}
