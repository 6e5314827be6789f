#include "designer/OntwerpBewerking.h"
#include "designer/ZerbantikoView.h"
#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeMelder.h"
#include "support/VasteKlok.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>

using namespace OntwerpBewerking;

TEST(Bewerking, SnappingToTheGridOrTheNearestAnchor)
{
    const struct {
        double x;
        std::vector<double> aAnderen;
        bool bOmhoog;
        double dNa;
    } aGevallen[] = {
        { 23, { 23, 27 }, true, 27 }, // another anchor nearer than 30
        { 23, { 23, 45 }, true, 30 }, // the grid nearer
        { 30, { 30 }, false, 20 }, // an exact multiple does not snap to itself
        { 95, {}, true, 100 },
        { 3, {}, false, 0 },
        { 50, { 50, 44, 12 }, false, 44 },
    };
    for (const auto& g : aGevallen) {
        const double d = g.bOmhoog ? SnapOmhoog(g.x, g.aAnderen) : SnapOmlaag(g.x, g.aAnderen);
        EXPECT_DOUBLE_EQ(d, g.dNa) << g.x << (g.bOmhoog ? " up" : " down");
    }
}

TEST(Bewerking, NudgesAndCentring)
{
    CDataItemVelden v;
    v.m_dBreedte = 20;
    v.m_dAnkerX = 23;
    for (int i = 0; i < 5; ++i)
        Toets(v, Qt::Key_Left, true, false, 1, {}, {});
    EXPECT_DOUBLE_EQ(v.m_dBreedte, 15);
    for (int i = 0; i < 20; ++i)
        Toets(v, Qt::Key_Left, true, false, 1, {}, {});
    EXPECT_DOUBLE_EQ(v.m_dBreedte, 0) << "stops at 0";
    Toets(v, Qt::Key_Right, false, true, 1, { 23, 27 }, {});
    EXPECT_DOUBLE_EQ(v.m_dAnkerX, 27);
    const double dBreedte = v.m_dBreedte;
    Toets(v, Qt::Key_Backspace, false, false, 1, {}, {});
    EXPECT_DOUBLE_EQ(v.m_dAnkerX, 50);
    EXPECT_DOUBLE_EQ(v.m_dAnkerY, 50);
    EXPECT_DOUBLE_EQ(v.m_dBreedte, dBreedte) << "Backspace centres without changing the size";
    Toets(v, Qt::Key_Home, true, false, 1, {}, {});
    EXPECT_DOUBLE_EQ(v.m_dAnkerY, 100);
}

TEST(Bewerking, DragGeometry)
{
    EXPECT_DOUBLE_EQ(RondMaat(12.3456), 12.355);
    EXPECT_DOUBLE_EQ(RondMaat(-0.005), -0.005);
    // A corner dragged past its opposite corner.
    const CRect r = Normaliseer(Versleep({ 100, 100, 200, 150 }, 3, -150, -80));
    EXPECT_EQ(r, (CRect { 50, 70, 100, 100 }));
    EXPECT_GT(r.Width(), 0);
    // The left edge of a centred colour area: the width changes, the anchor moves to the new centre.
    CDataItemPaginaItem vlak;
    vlak.InitTemplate();
    vlak.m_nAnkerH = Uitlijning::Midden;
    vlak.m_nAnkerV = Uitlijning::Midden;
    CDataItemProject project;
    const CDataItemVelden na = NaSlepen(vlak, project, Versleep({ 400, 200, 600, 400 }, 5, -100, 0), 1000, 500, 5);
    EXPECT_DOUBLE_EQ(na.m_dBreedte, RondMaat(30));
    EXPECT_DOUBLE_EQ(na.m_dAnkerX, 45) << "the centre of 300 .. 600";
    EXPECT_DOUBLE_EQ(na.m_dAnkerY, 40);
}

namespace {

// The designer on the offscreen platform's square screen, a page with a
// colour area in the middle.
class OntwerpBewerken : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        doc.OnPaginaInvoegen();
        pPagina = doc.GetGeselecteerd();
        doc.OnKleurvlakInvoegen();
        pVlak = doc.GetGeselecteerd();
        pVlak->m_dBreedte = 20;
        pVlak->m_dHoogte = 20;
        view.resize(600, 600);
        view.show();
        view.repaint();
        QCoreApplication::processEvents();
    }
    QPoint Midden() const
    {
        const CRect& r = view.ItemRechthoeken()[0];
        return QPoint((r.left + r.right) / 2 + view.Uitvoer().left, (r.top + r.bottom) / 2 + view.Uitvoer().top);
    }

    CVasteKlok klok;
    CZerbantikoDoc doc;
    CFakeMelder melder;
    CZerbantikoView view { doc, klok };
    CDataItemBasis* pPagina = nullptr;
    CDataItemBasis* pVlak = nullptr;
};

} // namespace

TEST_F(OntwerpBewerken, PressAndReleaseWithoutMovingChangesNothing)
{
    const CDataItemVelden voor = *pVlak;
    doc.SelecteerElement(pPagina);
    QTest::mouseClick(&view, Qt::LeftButton, {}, Midden());
    EXPECT_EQ(doc.GetGeselecteerd(), pVlak) << "the click selects the item";
    EXPECT_EQ(pVlak->m_dAnkerX, voor.m_dAnkerX);
    EXPECT_FALSE(doc.Undo().canUndo() && doc.Undo().undoText() == "verslepen");
}

TEST_F(OntwerpBewerken, DraggingMovesAndTheBandNeverComposes)
{
    const QPoint p = Midden();
    QTest::mousePress(&view, Qt::LeftButton, {}, p);
    ASSERT_TRUE(view.Sleept());
    EXPECT_EQ(view.Greep(), 0) << "the middle grabs the whole item";
    view.repaint();
    const int nComposities = view.Composities();
    for (int i = 1; i <= 5; ++i) {
        QTest::mouseMove(&view, p + QPoint(12 * i, 0));
        view.repaint();
    }
    EXPECT_EQ(view.Composities(), nComposities) << "the rubber band is drawn over the last picture";
    QTest::mouseRelease(&view, Qt::LeftButton, {}, p + QPoint(60, 0));
    // 60 pixels to the right on a 600-pixel-wide page: 10 %.
    EXPECT_NEAR(pVlak->m_dAnkerX, 60, 0.5);
    EXPECT_NEAR(pVlak->m_dBreedte, 20, 0.5);
    EXPECT_EQ(doc.Undo().undoText(), "verslepen");
    doc.Undo().undo();
    EXPECT_DOUBLE_EQ(pVlak->m_dAnkerX, 50) << "a drag is one step";
}

TEST_F(OntwerpBewerken, KeysNudgeAndMergeIntoOneStep)
{
    view.setFocus();
    const int nVoor = doc.Undo().count();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(pVlak->m_dBreedte, 15);
    EXPECT_EQ(doc.Undo().count(), nVoor + 1) << "five nudges with one key are one step";
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(doc.Undo().count(), nVoor + 2) << "another key is another step";
    doc.Undo().undo();
    doc.Undo().undo();
    EXPECT_DOUBLE_EQ(pVlak->m_dBreedte, 20);
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_DOUBLE_EQ(pVlak->m_dAnkerX, 50);
}

TEST_F(OntwerpBewerken, RightClickOnEmptySpaceOffersNoCutOrDelete)
{
    const CRect& u = view.Uitvoer();
    std::unique_ptr<QMenu> pMenu(view.MaakContextMenu(QPoint(u.left + 5, u.top + 5), nullptr));
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(doc.GetGeselecteerd(), pPagina) << "the page under the pointer is selected";
    QStringList aAan, aUit;
    for (QAction* p : pMenu->actions()) {
        if (!p->isSeparator())
            (p->isEnabled() ? aAan : aUit) << p->text();
    }
    EXPECT_TRUE(aUit.contains("Knippen"));
    EXPECT_TRUE(aUit.contains("Verwijderen"));
    EXPECT_EQ(doc.m_ptInvoegPositie, (CPoint { u.left + 5, u.top + 5 })) << "an insert lands where clicked";
}

// The pointer over the selected item shows what a drag from there would do,
// before any button is pressed.
TEST_F(OntwerpBewerken, HoverShowsTheHandlesCursors)
{
    doc.SelecteerElement(pVlak);
    view.repaint();
    const CRect& r = view.ItemRechthoeken()[0];
    const QPoint linksBoven(r.left + view.Uitvoer().left + 1, r.top + view.Uitvoer().top + 1);
    const std::pair<QPoint, Qt::CursorShape> aGevallen[] = {
        { Midden(), Qt::SizeAllCursor }, { linksBoven, Qt::SizeFDiagCursor },
        { QPoint(view.Uitvoer().left + 2, view.Uitvoer().top + 2), Qt::ArrowCursor }, // beside it
    };
    for (const auto& [pt, vorm] : aGevallen) {
        QTest::mouseMove(&view, pt);
        EXPECT_EQ(view.cursor().shape(), vorm) << pt.x() << "," << pt.y();
    }
}

// Whatever changes the selection, the handles follow it at the next paint.
TEST_F(OntwerpBewerken, ASelectionChangeRepaints)
{
    doc.SelecteerElement(pPagina);
    doc.OnKleurvlakInvoegen();
    CDataItemBasis* pAnder = doc.GetGeselecteerd();
    pAnder->m_dAnkerX = 15; // away from the middle
    pAnder->m_dAnkerY = 85;
    pAnder->m_dBreedte = pAnder->m_dHoogte = 10;
    doc.SelecteerElement(pVlak);
    view.setFocus();
    view.repaint();
    const std::pair<const char*, std::function<void()>> aGevallen[] = {
        { "Tab on an item", [&] { QTest::keyClick(&view, Qt::Key_Tab); } },
        { "a right click on another item",
            [&] {
                const CRect& r = view.ItemRechthoeken()[size_t(pVlak->m_nIndex)];
                const QPoint pt(
                    (r.left + r.right) / 2 + view.Uitvoer().left, (r.top + r.bottom) / 2 + view.Uitvoer().top);
                std::unique_ptr<QMenu>(view.MaakContextMenu(pt, nullptr));
            } },
    };
    for (const auto& [szWat, doe] : aGevallen) {
        const CDataItemBasis* pVoor = doc.GetGeselecteerd();
        const int nVoor = view.Composities();
        doe();
        QCoreApplication::processEvents();
        EXPECT_NE(doc.GetGeselecteerd(), pVoor) << szWat;
        EXPECT_GT(view.Composities(), nVoor) << szWat;
    }
}

// An undo in the middle of a drag gives the drag up: it never lands in the
// item the undo selected.
TEST_F(OntwerpBewerken, UndoDuringADragGivesTheDragUp)
{
    doc.SelecteerElement(pPagina);
    doc.OnKleurvlakInvoegen();
    CDataItemBasis* pAnder = doc.GetGeselecteerd();
    CDataItemVelden na = *pAnder;
    na.m_dAnkerX = 10;
    doc.WijzigVelden(*pAnder, na, Hint::PositieGrootte, QStringLiteral("verschuiven"));
    doc.SelecteerElement(pVlak);
    view.repaint();
    const CDataItemVelden vlakVoor = *pVlak;
    const QPoint p = Midden();
    QTest::mousePress(&view, Qt::LeftButton, {}, p);
    QTest::mouseMove(&view, p + QPoint(60, 0));
    doc.Undo().undo(); // gives pAnder its old anchor back
    const CDataItemVelden anderNaUndo = *pAnder;
    EXPECT_FALSE(view.Sleept());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, p + QPoint(60, 0));
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pAnder) == anderNaUndo);
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pVlak) == vlakVoor);
}

// The overview's menu copies the page under the pointer, although the main
// window's Kopieëren is disabled while the project is selected.
TEST_F(OntwerpBewerken, CopyFromTheOverviewsMenu)
{
    QAction kopieren;
    QObject::connect(&kopieren, &QAction::triggered, &doc, &CZerbantikoDoc::OnKopieren);
    SBewerkOpdrachten opdrachten;
    opdrachten.pKopieren = &kopieren;
    view.SetOpdrachten(opdrachten);
    doc.SelecteerElement(&doc.m_project);
    kopieren.setEnabled(doc.KanKopieren());
    ASSERT_FALSE(kopieren.isEnabled());
    view.repaint();
    const CRect& cel = view.ItemRechthoeken()[0];
    const QPoint pt((cel.left + cel.right) / 2 + view.Uitvoer().left, (cel.top + cel.bottom) / 2 + view.Uitvoer().top);
    std::unique_ptr<QMenu> pMenu(view.MaakContextMenu(pt, nullptr));
    ASSERT_NE(pMenu, nullptr);
    QAction* pKopieer = nullptr;
    for (QAction* p : pMenu->actions())
        if (p->text().startsWith("Kopi"))
            pKopieer = p;
    ASSERT_NE(pKopieer, nullptr);
    ASSERT_TRUE(pKopieer->isEnabled());
    pKopieer->trigger();
    ASSERT_NE(doc.m_pKlembord, nullptr);
    EXPECT_EQ(doc.m_pKlembord->m_strNaam, pPagina->m_strNaam);
}

// An edit that changes nothing is no step to undo and leaves the project as it was.
TEST_F(OntwerpBewerken, AnEditThatChangesNothingIsNoStep)
{
    pVlak->m_dAnkerX = 0;
    doc.MarkeerOpgeslagen();
    const int nVoor = doc.Undo().count();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Left); // against the left edge
    QTest::keyClick(&view, Qt::Key_Home); // and to where it already is
    EXPECT_EQ(doc.Undo().count(), nVoor);
    EXPECT_FALSE(doc.IsModified());
}
