#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/DataItemProject.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

QString Tekst(const CDataItemBasis& e, const std::function<QString(const CDataItemBasis&)>& f)
{
    return f(e);
}

QString R(const CRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

struct SVeld {
    const char* szNaam;
    std::function<QString(const CDataItemBasis&)> waarde;
    const char* szVerwacht;
};

#define N(f) #f, [](const CDataItemBasis& e) { return QString::number(e.f); }
#define S(f) #f, [](const CDataItemBasis& e) { return e.f; }
#define H(f)                                                                                                           \
#f,                                                                                                                \
        [](const CDataItemBasis&                                                                                       \
                e) { return QStringLiteral("0x%1").arg(e.f, 6, 16, QChar('0')).toUpper().replace("0X", "0x"); }

// The reset values, field by field.
const SVeld g_aReset[] = {
    { N(m_nIndex), "-1" },
    { N(m_nSoort), "0" },
    { N(m_nItemSoort), "2" },
    { N(m_nNummer), "1" },
    { S(m_strReserve1), "" },
    { S(m_strNaam), "" },
    { S(m_strToelichting), "" },
    { S(m_strAfbeelding), "" },
    { N(m_dReserve1), "0" },
    { N(m_dReserve2), "0" },
    { N(m_ptAnker.x), "0" },
    { N(m_ptAnker.y), "0" },
    { N(m_nVorm), "0" },
    { N(m_dAnkerX), "0" },
    { N(m_dAnkerY), "0" },
    { N(m_dBreedte), "0" },
    { N(m_dHoogte), "0" },
    { N(m_nAnkerH), "0" },
    { N(m_nAnkerV), "0" },
    { N(m_bIndividueel), "1" },
    { S(m_strLettertype), "Verdana" },
    { N(m_dLettergrootte), "8" },
    { N(m_bVet), "0" },
    { N(m_bCursief), "0" },
    { N(m_bOnderlijnen), "0" },
    { N(m_bDoorhalen), "0" },
    { H(m_clrTekst), "0xC0C0C0" },
    { N(m_nDekkingTekst), "100" },
    { N(m_nReserve1), "0" },
    { H(m_clrKleurvlak), "0x202020" },
    { N(m_nDekkingKleurvlak), "100" },
    { S(m_strReserve2), "" },
    { N(m_bVolleBreedte), "0" },
    { N(m_nManierVanTonen), "0" },
    { H(m_clrKleurlaag), "0xFFFFFF" },
    { N(m_nDekkingKleurlaag), "0" },
    { N(m_bClipping), "0" },
    { N(m_bKlikgebiedenMarkeren), "0" },
    { N(m_bAnkerpuntenTonen), "1" },
    { "m_rectAchtergrondBeeld", [](const CDataItemBasis& e) { return R(e.m_rectAchtergrondBeeld); }, "0,0,0,0" },
    { N(m_bRand), "0" },
    { H(m_clrRand), "0x7F7F7F" },
    { N(m_nDekkingRand), "100" },
    { N(m_dRandbreedte), "0.1" },
    { "m_abReserve2",
        [](const CDataItemBasis& e) {
            return QString::number(std::count(e.m_abReserve2.begin(), e.m_abReserve2.end(), 0));
        },
        "8" },
    { N(m_sizeDoel.cx), "1920" },
    { N(m_sizeDoel.cy), "1080" },
    { "m_rectMonitor", [](const CDataItemBasis& e) { return R(e.m_rectMonitor); }, "0,0,1920,1080" },
    { N(m_nMonitor), "0" },
    { N(m_bToetsenbord), "1" },
    { N(m_nPresenter), "0" },
    { N(m_bAutoVolgende), "0" },
    { N(m_nSelectiePositie), "3" },
    { N(m_bSelectieZichtbaar), "0" },
    { N(m_nSelectieItem), "-1" },
    { S(m_strGong), "" },
    { N(m_nDoelformaat), "0" },
    { N(m_nPresentatiegedrag), "0" },
    { N(m_nReserve2), "0" },
    { S(m_strOpdracht), "" },
    { S(m_strOpties), "" },
    { N(m_nReserve3), "-1" },
    { N(m_bKlikbaar), "1" },
    { N(m_bActief), "1" },
    { N(m_bKleurvlak), "0" },
    { N(m_nKleurvlakMaat), "0" },
    { N(m_bAfbeeldingTonen), "0" },
    { N(m_bTekstTonen), "1" },
    { N(m_nReserve4), "0" },
    { "m_rectScherm", [](const CDataItemBasis& e) { return R(e.m_rectScherm); }, "0,0,0,0" },
    { N(m_nReserve5), "0" },
    { N(m_nReserve6), "0" },
    { N(m_bGeluidIntern), "1" },
    { N(m_nVolume), "100" },
    { N(m_bViewerOpen), "0" },
    { N(m_nPresentatievorm), "0" },
    { N(m_bInternTonen), "1" },
};

QString Veld(const CDataItemBasis& e, const char* szNaam)
{
    for (const SVeld& v : g_aReset) {
        if (qstrcmp(v.szNaam, szNaam) == 0)
            return Tekst(e, v.waarde);
    }
    ADD_FAILURE() << "unknown field " << szNaam;
    return {};
}

void ExpectVelden(const CDataItemBasis& e, const std::vector<std::pair<const char*, const char*>>& aVerwacht)
{
    for (const SVeld& v : g_aReset) {
        QString strVerwacht = QString::fromUtf8(v.szVerwacht);
        for (const auto& [szNaam, szWaarde] : aVerwacht) {
            if (qstrcmp(szNaam, v.szNaam) == 0)
                strVerwacht = QString::fromUtf8(szWaarde);
        }
        EXPECT_EQ(Tekst(e, v.waarde).toStdString(), strVerwacht.toStdString()) << v.szNaam;
    }
}

} // namespace

TEST(DataItem, FreshElementHoldsEveryResetValue)
{
    for (auto* p : std::initializer_list<CDataItemBasis*> {
             new CDataItemBasis, new CDataItemProject, new CDataItemPagina, new CDataItemPaginaItem }) {
        ExpectVelden(*p, {});
        EXPECT_EQ(p->AantalKinderen(), 0);
        EXPECT_EQ(p->m_pOuder, nullptr);
        delete p;
    }
}

TEST(DataItem, ResetToDefaultsRestoresFieldsAndDropsChildren)
{
    CDataItemPagina pagina;
    pagina.InitTemplate();
    pagina.m_strNaam = "X";
    pagina.m_nVolume = 3;
    pagina.m_sizeDoel = { 10, 10 };
    pagina.VoegKindToe(std::make_unique<CDataItemPaginaItem>());
    pagina.ResetToDefaults();
    ExpectVelden(pagina, {});
    EXPECT_EQ(pagina.AantalKinderen(), 0);
}

TEST(DataItem, TemplateValuesPerKind)
{
    CDataItemProject project;
    project.InitTemplate();
    ExpectVelden(project,
        { { "m_nIndex", "0" }, { "m_nSoort", "1" }, { "m_strNaam", "<nieuw project>" },
            { "m_clrKleurvlak", "0x404040" } });

    CDataItemPagina pagina;
    pagina.InitTemplate();
    ExpectVelden(pagina,
        { { "m_nIndex", "0" }, { "m_nSoort", "2" }, { "m_strNaam", "<nieuwe pagina>" },
            { "m_clrKleurvlak", "0x000000" }, { "m_clrRand", "0x0080FF" }, { "m_dBreedte", "8" },
            { "m_dHoogte", "8" } });

    CDataItemPaginaItem item;
    item.InitTemplate();
    ExpectVelden(item,
        { { "m_nIndex", "0" }, { "m_nSoort", "3" }, { "m_nItemSoort", "0" }, { "m_strNaam", "<nieuw pagina-item>" },
            { "m_dAnkerX", "50" }, { "m_dAnkerY", "50" }, { "m_clrTekst", "0xFFFFFF" },
            { "m_clrKleurvlak", "0xC0C0C0" }, { "m_clrRand", "0xFFFFFF" }, { "m_nAnkerH", "1" }, { "m_nAnkerV", "1" },
            { "m_dBreedte", "8" }, { "m_dHoogte", "8" } });

    CDataItemBasis basis;
    basis.InitTemplate(); // the bare record has no template values
    ExpectVelden(basis, {});
}

TEST(DataItem, InitTemplateStartsFromResetValues)
{
    CDataItemPaginaItem item;
    item.m_nVolume = 7;
    item.m_strOpdracht = "@gong";
    item.InitTemplate();
    EXPECT_EQ(Veld(item, "m_nVolume"), "100");
    EXPECT_EQ(Veld(item, "m_strOpdracht"), "");
}

TEST(DataItem, CopyFromIsDeepAndKeepsOwnIndividualFlag)
{
    CDataItemPagina bron;
    bron.InitTemplate();
    bron.m_strNaam = "Uitslag";
    bron.m_bIndividueel = 0;
    bron.m_rectAchtergrondBeeld = { 1, 2, 3, 4 };
    bron.m_abReserve2[3] = 9;
    bron.m_nVolume = 42;
    bron.m_bSelectieZichtbaar = 1;
    for (int i = 0; i < 3; ++i) {
        auto p = std::make_unique<CDataItemPaginaItem>();
        p->InitTemplate();
        p->m_strNaam = QStringLiteral("item %1").arg(i);
        bron.VoegKindToe(std::move(p));
    }

    CDataItemPagina kopie;
    kopie.CopyFrom(bron);
    EXPECT_EQ(kopie.m_strNaam, "Uitslag");
    EXPECT_EQ(kopie.m_nVolume, 42);
    EXPECT_EQ(kopie.m_bSelectieZichtbaar, 1);
    EXPECT_EQ(kopie.m_nSoort, Soort::Pagina);
    // Not copied: these keep the copy's own values.
    EXPECT_EQ(kopie.m_bIndividueel, 1);
    EXPECT_EQ(kopie.m_rectAchtergrondBeeld, CRect {});
    EXPECT_EQ(kopie.m_abReserve2[3], 0);

    ASSERT_EQ(kopie.AantalKinderen(), 3);
    for (int i = 0; i < 3; ++i) {
        CDataItemBasis* pKind = kopie.GetKind(i);
        EXPECT_NE(pKind, bron.GetKind(i));
        EXPECT_EQ(pKind->m_pOuder, &kopie);
        EXPECT_EQ(pKind->m_nIndex, i);
        EXPECT_EQ(pKind->m_strNaam, QStringLiteral("item %1").arg(i));
        EXPECT_NE(dynamic_cast<CDataItemPaginaItem*>(pKind), nullptr) << "children keep their class";
    }
    bron.GetKind(0)->m_strNaam = "veranderd";
    EXPECT_EQ(kopie.GetKind(0)->m_strNaam, "item 0");
}

TEST(DataItem, CopyValuesLeavesChildrenAlone)
{
    CDataItemPagina pagina;
    pagina.InitTemplate();
    pagina.VoegKindToe(std::make_unique<CDataItemPaginaItem>());
    CDataItemPagina backup;
    backup.InitTemplate();
    backup.m_strNaam = "terug";
    pagina.CopyValues(backup);
    EXPECT_EQ(pagina.m_strNaam, "terug");
    EXPECT_EQ(pagina.AantalKinderen(), 1);
}

TEST(DataItem, CloneKeepsClass)
{
    CDataItemPaginaItem item;
    item.InitTemplate();
    item.m_strNaam = "a";
    auto p = item.Clone();
    EXPECT_NE(dynamic_cast<CDataItemPaginaItem*>(p.get()), nullptr);
    EXPECT_EQ(p->m_strNaam, "a");
    CDataItemBasis basis;
    EXPECT_STREQ(basis.Clone()->GetKlasseNaam(), "CDataItemBasis");
}

TEST(DataItem, ApplyTemplateCopiesStylingOnly)
{
    CDataItemPaginaItem sjabloon;
    sjabloon.InitTemplate();
    sjabloon.m_strLettertype = "Arial";
    sjabloon.m_dLettergrootte = 12;
    sjabloon.m_bVet = 1;
    sjabloon.m_clrKleurlaag = 0x123456;
    sjabloon.m_nVorm = 3;
    sjabloon.m_nAnkerV = 2;
    sjabloon.m_dBreedte = 33;
    sjabloon.m_bActief = 0;
    sjabloon.m_bKlikbaar = 0;
    sjabloon.m_strNaam = "sjabloon";
    sjabloon.m_dAnkerX = 1;

    CDataItemPaginaItem item;
    item.InitTemplate();
    item.m_strNaam = "mijn tekst";
    item.m_strOpdracht = "@gong";
    item.ApplyTemplate(sjabloon);
    EXPECT_EQ(item.m_strLettertype, "Arial");
    EXPECT_EQ(item.m_dLettergrootte, 12);
    EXPECT_EQ(item.m_bVet, 1);
    EXPECT_EQ(item.m_clrKleurlaag, 0x123456u);
    EXPECT_EQ(item.m_nVorm, 3);
    EXPECT_EQ(item.m_nAnkerV, 2);
    EXPECT_EQ(item.m_dBreedte, 33);
    EXPECT_EQ(item.m_strNaam, "mijn tekst");
    EXPECT_EQ(item.m_strOpdracht, "@gong");
    EXPECT_EQ(item.m_dAnkerX, 50);
    EXPECT_EQ(item.m_bActief, 1);
    EXPECT_EQ(item.m_bKlikbaar, 1);
}

TEST(DataItem, SoortNaam)
{
    EXPECT_EQ(CDataItemBasis().GetSoortNaam(), "DataItemBasis");
    EXPECT_EQ(CDataItemProject().GetSoortNaam(), "project");
    EXPECT_EQ(CDataItemPagina().GetSoortNaam(), "pagina");
    CDataItemPaginaItem item;
    const std::pair<int, const char*> aSoorten[]
        = { { 0, "tekst" }, { 1, "afbeelding" }, { 2, "kleurvlak" }, { 7, "???" } };
    for (const auto& [n, sz] : aSoorten) {
        item.m_nItemSoort = quint8(n);
        EXPECT_EQ(item.GetSoortNaam(), sz);
    }
}

TEST(DataItem, FindKindByNaamIgnoresCaseBeyondAscii)
{
    CDataItemPagina pagina;
    EXPECT_EQ(pagina.FindKindByNaam("x"), -1);
    for (const char* sz : { "Welkom", "ÉÉN ÖVERZICHT", "Uitslag" }) {
        auto p = std::make_unique<CDataItemPaginaItem>();
        p->m_strNaam = QString::fromUtf8(sz);
        pagina.VoegKindToe(std::move(p));
    }
    EXPECT_EQ(pagina.FindKindByNaam("welkom"), 0);
    EXPECT_EQ(pagina.FindKindByNaam(QString::fromUtf8("één överzicht")), 1);
    EXPECT_EQ(pagina.FindKindByNaam("UITSLAG"), 2);
    EXPECT_EQ(pagina.FindKindByNaam("Uitslag "), -1);
}

TEST(DataItem, ChildListPositions)
{
    auto namen = [](const CDataItemBasis& e) {
        QString s;
        for (const auto& p : e.Kinderen())
            s += p->m_strNaam;
        return s.toStdString();
    };
    auto kind = [](const char* sz) {
        auto p = std::make_unique<CDataItemPaginaItem>();
        p->m_strNaam = sz;
        return p;
    };
    CDataItemPagina pagina;
    EXPECT_EQ(pagina.VoegKindToe(kind("a")), 0);
    EXPECT_EQ(pagina.VoegKindToe(kind("b")), 1);
    pagina.VoegKindInNa(-1, kind("c")); // front
    EXPECT_EQ(namen(pagina), "cab");
    pagina.VoegKindInNa(2, kind("d")); // after the last: append
    pagina.VoegKindInNa(99, kind("e"));
    pagina.VoegKindInNa(0, kind("f"));
    EXPECT_EQ(namen(pagina), "cfabde");
    pagina.VoegKindIn(1, kind("g"));
    pagina.VoegKindIn(6, kind("h")); // count 7: before the last
    pagina.VoegKindIn(8, kind("i"));
    EXPECT_EQ(namen(pagina), "cgfabdhei");
    for (int i = 0; i < pagina.AantalKinderen(); ++i) {
        EXPECT_EQ(pagina.GetKind(i)->m_nIndex, i);
        EXPECT_EQ(pagina.GetKind(i)->m_pOuder, &pagina);
    }
    EXPECT_EQ(pagina.GetKind(9), nullptr);
    EXPECT_EQ(pagina.GetKind(-1), nullptr);
}

// Tab in the designer and the presenter's keys in the show walk alike.
TEST(DataItem, WalkOverTheClickableItems)
{
    CDataItemPagina pagina;
    for (int nKlikbaar : { 1, 0, 1, 1 }) {
        auto p = std::make_unique<CDataItemPaginaItem>();
        p->m_bKlikbaar = nKlikbaar;
        pagina.VoegKindToe(std::move(p));
    }
    struct {
        int nVan, nRichting, nNaar;
    } const aGevallen[] = {
        { 0, +1, 2 }, // item 1 is not clickable
        { 2, -1, 0 },
        { 3, +1, 0 }, // round past the end
        { 0, -1, 3 },
        { -1, +1, 0 }, // none yet: the first
        { -1, -1, 3 }, // ... or the last
        { -1000, -1, 3 }, // odd values from a file
        { INT_MIN, +1, 0 },
        { INT_MAX, +1, 0 },
        { INT_MAX, -1, 3 },
        { 99, -1, 3 },
    };
    for (const auto& g : aGevallen)
        EXPECT_EQ(pagina.VolgendKlikbaarItem(g.nVan, g.nRichting), g.nNaar) << g.nVan << " " << g.nRichting;
    for (const auto& p : pagina.Kinderen())
        p->m_bKlikbaar = 0;
    EXPECT_EQ(pagina.VolgendKlikbaarItem(0, +1), -1) << "nothing to walk to";
}

TEST(DataItem, FontPixelHeightFromTargetHeight)
{
    // {cy, size %, pixels}: x = trunc(cy * 0.6 * size / 100), then x * 96 / 72 rounded.
    const std::tuple<int, double, int> aGevallen[] = {
        { 1080, 8.0, 68 }, // x = 51
        { 1080, 1.0, 8 }, // x = 6
        { 720, 8.0, 45 }, // x = 34 -> 45.33
        { 2160, 8.0, 137 }, // x = 103 -> 137.33
        { 1800, 1.0, 13 }, // x = 10 -> 13.33
        { 500, 0.7, 3 }, // x = 2 -> 2.67 rounds up
        { 1100, 1.0, 8 }, // x = 6.6 truncates to 6
        { 1080, 0.0, 0 },
    };
    for (const auto& [cy, dSize, nPixels] : aGevallen)
        EXPECT_EQ(FontPixelHeight(cy, dSize), nPixels) << cy << " " << dSize;
}

TEST(DataItem, TekstFontOnlyForTextItems)
{
    CDataItemPaginaItem tekst;
    tekst.InitTemplate();
    tekst.m_strLettertype.clear();
    tekst.m_bVet = 1;
    tekst.m_bCursief = 1;
    CDataItemPaginaItem vlak;
    vlak.InitTemplate();
    vlak.m_nItemSoort = ItemSoort::Kleurvlak;
    CDataItemPagina pagina;
    pagina.InitTemplate();

    EXPECT_FALSE(pagina.TekstFont(1080).has_value());
    EXPECT_FALSE(vlak.TekstFont(1080).has_value());
    const std::optional<QFont> font = tekst.TekstFont(1080);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), "Verdana") << "a text without a face is drawn in Verdana";
    EXPECT_TRUE(tekst.m_strLettertype.isEmpty()) << "drawing never changes a saved field";
    EXPECT_EQ(font->pixelSize(), 68);
    EXPECT_EQ(font->weight(), 800);
    EXPECT_TRUE(font->italic());
    EXPECT_EQ(tekst.TekstFont(720)->pixelSize(), 45) << "the font follows the output height asked for";
}

TEST(DataItemDeathTest, OutOfMemoryOnCopyEndsTheProgram)
{
    EXPECT_EXIT(GeheugenTekortBijKopie(nullptr, "CDataItemPagina"), ::testing::ExitedWithCode(EXIT_FAILURE),
        "Onvoeldoende geheugen bij maken kopie van CDataItemPagina, programam wordt afgesloten!");
}
