#include "ArchiefLezer.h"

#include "Cp1252.h"
#include "model/DataItemBasis.h"

#include <QtEndian>

#include <cstring>

namespace {

const char* const g_aKlassen[] = { "CDataItemBasis", "CDataItemProject", "CDataItemPagina", "CDataItemPaginaItem" };

bool IsBekendeKlasse(const QByteArray& naam)
{
    for (const char* sz : g_aKlassen) {
        if (naam == sz)
            return true;
    }
    return false;
}

} // namespace

CArchiefLezer::CArchiefLezer(QByteArrayView data)
    : m_data(data)
{
    m_aIngangen.push_back({});
}

void CArchiefLezer::Fout(FoutSoort soort, qint64 nOffset) const
{
    throw CArchiefFout { soort, nOffset };
}

void CArchiefLezer::Nodig(qint64 n) const
{
    if (n < 0 || n > Rest())
        Fout(FoutSoort::VoorbijEinde, m_nPos);
}

void CArchiefLezer::Raw(void* p, qint64 n)
{
    Nodig(n);
    std::memcpy(p, m_data.data() + m_nPos, size_t(n));
    m_nPos += n;
}

quint8 CArchiefLezer::Byte()
{
    Nodig(1);
    return quint8(m_data[m_nPos++]);
}

quint16 CArchiefLezer::Word()
{
    quint16 v;
    Raw(&v, 2);
    return qFromLittleEndian(v);
}

quint32 CArchiefLezer::Dword()
{
    quint32 v;
    Raw(&v, 4);
    return qFromLittleEndian(v);
}

double CArchiefLezer::Double()
{
    quint64 v;
    Raw(&v, 8);
    v = qFromLittleEndian(v);
    double d;
    std::memcpy(&d, &v, 8);
    return d;
}

quint64 CArchiefLezer::Lengte()
{
    const quint8 b = Byte();
    if (b < 0xFF)
        return b;
    const quint16 w = Word();
    if (w < 0xFFFF)
        return w;
    const quint32 dw = Dword();
    if (dw == 0xFFFFFFFFu)
        Fout(FoutSoort::OngeldigFormaat, m_nPos - 4); // a 64-bit length: no project is that large
    return dw;
}

QString CArchiefLezer::String()
{
    const qint64 nStart = m_nPos;
    // The wide form announces itself with FF FE FF before its own length.
    bool bBreed = false;
    quint64 n;
    const quint8 b = Byte();
    if (b < 0xFF) {
        n = b;
    } else {
        const quint16 w = Word();
        if (w == 0xFFFE) {
            bBreed = true;
            n = Lengte();
        } else if (w < 0xFFFF) {
            n = w;
        } else {
            const quint32 dw = Dword();
            if (dw == 0xFFFFFFFFu)
                Fout(FoutSoort::OngeldigFormaat, nStart);
            n = dw;
        }
    }
    const quint64 nBytes = bBreed ? n * 2 : n;
    if (nBytes > quint64(Rest()))
        Fout(FoutSoort::VoorbijEinde, nStart);
    const char* p = m_data.data() + m_nPos;
    m_nPos += qint64(nBytes);
    if (!bBreed)
        return Cp1252::Decodeer(QByteArrayView(p, qsizetype(n)));
    QString s(qsizetype(n), Qt::Uninitialized);
    for (quint64 i = 0; i < n; ++i)
        s[qsizetype(i)] = QChar(char16_t(quint8(p[2 * i]) | (quint8(p[2 * i + 1]) << 8)));
    return s;
}

quint32 CArchiefLezer::Count(qint64 nMinBytes)
{
    const qint64 nStart = m_nPos;
    quint32 n = Word();
    if (n == 0xFFFF)
        n = Dword();
    if (qint64(n) * nMinBytes > Rest())
        Fout(FoutSoort::VoorbijEinde, nStart);
    return n;
}

CArchiefLezer::STag CArchiefLezer::LeesTag()
{
    const qint64 nStart = m_nPos;
    STag tag;
    const quint16 w = Word();
    quint32 nKlasse = 0;
    if (w == 0x0000)
        return tag;
    if (w == 0xFFFF) {
        const quint16 nSchema = Word();
        const quint16 nLengte = Word();
        if (nLengte > 64)
            Fout(FoutSoort::OnverwachtObject, nStart);
        QByteArray naam(nLengte, Qt::Uninitialized);
        Raw(naam.data(), nLengte);
        if (!IsBekendeKlasse(naam))
            Fout(FoutSoort::OnverwachtObject, nStart);
        if (nSchema != 1)
            Fout(FoutSoort::VerkeerdSchema, nStart);
        m_aIngangen.push_back({ naam, nullptr });
        tag.soort = STag::NieuwObject;
        tag.klasse = naam;
        return tag;
    }
    quint32 nObject = 0;
    if (w == 0x7FFF) {
        const quint32 dw = Dword();
        if (dw & 0x80000000u)
            nKlasse = dw & 0x7FFFFFFFu;
        else
            nObject = dw;
    } else if (w & 0x8000) {
        nKlasse = w & 0x7FFFu;
    } else {
        nObject = w;
    }

    if (nKlasse != 0) {
        if (nKlasse >= m_aIngangen.size() || m_aIngangen[nKlasse].pObject)
            Fout(FoutSoort::OngeldigFormaat, nStart);
        tag.soort = STag::NieuwObject;
        tag.klasse = m_aIngangen[nKlasse].klasse;
        return tag;
    }
    if (nObject == 0 || nObject >= m_aIngangen.size() || !m_aIngangen[nObject].pObject)
        Fout(FoutSoort::OngeldigFormaat, nStart);
    tag.soort = STag::Verwijzing;
    tag.pObject = m_aIngangen[nObject].pObject;
    tag.klasseVanObject = m_aIngangen[nObject].klasse;
    return tag;
}

void CArchiefLezer::RegistreerObject(CDataItemBasis* pObject, const QByteArray& klasse)
{
    m_aIngangen.push_back({ klasse, pObject });
}

void CArchiefLezer::Veld(const char*, CPoint& v)
{
    v.x = I32();
    v.y = I32();
}

void CArchiefLezer::Veld(const char*, CSize& v)
{
    v.cx = I32();
    v.cy = I32();
}

void CArchiefLezer::Veld(const char*, CRect& v)
{
    v.left = I32();
    v.top = I32();
    v.right = I32();
    v.bottom = I32();
}

void CArchiefLezer::ZetItemSoort(CDataItemBasis& e, int nSoort)
{
    e.m_nItemSoort = quint8(nSoort);
}
