#include "model/ZerbantikoDoc.h"

#include "model/Hints.h"
#include "model/ProjectInhoud.h"
#include "support/FakeMelder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SHint {
    int nHint;
    CDataItemBasis* pElement;
    friend bool operator==(const SHint&, const SHint&) = default;
};

class DocTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        QObject::connect(&doc, &CZerbantikoDoc::updateAllViews, [this](QObject*, int nHint, CDataItemBasis* p) {
            aHints.push_back({ nHint, p });
        });
    }

    CDataItemBasis* Pagina(int i) { return doc.m_project.GetKind(i); }
    QStringList Namen(const CDataItemBasis& e)
    {
        QStringList a;
        for (const auto& p : e.Kinderen())
            a << p->m_strNaam;
        return a;
    }
    // n pages named P0.., each with m items named I0..
    void Vul(int n, int m)
    {
        for (int i = 0; i < n; ++i) {
            doc.SelecteerElement(&doc.m_project);
            CDataItemBasis* p = doc.Invoegen(Soort::Pagina, 1);
            p->m_strNaam = QStringLiteral("P%1").arg(i);
            for (int j = 0; j < m; ++j) {
                doc.SelecteerElement(p);
                doc.Invoegen(Soort::Item, 1);
            }
            for (int j = 0; j < m; ++j)
                p->GetKind(j)->m_strNaam = QStringLiteral("I%1").arg(j);
        }
        aHints.clear();
        doc.SetModifiedFlag(false);
    }

    CZerbantikoDoc doc;
    CFakeMelder melder;
    std::vector<SHint> aHints;
};

} // namespace

TEST_F(DocTest, TemplatesAfterConstruction)
{
    const auto& t = doc.SjabloonItems();
    // {item type, name, colour area, image, text}
    const std::tuple<int, const char*, int, int, int> aVerwacht[] = {
        { 0, "<nieuwe tekst>", 0, 0, 1 },
        { 1, "<nieuwe afbeelding>", 0, 1, 0 },
        { 2, "<nieuw kleurvlak>", 1, 0, 0 },
        { 0, "<nieuw pagina-item>", 0, 0, 1 },
    };
    for (size_t i = 0; i < 4; ++i) {
        const auto& [nSoort, szNaam, bVlak, bBeeld, bTekst] = aVerwacht[i];
        EXPECT_EQ(t[i].m_nSoort, Soort::Item);
        EXPECT_EQ(t[i].m_nItemSoort, nSoort) << i;
        EXPECT_EQ(t[i].m_strNaam, szNaam);
        EXPECT_EQ(t[i].m_bKleurvlak, bVlak) << i;
        EXPECT_EQ(t[i].m_bAfbeeldingTonen, bBeeld) << i;
        EXPECT_EQ(t[i].m_bTekstTonen, bTekst) << i;
    }
    EXPECT_EQ(t[0].m_nDekkingKleurlaag, 100);
    EXPECT_EQ(t[1].m_nDekkingKleurlaag, 0);
    for (const auto& p : doc.SjabloonPaginas()) {
        EXPECT_EQ(p.m_nSoort, Soort::Pagina);
        EXPECT_EQ(p.m_strNaam, "<nieuwe pagina>");
    }
}

TEST_F(DocTest, NewProjectIsSelectedAndNamed)
{
    EXPECT_EQ(doc.m_project.m_nSoort, Soort::Project);
    EXPECT_EQ(doc.m_project.m_strNaam, "<nieuw project>");
    EXPECT_EQ(doc.GetTitle(), "<nieuw project>");
    EXPECT_EQ(doc.GetGeselecteerd(), &doc.m_project);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTest, SelectionRules)
{
    Vul(2, 3);
    EXPECT_EQ(doc.Selecteer(1, 2), Pagina(1)->GetKind(2));
    EXPECT_EQ(doc.m_nHuidigePagina, 1);
    EXPECT_EQ(doc.m_nHuidigItem, 2);
    EXPECT_EQ(doc.Selecteer(1, 7), Pagina(1)); // invalid item: the page
    EXPECT_EQ(doc.m_nHuidigItem, -1);
    EXPECT_EQ(doc.Selecteer(5, 0), nullptr);
    EXPECT_EQ(doc.m_nHuidigePagina, -1);

    // Without an explicit selection, the indexes decide.
    doc.m_pGeselecteerd = nullptr;
    doc.m_nHuidigePagina = 0;
    doc.m_nHuidigItem = 1;
    EXPECT_EQ(doc.GetGeselecteerd(), Pagina(0)->GetKind(1));
    doc.m_nHuidigItem = -1;
    EXPECT_EQ(doc.GetGeselecteerd(), Pagina(0));

    EXPECT_EQ(doc.SetHuidigePagina(2), nullptr);
    EXPECT_EQ(doc.m_nHuidigePagina, -1);
    EXPECT_EQ(doc.SetHuidigePagina(1), Pagina(1));
    EXPECT_EQ(doc.GetItem(1, 3), nullptr);
    EXPECT_EQ(doc.GetItem(-1, 0), nullptr);

    Pagina(1)->m_nSelectieItem = 2;
    doc.m_nHuidigItem = 2;
    doc.SelecteerElement(Pagina(1)->GetKind(0));
    EXPECT_EQ(doc.m_nHuidigePagina, 1);
    EXPECT_EQ(doc.m_nHuidigItem, 2) << "the item index is left alone";
    doc.SelecteerElement(Pagina(1));
    EXPECT_EQ(Pagina(1)->m_nSelectieItem, -1);
    doc.SelecteerElement(&doc.m_project);
    EXPECT_EQ(doc.m_nHuidigePagina, 0);
    doc.SelecteerElement(nullptr);
    EXPECT_EQ(doc.GetGeselecteerd(), &doc.m_project);
}

TEST_F(DocTest, InsertedPagesGetUniqueNames)
{
    for (int i = 0; i < 3; ++i) {
        doc.SelecteerElement(&doc.m_project);
        doc.OnPaginaInvoegen();
    }
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "<nieuwe pagina>", "<nieuwe pagina> (1)", "<nieuwe pagina> (2)" }));
    ASSERT_EQ(aHints.size(), 3u);
    EXPECT_EQ(aHints[2], (SHint { Hint::Toegevoegd, Pagina(2) }));
    EXPECT_EQ(doc.GetGeselecteerd(), Pagina(2));
    EXPECT_TRUE(doc.IsModified());

    // Names are compared ignoring case.
    Pagina(0)->m_strNaam = "<NIEUWE PAGINA>";
    Pagina(1)->m_strNaam = "x";
    Pagina(2)->m_strNaam = "y";
    doc.SelecteerElement(&doc.m_project);
    doc.OnPaginaInvoegen();
    EXPECT_EQ(Pagina(3)->m_strNaam, "<nieuwe pagina> (1)");
}

TEST_F(DocTest, PastedPageSkipsTakenNames)
{
    Vul(3, 0);
    Pagina(0)->m_strNaam = "Uitslag";
    Pagina(1)->m_strNaam = "Uitslag (1)";
    doc.SelecteerElement(Pagina(0));
    doc.OnKopieren();
    doc.SelecteerElement(&doc.m_project);
    ASSERT_TRUE(doc.KanPlakken());
    doc.OnPlakken();
    EXPECT_EQ(Pagina(3)->m_strNaam, "Uitslag (2)");
}

TEST_F(DocTest, InsertPositions)
{
    Vul(3, 4);
    // Item selected, item inserted: before it.
    doc.SelecteerElement(Pagina(1)->GetKind(2));
    doc.OnTekstInvoegen();
    EXPECT_EQ(Namen(*Pagina(1)), (QStringList { "I0", "I1", "<nieuwe tekst>", "I2", "I3" }));
    EXPECT_EQ(doc.GetGeselecteerd(), Pagina(1)->GetKind(2));
    EXPECT_EQ(aHints.back(), (SHint { Hint::ItemToegevoegd, Pagina(1)->GetKind(2) }));

    // Page selected, page inserted: after it.
    doc.SelecteerElement(Pagina(0));
    doc.OnPaginaInvoegen();
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "P0", "<nieuwe pagina>", "P1", "P2" }));

    // Item selected, page inserted: after the item's page.
    doc.SelecteerElement(Pagina(3)->GetKind(0));
    doc.OnPaginaInvoegen();
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "P0", "<nieuwe pagina>", "P1", "P2", "<nieuwe pagina> (1)" }));

    // Page selected, item inserted: at the page's own index while the page has
    // more items than that, else at the end.
    doc.SelecteerElement(Pagina(2)); // index 2, five items
    doc.OnKleurvlakInvoegen();
    EXPECT_EQ(Pagina(2)->GetKind(2)->m_strNaam, "<nieuw kleurvlak>");
    EXPECT_EQ(aHints.back().nHint, Hint::ItemToegevoegd);
    doc.SelecteerElement(Pagina(4)); // index 4, empty
    doc.OnAfbeeldingInvoegen();
    EXPECT_EQ(Namen(*Pagina(4)), (QStringList { "<nieuwe afbeelding>" }));
    EXPECT_EQ(Pagina(4)->GetKind(0)->m_nItemSoort, ItemSoort::Afbeelding);
}

TEST_F(DocTest, ItemWhileProjectSelectedNeedsACopySourcePage)
{
    Vul(2, 1);
    doc.SelecteerElement(&doc.m_project);
    EXPECT_FALSE(doc.KanItemInvoegen());
    EXPECT_EQ(doc.Invoegen(Soort::Item, 1), nullptr);
    EXPECT_TRUE(aHints.empty());

    doc.m_pKopieerBron = Pagina(1);
    doc.m_ptInvoegPositie = { 500, 500 };
    CDataItemBasis* p = doc.Invoegen(Soort::Item, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->m_pOuder, Pagina(1));
    EXPECT_EQ(p->m_nIndex, 1);
    EXPECT_EQ(p->m_dAnkerX, 50) << "no placement in the project case";
    EXPECT_EQ(doc.m_ptInvoegPositie, (CPoint { 500, 500 }));
    EXPECT_EQ(aHints.back(), (SHint { Hint::Toegevoegd, p }));
}

TEST_F(DocTest, PendingInsertPointPlacesTheItem)
{
    Vul(1, 0);
    doc.m_project.m_rectMonitor = { 100, 50, 900, 500 };
    doc.m_project.m_sizeDoel = { 800, 450 };
    // {point, anchor x, anchor y, still pending}
    const std::tuple<CPoint, double, double, bool> aGevallen[] = {
        { { 500, 275 }, 50.0, 50.0, false },
        { { 300, 140 }, 25.0, 80.0, false },
        { { 0, 200 }, 50.0, 50.0, true }, // both coordinates must be positive
        { { 50, 275 }, 0.0, 50.0, false }, // left of the monitor: clamped
        { { 500, 50 }, 50.0, 100.0, false }, // top edge
        { { 2000, 2000 }, 100.0, 0.0, false },
    };
    for (const auto& [pt, dX, dY, bBlijft] : aGevallen) {
        doc.SelecteerElement(Pagina(0));
        doc.m_ptInvoegPositie = pt;
        CDataItemBasis* p = doc.Invoegen(Soort::Item, 1);
        ASSERT_NE(p, nullptr);
        EXPECT_DOUBLE_EQ(p->m_dAnkerX, dX) << pt.x << "," << pt.y;
        EXPECT_DOUBLE_EQ(p->m_dAnkerY, dY) << pt.x << "," << pt.y;
        EXPECT_EQ(doc.m_ptInvoegPositie, bBlijft ? pt : CPoint {});
    }
}

TEST_F(DocTest, CommandStates)
{
    struct SStaat {
        bool bPagina, bItem, bKopie, bKnip, bPlak, bWeg, bEig;
    };
    auto staat = [this] {
        return SStaat { doc.KanPaginaInvoegen(), doc.KanItemInvoegen(), doc.KanKopieren(), doc.KanKnippen(),
            doc.KanPlakken(), doc.KanVerwijderen(), doc.KanEigenschappen() };
    };
    auto expect = [](SStaat s, SStaat v, const char* szWaar) {
        EXPECT_EQ(s.bPagina, v.bPagina) << szWaar;
        EXPECT_EQ(s.bItem, v.bItem) << szWaar;
        EXPECT_EQ(s.bKopie, v.bKopie) << szWaar;
        EXPECT_EQ(s.bKnip, v.bKnip) << szWaar;
        EXPECT_EQ(s.bPlak, v.bPlak) << szWaar;
        EXPECT_EQ(s.bWeg, v.bWeg) << szWaar;
        EXPECT_EQ(s.bEig, v.bEig) << szWaar;
    };
    Vul(2, 2);
    doc.Selecteer(-1, -1);
    expect(staat(), { false, false, false, false, false, false, false }, "nothing");
    doc.SelecteerElement(&doc.m_project);
    expect(staat(), { true, false, false, false, false, false, true }, "project");
    doc.SelecteerElement(Pagina(0));
    expect(staat(), { true, true, true, true, false, true, true }, "page");

    doc.SelecteerElement(Pagina(0)->GetKind(0));
    doc.OnKopieren(); // an item on the clipboard
    expect(staat(), { true, true, true, true, true, true, true }, "item, item on clipboard");
    doc.SelecteerElement(&doc.m_project);
    EXPECT_FALSE(doc.KanPlakken()) << "an item cannot be pasted on the project";
    doc.m_pKopieerBron = Pagina(1);
    EXPECT_TRUE(doc.KanKopieren()) << "the copy source counts";

    doc.SelecteerElement(Pagina(1));
    doc.OnKopieren(); // a page on the clipboard
    EXPECT_TRUE(doc.KanPlakken());
    doc.SelecteerElement(Pagina(1)->GetKind(0));
    EXPECT_FALSE(doc.KanPlakken()) << "a page cannot be pasted on an item";
}

TEST_F(DocTest, CopyTakesTheCopySourceFirst)
{
    Vul(2, 2);
    doc.SelecteerElement(Pagina(0)->GetKind(1));
    doc.m_pKopieerBron = Pagina(1);
    doc.OnKopieren();
    ASSERT_NE(doc.m_pKlembord, nullptr);
    EXPECT_EQ(doc.m_pKlembord->m_strNaam, "P1");
    EXPECT_EQ(doc.m_pKlembord->m_nSoort, Soort::Pagina);
    EXPECT_EQ(doc.m_pKlembord->AantalKinderen(), 2);
    EXPECT_EQ(doc.m_pKopieerBron, nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(aHints.empty());

    Pagina(1)->GetKind(0)->m_strNaam = "later veranderd";
    EXPECT_EQ(doc.m_pKlembord->GetKind(0)->m_strNaam, "I0") << "the clipboard holds its own copy";
}

TEST_F(DocTest, CutMovesTheSelectionToTheClipboard)
{
    Vul(2, 3);
    CDataItemBasis* pPagina = Pagina(1);
    doc.SelecteerElement(pPagina->GetKind(1));
    doc.m_pKopieerBron = Pagina(0); // left pending by the designer
    doc.OnKnippen();
    EXPECT_EQ(Namen(*pPagina), (QStringList { "I0", "I2" }));
    EXPECT_EQ(pPagina->GetKind(1)->m_nIndex, 1);
    ASSERT_NE(doc.m_pKlembord, nullptr);
    EXPECT_EQ(doc.m_pKlembord->m_strNaam, "I1") << "what is cut is what is on the clipboard";
    EXPECT_EQ(doc.m_pKlembord->m_nItemSoort, ItemSoort::Tekst);
    EXPECT_EQ(doc.GetGeselecteerd(), pPagina);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(aHints, (std::vector<SHint> { { Hint::Kinderen, pPagina } }));

    doc.SelecteerElement(pPagina->GetKind(0));
    doc.OnPlakken();
    EXPECT_EQ(Namen(*pPagina), (QStringList { "I1", "I0", "I2" }));
    EXPECT_EQ(aHints.back().nHint, Hint::ItemToegevoegd);

    doc.SelecteerElement(Pagina(0));
    doc.OnKnippen();
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "P1" }));
    EXPECT_EQ(aHints.back(), (SHint { Hint::Kinderen, &doc.m_project }));
    EXPECT_EQ(doc.GetGeselecteerd(), &doc.m_project);
}

TEST_F(DocTest, DeleteAsksFirst)
{
    Vul(2, 2);
    CDataItemBasis* pItem = Pagina(0)->GetKind(1);
    doc.SelecteerElement(pItem);
    melder.bJa = false;
    doc.OnVerwijderen();
    ASSERT_EQ(melder.aVragen.size(), 1);
    EXPECT_EQ(melder.aVragen[0], "Weet u zeker dat u item \n\nI1\n\nvan deze pagina  wilt verwijderen?");
    EXPECT_EQ(doc.GetGeselecteerd(), pItem);
    EXPECT_EQ(Pagina(0)->AantalKinderen(), 2);
    EXPECT_TRUE(aHints.empty());

    melder.bJa = true;
    doc.OnVerwijderen();
    EXPECT_EQ(Namen(*Pagina(0)), (QStringList { "I0" }));
    EXPECT_EQ(aHints.back(), (SHint { Hint::Kinderen, Pagina(0) }));
    EXPECT_EQ(doc.GetGeselecteerd(), Pagina(0));

    doc.OnVerwijderen();
    EXPECT_EQ(melder.aVragen.back(), "Weet u zeker dat u pagina\n\nP0\n\nuit het proejct wilt verwijderen?");
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "P1" }));
    EXPECT_EQ(aHints.back(), (SHint { Hint::Paginas, &doc.m_project }));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, RemovingAnElementForgetsPointersIntoIt)
{
    Vul(2, 2);
    doc.m_pKopieerBron = Pagina(0)->GetKind(1);
    doc.SelecteerElement(Pagina(0));
    doc.OnKnippen();
    EXPECT_EQ(doc.m_pKopieerBron, nullptr);
}

TEST_F(DocTest, NewKeepsTemplatesAndClipboard)
{
    Vul(1, 1);
    doc.SjabloonItem(1).m_clrTekst = 0x00FF00;
    doc.SjabloonPagina(1).m_clrKleurvlak = 0x112233;
    doc.SelecteerElement(Pagina(0));
    doc.OnKopieren();
    doc.m_project.m_strNaam = "Club";
    doc.SetModifiedFlag();

    doc.NieuwDocument();
    EXPECT_EQ(doc.m_project.AantalKinderen(), 0);
    EXPECT_EQ(doc.m_project.m_strNaam, "<nieuw project>");
    EXPECT_EQ(doc.GetGeselecteerd(), &doc.m_project);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(aHints.back(), (SHint { Hint::Uiterlijk, nullptr }));
    ASSERT_NE(doc.m_pKlembord, nullptr);
    EXPECT_EQ(doc.m_pKlembord->m_strNaam, "P0");

    doc.OnPlakken();
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "P0" }));
    doc.SelecteerElement(Pagina(0));
    doc.OnTekstInvoegen();
    doc.OnPaginaInvoegen();
    EXPECT_EQ(Pagina(0)->GetKind(0)->m_clrTekst, 0x00FF00u);
    EXPECT_EQ(Pagina(1)->m_clrKleurvlak, 0x112233u);
}

TEST_F(DocTest, TakingOverALoadedProject)
{
    Vul(1, 0);
    doc.SjabloonItem(3).m_clrKleurvlak = 0xABCDEF;
    CProjectInhoud inhoud;
    inhoud.strVersie = "Dit is een casus van Zerbantiko 2.0.0.55";
    inhoud.project.InitTemplate();
    inhoud.project.m_strNaam = "Kerst";
    auto p = std::make_unique<CDataItemPagina>();
    p->InitTemplate();
    p->m_strNaam = "Welkom";
    inhoud.project.VoegKindToe(std::move(p));
    inhoud.aSjabloonItem[0].m_strNaam = "geladen tekst";
    inhoud.aSjabloonItem[2].m_strNaam = "niet geladen";
    inhoud.bAlleSjablonen = false;

    doc.NeemOver(inhoud, "/tmp/map/Kerst.zb");
    EXPECT_EQ(doc.m_project.m_strNaam, "Kerst");
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "Welkom" }));
    EXPECT_EQ(Pagina(0)->m_pOuder, &doc.m_project);
    EXPECT_EQ(doc.m_strVersie, "Dit is een casus van Zerbantiko 2.0.0.55");
    EXPECT_EQ(doc.SjabloonItem(1).m_strNaam, "geladen tekst");
    EXPECT_EQ(doc.SjabloonItem(3).m_clrKleurvlak, 0xABCDEFu) << "the oldest version keeps template item 3";
    EXPECT_EQ(doc.GetPathName(), "/tmp/map/Kerst.zb");
    EXPECT_EQ(doc.GetTitle(), "Kerst.zb");
    EXPECT_EQ(doc.GetGeselecteerd(), &doc.m_project);
    EXPECT_EQ(aHints.back(), (SHint { Hint::Uiterlijk, nullptr }));
}

TEST_F(DocTest, ItemOfUnknownTypeRefusesProperties)
{
    Vul(1, 1);
    Pagina(0)->GetKind(0)->m_nItemSoort = 5;
    doc.SelecteerElement(Pagina(0)->GetKind(0));
    EXPECT_EQ(doc.OnEigenschappen(), -1);
    EXPECT_EQ(melder.aMeldingen, (QStringList { "geen tekst, afbeelding of keurvlak actief" }));
}
