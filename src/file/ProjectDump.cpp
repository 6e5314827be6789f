#include "ProjectDump.h"

#include "ElementVelden.h"
#include "ProjectBestand.h"
#include "model/ProjectInhoud.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Writes JSON by hand: QJsonObject sorts its keys, and the point of the dump
// is the file's own order.
class CJsonArchief {
public:
    void Veld(const char* szNaam, quint8 v) { Naam(szNaam) += QByteArray::number(v); }
    void Veld(const char* szNaam, qint32 v) { Naam(szNaam) += QByteArray::number(v); }
    void Veld(const char* szNaam, quint32 v) { Naam(szNaam) += QByteArray::number(v); }
    void Veld(const char* szNaam, double v) { Getal(Naam(szNaam), v); }
    void Veld(const char* szNaam, const QString& v) { Tekst(Naam(szNaam), v); }
    void Veld(const char* szNaam, const CPoint& v) { Naam(szNaam) += Lijst({ v.x, v.y }); }
    void Veld(const char* szNaam, const CSize& v) { Naam(szNaam) += Lijst({ v.cx, v.cy }); }
    void Veld(const char* szNaam, const CRect& v) { Naam(szNaam) += Lijst({ v.left, v.top, v.right, v.bottom }); }
    void Veld(const char* szNaam, const std::array<quint8, 8>& v)
    {
        Naam(szNaam) += Lijst({ v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7] });
    }
    void ZetItemSoort(const CDataItemBasis&, int) { }

    RecordFormaat m_formaat = RecordFormaat::Huidig;

    void Record(const char* szRecord, const CDataItemBasis& e, int nDiepte)
    {
        const QByteArray inspring(2 * nDiepte, ' ');
        m_uit += inspring + "{";
        m_inspring = "\n" + inspring + "  ";
        m_bEerste = true;
        if (szRecord)
            Tekst(Naam("record"), QString::fromLatin1(szRecord));
        else
            Tekst(Naam("klasse"), QString::fromLatin1(e.GetKlasseNaam()));
        ElementVelden(*this, e, m_formaat);
        Naam("m_aKinderen") += "[";
        for (int i = 0; i < e.AantalKinderen(); ++i) {
            m_uit += i ? ",\n" : "\n";
            Record(nullptr, *e.GetKind(i), nDiepte + 2);
        }
        m_inspring = "\n" + inspring + "  ";
        m_uit += e.AantalKinderen() ? m_inspring + "]" : QByteArray("]");
        m_uit += "\n" + inspring + "}";
    }

    QByteArray m_uit;

private:
    QByteArray& Naam(const char* szNaam)
    {
        if (!m_bEerste)
            m_uit += ",";
        m_bEerste = false;
        m_uit += m_inspring;
        m_uit += '"';
        m_uit += szNaam;
        m_uit += "\": ";
        return m_uit;
    }

    static QByteArray Lijst(std::initializer_list<qint64> a)
    {
        QByteArray s = "[";
        for (qint64 v : a) {
            if (s.size() > 1)
                s += ", ";
            s += QByteArray::number(v);
        }
        return s + "]";
    }

    static void Getal(QByteArray& uit, double v)
    {
        if (!std::isfinite(v)) {
            // JSON has no such numbers; keep them readable as text.
            uit += std::isnan(v) ? "\"NaN\"" : (v > 0 ? "\"Infinity\"" : "\"-Infinity\"");
            return;
        }
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v); // shortest text that reads back exactly
        uit.append(buf, r.ptr - buf);
    }

public:
    static void Tekst(QByteArray& uit, const QString& s)
    {
        uit += '"';
        for (QChar c : s) {
            const char16_t u = c.unicode();
            if (u == '"' || u == '\\') {
                uit += '\\';
                uit += char(u);
            } else if (u == '\n') {
                uit += "\\n";
            } else if (u == '\r') {
                uit += "\\r";
            } else if (u == '\t') {
                uit += "\\t";
            } else if (u < 0x20 || u >= 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(u));
                uit += buf;
            } else {
                uit += char(u);
            }
        }
        uit += '"';
    }

private:
    QByteArray m_inspring = "\n  ";
    bool m_bEerste = true;
};

} // namespace

QByteArray DumpProjectJson(const CProjectInhoud& inhoud)
{
    CJsonArchief ar;
    // Records are shown in the order and the form the file holds them.
    if (inhoud.strVersie != QLatin1String(ProjectBestand::szVersieHuidig))
        ar.m_formaat = RecordFormaat::Oud;
    ar.m_uit = "{\n  \"header\": ";
    CJsonArchief::Tekst(ar.m_uit, inhoud.strVersie);
    ar.m_uit += ",\n  \"records\": [\n";
    struct SRecord {
        const char* szNaam;
        const CDataItemBasis* p;
    };
    std::vector<SRecord> aRecords { { "project", &inhoud.project },
        { "sjabloonpagina 1", &inhoud.aSjabloonPagina[0] } };
    if (inhoud.bAlleSjablonen) {
        aRecords.push_back({ "sjabloonpagina 2", &inhoud.aSjabloonPagina[1] });
        aRecords.push_back({ "sjabloonpagina 3", &inhoud.aSjabloonPagina[2] });
        aRecords.push_back({ "sjabloonpagina 4", &inhoud.aSjabloonPagina[3] });
    }
    aRecords.push_back({ "sjabloonitem 1", &inhoud.aSjabloonItem[0] });
    aRecords.push_back({ "sjabloonitem 2", &inhoud.aSjabloonItem[1] });
    if (inhoud.bAlleSjablonen) {
        aRecords.push_back({ "sjabloonitem 3", &inhoud.aSjabloonItem[2] });
        aRecords.push_back({ "sjabloonitem 4", &inhoud.aSjabloonItem[3] });
    }
    for (size_t i = 0; i < aRecords.size(); ++i) {
        if (i)
            ar.m_uit += ",\n";
        ar.Record(aRecords[i].szNaam, *aRecords[i].p, 2);
    }
    ar.m_uit += "\n  ]\n}\n";
    return ar.m_uit;
}
