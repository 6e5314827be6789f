#include "designer/ZerbantikoView.h"

#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/TekstVelden.h"
#include "support/FakeMelder.h"
#include "support/VasteKlok.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

quint32 Rgb(const QImage& b, int x, int y)
{
    return b.pixel(x, y) & 0xFFFFFF;
}

class Ontwerp : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        view = std::make_unique<CZerbantikoView>(doc, klok);
        view->resize(960, 540);
    }
    CDataItemBasis* Pagina(int nItems = 0)
    {
        doc.SelecteerElement(&doc.m_project);
        CDataItemBasis* p = doc.Invoegen(Soort::Pagina, 1);
        for (int i = 0; i < nItems; ++i) {
            doc.SelecteerElement(p);
            doc.Invoegen(Soort::Item, 3);
        }
        return p;
    }

    CVasteKlok klok;
    CZerbantikoDoc doc;
    CFakeMelder melder;
    std::unique_ptr<CZerbantikoView> view;
};

} // namespace

// The offscreen platform has one square 800 x 800 screen: the output is square.

TEST_F(Ontwerp, OverviewGrid)
{
    for (int i = 0; i < 5; ++i)
        Pagina()->m_clrKleurvlak = RGB(0, 0, 200);
    doc.SelecteerElement(&doc.m_project);
    const QImage beeld = view->OnDraw(QSize(600, 600));
    EXPECT_EQ(view->Uitvoer(), (CRect { 0, 0, 600, 600 }));
    const std::vector<CRect>& cellen = view->ItemRechthoeken();
    ASSERT_EQ(cellen.size(), 9u) << "5 pages: a 3 x 3 grid";
    // Cell d: left = trunc((d mod g) * W div g + W * 0.02), right = trunc(W div g + left - W * 0.04).
    EXPECT_EQ(cellen[0], (CRect { 12, 12, 188, 188 }));
    EXPECT_EQ(cellen[4], (CRect { 212, 212, 388, 388 }));
    EXPECT_TRUE(cellen[5].IsEmpty());
    EXPECT_EQ(Rgb(beeld, 100, 100), 0x0000C8u) << "a thumbnail";
    EXPECT_EQ(Rgb(beeld, 12, 12), 0xFFFFFFu) << "its white frame";
    // An empty cell is crossed out in grey.
    EXPECT_EQ(Rgb(beeld, 12 + 400, 212), 0x808080u);
    EXPECT_EQ(Rgb(beeld, 500, 300), 0x808080u) << "on the diagonal of the last empty cell";
    EXPECT_EQ(Rgb(beeld, 300, 5), 0x404040u) << "the project's colour between the cells";
}

TEST_F(Ontwerp, OverviewShowsAtMost64Pages)
{
    for (int i = 0; i < 65; ++i)
        Pagina();
    doc.SelecteerElement(&doc.m_project);
    view->OnDraw(QSize(800, 800));
    const std::vector<CRect>& cellen = view->ItemRechthoeken();
    EXPECT_FALSE(cellen[63].IsEmpty());
    EXPECT_TRUE(cellen[64].IsEmpty());
}

TEST_F(Ontwerp, MarksOfTheSelectedItemAndTheOthers)
{
    CDataItemBasis* pPagina = Pagina(2);
    CDataItemBasis* pGekozen = pPagina->GetKind(0);
    CDataItemBasis* pAnder = pPagina->GetKind(1);
    pGekozen->m_dAnkerX = 25;
    pAnder->m_dAnkerX = 75;
    doc.SelecteerElement(pGekozen);
    const QImage b = view->OnDraw(QSize(400, 400));
    const CPoint a = pGekozen->m_ptAnker;
    EXPECT_EQ(Rgb(b, a.x - 3, a.y - 3), 0xFF0000u) << "red anchor";
    EXPECT_EQ(Rgb(b, a.x, a.y), 0x000000u) << "black centre";
    const COntwerpGeometrie& g = view->Geometrie()[0];
    EXPECT_EQ(g.aptHoek[0], (CPoint { pGekozen->m_rectScherm.left, pGekozen->m_rectScherm.top }));
    EXPECT_EQ(Rgb(b, g.aptHoek[2].x + 3, g.aptHoek[2].y + 3), 0xFFFF00u) << "yellow corner handle";
    EXPECT_EQ(g.rectKlik.left, pGekozen->m_rectScherm.left - 4);
    EXPECT_EQ(
        g.aRectGreep[4], (CRect { g.aptHoek[0].x - 4, g.aptHoek[0].y + 4, g.aptHoek[3].x + 4, g.aptHoek[3].y - 4 }));
    EXPECT_EQ(view->KlikRechthoeken()[0], g.rectKlik);
    const CPoint w = pAnder->m_ptAnker;
    EXPECT_EQ(Rgb(b, w.x - 3, w.y - 3), 0xFFFFFFu) << "white anchor of an item not selected";

    pPagina->m_bAnkerpuntenTonen = 0;
    const QImage zonder = view->OnDraw(QSize(400, 400));
    EXPECT_EQ(Rgb(zonder, w.x - 3, w.y - 3), 0xC0C0C0u) << "no anchors when the page hides them";
    EXPECT_EQ(Rgb(zonder, a.x - 3, a.y - 3), 0xFF0000u) << "but the selected item keeps its marks";
}

TEST_F(Ontwerp, SelectedTextShowsOnlyItsAnchor)
{
    CDataItemBasis* pPagina = Pagina();
    doc.SelecteerElement(pPagina);
    CDataItemBasis* pTekst = doc.Invoegen(Soort::Item, 1);
    view->OnDraw(QSize(400, 400));
    const COntwerpGeometrie& g = view->Geometrie()[0];
    for (const CPoint& p : g.aptHoek)
        EXPECT_EQ(p, pTekst->m_ptAnker);
    EXPECT_EQ(g.rectKlik, pTekst->m_rectScherm);
}

TEST_F(Ontwerp, ClockTimerRunsOnlyForPagesWithFields)
{
    CDataItemBasis* pPagina = Pagina(1);
    doc.SelecteerElement(pPagina);
    doc.UpdateAllViews(nullptr, Hint::SelectieBoom, pPagina);
    EXPECT_FALSE(view->KlokLoopt());
    pPagina->GetKind(0)->m_strNaam = "[T2]";
    doc.UpdateAllViews(nullptr, Hint::Uiterlijk, pPagina->GetKind(0));
    EXPECT_TRUE(view->KlokLoopt());
    doc.SelecteerElement(&doc.m_project);
    doc.m_nHuidigePagina = -1;
    doc.UpdateAllViews(nullptr, Hint::SelectieBoom, &doc.m_project);
    EXPECT_FALSE(view->KlokLoopt());
}

TEST_F(Ontwerp, ResizingBuildsFontsForSixteenByNine)
{
    CDataItemBasis* pPagina = Pagina();
    doc.SelecteerElement(pPagina);
    CDataItemBasis* pTekst = doc.Invoegen(Soort::Item, 1);
    view->show();
    view->resize(1600, 1000);
    QCoreApplication::processEvents();
    // FitRect(1600 x 1000, 16:9) is 1600 x 900, although the square screen draws 1000 x 1000.
    view->OnDraw(view->size());
    EXPECT_EQ(view->Uitvoer().Height(), 1000);
    ASSERT_NE(view->Font(*pTekst), nullptr);
    EXPECT_EQ(view->Font(*pTekst)->pixelSize(), FontPixelHeight(900, pTekst->m_dLettergrootte));
    // Another page and back: fonts then follow the paint's own output.
    doc.SelecteerElement(Pagina());
    view->OnDraw(view->size());
    doc.SelecteerElement(pTekst);
    view->OnDraw(view->size());
    EXPECT_EQ(view->Font(*pTekst)->pixelSize(), FontPixelHeight(1000, pTekst->m_dLettergrootte));
}

TEST_F(Ontwerp, OverviewThumbnailsShowAnchorMarks)
{
    CDataItemBasis* pPagina = Pagina(1);
    pPagina->m_clrKleurvlak = RGB(0, 0, 200);
    CDataItemBasis* pVlak = pPagina->GetKind(0);
    pVlak->m_dBreedte = 1; // too small to cover the mark's surroundings
    pVlak->m_dHoogte = 1;
    doc.SelecteerElement(&doc.m_project);
    const QImage b = view->OnDraw(QSize(600, 600));
    const CRect cel = view->ItemRechthoeken()[0];
    // The anchor at 50 % / 50 % of the cell: a black centre in a white square.
    const int x = cel.left + cel.Width() / 2, y = cel.top + cel.Height() - cel.Height() / 2;
    EXPECT_EQ(Rgb(b, x, y), 0x000000u);
    EXPECT_EQ(Rgb(b, x - 3, y - 3), 0xFFFFFFu) << "white anchor mark in the thumbnail";
    pPagina->m_bAnkerpuntenTonen = 0;
    const QImage zonder = view->OnDraw(QSize(600, 600));
    EXPECT_EQ(Rgb(zonder, x - 3, y - 3), 0x0000C8u) << "no marks when the page hides its anchors";
}

TEST_F(Ontwerp, OverviewScalesItsPicturesOnlyOnce)
{
    QTemporaryDir dir;
    QImage foto(640, 400, QImage::Format_RGB32);
    foto.fill(qRgb(90, 120, 30));
    const QString strFoto = dir.filePath("foto.png");
    ASSERT_TRUE(foto.save(strFoto));
    for (int i = 0; i < 64; ++i) {
        CDataItemBasis* pPagina = Pagina(0);
        pPagina->m_picture.Load(strFoto);
        for (int k = 0; k < 3; ++k) {
            doc.SelecteerElement(pPagina);
            CDataItemBasis* pBeeld = doc.Invoegen(Soort::Item, 2);
            pBeeld->m_picture.Load(strFoto);
            pBeeld->m_dBreedte = 20 + 10 * k;
            pBeeld->m_dHoogte = 20;
        }
    }
    doc.SelecteerElement(&doc.m_project);
    view->OnDraw(QSize(1000, 800));
    const qint64 nNaEerste = CGeschaaldeAfbeeldingen::Instance().Schalingen();
    view->OnDraw(QSize(1000, 800));
    EXPECT_EQ(CGeschaaldeAfbeeldingen::Instance().Schalingen(), nNaEerste)
        << "a second paint of the overview finds every scaled picture";
    doc.SelecteerElement(doc.m_project.GetKind(5));
    view->OnDraw(QSize(1000, 800));
    doc.SelecteerElement(&doc.m_project);
    const qint64 nMetPagina = CGeschaaldeAfbeeldingen::Instance().Schalingen();
    view->OnDraw(QSize(1000, 800));
    EXPECT_EQ(CGeschaaldeAfbeeldingen::Instance().Schalingen(), nMetPagina)
        << "showing a page in between pushes none of the thumbnails out";
}
