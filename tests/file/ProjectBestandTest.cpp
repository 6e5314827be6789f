#include "file/ProjectBestand.h"

#include "file/ElementVelden.h"
#include "model/Hints.h"
#include "model/ProjectInhoud.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeMelder.h"
#include "support/ProjectBytes.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using ProjectBestand::Lees;

const ProjectBestand::SLeesOpties g_zonderAfbeeldingen { false };

// Every saved field of a record and its children as "name=value" lines, for
// comparing two trees field by field.
class CVeldenVerzamelaar {
public:
    template <class T> void Veld(const char* szNaam, const T& v)
    {
        a << QStringLiteral("%1=%2").arg(QLatin1String(szNaam), Tekst(v));
    }
    void ZetItemSoort(const CDataItemBasis&, int) { }

    void Record(const CDataItemBasis& e)
    {
        a << QStringLiteral("{%1").arg(QLatin1String(e.GetKlasseNaam()));
        ElementVelden(*this, e, RecordFormaat::Huidig);
        for (const auto& p : e.Kinderen())
            Record(*p);
        a << "}";
    }

    QStringList a;

private:
    static QString Tekst(quint8 v) { return QString::number(v); }
    static QString Tekst(qint32 v) { return QString::number(v); }
    static QString Tekst(quint32 v) { return QString::number(v); }
    static QString Tekst(double v)
    {
        quint64 u;
        std::memcpy(&u, &v, 8);
        return QString::number(u, 16);
    }
    static QString Tekst(const QString& v) { return QString::fromLatin1(v.toUtf8().toHex()); }
    static QString Tekst(const CPoint& v) { return QStringLiteral("%1,%2").arg(v.x).arg(v.y); }
    static QString Tekst(const CSize& v) { return QStringLiteral("%1,%2").arg(v.cx).arg(v.cy); }
    static QString Tekst(const CRect& v)
    {
        return QStringLiteral("%1,%2,%3,%4").arg(v.left).arg(v.top).arg(v.right).arg(v.bottom);
    }
    static QString Tekst(const std::array<quint8, 8>& v)
    {
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(v.data()), 8).toHex());
    }
};

QStringList Velden(const CDataItemBasis& project, const CDataItemBasis* aPaginas, const CDataItemBasis* aItems,
    bool bAlleSjablonen = true)
{
    CVeldenVerzamelaar v;
    v.Record(project);
    for (int i = 0; i < (bAlleSjablonen ? 4 : 1); ++i)
        v.Record(aPaginas[i]);
    for (int i = 0; i < (bAlleSjablonen ? 4 : 2); ++i)
        v.Record(aItems[i]);
    return v.a;
}

QStringList Velden(CZerbantikoDoc& doc)
{
    return Velden(doc.m_project, &doc.SjabloonPagina(1), &doc.SjabloonItem(1));
}

QStringList Velden(const CProjectInhoud& inhoud)
{
    return Velden(inhoud.project, inhoud.aSjabloonPagina.data(), inhoud.aSjabloonItem.data(), inhoud.bAlleSjablonen);
}

// Fills every saved field with random values.
class CWillekeurig {
public:
    explicit CWillekeurig(quint32 nZaad)
        : m_rnd(nZaad)
    {
    }
    void Veld(const char*, quint8& v) { v = quint8(m_rnd.bounded(256)); }
    void Veld(const char*, qint32& v) { v = qint32(m_rnd.generate()); }
    void Veld(const char*, quint32& v) { v = m_rnd.generate(); }
    void Veld(const char*, double& v)
    {
        if (m_rnd.bounded(4) == 0) {
            quint64 u = m_rnd.generate64();
            std::memcpy(&v, &u, 8); // any bit pattern, NaNs included
        } else {
            v = m_rnd.generateDouble() * 200 - 50;
        }
    }
    void Veld(const char*, QString& v) { v = Tekst(); }
    void Veld(const char*, CPoint& v) { v = { qint32(m_rnd.generate()), qint32(m_rnd.generate()) }; }
    void Veld(const char*, CSize& v) { v = { qint32(m_rnd.generate()), qint32(m_rnd.generate()) }; }
    void Veld(const char*, CRect& v)
    {
        v = { qint32(m_rnd.generate()), qint32(m_rnd.generate()), qint32(m_rnd.generate()), qint32(m_rnd.generate()) };
    }
    void Veld(const char*, std::array<quint8, 8>& v)
    {
        for (auto& b : v)
            b = quint8(m_rnd.bounded(256));
    }
    void ZetItemSoort(CDataItemBasis&, int) { }

    QString Tekst()
    {
        static const char16_t aTekens[]
            = { u'a', u'Z', u' ', u'[', u'é', u'€', u'\u0081', u'ÿ', u'Ł', u'☺', u'\0', u'"' };
        const int aLengtes[] = { 0, 1, 5, 20, 254, 255, 300 };
        const int n = aLengtes[m_rnd.bounded(7)];
        QString s;
        const bool bBreed = m_rnd.bounded(3) == 0;
        for (int i = 0; i < n; ++i) {
            const int k = int(m_rnd.bounded(bBreed ? 12 : 8));
            s += QChar(aTekens[k]);
        }
        if (bBreed && m_rnd.bounded(2))
            s += QString::fromUtf8("😀"); // a surrogate pair
        return s;
    }

    int Getal(int n) { return int(m_rnd.bounded(n)); }

private:
    QRandomGenerator m_rnd;
};

// Every field random, apart from the kind, which a record's class fixes.
void VulWillekeurig(CZerbantikoDoc& doc, quint32 nZaad)
{
    CWillekeurig w(nZaad);
    auto vul = [&w](CDataItemBasis& e, int nSoort) {
        ElementVelden(w, e, RecordFormaat::Huidig);
        e.m_nSoort = quint8(nSoort);
    };
    vul(doc.m_project, Soort::Project);
    const int nPaginas = w.Getal(6);
    for (int p = 0; p < nPaginas; ++p) {
        auto pPagina = std::make_unique<CDataItemPagina>();
        vul(*pPagina, Soort::Pagina);
        const int nItems = w.Getal(9);
        for (int i = 0; i < nItems; ++i) {
            auto pItem = std::make_unique<CDataItemPaginaItem>();
            vul(*pItem, Soort::Item);
            pPagina->VoegKindToe(std::move(pItem));
        }
        doc.m_project.VoegKindToe(std::move(pPagina));
    }
    for (int i = 1; i <= 4; ++i) {
        vul(doc.SjabloonPagina(i), Soort::Pagina);
        vul(doc.SjabloonItem(i), Soort::Item);
    }
}

// A document whose every element holds its reset values apart from kind,
// item type and name, so that its bytes can be written out by hand.
void MaakKaal(CZerbantikoDoc& doc, std::initializer_list<int> aItemsPerPagina)
{
    doc.m_project.ResetToDefaults();
    doc.m_project.m_nSoort = Soort::Project;
    doc.m_project.m_strNaam = "Club";
    for (int nItems : aItemsPerPagina) {
        auto pPagina = std::make_unique<CDataItemPagina>();
        pPagina->m_nSoort = Soort::Pagina;
        pPagina->m_strNaam = "P";
        for (int i = 0; i < nItems; ++i) {
            auto pItem = std::make_unique<CDataItemPaginaItem>();
            pItem->m_nSoort = Soort::Item;
            pItem->m_nItemSoort = ItemSoort::Tekst;
            pItem->m_strNaam = "I";
            pPagina->VoegKindToe(std::move(pItem));
        }
        doc.m_project.VoegKindToe(std::move(pPagina));
    }
    for (int i = 1; i <= 4; ++i) {
        doc.SjabloonPagina(i).ResetToDefaults();
        doc.SjabloonPagina(i).m_nSoort = Soort::Pagina;
        doc.SjabloonItem(i).ResetToDefaults();
        doc.SjabloonItem(i).m_nSoort = Soort::Item;
        doc.SjabloonItem(i).m_nItemSoort = quint8(i - 1);
    }
}

CBytes& KaleSjablonen(CBytes& o)
{
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 2 }, false).w(0);
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 3, .nItemSoort = i }, false).w(0);
    return o;
}

CBytes Kop(const char* szVersie)
{
    CBytes o;
    o.s(szVersie);
    return o;
}

CBestandsResultaat LeesBytes(const QByteArray& data, CProjectInhoud& inhoud, const QString& strBestand = "test.zb")
{
    return Lees(QByteArrayView(data), strBestand, inhoud, g_zonderAfbeeldingen);
}

const SRecord g_project { .nSoort = 1, .szNaam = "Club" };
const SRecord g_pagina { .nSoort = 2, .szNaam = "P" };
const SRecord g_item { .nSoort = 3, .nItemSoort = 0, .szNaam = "I" };

// Names the first field in which two trees differ.
::testing::AssertionResult ZelfdeVelden(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            return ::testing::AssertionFailure()
                << "line " << i << ": " << a[i].toStdString() << " != " << b[i].toStdString();
    }
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << a.size() << " lines against " << b.size();
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ProjectBestand, WorkedExampleByteForByte)
{
    CZerbantikoDoc doc;
    MaakKaal(doc, { 2, 3 });
    CBytes o;
    o.b(0x1A).raw("Zerbantiko 002.000.001.072");
    Record(o, g_project, false).w(2);
    o.klasse("CDataItemPagina"); // class 1, object 2
    Record(o, g_pagina, false).w(2);
    o.klasse("CDataItemPaginaItem"); // class 3, object 4
    Record(o, g_item, false).w(0);
    o.w(0x8003);
    Record(o, g_item, false).w(0);
    o.w(0x8001);
    Record(o, g_pagina, false).w(3);
    for (int i = 0; i < 3; ++i) {
        o.w(0x8003);
        Record(o, g_item, false).w(0);
    }
    KaleSjablonen(o);

    const QByteArray data = ProjectBestand::Schrijf(doc);
    EXPECT_EQ(data.left(31).toHex(),
        QByteArray("1a5a657262616e74696b6f203030322e3030302e3030312e303732"
                   "01020100"));
    ASSERT_EQ(data.size(), o.data().size());
    for (qsizetype i = 0; i < data.size(); ++i)
        ASSERT_EQ(quint8(data[i]), quint8(o.data()[i])) << "first difference at byte " << i;

    CProjectInhoud inhoud;
    ASSERT_TRUE(LeesBytes(data, inhoud).Gelukt());
    EXPECT_TRUE(ZelfdeVelden(Velden(inhoud), Velden(doc)));
}

TEST(ProjectBestand, EmptyProjectHasNoClassTags)
{
    CZerbantikoDoc doc;
    MaakKaal(doc, {});
    CBytes o;
    o.s("Zerbantiko 002.000.001.072");
    Record(o, g_project, false).w(0);
    KaleSjablonen(o);
    EXPECT_EQ(ProjectBestand::Schrijf(doc).toHex(), o.data().toHex());
}

TEST(ProjectBestand, ReadsVersion63)
{
    CBytes o = Kop("Dit is een casus van Zerbantiko 2.0.0.63");
    Record(o, { .nSoort = 1, .szNaam = "<nieuw project>", .nNummer = 4 }, true).w(1);
    o.klasse("CDataItemPagina");
    Record(o, { .nSoort = 2, .szNaam = "Welkom", .nNummer = 7 }, true).w(2);
    o.klasse("CDataItemPaginaItem");
    Record(o, { .nSoort = 3, .szNaam = "vlak", .bTekstTonen = 0 }, true).w(0);
    o.w(0x8003);
    Record(o, { .nSoort = 3, .szNaam = "tekst", .bTekstTonen = 1, .nVolume = 55 }, true).w(0);
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 2, .szNaam = "sjabloon" }, true).w(0);
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 3, .szNaam = "sjabloonitem", .bTekstTonen = i == 0 }, true).w(0);

    CProjectInhoud inhoud;
    ASSERT_TRUE(LeesBytes(o, inhoud, "/ergens/diep/Kerst.zb").Gelukt());
    EXPECT_EQ(inhoud.strVersie, "Dit is een casus van Zerbantiko 2.0.0.63");
    EXPECT_TRUE(inhoud.bAlleSjablonen);
    EXPECT_EQ(inhoud.project.m_strNaam, "Kerst") << "a project still called <nieuw project> takes the file's name";
    EXPECT_EQ(inhoud.project.m_nNummer, 4);
    ASSERT_EQ(inhoud.project.AantalKinderen(), 1);
    const CDataItemBasis* pPagina = inhoud.project.GetKind(0);
    EXPECT_EQ(pPagina->m_strNaam, "Welkom");
    EXPECT_EQ(pPagina->m_nNummer, 7);
    EXPECT_EQ(pPagina->m_pOuder, &inhoud.project);
    ASSERT_EQ(pPagina->AantalKinderen(), 2);
    EXPECT_EQ(pPagina->GetKind(0)->m_nItemSoort, ItemSoort::Kleurvlak) << "no text shown: a colour area";
    EXPECT_EQ(pPagina->GetKind(1)->m_nItemSoort, ItemSoort::Tekst) << "text shown: a text";
    EXPECT_EQ(pPagina->GetKind(1)->m_nVolume, 55);
    EXPECT_EQ(pPagina->GetKind(1)->m_nIndex, 1);
    EXPECT_EQ(inhoud.aSjabloonItem[0].m_nItemSoort, ItemSoort::Tekst);
    EXPECT_EQ(inhoud.aSjabloonItem[3].m_nItemSoort, ItemSoort::Kleurvlak);
    EXPECT_EQ(inhoud.aSjabloonItem[3].m_strNaam, "sjabloonitem");
    const CDataItemBasis* aElementen[] = { &inhoud.project, pPagina, pPagina->GetKind(0), &inhoud.aSjabloonPagina[2] };
    for (const CDataItemBasis* p : aElementen)
        EXPECT_EQ(p->m_bIndividueel, 1);

    // Saved again, the file has the current header and holds item type and
    // individual flag of every element.
    CZerbantikoDoc doc;
    doc.NeemOver(inhoud, "/ergens/diep/Kerst.zb");
    const QByteArray opnieuw = ProjectBestand::Schrijf(doc);
    EXPECT_TRUE(opnieuw.startsWith("\x1a"
                                   "Zerbantiko 002.000.001.072"));
    CProjectInhoud terug;
    ASSERT_TRUE(LeesBytes(opnieuw, terug).Gelukt());
    EXPECT_EQ(terug.project.GetKind(0)->GetKind(0)->m_nItemSoort, ItemSoort::Kleurvlak);
    EXPECT_EQ(terug.project.GetKind(0)->GetKind(1)->m_nItemSoort, ItemSoort::Tekst);
    EXPECT_TRUE(ZelfdeVelden(Velden(terug), Velden(doc)));
}

TEST(ProjectBestand, OldestVersionKeepsTheTemplatesItDoesNotHold)
{
    CBytes o = Kop("Dit is een casus van Zerbantiko 2.0.0.55");
    Record(o, { .nSoort = 1, .szNaam = "Oud" }, true).w(0);
    Record(o, { .nSoort = 2, .szNaam = "sjabloonpagina" }, true).w(0);
    Record(o, { .nSoort = 3, .szNaam = "sjabloontekst" }, true).w(0);
    Record(o, { .nSoort = 3, .szNaam = "sjabloonbeeld", .bTekstTonen = 0 }, true).w(0);

    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.SjabloonItem(3).m_clrKleurvlak = 0x123456;
    doc.SjabloonPagina(2).m_strNaam = "eigen";
    CProjectInhoud inhoud;
    ASSERT_TRUE(LeesBytes(o, inhoud).Gelukt());
    EXPECT_FALSE(inhoud.bAlleSjablonen);
    doc.NeemOver(inhoud, "oud.zb");
    EXPECT_EQ(doc.m_project.m_strNaam, "Oud");
    EXPECT_EQ(doc.SjabloonPagina(1).m_strNaam, "sjabloonpagina");
    EXPECT_EQ(doc.SjabloonItem(1).m_strNaam, "sjabloontekst");
    EXPECT_EQ(doc.SjabloonItem(2).m_strNaam, "sjabloonbeeld");
    EXPECT_EQ(doc.SjabloonItem(3).m_clrKleurvlak, 0x123456u);
    EXPECT_EQ(doc.SjabloonPagina(2).m_strNaam, "eigen");
    EXPECT_EQ(doc.SjabloonItem(4).m_strNaam, "<nieuw pagina-item>");
}

TEST(ProjectBestand, RandomProjectsRoundTrip)
{
    for (quint32 nZaad = 1; nZaad <= 40; ++nZaad) {
        CZerbantikoDoc doc;
        VulWillekeurig(doc, nZaad);
        const QByteArray data = ProjectBestand::Schrijf(doc);
        CProjectInhoud inhoud;
        const CBestandsResultaat r = LeesBytes(data, inhoud, "x.zb");
        ASSERT_TRUE(r.Gelukt()) << nZaad << ": " << qPrintable(r.strMelding);
        if (doc.m_project.m_strNaam == "<nieuw project>")
            doc.m_project.m_strNaam = "x";
        ASSERT_TRUE(ZelfdeVelden(Velden(inhoud), Velden(doc))) << "seed " << nZaad;
        EXPECT_EQ(ProjectBestand::Schrijf(doc), data) << "writing is deterministic";
    }
}

TEST(ProjectBestand, EveryTruncationFailsCleanly)
{
    CZerbantikoDoc doc;
    VulWillekeurig(doc, 7);
    const QByteArray data = ProjectBestand::Schrijf(doc);
    ASSERT_GT(data.size(), 2000);
    for (qsizetype n = 0; n < data.size(); ++n) {
        CProjectInhoud inhoud;
        const CBestandsResultaat r = LeesBytes(data.left(n), inhoud, "kort.zb");
        ASSERT_FALSE(r.Gelukt()) << "cut at " << n;
        EXPECT_TRUE(r.soort == FoutSoort::VoorbijEinde || r.soort == FoutSoort::OnverwachtFormaat) << n;
        EXPECT_LE(r.nOffset, n);
        EXPECT_FALSE(r.strMelding.isEmpty());
    }
    CProjectInhoud inhoud;
    EXPECT_TRUE(LeesBytes(data, inhoud, "heel.zb").Gelukt());
}

TEST(ProjectBestand, HostileStructuresAreRefused)
{
    const char* szKop = "Zerbantiko 002.000.001.072";
    auto begin = [&](int nPaginas) {
        CBytes o = Kop(szKop);
        Record(o, g_project, false).w(nPaginas);
        return o;
    };
    struct SGeval {
        const char* szWat;
        QByteArray data;
        FoutSoort soort;
    };
    std::vector<SGeval> aGevallen;
    {
        CBytes o = begin(1);
        o.klasse("CDataItemPagina");
        Record(o, g_pagina, false).w(1);
        o.klasse("CDataItemPaginaItem");
        Record(o, g_item, false).w(1); // an item with a child
        o.w(0x8003);
        aGevallen.push_back({ "nested too deep", o, FoutSoort::OnverwachtObject });
    }
    {
        CBytes o = begin(1);
        o.klasse("CDataItemPaginaItem");
        aGevallen.push_back({ "item where a page belongs", o, FoutSoort::OnverwachtObject });
    }
    {
        CBytes o = begin(1);
        o.klasse("CDataItemProject");
        aGevallen.push_back({ "project as a page", o, FoutSoort::OnverwachtObject });
    }
    {
        CBytes o = begin(1);
        o.klasse("CDataItemPagina");
        Record(o, g_pagina, false).w(1);
        o.w(0x0002); // the page itself among its items
        aGevallen.push_back({ "page referred to as its own item", o, FoutSoort::OnverwachtObject });
    }
    {
        CBytes o = begin(1);
        o.klasse("CDataItemPagina");
        Record(o, g_pagina, false).w(1);
        o.w(0x8001); // a page class in an item list
        aGevallen.push_back({ "page where an item belongs", o, FoutSoort::OnverwachtObject });
    }
    {
        CBytes o = begin(0xFFFF);
        o.dw(60000); // 60000 pages claimed, none there
        aGevallen.push_back({ "count beyond the file", o, FoutSoort::VoorbijEinde });
    }
    {
        CBytes o = Kop(szKop);
        Record(o, g_project, false).w(0);
        o.w(0xFFFF).w(1).w(15).raw("CDataItemPagina");
        aGevallen.push_back({ "file of another format", Kop("Zerbantiko 9"), FoutSoort::OnverwachtFormaat });
    }
    {
        // One page, then tens of thousands of references to it: two bytes
        // each in the file, a whole element each in memory.
        CBytes o = begin(0xFFFF);
        o.dw(40000);
        o.klasse("CDataItemPagina");
        Record(o, g_pagina, false).w(0);
        for (int i = 1; i < 40000; ++i)
            o.w(0x0002);
        aGevallen.push_back({ "references multiplying elements", o, FoutSoort::OngeldigFormaat });
    }
    for (const SGeval& g : aGevallen) {
        CProjectInhoud inhoud;
        const CBestandsResultaat r = LeesBytes(g.data, inhoud, "boos.zb");
        EXPECT_EQ(r.soort, g.soort) << g.szWat << ": " << qPrintable(r.strMelding);
    }
}

TEST(ProjectBestand, ReferencesAndEmptyEntries)
{
    // An item written twice is read as two separate copies; an empty entry
    // is dropped.
    CBytes o = Kop("Zerbantiko 002.000.001.072");
    Record(o, g_project, false).w(3);
    o.klasse("CDataItemPagina");
    Record(o, g_pagina, false).w(1);
    o.klasse("CDataItemPaginaItem");
    Record(o, { .nSoort = 3, .nItemSoort = 0, .szNaam = "gedeeld" }, false).w(0);
    o.w(0x0000);
    o.w(0x8001);
    Record(o, g_pagina, false).w(2);
    o.w(0x0004).w(0x0000);
    KaleSjablonen(o);

    CProjectInhoud inhoud;
    const CBestandsResultaat r = LeesBytes(o, inhoud);
    ASSERT_TRUE(r.Gelukt()) << qPrintable(r.strMelding);
    ASSERT_EQ(inhoud.project.AantalKinderen(), 2);
    const CDataItemBasis* pTweede = inhoud.project.GetKind(1);
    ASSERT_EQ(pTweede->AantalKinderen(), 1);
    EXPECT_EQ(pTweede->GetKind(0)->m_strNaam, "gedeeld");
    EXPECT_NE(pTweede->GetKind(0), inhoud.project.GetKind(0)->GetKind(0));
    EXPECT_EQ(pTweede->GetKind(0)->m_pOuder, pTweede);
}

TEST(ProjectBestand, PicturesLoadOnlyWhenAsked)
{
    QTemporaryDir dir;
    QImage beeld(8, 6, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    ASSERT_TRUE(beeld.save(dir.filePath("foto.png")));
    const QByteArray pad = dir.filePath("foto.png").toUtf8();

    // A page holding an image item, and a second page that refers back to it.
    CBytes o = Kop("Zerbantiko 002.000.001.072");
    Record(o, g_project, false).w(2);
    o.klasse("CDataItemPagina");
    Record(o, { .nSoort = 2, .szNaam = "P", .szAfbeelding = "foto.png" }, false).w(1);
    o.klasse("CDataItemPaginaItem");
    Record(o, { .nSoort = 3, .nItemSoort = 1, .szNaam = "I", .szAfbeelding = pad.constData() }, false).w(0);
    o.w(0x8001);
    Record(o, g_pagina, false).w(1);
    o.w(0x0004);
    KaleSjablonen(o);

    CProjectInhoud zonder;
    ASSERT_TRUE(LeesBytes(o, zonder, dir.filePath("p.zb")).Gelukt());
    EXPECT_FALSE(zonder.project.GetKind(0)->GetKind(0)->m_picture.IsLoaded());
    EXPECT_FALSE(zonder.project.GetKind(1)->GetKind(0)->m_picture.IsLoaded())
        << "the copy must not reach the disk either";

    CProjectInhoud met;
    ASSERT_TRUE(Lees(QByteArrayView(o.data()), dir.filePath("p.zb"), met).Gelukt());
    EXPECT_TRUE(met.project.GetKind(0)->GetKind(0)->m_picture.IsLoaded());
    EXPECT_TRUE(met.project.GetKind(1)->GetKind(0)->m_picture.IsLoaded());
    EXPECT_TRUE(met.project.GetKind(0)->m_picture.IsLoaded()) << "a relative path counts from the project's folder";
}

TEST(ProjectBestand, MessagesNameTheFile)
{
    const std::pair<FoutSoort, const char*> aMeldingen[] = {
        { FoutSoort::VoorbijEinde, "Attempted to access /map/a.zb past its end." },
        { FoutSoort::OnverwachtObject, "/map/a.zb contained an unexpected object." },
        { FoutSoort::VerkeerdSchema, "/map/a.zb contains an incorrect schema." },
        { FoutSoort::OngeldigFormaat, "/map/a.zb has a bad format." },
        { FoutSoort::OnverwachtFormaat, "Unexpected file format." },
    };
    for (const auto& [soort, sz] : aMeldingen)
        EXPECT_EQ(FoutMelding(soort, "/map/a.zb"), sz);
}

class BestandOpSchijf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        doc.NieuwDocument();
        VulWillekeurig(doc, 3);
        doc.m_project.m_strNaam = "Vereniging";
        // Opening selects the project, which clears its indicator item.
        doc.SelecteerElement(&doc.m_project);
    }
    QString Pad(const QString& s) const { return dir.filePath(s); }
    static QByteArray Inhoud(const QString& strPad)
    {
        QFile f(strPad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    CZerbantikoDoc doc;
};

TEST_F(BestandOpSchijf, SaveThenOpen)
{
    doc.SetModifiedFlag();
    const CBestandsResultaat r = ProjectBestand::Opslaan(doc, Pad("avond.zb"));
    ASSERT_TRUE(r.Gelukt()) << qPrintable(r.strMelding);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Pad("avond.zb"));
    EXPECT_EQ(doc.GetTitle(), "avond.zb");
    EXPECT_EQ(Inhoud(Pad("avond.zb")), ProjectBestand::Schrijf(doc));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "avond.zb" }) << "no temporary file left behind";

    const QStringList aVoor = Velden(doc);
    CZerbantikoDoc ander;
    ander.NieuwDocument();
    ASSERT_TRUE(ProjectBestand::Open(ander, Pad("avond.zb")).Gelukt());
    EXPECT_TRUE(ZelfdeVelden(Velden(ander), aVoor));
    EXPECT_EQ(ander.GetGeselecteerd(), &ander.m_project);
    EXPECT_FALSE(ander.IsModified());
}

TEST_F(BestandOpSchijf, FailedOpenLeavesTheProjectAsItWas)
{
    doc.SetPathName("/oud/pad.zb");
    doc.SetModifiedFlag();
    CDataItemBasis* pPagina = doc.m_project.GetKind(0);
    const QStringList aVoor = Velden(doc);

    QByteArray data = ProjectBestand::Schrijf(doc);
    QFile f(Pad("kapot.zb"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data.left(data.size() / 2));
    f.close();

    for (const QString& strPad : { Pad("kapot.zb"), Pad("bestaat-niet.zb"), dir.path() }) {
        const CBestandsResultaat r = ProjectBestand::Open(doc, strPad);
        ASSERT_FALSE(r.Gelukt());
        EXPECT_TRUE(r.strMelding.contains(strPad)) << qPrintable(r.strMelding);
        EXPECT_TRUE(ZelfdeVelden(Velden(doc), aVoor));
        EXPECT_EQ(doc.m_project.GetKind(0), pPagina);
        EXPECT_EQ(doc.GetPathName(), "/oud/pad.zb");
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(ProjectBestand::Open(doc, Pad("bestaat-niet.zb")).strMelding.left(12), "Het bestand ");
}

TEST_F(BestandOpSchijf, FailedSaveKeepsOldFileAndModifiedFlag)
{
    QFile blokkade(Pad("geen-map"));
    ASSERT_TRUE(blokkade.open(QIODevice::WriteOnly));
    blokkade.close();
    doc.SetModifiedFlag();
    for (const QString& strPad : { Pad("ontbreekt/avond.zb"), Pad("geen-map/avond.zb"), dir.path() }) {
        const CBestandsResultaat r = ProjectBestand::Opslaan(doc, strPad);
        ASSERT_FALSE(r.Gelukt()) << qPrintable(strPad);
        EXPECT_TRUE(r.strMelding.startsWith("Het project kan niet worden opgeslagen in " + strPad))
            << qPrintable(r.strMelding);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.GetPathName().isEmpty());
    }
}

TEST_F(BestandOpSchijf, DiskFullHalfwayKeepsTheOldFile)
{
    const QString strPad = Pad("avond.zb");
    const QByteArray oud = "het vorige bestand";
    QFile f(strPad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(oud);
    f.close();
    ASSERT_GT(ProjectBestand::Schrijf(doc).size(), 4096);

    // In a child process, a file size limit makes the write fail part way.
    auto opslaanMetGrens = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim { 4096, 4096 };
        setrlimit(RLIMIT_FSIZE, &lim);
        doc.SetModifiedFlag();
        const CBestandsResultaat r = ProjectBestand::Opslaan(doc, strPad);
        std::exit(!r.Gelukt() && doc.IsModified() ? 0 : 1);
    };
    EXPECT_EXIT(opslaanMetGrens(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Inhoud(strPad), oud);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "avond.zb" });
}

TEST(ProjectBestand, OldVersionsDeriveTheItemTypeFromBothFlags)
{
    QTemporaryDir dir;
    QImage foto(16, 8, QImage::Format_RGB32);
    foto.fill(qRgb(0, 150, 0));
    ASSERT_TRUE(foto.save(dir.filePath("zon.png")));
    for (const bool bOudste : { false, true }) {
        CBytes o = Kop(bOudste ? ProjectBestand::szVersie55 : ProjectBestand::szVersie63);
        Record(o, { .nSoort = 1, .szNaam = "Club" }, true).w(1);
        o.klasse("CDataItemPagina");
        Record(o, { .nSoort = 2, .szNaam = "P" }, true).w(3);
        o.klasse("CDataItemPaginaItem");
        Record(o,
            { .nSoort = 3, .szNaam = "beeld", .bTekstTonen = 0, .szAfbeelding = "zon.png", .bAfbeeldingTonen = 1 },
            true)
            .w(0);
        o.w(0x8003);
        Record(o, { .nSoort = 3, .szNaam = "tekst", .bTekstTonen = 1, .bAfbeeldingTonen = 1 }, true).w(0);
        o.w(0x8003);
        Record(o, { .nSoort = 3, .szNaam = "vlak", .bTekstTonen = 0 }, true).w(0);
        const int nSjablonen = bOudste ? 1 : 4;
        for (int i = 0; i < nSjablonen; ++i)
            Record(o, { .nSoort = 2, .szNaam = "sjabloon" }, true).w(0);
        // Template items: a text, an image, then colour areas.
        const int nItems = bOudste ? 2 : 4;
        for (int i = 0; i < nItems; ++i)
            Record(o, { .nSoort = 3, .bTekstTonen = i == 0, .bAfbeeldingTonen = i == 1 }, true).w(0);

        CProjectInhoud inhoud;
        ASSERT_TRUE(ProjectBestand::Lees(QByteArrayView(o.data()), dir.filePath("oud.zb"), inhoud).Gelukt());
        const CDataItemBasis* pPagina = inhoud.project.GetKind(0);
        ASSERT_EQ(pPagina->AantalKinderen(), 3);
        EXPECT_EQ(pPagina->GetKind(0)->m_nItemSoort, ItemSoort::Afbeelding) << bOudste;
        EXPECT_TRUE(pPagina->GetKind(0)->m_picture.IsLoaded()) << "its picture is there to be drawn";
        EXPECT_EQ(pPagina->GetKind(1)->m_nItemSoort, ItemSoort::Tekst) << "the text flag comes first";
        EXPECT_EQ(pPagina->GetKind(2)->m_nItemSoort, ItemSoort::Kleurvlak);
        EXPECT_EQ(inhoud.aSjabloonItem[0].m_nItemSoort, ItemSoort::Tekst);
        EXPECT_EQ(inhoud.aSjabloonItem[1].m_nItemSoort, ItemSoort::Afbeelding)
            << "inserting an image still inserts an image";
    }
}

TEST(ProjectBestand, TheRecordsClassDecidesItsKind)
{
    CBytes o = Kop(ProjectBestand::szVersieHuidig);
    Record(o, { .nSoort = 2, .szNaam = "Club" }, false).w(1);
    o.klasse("CDataItemPagina");
    Record(o, { .nSoort = 3, .szNaam = "P" }, false).w(1);
    o.klasse("CDataItemPaginaItem");
    Record(o, { .nSoort = 1, .szNaam = "I" }, false).w(0);
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 3 }, false).w(0);
    for (int i = 0; i < 4; ++i)
        Record(o, { .nSoort = 2 }, false).w(0);
    CProjectInhoud inhoud;
    ASSERT_TRUE(LeesBytes(o, inhoud).Gelukt());
    EXPECT_EQ(inhoud.project.m_nSoort, Soort::Project);
    EXPECT_EQ(inhoud.project.GetKind(0)->m_nSoort, Soort::Pagina) << "a page that claims to be an item";
    EXPECT_EQ(inhoud.project.GetKind(0)->GetKind(0)->m_nSoort, Soort::Item);
    EXPECT_EQ(inhoud.aSjabloonPagina[3].m_nSoort, Soort::Pagina);
    EXPECT_EQ(inhoud.aSjabloonItem[0].m_nSoort, Soort::Item);

    // Taken into the editor, a page is inserted next to it and the file
    // written then opens again.
    CZerbantikoDoc doc;
    doc.NeemOver(inhoud, "x.zb");
    doc.SelecteerElement(doc.m_project.GetKind(0));
    doc.OnPaginaInvoegen();
    EXPECT_EQ(doc.m_project.AantalKinderen(), 2);
    CProjectInhoud terug;
    EXPECT_TRUE(LeesBytes(ProjectBestand::Schrijf(doc), terug).Gelukt());
}

TEST(BestandLezen, WhatIsNoRegularFileIsRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString strPijp = dir.filePath("pijp.zb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(strPijp).constData(), 0600), 0);
    for (const QString& strPad : { QStringLiteral("/dev/zero"), strPijp, dir.path() }) {
        CProjectInhoud inhoud;
        const CBestandsResultaat r = ProjectBestand::LeesBestand(strPad, inhoud);
        EXPECT_EQ(r.soort, FoutSoort::Openen) << qPrintable(strPad);
        EXPECT_TRUE(r.strMelding.startsWith("Het bestand " + strPad + " kan niet worden geopend."));
    }
}

TEST(BestandLezen, AHugeFileThatIsNoProjectIsNotReadIn)
{
    QTemporaryDir dir;
    const QString strGroot = dir.filePath("groot.zb");
    QFile f(strGroot);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04 not a project");
    ASSERT_TRUE(f.resize(3ll * 1024 * 1024 * 1024)); // sparse: no disk used
    f.close();
    rusage voor {};
    getrusage(RUSAGE_SELF, &voor);
    CProjectInhoud inhoud;
    EXPECT_EQ(ProjectBestand::LeesBestand(strGroot, inhoud).soort, FoutSoort::OnverwachtFormaat);
    rusage na {};
    getrusage(RUSAGE_SELF, &na);
    EXPECT_LT(na.ru_maxrss - voor.ru_maxrss, 100 * 1024) << "kilobytes more at the peak";

    // The same size with a project's header is not taken into memory either.
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.write("\x1A"
            "Zerbantiko 002.000.001.072");
    f.close();
    EXPECT_EQ(ProjectBestand::LeesBestand(strGroot, inhoud).soort, FoutSoort::OngeldigFormaat);
    getrusage(RUSAGE_SELF, &na);
    EXPECT_LT(na.ru_maxrss - voor.ru_maxrss, 100 * 1024);
}

TEST(BestandLezen, WindowsPathsAreFoundAndSavedUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Foto's"));
    QImage foto(8, 8, QImage::Format_RGB32);
    foto.fill(qRgb(200, 10, 10));
    ASSERT_TRUE(foto.save(dir.filePath("Foto's/zon.jpg"), "PNG"));
    const QString strWindows = R"(C:\Clubavond\Foto's\Zon.JPG)";

    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.OnPaginaInvoegen();
    doc.GetGeselecteerd()->m_strAfbeelding = strWindows;
    const QString strPad = dir.filePath("avond.zb");
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());

    CZerbantikoDoc ander;
    ASSERT_TRUE(ProjectBestand::Open(ander, strPad).Gelukt());
    const CDataItemBasis* pPagina = ander.m_project.GetKind(0);
    EXPECT_TRUE(pPagina->m_picture.IsLoaded()) << "found under the project's folder";
    EXPECT_EQ(pPagina->m_strAfbeelding, strWindows);
    ASSERT_TRUE(ProjectBestand::Opslaan(ander, strPad).Gelukt());
    CProjectInhoud terug;
    ASSERT_TRUE(ProjectBestand::LeesBestand(strPad, terug).Gelukt());
    EXPECT_EQ(terug.project.GetKind(0)->m_strAfbeelding, strWindows) << "the stored path is never rewritten";
}

TEST(Ongedaan, EveryCommandUndoneAndRedoneGivesTheSameBytes)
{
    QTemporaryDir dir;
    QImage foto(8, 8, QImage::Format_RGB32);
    foto.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(foto.save(dir.filePath("foto.png")));
    CFakeMelder melder; // says yes to the delete question
    CZerbantikoDoc doc;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    for (int p = 0; p < 3; ++p) {
        doc.SelecteerElement(&doc.m_project);
        CDataItemBasis* pPagina = doc.Invoegen(Soort::Pagina, 1);
        pPagina->m_strAfbeelding = dir.filePath("foto.png");
        pPagina->m_picture.Load(pPagina->m_strAfbeelding);
        for (int i = 0; i < 3; ++i) {
            doc.SelecteerElement(pPagina);
            doc.Invoegen(Soort::Item, 1 + i);
        }
    }
    using Stap = std::function<void()>;
    auto pagina = [&](int i) { return doc.m_project.GetKind(i); };
    const std::pair<const char*, Stap> aStappen[] = {
        { "insert a page",
            [&] {
                doc.SelecteerElement(pagina(1));
                doc.OnPaginaInvoegen();
            } },
        { "insert a text",
            [&] {
                doc.SelecteerElement(pagina(0));
                doc.OnTekstInvoegen();
            } },
        { "copy and paste an item",
            [&] {
                doc.SelecteerElement(pagina(2)->GetKind(1));
                doc.OnKopieren();
                doc.OnPlakken();
            } },
        { "cut an item",
            [&] {
                doc.SelecteerElement(pagina(0)->GetKind(2));
                doc.OnKnippen();
            } },
        { "delete a page with items and a picture",
            [&] {
                doc.SelecteerElement(pagina(1));
                doc.OnVerwijderen();
            } },
        { "change fields",
            [&] {
                CDataItemVelden na = *pagina(0)->GetKind(0);
                na.m_dAnkerX = 12.5;
                na.m_strNaam = "verplaatst";
                doc.WijzigVelden(*pagina(0)->GetKind(0), na, Hint::PositieGrootte, "verslepen");
            } },
    };
    for (const auto& [szStap, stap] : aStappen) {
        const QByteArray voor = ProjectBestand::Schrijf(doc);
        const int nVoor = doc.Undo().count();
        stap();
        const QByteArray na = ProjectBestand::Schrijf(doc);
        ASSERT_NE(voor, na) << szStap;
        EXPECT_EQ(doc.Undo().count(), nVoor + 1) << szStap << ": one step";
        doc.Undo().undo();
        EXPECT_EQ(ProjectBestand::Schrijf(doc), voor) << szStap << " undone";
        doc.Undo().redo();
        EXPECT_EQ(ProjectBestand::Schrijf(doc), na) << szStap << " redone";
    }
    // The deleted page came back as the very same element, with its picture.
    doc.Undo().undo();
    doc.Undo().undo();
    EXPECT_TRUE(pagina(1)->m_picture.IsLoaded());
}

TEST(Ongedaan, TheModifiedFlagFollowsTheSavedState)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    EXPECT_FALSE(doc.IsModified());
    doc.OnPaginaInvoegen();
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, dir.filePath("a.zb")).Gelukt());
    EXPECT_FALSE(doc.IsModified());
    doc.OnTekstInvoegen();
    EXPECT_TRUE(doc.IsModified());
    doc.Undo().undo();
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state";
    doc.Undo().undo();
    EXPECT_TRUE(doc.IsModified()) << "before the saved state";
    doc.Undo().redo();
    EXPECT_FALSE(doc.IsModified());
    doc.NieuwDocument();
    EXPECT_EQ(doc.Undo().count(), 0) << "a new project starts a new history";
}
