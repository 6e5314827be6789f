#include "dialogs/DlgEigenschappenAfbeelding.h"
#include "dialogs/DlgEigenschappenKleurvlak.h"
#include "dialogs/DlgEigenschappenTekst.h"
#include "dialogs/GetalVeld.h"
#include "dialogs/KleurKnop.h"
#include "dialogs/LettertypeLijst.h"
#include "model/DataItemProject.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeActies.h"
#include "support/FakeMelder.h"
#include "support/FakeOpenBestand.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class ItemDialoog : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        QObject::connect(&doc, &CZerbantikoDoc::updateAllViews,
            [this](QObject*, int nHint, CDataItemBasis*) { aHints.push_back(nHint); });
    }
    CDataItemBasis* Pagina(const QString& strNaam)
    {
        doc.SelecteerElement(&doc.m_project);
        CDataItemBasis* p = doc.Invoegen(Soort::Pagina, 1);
        p->m_strNaam = strNaam;
        return p;
    }
    // An item of template nSjabloon (1 text, 2 image, 3 colour area) on the page.
    CDataItemBasis* Item(CDataItemBasis* pPagina, int nSjabloon)
    {
        doc.SelecteerElement(pPagina);
        return doc.Invoegen(Soort::Item, nSjabloon);
    }
    template <typename D> std::unique_ptr<D> Open(CDataItemBasis& item)
    {
        auto p = std::make_unique<D>(item, doc, melder, kiezer);
        p->show();
        p->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(p.get()));
        aHints.clear();
        return p;
    }
    template <typename T = QWidget> static T* C(QWidget& dlg, const char* szNaam)
    {
        T* p = dlg.findChild<T*>(szNaam);
        EXPECT_NE(p, nullptr) << szNaam;
        return p;
    }
    // Types into a field as the user does, replacing its text.
    static void Typ(QWidget* pVeld, const QString& strTekst)
    {
        pVeld->setFocus();
        auto* pRegel = qobject_cast<QLineEdit*>(pVeld);
        if (!pRegel)
            pRegel = pVeld->findChild<QLineEdit*>();
        pRegel->selectAll();
        QTest::keyClick(pRegel, Qt::Key_Delete);
        QTest::keyClicks(pRegel, strTekst);
    }
    static void Verlaat(QWidget& dlg) { C(dlg, "naam")->setFocus(); }
    static void VerlaatNaarNotities(QWidget& dlg) { C(dlg, "aantekeningen")->setFocus(); }

    CZerbantikoDoc doc;
    CFakeMelder melder;
    CFakeOpenBestand kiezer;
    std::vector<int> aHints;
};

} // namespace

TEST_F(ItemDialoog, TitlesAndGroups)
{
    CDataItemBasis* p = Pagina("Een");
    struct {
        int nSjabloon;
        const char* szTitel;
        const char* szGroep;
    } const aGevallen[] = {
        { 1, "Eigenschappen tekst", "Algemeen (tekstobject)" },
        { 2, "Eigenschappen afbeelding", "Algemeen (afbeelding)" },
        { 3, "Eigenschappen kleurvlak", "Algemeen (kleurvlak)" },
    };
    for (const auto& g : aGevallen) {
        CDataItemBasis* pItem = Item(p, g.nSjabloon);
        std::unique_ptr<QDialog> pDlg;
        if (g.nSjabloon == 1)
            pDlg = Open<CDlgEigenschappenTekst>(*pItem);
        else if (g.nSjabloon == 2)
            pDlg = Open<CDlgEigenschappenAfbeelding>(*pItem);
        else
            pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
        EXPECT_EQ(pDlg->windowTitle(), g.szTitel);
        EXPECT_EQ(C<QGroupBox>(*pDlg, "groepAlgemeen")->title(), g.szGroep);
        EXPECT_EQ(C<QGroupBox>(*pDlg, "groepRechts")->title(), "Positie en vormgeving");
        EXPECT_TRUE(C(*pDlg, "groepAlgemeen")->font().bold());
        EXPECT_FALSE(C(*pDlg, "naam")->font().bold()) << "only the caption is bold";
        EXPECT_EQ(C(*pDlg, "naam")->toolTip(), "Voer hier de naam (identificatie) van deze pagina van het project in");
        EXPECT_FALSE(C(*pDlg, "individueel")->isEnabled());
        EXPECT_EQ(C(*pDlg, "randDekking")->toolTip(),
            "Geef aan hoe sterk de bedekking van de achtergrond met deze effen kleur moet zijn (0 - 100%)");
        if (QWidget* pLaag = pDlg->findChild<QWidget*>("kleurlaagDekking")) {
            EXPECT_TRUE(pLaag->toolTip().isEmpty()) << "that tooltip is the page's colour layer's";
        }
    }
}

TEST_F(ItemDialoog, PercentageFieldsClampAndRewrite)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 2);
    auto pDlg = Open<CDlgEigenschappenAfbeelding>(*pItem);
    auto* pAnkerX = C<CGetalVeld>(*pDlg, "ankerX");

    Typ(pAnkerX, "12,5");
    EXPECT_DOUBLE_EQ(pItem->m_dAnkerX, 12.5) << "stored at once";
    EXPECT_EQ(pAnkerX->Tekst(), "12,5");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(aHints.back(), Hint::Uiterlijk);
    Verlaat(*pDlg);
    EXPECT_EQ(pAnkerX->Tekst(), "12,5") << "rewritten with a comma on leaving";
    pAnkerX->setFocus();
    QTest::keyClick(pAnkerX, Qt::Key_Up);
    EXPECT_EQ(pAnkerX->Tekst(), "12.6");
    EXPECT_DOUBLE_EQ(pItem->m_dAnkerX, 12.6);

    auto* pBreedte = C<CGetalVeld>(*pDlg, "breedte");
    Typ(pBreedte, "150");
    EXPECT_DOUBLE_EQ(pItem->m_dBreedte, 100.0) << "clamped on the edit";
    EXPECT_EQ(pBreedte->Tekst(), "150") << "the text stays as typed";
    QTest::keyClick(pBreedte, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(pItem->m_dBreedte, 100.0) << "and on the final store";
    EXPECT_EQ(pDlg->result(), QDialog::Accepted);

    auto pOpnieuw = Open<CDlgEigenschappenAfbeelding>(*pItem);
    EXPECT_EQ(C<CGetalVeld>(*pOpnieuw, "ankerX")->Tekst(), "12.6") << "loaded with a point";
    EXPECT_EQ(C<CGetalVeld>(*pOpnieuw, "breedte")->Tekst(), "100.0");
}

TEST_F(ItemDialoog, AColourFromThePalette)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 3);
    pItem->m_clrKleurvlak = RGB(10, 20, 30);
    auto pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
    auto* pKnop = C<CKleurKnop>(*pDlg, "vlakKleur");
    EXPECT_EQ(pKnop->Standaard(), RGB(10, 20, 30)) << "Standaard is the colour the field had";
    EXPECT_EQ(pKnop->toolTip(), "Selecteer de kleur voor de achtergrond");
    doc.SetModifiedFlag(false);
    QTimer::singleShot(0, [] {
        QWidget* pPalet = QApplication::activePopupWidget();
        ASSERT_NE(pPalet, nullptr);
        QTest::mouseClick(pPalet->findChild<QToolButton*>("cel25"), Qt::LeftButton); // Gold
    });
    QTest::mouseClick(pKnop, Qt::LeftButton);
    EXPECT_EQ(pItem->m_clrKleurvlak, RGB(0xFF, 0xD7, 0x00));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(aHints.back(), Hint::Uiterlijk);

    aHints.clear();
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
    QTest::mouseClick(pKnop, Qt::LeftButton);
    EXPECT_EQ(pItem->m_clrKleurvlak, RGB(0xFF, 0xD7, 0x00)) << "closed without a choice";
    EXPECT_TRUE(aHints.empty()) << "and nobody told";
}

TEST_F(ItemDialoog, SpinStepsAndRanges)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    struct {
        const char* szVeld;
        const char* szBegin;
        Qt::Key toets;
        const char* szNa;
    } const aGevallen[] = {
        { "lettergrootte", "99.8", Qt::Key_Up, "100.0" },
        { "lettergrootte", "100.0", Qt::Key_Up, "100.0" },
        { "lettergrootte", "10,2", Qt::Key_Down, "9.7" },
        { "ankerY", "0", Qt::Key_Down, "0.0" },
        { "ankerY", "50,5", Qt::Key_Up, "50.6" },
        { "randbreedte", "0.1", Qt::Key_Up, "0.2" },
    };
    pItem->m_bRand = 1;
    for (const auto& g : aGevallen) {
        auto* pVeld = C<CGetalVeld>(*pDlg, g.szVeld);
        pVeld->setEnabled(true);
        Typ(pVeld, g.szBegin);
        QTest::keyClick(pVeld, g.toets);
        EXPECT_EQ(pVeld->Tekst(), g.szNa) << g.szVeld << " " << g.szBegin;
    }
    EXPECT_DOUBLE_EQ(pItem->m_dLettergrootte, 9.7);
}

TEST_F(ItemDialoog, CommandFieldRules)
{
    CDataItemBasis* pPagina = Pagina("Een");
    Pagina("Twee");
    CDataItemBasis* pItem = Item(pPagina, 1);
    pItem->m_bKlikbaar = 1;
    pItem->m_strOpties.clear();
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    auto* pOpdracht = C<QLineEdit>(*pDlg, "opdracht");
    const QColor clrNormaal = pOpdracht->palette().color(QPalette::Text);

    struct {
        const char* szOpdracht;
        QColor clr; // invalid: the normal colour
        bool bSprong;
    } const aKleuren[] = {
        { "@page", QColor(0, 0, 255), true },
        { "@pag", QColor(255, 0, 0), false },
        { "@Page", QColor(255, 0, 0), false },
        { "@", QColor(), false },
        { "@grad", QColor(0, 0, 255), false },
        { "/bestaat/niet.exe", QColor(255, 0, 0), false },
        { "sh", QColor(), false }, // a program on the PATH
        { "geen-programma-van-dien-naam", QColor(255, 0, 0), false },
        { "", QColor(), false },
    };
    for (const auto& g : aKleuren) {
        Typ(pOpdracht, g.szOpdracht);
        EXPECT_EQ(pItem->m_strOpdracht, g.szOpdracht);
        EXPECT_EQ(pOpdracht->palette().color(QPalette::Text), g.clr.isValid() ? g.clr : clrNormaal) << g.szOpdracht;
        EXPECT_EQ(C(*pDlg, "sprong")->isVisible(), g.bSprong) << g.szOpdracht;
    }

    Typ(pOpdracht, "@page");
    EXPECT_TRUE(C(*pDlg, "sprong")->isEnabled());
    EXPECT_FALSE(C(*pDlg, "opties")->isEnabled());
    auto* pSprong = C<QComboBox>(*pDlg, "sprong");
    ASSERT_EQ(pSprong->count(), 1) << "every page but the current one";
    EXPECT_EQ(pSprong->itemText(0), "Twee");
    pSprong->setCurrentIndex(0);
    emit pSprong->activated(0);
    EXPECT_EQ(pItem->m_strOpties, "Twee");

    Typ(pOpdracht, "@grad");
    EXPECT_TRUE(C(*pDlg, "opties")->isEnabled());

    pItem->m_strOpties.clear();
    Typ(pOpdracht, "@back");
    EXPECT_EQ(pItem->m_strOpties, "1");
    EXPECT_TRUE(C(*pDlg, "aantal")->isVisible());
    EXPECT_TRUE(C(*pDlg, "aantal")->isEnabled());

    C<QCheckBox>(*pDlg, "klikbaar")->click();
    EXPECT_EQ(pItem->m_bKlikbaar, 0);
    EXPECT_FALSE(C(*pDlg, "opdracht")->isEnabled());
    EXPECT_FALSE(C(*pDlg, "aantal")->isEnabled());
    EXPECT_TRUE(C(*pDlg, "aantal")->isVisible());
}

TEST_F(ItemDialoog, SoundAndImageRows)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 3);
    pItem->m_bKlikbaar = 1;
    pItem->m_bInternTonen = 0;
    auto pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
    auto zichtbaar = [&](const char* sz) { return C(*pDlg, sz)->isVisible(); };
    auto aan = [&](const char* sz) { return C(*pDlg, sz)->isEnabled(); };

    Typ(C(*pDlg, "opdracht"), "muziek.MP3");
    EXPECT_TRUE(zichtbaar("volume"));
    EXPECT_TRUE(zichtbaar("internTonen"));
    EXPECT_FALSE(zichtbaar("weergave"));
    EXPECT_FALSE(aan("volume")) << "only with the internal player";
    doc.SetModifiedFlag(false);
    C<QCheckBox>(*pDlg, "internTonen")->click();
    EXPECT_TRUE(aan("volume"));
    EXPECT_FALSE(doc.IsModified()) << "the internal-player box alone does not mark the project";

    Typ(C(*pDlg, "opdracht"), "foto.jpeg");
    EXPECT_TRUE(zichtbaar("weergave"));
    EXPECT_TRUE(aan("weergave"));
    EXPECT_FALSE(zichtbaar("volume"));

    Typ(C(*pDlg, "opdracht"), "programma");
    EXPECT_FALSE(zichtbaar("internTonen"));
    EXPECT_FALSE(zichtbaar("weergave"));
    EXPECT_FALSE(zichtbaar("volumeLabel"));
}

TEST_F(ItemDialoog, ChoosingAFileNamesTheItem)
{
    QTemporaryDir map;
    const QString strZon = map.filePath("zon.jpg");
    QImage(4, 4, QImage::Format_RGB32).save(strZon);
    kiezer.strKeuze = strZon;
    CDataItemBasis* pPagina = Pagina("Een");

    CDataItemBasis* pNieuw = Item(pPagina, 2);
    pNieuw->m_strAfbeelding.clear();
    pNieuw->m_picture.Release();
    ASSERT_TRUE(pNieuw->m_strNaam.startsWith("<nieuwe afbeelding>"));
    {
        auto pDlg = Open<CDlgEigenschappenAfbeelding>(*pNieuw);
        C<QAbstractButton>(*pDlg, "kiesOpdracht")->click();
        EXPECT_EQ(pNieuw->m_strOpdracht, strZon);
        EXPECT_EQ(pNieuw->m_strAfbeelding, strZon);
        EXPECT_TRUE(pNieuw->m_picture.IsLoaded());
        EXPECT_EQ(pNieuw->m_strNaam, "zon");
        EXPECT_EQ(C<QLineEdit>(*pDlg, "naam")->text(), "zon");
        EXPECT_TRUE(kiezer.aFilters.back().startsWith("Alle bestanden (*.*)|*.*|Uitvoerbare bestanden"));
    }
    CDataItemBasis* pTitel = Item(pPagina, 2);
    pTitel->m_strNaam = "Titel";
    pTitel->m_strAfbeelding = "elders.jpg";
    {
        auto pDlg = Open<CDlgEigenschappenAfbeelding>(*pTitel);
        C<QAbstractButton>(*pDlg, "kiesOpdracht")->click();
        EXPECT_EQ(pTitel->m_strOpdracht, strZon);
        EXPECT_EQ(pTitel->m_strNaam, "Titel");
        EXPECT_EQ(pTitel->m_strAfbeelding, "elders.jpg") << "an image it has stays";
    }
    CDataItemBasis* pTekst = Item(pPagina, 1);
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pTekst);
        C<QAbstractButton>(*pDlg, "kiesOpdracht")->click();
        EXPECT_EQ(pTekst->m_strNaam, "zon");
        EXPECT_TRUE(pTekst->m_strAfbeelding.isEmpty()) << "a text gets no picture";
    }
    kiezer.strKeuze.clear();
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pTekst);
        C<QAbstractButton>(*pDlg, "kiesOpdracht")->click();
        EXPECT_EQ(pTekst->m_strOpdracht, strZon) << "cancelling changes nothing";
    }
}

TEST_F(ItemDialoog, AJumpToAPageThatIsNotListedIsKept)
{
    CDataItemBasis* pPagina = Pagina("Een");
    Pagina("Twee");
    CDataItemBasis* pItem = Item(pPagina, 1);
    pItem->m_strOpdracht = "@page";
    for (const char* szDoel : { "Een", "Oude naam" }) { // itself, and a page renamed since
        pItem->m_strOpties = szDoel;
        auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
        EXPECT_EQ(C<QComboBox>(*pDlg, "sprong")->currentIndex(), -1) << szDoel;
        C<QCheckBox>(*pDlg, "vet")->click(); // stores every control
        C<QPushButton>(*pDlg, "ok")->click();
        EXPECT_EQ(pItem->m_strOpties, szDoel);
    }
}

TEST_F(ItemDialoog, ThePageListOfAOnePageProject)
{
    CDataItemBasis* pItem = Item(Pagina("Enige"), 1);
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    EXPECT_EQ(C<QComboBox>(*pDlg, "sprong")->count(), 0);
}

TEST_F(ItemDialoog, CancelRestoresEverything)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    pItem->m_strNaam = "Welkom";
    pItem->m_strLettertype = "DejaVu Sans";
    pItem->m_clrTekst = RGB(1, 2, 3);
    const CDataItemVelden voor = *pItem;
    const int nStappen = doc.Undo().count();
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);

    Typ(C(*pDlg, "naam"), "Anders");
    C<QCheckBox>(*pDlg, "vet")->click();
    auto* pFont = C<CLettertypeLijst>(*pDlg, "lettertype");
    pFont->setCurrentIndex(pFont->count() - 1);
    emit pFont->activated(pFont->count() - 1);
    C<CKleurKnop>(*pDlg, "tekstKleur")->ZetKleur(RGB(200, 0, 0));
    emit C<CKleurKnop>(*pDlg, "tekstKleur")->kleurGekozen();
    C<QSlider>(*pDlg, "tekstDekking")->setValue(10);
    EXPECT_EQ(pItem->m_strNaam, "Anders");
    EXPECT_EQ(pItem->m_clrTekst, RGB(200, 0, 0));
    EXPECT_EQ(pItem->m_nDekkingTekst, 10);
    EXPECT_NE(pItem->m_strLettertype, voor.m_strLettertype);

    aHints.clear();
    QTest::keyClick(pDlg.get(), Qt::Key_Escape);
    EXPECT_EQ(pDlg->result(), QDialog::Rejected);
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pItem) == voor);
    EXPECT_EQ(aHints, (std::vector<int> { Hint::Uiterlijk, Hint::Stijl, Hint::Naam }));
    EXPECT_EQ(doc.Undo().count(), nStappen) << "a cancelled session leaves no step";
}

TEST_F(ItemDialoog, OkIsOneUndoStep)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 3);
    const CDataItemVelden voor = *pItem;
    const int nStappen = doc.Undo().count();
    auto pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
    Typ(C(*pDlg, "naam"), "Blok");
    Typ(C(*pDlg, "ankerX"), "33");
    auto* pVorm = C<QComboBox>(*pDlg, "vorm");
    pVorm->setCurrentIndex(3);
    emit pVorm->activated(3);
    EXPECT_EQ(pItem->m_nVorm, 3) << "Cirkel";
    C<QPushButton>(*pDlg, "ok")->click();
    EXPECT_EQ(doc.Undo().count(), nStappen + 1);
    const CDataItemVelden na = *pItem;
    doc.Undo().undo();
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pItem) == voor);
    doc.Undo().redo();
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pItem) == na);
    EXPECT_EQ(pItem->m_strNaam, "Blok");
}

TEST_F(ItemDialoog, EmptyNameWarning)
{
    CDataItemBasis* pPagina = Pagina("Een");
    CDataItemBasis* pTekst = Item(pPagina, 1);
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pTekst);
        Typ(C(*pDlg, "naam"), "");
        VerlaatNaarNotities(*pDlg);
        C(*pDlg, "naam")->setFocus();
        VerlaatNaarNotities(*pDlg);
        ASSERT_EQ(melder.aMeldingen.size(), 1) << "once, and only after an edit";
        EXPECT_EQ(melder.aMeldingen[0],
            "Zonder naam (label) is dit item niet zichtbaar op het scherm. Dit kunt u ook bereiken door de optie "
            "\"Actief\"uit te zetten.");
        EXPECT_TRUE(pTekst->m_strNaam.isEmpty());
    }
    CDataItemBasis* pBeeld = Item(pPagina, 2);
    auto pDlg = Open<CDlgEigenschappenAfbeelding>(*pBeeld);
    Typ(C(*pDlg, "naam"), "");
    VerlaatNaarNotities(*pDlg);
    EXPECT_EQ(melder.aMeldingen.size(), 1) << "an image without a name is no warning";
}

TEST_F(ItemDialoog, BackToTheProjectTemplate)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    CDataItemBasis& sjabloon = doc.SjabloonItem(1);
    sjabloon.m_strLettertype = "DejaVu Serif";
    sjabloon.m_clrTekst = RGB(9, 9, 9);
    sjabloon.m_bRand = 1;
    sjabloon.m_clrRand = RGB(7, 7, 7);
    pItem->m_strNaam = "Blijft";
    pItem->m_dAnkerX = 12;
    pItem->m_strOpdracht = "@back";
    pItem->m_clrTekst = RGB(1, 1, 1);
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    C<QPushButton>(*pDlg, "standaard")->click();
    EXPECT_EQ(pItem->m_strLettertype, "DejaVu Serif");
    EXPECT_EQ(pItem->m_clrTekst, RGB(9, 9, 9));
    EXPECT_EQ(pItem->m_bRand, 1);
    EXPECT_EQ(pItem->m_clrRand, RGB(7, 7, 7));
    EXPECT_EQ(pItem->m_strNaam, "Blijft");
    EXPECT_DOUBLE_EQ(pItem->m_dAnkerX, 12);
    EXPECT_EQ(pItem->m_strOpdracht, "@back");
    EXPECT_TRUE(C(*pDlg, "randKleur")->isEnabled()) << "the border controls follow";
    EXPECT_EQ(aHints.back(), Hint::Stijl);
}

TEST_F(ItemDialoog, AMissingFaceIsKept)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    pItem->m_strLettertype = "Verdana Ontbreekt";
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    EXPECT_EQ(C<QComboBox>(*pDlg, "lettertype")->currentText(), "Verdana Ontbreekt (niet geïnstalleerd)");
    C<QCheckBox>(*pDlg, "vet")->click(); // stores every control
    C<QPushButton>(*pDlg, "ok")->click();
    EXPECT_EQ(pItem->m_strLettertype, "Verdana Ontbreekt");
}

TEST_F(ItemDialoog, StylingFollowsIndividualAndTheAreas)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    pItem->m_bIndividueel = 0;
    pItem->m_bKleurvlak = 1;
    pItem->m_bRand = 1;
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
        for (const char* sz : { "lettertype", "vet", "tekstKleur", "standaard", "kleurvlakMaat", "randbreedte",
                 "randKleur", "ankerLinks" })
            EXPECT_FALSE(C(*pDlg, sz)->isEnabled()) << sz;
        EXPECT_TRUE(C(*pDlg, "ankerX")->isEnabled());
    }
    pItem->m_bIndividueel = 1;
    pItem->m_bKleurvlak = 0;
    auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
    EXPECT_FALSE(C(*pDlg, "kleurlaagKleur")->isEnabled());
    C<QCheckBox>(*pDlg, "kleurvlak")->click();
    EXPECT_TRUE(C(*pDlg, "kleurlaagKleur")->isEnabled());
    EXPECT_EQ(aHints.back(), Hint::Uiterlijk);
    C<QRadioButton>(*pDlg, "ankerRechts")->click();
    C<QRadioButton>(*pDlg, "ankerOnder")->click();
    EXPECT_EQ(pItem->m_nAnkerH, 2);
    EXPECT_EQ(pItem->m_nAnkerV, 2);
}

TEST_F(ItemDialoog, StartStopAndThePollTimer)
{
    CFakeActies acties;
    doc.m_project.m_pActies = &acties;
    CDataItemBasis* pItem = Item(Pagina("Een"), 3);
    pItem->m_bKlikbaar = 1;
    pItem->m_strOpdracht = "muziek.mp3";
    auto pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
    EXPECT_TRUE(C(*pDlg, "startActie")->isEnabled());
    EXPECT_FALSE(C(*pDlg, "stopActie")->isEnabled());

    acties.bLoopt = true;
    C<QToolButton>(*pDlg, "startActie")->click();
    ASSERT_EQ(acties.aUitgevoerd.size(), 1u);
    EXPECT_EQ(acties.aArgumenten[0], 0) << "started from the editor";
    EXPECT_TRUE(C(*pDlg, "stopActie")->isEnabled());
    acties.bLoopt = false; // the sound ends by itself
    QTRY_VERIFY_WITH_TIMEOUT(!C(*pDlg, "stopActie")->isEnabled(), 1000);

    acties.bLoopt = true;
    C<QToolButton>(*pDlg, "startActie")->click();
    C<QToolButton>(*pDlg, "wisOpdracht")->click();
    EXPECT_EQ(acties.aGestopt.size(), 1u) << "Wis stops what runs";
    EXPECT_TRUE(pItem->m_strOpdracht.isEmpty());
    EXPECT_FALSE(C(*pDlg, "startActie")->isEnabled());
    doc.m_project.m_pActies = nullptr;
}

// What a dialog stores of its own accord when the user touches nothing, or
// touches something else: nothing, or exactly the stored value.
TEST_F(ItemDialoog, UntouchedFieldsKeepTheirStoredValues)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 1);
    pItem->m_strOpdracht = "@back";
    pItem->m_strOpties = ""; // the dialog shows "1" for it
    pItem->m_dAnkerX = 12.34; // the field shows one decimal
    pItem->m_dHoogte = 150; // out of range in a file
    pItem->m_nAnkerH = 7; // no radio button stands for it
    doc.MarkeerOpgeslagen();
    const CDataItemVelden voor = *pItem;
    const int nStappen = doc.Undo().count();
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
        C<QPushButton>(*pDlg, "ok")->click();
        EXPECT_TRUE(static_cast<const CDataItemVelden&>(*pItem) == voor);
        EXPECT_EQ(doc.Undo().count(), nStappen) << "no step";
        EXPECT_FALSE(doc.IsModified()) << "no flag";
    }
    {
        auto pDlg = Open<CDlgEigenschappenTekst>(*pItem);
        C<QCheckBox>(*pDlg, "vet")->click(); // stores every control
        C<QPushButton>(*pDlg, "ok")->click();
        EXPECT_EQ(pItem->m_dAnkerX, 12.34);
        EXPECT_EQ(pItem->m_dHoogte, 150);
        EXPECT_EQ(pItem->m_nAnkerH, 7);
        EXPECT_EQ(doc.Undo().count(), nStappen + 1);
    }
}

// Scrolling over a field the user is not in changes nothing.
TEST_F(ItemDialoog, OnlyAFocusedFieldTakesTheWheel)
{
    CDataItemBasis* pItem = Item(Pagina("Een"), 3);
    pItem->m_dAnkerX = 50;
    pItem->m_nVorm = 0;
    auto pDlg = Open<CDlgEigenschappenKleurvlak>(*pItem);
    C(*pDlg, "naam")->setFocus();
    for (const char* szNaam : { "ankerX", "vorm", "vlakDekking" }) {
        QWidget* p = C(*pDlg, szNaam);
        const QPoint pt = p->rect().center();
        QWheelEvent wiel(
            pt, p->mapToGlobal(pt), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(p, &wiel);
        EXPECT_FALSE(p->hasFocus()) << szNaam;
    }
    EXPECT_EQ(pItem->m_dAnkerX, 50);
    EXPECT_EQ(pItem->m_nVorm, 0);
    EXPECT_EQ(C<QSlider>(*pDlg, "vlakDekking")->value(), pItem->m_nDekkingKleurvlak);
}
