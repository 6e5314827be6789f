// The page and project dialogs with their lists, and the template dialogs,
// on two offscreen screens: A (1920 x 1080, primary) and B (1280 x 1024).
#include "dialogs/AchtergrondVoorbeeld.h"
#include "dialogs/DlgEigenschappenAfbeelding.h"
#include "dialogs/DlgEigenschappenPagina.h"
#include "dialogs/DlgEigenschappenProject.h"
#include "dialogs/DlgSjabloonAfbeelding.h"
#include "dialogs/DlgSjabloonKleurvlak.h"
#include "dialogs/DlgSjabloonPagina.h"
#include "dialogs/DlgSjabloonTekst.h"
#include "dialogs/GetalVeld.h"
#include "dialogs/KleurKnop.h"
#include "dialogs/LettertypeLijst.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeGong.h"
#include "support/FakeMelder.h"
#include "support/FakeOpenBestand.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class LijstDialoog : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        QObject::connect(&doc, &CZerbantikoDoc::updateAllViews, [this](QObject*, int nHint, CDataItemBasis* pElement) {
            aHints.push_back({ nHint, pElement });
        });
    }
    CDataItemBasis* Pagina(const QString& strNaam, int nItems = 0)
    {
        doc.SelecteerElement(&doc.m_project);
        CDataItemBasis* p = doc.Invoegen(Soort::Pagina, 1);
        p->m_strNaam = strNaam;
        for (int i = 0; i < nItems; ++i) {
            doc.SelecteerElement(p);
            doc.Invoegen(Soort::Item, 3);
        }
        for (int i = 0; i < nItems; ++i)
            p->GetKind(i)->m_strNaam = strNaam + QString::number(i);
        return p;
    }
    template <typename T = QWidget> static T* C(QWidget& dlg, const char* szNaam)
    {
        T* p = dlg.findChild<T*>(szNaam);
        EXPECT_NE(p, nullptr) << szNaam;
        return p;
    }
    static void KiesRij(QWidget& dlg, int nRij)
    {
        auto* pLijst = C<QTreeWidget>(dlg, "lijst");
        pLijst->clearSelection();
        if (nRij >= 0)
            pLijst->topLevelItem(nRij)->setSelected(true);
    }
    static QStringList Kolom(QWidget& dlg, int nKolom)
    {
        QStringList a;
        auto* pLijst = C<QTreeWidget>(dlg, "lijst");
        for (int i = 0; i < pLijst->topLevelItemCount(); ++i)
            a << pLijst->topLevelItem(i)->text(nKolom);
        return a;
    }
    QStringList Namen(const CDataItemBasis& e)
    {
        QStringList a;
        for (const auto& p : e.Kinderen())
            a << p->m_strNaam;
        return a;
    }
    std::unique_ptr<CDlgEigenschappenProject> Project()
    {
        auto p = std::make_unique<CDlgEigenschappenProject>(doc.m_project, doc, melder, kiezer, &gong);
        p->show();
        aHints.clear();
        return p;
    }

    CZerbantikoDoc doc;
    CFakeMelder melder;
    CFakeOpenBestand kiezer;
    CFakeGong gong;
    std::vector<std::pair<int, CDataItemBasis*>> aHints;
};

} // namespace

TEST_F(LijstDialoog, MoveButtonsFollowTheSelection)
{
    CDataItemBasis* pPagina = Pagina("P", 3);
    CDlgEigenschappenPagina dlg(*pPagina, doc, melder, kiezer);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Eigenschappen pagina");
    EXPECT_EQ(Kolom(dlg, 0), (QStringList { "P0", "P1", "P2" }));
    struct {
        int nRij;
        bool bTop, bUp, bDown, bBottom;
    } const aGevallen[] = {
        { -1, false, false, false, false },
        { 0, false, false, true, true },
        { 1, true, true, true, true },
        { 2, true, true, false, false },
    };
    for (const auto& g : aGevallen) {
        KiesRij(dlg, g.nRij);
        EXPECT_EQ(C(dlg, "naarBoven")->isEnabled(), g.bTop) << g.nRij;
        EXPECT_EQ(C(dlg, "omhoog")->isEnabled(), g.bUp) << g.nRij;
        EXPECT_EQ(C(dlg, "omlaag")->isEnabled(), g.bDown) << g.nRij;
        EXPECT_EQ(C(dlg, "naarOnder")->isEnabled(), g.bBottom) << g.nRij;
    }
    // Clicked anyway (a disabled button can be reached from code): nothing moves.
    KiesRij(dlg, 0);
    C<QToolButton>(dlg, "omhoog")->setEnabled(true);
    C<QToolButton>(dlg, "omhoog")->click();
    KiesRij(dlg, 2);
    C<QToolButton>(dlg, "omlaag")->setEnabled(true);
    C<QToolButton>(dlg, "omlaag")->click();
    EXPECT_EQ(Namen(*pPagina), (QStringList { "P0", "P1", "P2" }));

    C<QToolButton>(dlg, "naarBoven")->click();
    EXPECT_EQ(Namen(*pPagina), (QStringList { "P2", "P0", "P1" }));
    EXPECT_EQ(Kolom(dlg, 0), Namen(*pPagina));
    EXPECT_EQ(aHints.back(), (std::pair<int, CDataItemBasis*> { Hint::Kinderen, pPagina }));
    EXPECT_EQ(pPagina->m_nSelectieItem, 0);
    EXPECT_EQ(C<QTreeWidget>(dlg, "lijst")->selectedItems().value(0)->text(0), "P2") << "the moved row stays chosen";
}

TEST_F(LijstDialoog, BottomOnPageTwoOfFiveStaysAfterCancelAndIsOneUndoStep)
{
    for (int i = 1; i <= 5; ++i)
        Pagina(QStringLiteral("Pagina %1").arg(i), i);
    auto pDlg = Project();
    EXPECT_EQ(Kolom(*pDlg, 1), (QStringList { "1", "2", "3", "4", "5" }));
    const int nStappen = doc.Undo().count();
    KiesRij(*pDlg, 1);
    C<QToolButton>(*pDlg, "naarOnder")->click();
    const QStringList aNa { "Pagina 1", "Pagina 3", "Pagina 4", "Pagina 5", "Pagina 2" };
    EXPECT_EQ(Namen(doc.m_project), aNa);
    EXPECT_EQ(Kolom(*pDlg, 0), aNa);
    EXPECT_EQ(Kolom(*pDlg, 1), (QStringList { "1", "3", "4", "5", "2" })) << "each page keeps its count";
    EXPECT_EQ(aHints.back(), (std::pair<int, CDataItemBasis*> { Hint::Paginas, &doc.m_project }));
    EXPECT_EQ(doc.Undo().count(), nStappen + 1);

    C<QPushButton>(*pDlg, "annuleren")->click();
    EXPECT_EQ(Namen(doc.m_project), aNa) << "Annuleren does not undo a move";
    doc.Undo().undo();
    EXPECT_EQ(Namen(doc.m_project), (QStringList { "Pagina 1", "Pagina 2", "Pagina 3", "Pagina 4", "Pagina 5" }));
}

TEST_F(LijstDialoog, ClippingWarnsOnceForAnItemOutsideThePicture)
{
    CDataItemBasis* pPagina = Pagina("P", 3);
    pPagina->m_strAfbeelding = "foto.jpg";
    pPagina->m_nManierVanTonen = Manier::Passend;
    pPagina->m_rectAchtergrondBeeld = { 100, 0, 500, 300 };
    pPagina->GetKind(0)->m_rectScherm = { 120, 10, 200, 50 };
    pPagina->GetKind(1)->m_rectScherm = { 0, 0, 90, 40 }; // wholly beside the picture
    pPagina->GetKind(2)->m_rectScherm = { 510, 0, 600, 40 };
    CDlgEigenschappenPagina dlg(*pPagina, doc, melder, kiezer);
    dlg.show();
    auto* pClipping = C<QCheckBox>(dlg, "clipping");
    ASSERT_TRUE(pClipping->isEnabled());
    pClipping->click();
    EXPECT_EQ(pPagina->m_bClipping, 1) << "the setting stays on";
    EXPECT_EQ(melder.aMeldingen, QStringList { "Er staan items op deze pagina die nu geheel buiten beeld vallen!" });
    pClipping->click();
    EXPECT_EQ(melder.aMeldingen.size(), 1) << "switching it off says nothing";
}

TEST_F(LijstDialoog, PageDialogEnablesByPicture)
{
    CDataItemBasis* pPagina = Pagina("P");
    CDlgEigenschappenPagina dlg(*pPagina, doc, melder, kiezer);
    dlg.show();
    for (const char* sz : { "wisAfbeelding", "manierVanTonen", "kleurlaagKleur", "kleurlaagDekking", "clipping" })
        EXPECT_FALSE(C(dlg, sz)->isEnabled()) << sz;
    EXPECT_TRUE(C(dlg, "randbreedte")->isEnabled()) << "a page's indicator is always editable";
    EXPECT_TRUE(C(dlg, "groepRechts")->font().bold());
    EXPECT_EQ(C(dlg, "kleurlaagDekking")->toolTip(),
        "Geef aan hoe sterk de bedekking van de achtergrond met deze effen kleur moet zijn (0 - 100%)");
}

TEST_F(LijstDialoog, MonitorListOnTwoScreens)
{
    Pagina("P");
    auto pDlg = Project();
    EXPECT_EQ(pDlg->windowTitle(), "Eigenschappen project");
    EXPECT_FALSE(C(*pDlg, "groepPaginas")->font().bold());
    auto* pMonitor = C<QComboBox>(*pDlg, "monitor");
    ASSERT_EQ(pMonitor->count(), 3);
    EXPECT_EQ(pMonitor->itemText(0), "automatisch (hoofdbeeldscherm, maximaal gevuld)");
    EXPECT_EQ(pMonitor->itemText(1), "A (1920 x 1080) (*)");
    EXPECT_EQ(pMonitor->itemText(2), "B (1280 x 1024)");
    EXPECT_TRUE(pMonitor->isEnabled());
    EXPECT_FALSE(C(*pDlg, "doelformaat")->isEnabled());
    EXPECT_FALSE(C(*pDlg, "presentatiegedrag")->isEnabled());
    EXPECT_EQ(C<QComboBox>(*pDlg, "doelformaat")->itemText(1), "1280 x 720 (HD)         ");

    pMonitor->setCurrentIndex(2);
    emit pMonitor->activated(2);
    EXPECT_EQ(doc.m_project.m_nMonitor, 2);
    EXPECT_TRUE(doc.m_project.m_strReserve2.startsWith("monitor:")) << "the screen itself is remembered";
    EXPECT_EQ(aHints.back(), (std::pair<int, CDataItemBasis*> { Hint::Monitor, &doc.m_project }));
    C<QPushButton>(*pDlg, "ok")->click();

    auto pOpnieuw = Project();
    EXPECT_EQ(C<QComboBox>(*pOpnieuw, "monitor")->currentText(), "B (1280 x 1024) (onthouden)");
}

TEST_F(LijstDialoog, AMonitorOfAnotherComputerIsKept)
{
    Pagina("P");
    doc.m_project.m_nMonitor = 4;
    doc.m_project.m_nPresentatiegedrag = 2;
    auto pDlg = Project();
    EXPECT_EQ(C<QComboBox>(*pDlg, "monitor")->currentIndex(), -1) << "no choice shown";
    C<QPushButton>(*pDlg, "ok")->click();
    EXPECT_EQ(doc.m_project.m_nMonitor, 4);
    EXPECT_EQ(doc.m_project.m_nPresentatiegedrag, 2);
}

TEST_F(LijstDialoog, GongButtons)
{
    auto pDlg = Project();
    EXPECT_FALSE(C(*pDlg, "startGong")->isEnabled()) << "no gong chosen";
    EXPECT_FALSE(C(*pDlg, "wisGong")->isEnabled());
    kiezer.strKeuze = "/muziek/gong.ogg";
    C<QToolButton>(*pDlg, "kiesGong")->click();
    EXPECT_EQ(doc.m_project.m_strGong, "/muziek/gong.ogg");
    EXPECT_TRUE(kiezer.aFilters.back().startsWith("Geluidsbestanden (*.mp3; *.wav, *.flac, *.ogg)"));
    EXPECT_TRUE(C(*pDlg, "startGong")->isEnabled());

    gong.bLoopt = true;
    QTest::mouseClick(C<QToolButton>(*pDlg, "startGong"), Qt::LeftButton);
    QTest::mouseClick(C<QToolButton>(*pDlg, "startGong"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(gong.aGespeeld, (std::vector<bool> { false, true })) << "Shift plays the built-in gong";
    EXPECT_TRUE(C(*pDlg, "stopGong")->isEnabled());
    C<QToolButton>(*pDlg, "stopGong")->click();
    EXPECT_EQ(gong.nGestopt, 1);
    EXPECT_FALSE(C(*pDlg, "stopGong")->isEnabled());

    C<QToolButton>(*pDlg, "wisGong")->click();
    EXPECT_TRUE(doc.m_project.m_strGong.isEmpty());

    C<QCheckBox>(*pDlg, "autoVolgende")->click();
    EXPECT_EQ(doc.m_project.m_bAutoVolgende, 1);
    doc.m_project.m_bToetsenbord = 0;
    auto pZonder = Project();
    EXPECT_FALSE(C(*pZonder, "presenter")->isEnabled());
    EXPECT_FALSE(C(*pZonder, "autoVolgende")->isEnabled());
}

TEST_F(LijstDialoog, DoubleClickOnAPageMakesItTheEditorsPage)
{
    Pagina("Een");
    CDataItemBasis* pTwee = Pagina("Twee");
    doc.SelecteerElement(&doc.m_project);
    auto pDlg = Project();
    auto* pLijst = C<QTreeWidget>(*pDlg, "lijst");
    KiesRij(*pDlg, 1);
    emit pLijst->itemDoubleClicked(pLijst->topLevelItem(1), 0);
    EXPECT_EQ(doc.GetHuidigePagina(), pTwee);
}

TEST_F(LijstDialoog, CancelledTemplateChangesNothing)
{
    CDataItemBasis& sjabloon = doc.SjabloonItem(1);
    const CDataItemVelden voor = sjabloon;
    doc.SetModifiedFlag(false);
    CDlgSjabloonTekst dlg(sjabloon, doc, melder);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Standaardwaarden voor nieuwe tekstobjecten binnen dit project");
    C<QCheckBox>(dlg, "vet")->click();
    C<QSlider>(dlg, "tekstDekking")->setValue(3);
    C<CKleurKnop>(dlg, "randKleur")->ZetKleur(RGB(1, 2, 3));
    C<QPushButton>(dlg, "annuleren")->click();
    EXPECT_TRUE(static_cast<const CDataItemVelden&>(sjabloon) == voor);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(LijstDialoog, TextTemplateGivesTheNextTextItsFont)
{
    CDataItemBasis* pPagina = Pagina("P");
    doc.SelecteerElement(pPagina);
    CDataItemBasis* pOud = doc.Invoegen(Soort::Item, 1);
    const QString strOud = pOud->m_strLettertype;
    CDlgSjabloonTekst dlg(doc.SjabloonItem(1), doc, melder);
    dlg.show();
    auto* pFont = C<CLettertypeLijst>(dlg, "lettertype");
    const int nAnder = pFont->findText("DejaVu Serif");
    ASSERT_GE(nAnder, 0);
    pFont->setCurrentIndex(nAnder);
    C<QPushButton>(dlg, "ok")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(doc.SjabloonItem(1).m_strLettertype, "DejaVu Serif");
    EXPECT_TRUE(doc.IsModified());
    doc.SelecteerElement(pPagina);
    EXPECT_EQ(doc.Invoegen(Soort::Item, 1)->m_strLettertype, "DejaVu Serif");
    EXPECT_EQ(pOud->m_strLettertype, strOud) << "existing texts keep theirs";
}

TEST_F(LijstDialoog, ImageAndColourAreaTemplates)
{
    {
        CDlgSjabloonKleurvlak dlg(doc.SjabloonItem(3), doc, melder);
        dlg.show();
        C<QComboBox>(dlg, "vorm")->setCurrentIndex(3);
        C<QPushButton>(dlg, "ok")->click();
        EXPECT_EQ(doc.SjabloonItem(3).m_nVorm, 3);
    }
    const int nRand = doc.SjabloonItem(2).m_nDekkingRand;
    CDlgSjabloonAfbeelding dlg(doc.SjabloonItem(2), doc, melder);
    dlg.show();
    C<QSlider>(dlg, "alfaDekking")->setValue(40);
    C<QPushButton>(dlg, "ok")->click();
    EXPECT_EQ(doc.SjabloonItem(2).m_nDekkingKleurvlak, 40);
    EXPECT_EQ(doc.SjabloonItem(2).m_nDekkingRand, nRand);
}

TEST_F(LijstDialoog, TemplateBorderWidthMustBeAPlainNumberFrom0To100)
{
    const QString strGeenGetal = "Voer een getal in.";
    const QString strBuiten = "Voer een getal tussen 0 en 100 in.";
    struct {
        const char* szTekst;
        const QString* pMelding; // null: accepted
    } const aGevallen[] = {
        { "0,2", &strGeenGetal },
        { "", &strGeenGetal },
        { ".0", &strGeenGetal },
        { "abc", &strGeenGetal },
        { "1e999", &strGeenGetal },
        { "1e300", &strBuiten },
        { "-5", &strBuiten },
        { "250", &strBuiten },
        { "100", nullptr },
        { "0.2", nullptr },
    };
    for (const auto& g : aGevallen) {
        melder.aMeldingen.clear();
        CDlgSjabloonKleurvlak dlg(doc.SjabloonItem(3), doc, melder);
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        auto* pRand = C<CGetalVeld>(dlg, "randbreedte");
        pRand->ZetTekst(g.szTekst);
        C<QPushButton>(dlg, "ok")->click();
        EXPECT_EQ(dlg.isVisible(), g.pMelding != nullptr) << g.szTekst;
        EXPECT_EQ(melder.aMeldingen, g.pMelding ? QStringList { *g.pMelding } : QStringList()) << g.szTekst;
        if (g.pMelding) {
            EXPECT_TRUE(pRand->hasFocus()) << "the focus is put in the field: " << g.szTekst;
        }
    }
    EXPECT_DOUBLE_EQ(doc.SjabloonItem(3).m_dRandbreedte, 0.2);
}

TEST_F(LijstDialoog, PageTemplatePreviewFollowsTheBackground)
{
    const COLORREF clrVoor = doc.SjabloonPagina(1).m_clrKleurvlak;
    CDlgSjabloonPagina dlg(doc.SjabloonPagina(1), doc, melder, kiezer);
    dlg.resize(900, 800);
    dlg.show();
    auto* pVoorbeeld = C<CAchtergrondVoorbeeld>(dlg, "voorbeeld");
    const QRect r = pVoorbeeld->Voorbeeld();
    EXPECT_NEAR(double(r.width()) / r.height(), 16.0 / 9.0, 0.02);
    auto* pKleur = C<CKleurKnop>(dlg, "achtergrondKleur");
    pKleur->ZetKleur(RGB(0, 200, 0));
    emit pKleur->kleurGekozen();
    const QImage beeld = pVoorbeeld->grab().toImage();
    EXPECT_EQ(QColor(beeld.pixel(r.center())), QColor(0, 200, 0));
    EXPECT_EQ(QColor(beeld.pixel(r.topLeft())), QColor(Qt::black)) << "framed in black";
    EXPECT_EQ(doc.SjabloonPagina(1).m_clrKleurvlak, clrVoor) << "nothing written before OK";
}

// A small button next to a field keeps the focus where it was; what was just
// typed there is stored before the button changes anything.
TEST_F(LijstDialoog, TypedNotesSurviveTheSmallButtons)
{
    QTemporaryDir map;
    const QString strBeeld = map.filePath("zon.png");
    QImage(4, 4, QImage::Format_RGB32).save(strBeeld);
    const QString strGeluid = map.filePath("gong.wav");
    QFile(strGeluid).open(QIODevice::WriteOnly);
    CDataItemBasis* pPagina = Pagina("P", 0);
    doc.SelecteerElement(pPagina);
    CDataItemBasis* pItem = doc.Invoegen(Soort::Item, 2);

    struct {
        const char* szDialoog;
        const char* szKnop;
        CDataItemBasis* pElement;
    } const aGevallen[] = {
        { "afbeelding", "kiesAfbeelding", pItem },
        { "afbeelding", "wisAfbeelding", pItem },
        { "afbeelding", "kiesOpdracht", pItem },
        { "afbeelding", "wisOpdracht", pItem },
        { "afbeelding", "standaard", pItem },
        { "pagina", "kiesAfbeelding", pPagina },
        { "pagina", "wisAfbeelding", pPagina },
        { "project", "kiesGong", &doc.m_project },
        { "project", "wisGong", &doc.m_project },
    };
    for (const auto& g : aGevallen) {
        const QString strWaar = QString::fromUtf8(g.szDialoog) + " " + g.szKnop;
        CDataItemBasis& e = *g.pElement;
        e.m_strAfbeelding = strBeeld;
        e.m_strOpdracht = strBeeld;
        e.m_strGong = strGeluid;
        e.m_bKlikbaar = 1;
        e.m_bIndividueel = 1;
        kiezer.strKeuze = strBeeld;
        std::unique_ptr<QDialog> pDlg;
        if (e.m_nSoort == Soort::Project)
            pDlg = std::make_unique<CDlgEigenschappenProject>(e, doc, melder, kiezer, &gong);
        else if (e.m_nSoort == Soort::Pagina)
            pDlg = std::make_unique<CDlgEigenschappenPagina>(e, doc, melder, kiezer);
        else
            pDlg = std::make_unique<CDlgEigenschappenAfbeelding>(e, doc, melder, kiezer);
        pDlg->show();
        pDlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pDlg.get()));
        auto* pNotities = C<QPlainTextEdit>(*pDlg, "aantekeningen");
        pNotities->setFocus();
        QTest::keyClicks(pNotities, "net getypt");
        auto* pKnop = C<QAbstractButton>(*pDlg, g.szKnop);
        ASSERT_TRUE(pKnop->isEnabled()) << qPrintable(strWaar);
        QTest::mouseClick(pKnop, Qt::LeftButton);
        EXPECT_EQ(pNotities->toPlainText(), "net getypt") << qPrintable(strWaar);
        EXPECT_EQ(e.m_strToelichting, "net getypt") << qPrintable(strWaar);
        C<QPushButton>(*pDlg, "annuleren")->click();
    }
}

// Undoing a move to the top gives the indicator back its place too.
TEST_F(LijstDialoog, UndoingTopRestoresTheSelectionIndicator)
{
    CDataItemBasis* pPagina = Pagina("P", 3);
    pPagina->m_nSelectieItem = 2;
    pPagina->m_bSelectieZichtbaar = 1;
    CDlgEigenschappenPagina dlg(*pPagina, doc, melder, kiezer);
    dlg.show();
    KiesRij(dlg, 2);
    C<QToolButton>(dlg, "naarBoven")->click();
    EXPECT_EQ(pPagina->m_nSelectieItem, 0);
    EXPECT_EQ(pPagina->m_bSelectieZichtbaar, 0);
    C<QPushButton>(dlg, "ok")->click();
    doc.Undo().undo();
    EXPECT_EQ(Namen(*pPagina), (QStringList { "P0", "P1", "P2" }));
    EXPECT_EQ(pPagina->m_nSelectieItem, 2);
    EXPECT_EQ(pPagina->m_bSelectieZichtbaar, 1);
    doc.Undo().redo();
    EXPECT_EQ(pPagina->m_nSelectieItem, 0);
}

// The list shows the remembered screen; typing elsewhere does not make it the project's.
TEST_F(LijstDialoog, OnlyAChoiceChangesTheMonitor)
{
    Pagina("P");
    auto pKiezen = Project();
    C<QComboBox>(*pKiezen, "monitor")->setCurrentIndex(2);
    emit C<QComboBox>(*pKiezen, "monitor")->activated(2);
    C<QPushButton>(*pKiezen, "ok")->click();
    doc.m_project.m_nMonitor = 1; // as a file of another version may hold it
    auto pDlg = Project();
    EXPECT_EQ(C<QComboBox>(*pDlg, "monitor")->currentIndex(), 2);
    C<QCheckBox>(*pDlg, "autoVolgende")->click(); // stores the controls
    C<QPushButton>(*pDlg, "ok")->click();
    EXPECT_EQ(doc.m_project.m_nMonitor, 1);
}
