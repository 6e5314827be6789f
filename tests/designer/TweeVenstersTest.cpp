#include "designer/ZerbantikoView.h"
#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <gtest/gtest.h>

// The show on monitor A (1920 x 1080) and the designer paint the same
// project in turns. Each window's picture must equal what a window of its
// own, painting alone at the same size, draws.

namespace {

class TweeVensters : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        for (int p = 0; p < 2; ++p) {
            doc.SelecteerElement(&doc.m_project);
            CDataItemBasis* pPagina = doc.Invoegen(Soort::Pagina, 1);
            pPagina->m_clrKleurvlak = p ? RGB(20, 60, 20) : RGB(20, 20, 60);
            for (int i = 0; i < 3; ++i) {
                doc.SelecteerElement(pPagina);
                CDataItemBasis* pTekst = doc.Invoegen(Soort::Item, 1);
                pTekst->m_strNaam = QStringLiteral("Agendapunt %1 [T2]").arg(i);
                pTekst->m_strLettertype = "DejaVu Sans";
                pTekst->m_dLettergrootte = 6 + 3 * i;
                pTekst->m_dAnkerY = 20 + 25 * i;
                doc.SelecteerElement(pPagina);
                CDataItemBasis* pVlak = doc.Invoegen(Soort::Item, 3);
                pVlak->m_dAnkerX = 20 + 30 * i;
                pVlak->m_nDekkingKleurvlak = 60;
            }
        }
    }

    CDataItemPagina* Pagina(int i) { return static_cast<CDataItemPagina*>(doc.m_project.GetKind(i)); }

    // The show's picture, and that of a composer drawing alone.
    void VergelijkShow()
    {
        const QImage show = pShow->Presentatie().OnDraw(QSize(1920, 1080));
        CPaginaTekenaar los(CPaginaTekenaar::Variant::Presentatie, klok);
        los.SetProjectNaam(pShow->Presentatie().ProjectNaam());
        QImage beeld(1920, 1080, QImage::Format_RGB32);
        los.DrawPage(beeld, *pShow->Presentatie().Pagina());
        los.DrawSelectionIndicator(beeld, *pShow->Presentatie().Pagina(), doc.m_project);
        EXPECT_EQ(show, beeld) << "the show";
    }
    void VergelijkOntwerp()
    {
        const QImage ontwerp = view.OnDraw(ontwerpMaat);
        CZerbantikoView los(doc, klok);
        EXPECT_EQ(ontwerp, los.OnDraw(ontwerpMaat)) << "the designer";
    }

    const QSize ontwerpMaat { 1000, 563 };
    // The doubles outlive the document, whose items may still hold their processes.
    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    CZerbantikoView view { doc, klok };
    std::unique_ptr<CShow> pShow = std::make_unique<CShow>(doc, klok, melder, starter, geluid);
};

} // namespace

TEST_F(TweeVensters, EachWindowDrawsAsIfItWereAlone)
{
    doc.SelecteerElement(Pagina(0));
    pShow->Start();
    VergelijkShow();
    doc.SelecteerElement(Pagina(0)->GetKind(0));
    VergelijkOntwerp();
    VergelijkShow();

    // A font changes (hint 1) while both show that page.
    CDataItemBasis* pTekst = Pagina(0)->GetKind(2);
    pTekst->m_dLettergrootte = 14;
    pTekst->m_bVet = 1;
    doc.UpdateAllViews(nullptr, Hint::Stijl, pTekst);
    VergelijkOntwerp();
    VergelijkShow();
    VergelijkOntwerp();

    // Each switches to the other page.
    pShow->Presentatie().ToonPagina(Pagina(1));
    doc.SelecteerElement(Pagina(1));
    VergelijkShow();
    doc.SelecteerElement(Pagina(0)->GetKind(1));
    VergelijkOntwerp();
    VergelijkShow();

    // The project overview, with its thumbnails, changes neither.
    doc.SelecteerElement(&doc.m_project);
    VergelijkOntwerp();
    VergelijkShow();
}
