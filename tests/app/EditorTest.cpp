#include "app/Instellingen.h"
#include "app/MainFrame.h"
#include "app/OpdrachtIds.h"
#include "app/UitgesteldeAfstand.h"
#include "app/ViewBoom.h"
#include "designer/ZerbantikoView.h"
#include "file/ProjectBestand.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/WndAfbeelding.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeKiezer.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Settings of this test only, never the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("instellingen"));
        QSettings("Morvek", "Zerbantiko").clear();
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        frame = std::make_unique<CMainFrame>(doc, melder, kiezer, klok);
        frame->show();
    }

    QStringList BoomTeksten(const QTreeWidgetItem* pNode) const
    {
        QStringList a;
        for (int i = 0; i < pNode->childCount(); ++i)
            a << pNode->child(i)->text(0);
        return a;
    }
    QTreeWidgetItem* ProjectNode() const { return frame->Boom()->topLevelItem(0); }
    void Doe(int nId) { frame->Actie(nId)->trigger(); }
    QString Bewaar(const char* szNaam)
    {
        const QString strPad = dir.filePath(szNaam);
        EXPECT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());
        return strPad;
    }

    QTemporaryDir dir;
    CVasteKlok klok;
    CZerbantikoDoc doc;
    CFakeMelder melder;
    CFakeKiezer kiezer;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(Editor, InsertingThroughActionsUpdatesTreeAndSelection)
{
    EXPECT_FALSE(frame->Actie(Opdracht::Tekst)->isEnabled()) << "no item while only the project is selected";
    Doe(Opdracht::Pagina);
    Doe(Opdracht::Pagina);
    ASSERT_EQ(ProjectNode()->childCount(), 2);
    EXPECT_EQ(BoomTeksten(ProjectNode()), (QStringList { "<nieuwe pagina>", "<nieuwe pagina> (1)" }));
    EXPECT_EQ(frame->Boom()->currentItem(), ProjectNode()->child(1)) << "the new page is selected";
    EXPECT_EQ(doc.GetGeselecteerd(), doc.m_project.GetKind(1));

    EXPECT_TRUE(frame->Actie(Opdracht::Tekst)->isEnabled());
    Doe(Opdracht::Tekst);
    Doe(Opdracht::Kleurvlak);
    Doe(Opdracht::Afbeelding);
    // Each new item goes before the selected one and becomes the selection.
    QTreeWidgetItem* pPagina = ProjectNode()->child(1);
    EXPECT_EQ(BoomTeksten(pPagina),
        (QStringList { "<nieuwe afbeelding> [1]", "<nieuw kleurvlak> [2]", "<nieuwe tekst> [3]" }));
    EXPECT_EQ(frame->Boom()->currentItem(), pPagina->child(0));
    EXPECT_EQ(doc.GetGeselecteerd(), doc.m_project.GetKind(1)->GetKind(0));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(frame->windowTitle().startsWith("<nieuw project>*"));
    EXPECT_FALSE(frame->Actie(Opdracht::Eigenschappen)->isEnabled()) << "the dialogs come later";
}

TEST_F(Editor, ItemNodeNumbers)
{
    Doe(Opdracht::Pagina);
    for (int i = 0; i < 12; ++i)
        Doe(Opdracht::Tekst);
    const QStringList a = BoomTeksten(ProjectNode()->child(0));
    ASSERT_EQ(a.size(), 12);
    EXPECT_EQ(a[0], "<nieuwe tekst> (11) [1]");
    EXPECT_EQ(a[8].right(3), "[9]");
    EXPECT_EQ(a[9].right(3), "[0]");
    EXPECT_EQ(a[10], "<nieuwe tekst> (1)");
    EXPECT_EQ(a[11], "<nieuwe tekst>");
}

TEST_F(Editor, ClickingANodeSelectsItsElement)
{
    Doe(Opdracht::Pagina);
    Doe(Opdracht::Tekst);
    Doe(Opdracht::Pagina);
    CViewBoom* pBoom = frame->Boom();
    QTreeWidgetItem* pTekst = ProjectNode()->child(0)->child(0);
    const QRect r = pBoom->visualItemRect(pTekst);
    QTest::mouseClick(pBoom->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(doc.GetGeselecteerd(), doc.m_project.GetKind(0)->GetKind(0));
    EXPECT_EQ(doc.m_nHuidigePagina, 0);
    EXPECT_TRUE(frame->Actie(Opdracht::Knippen)->isEnabled());
}

TEST_F(Editor, CutDeleteAndPasteKeepTreeInStep)
{
    Doe(Opdracht::Pagina);
    Doe(Opdracht::Tekst);
    Doe(Opdracht::Kleurvlak); // now selected, before the text
    Doe(Opdracht::Knippen);
    EXPECT_EQ(BoomTeksten(ProjectNode()->child(0)), (QStringList { "<nieuwe tekst> [1]" }));
    EXPECT_EQ(frame->Boom()->currentItem(), ProjectNode()->child(0)) << "the selection moves to the page";
    EXPECT_TRUE(frame->Actie(Opdracht::Plakken)->isEnabled());
    Doe(Opdracht::Plakken); // on the page: at the page's own index, 0
    EXPECT_EQ(BoomTeksten(ProjectNode()->child(0)), (QStringList { "<nieuw kleurvlak> [1]", "<nieuwe tekst> [2]" }));

    melder.bJa = false;
    frame->Boom()->setCurrentItem(ProjectNode()->child(0));
    Doe(Opdracht::Verwijderen);
    EXPECT_EQ(melder.aVragen.size(), 1);
    EXPECT_EQ(ProjectNode()->childCount(), 1);
    melder.bJa = true;
    Doe(Opdracht::Verwijderen);
    EXPECT_EQ(ProjectNode()->childCount(), 0);
    EXPECT_EQ(frame->Boom()->currentItem(), ProjectNode());
}

TEST_F(Editor, ContextMenus)
{
    auto menu = [this] {
        std::unique_ptr<QMenu> p(frame->Boom()->MaakContextMenu(frame.get()));
        QStringList a;
        for (QAction* pActie : p->actions())
            a << (pActie->isSeparator() ? QStringLiteral("|") : pActie->text() + (pActie->isEnabled() ? "" : " -"));
        return a;
    };
    EXPECT_EQ(menu(),
        (QStringList { "Eigenschappen project -", "|", "Knippen -", QString::fromUtf8("Kopiëren -"), "Plakken -",
            "Verwijderen -", "|", "Pagina invoegen" }));
    Doe(Opdracht::Pagina);
    EXPECT_EQ(menu(),
        (QStringList { "Eigenschappen pagina -", "|", "Knippen -", QString::fromUtf8("Kopiëren"), "Plakken -",
            "Verwijderen", "|", "Pagina invoegen", "|", "Tekst invoegen", "Afbeelding invoegen",
            "Kleurvlak invoegen" }));
    Doe(Opdracht::Kopieren);
    Doe(Opdracht::Tekst);
    EXPECT_EQ(menu(),
        (QStringList { "Eigenschappen tekst -", "|", "Knippen", QString::fromUtf8("Kopiëren"), "Plakken", "Verwijderen",
            "|", "Tekst invoegen", "Afbeelding invoegen", "Kleurvlak invoegen" }));
    frame->Boom()->setCurrentItem(ProjectNode());
    EXPECT_EQ(menu().value(4), "Plakken") << "a page on the clipboard can be pasted on the project";

    // An entry runs its command.
    std::unique_ptr<QMenu> p(frame->Boom()->MaakContextMenu(frame.get()));
    p->actions().last()->trigger();
    EXPECT_EQ(ProjectNode()->childCount(), 2);
}

TEST_F(Editor, UnsavedChangesQuestion)
{
    Doe(Opdracht::Pagina);
    ASSERT_TRUE(doc.IsModified());
    melder.antwoord = IMelder::Antwoord::Annuleren;
    Doe(Opdracht::Nieuw);
    EXPECT_EQ(melder.aVragen.value(0), "Wijzigingen in <nieuw project> opslaan?");
    EXPECT_EQ(doc.m_project.AantalKinderen(), 1) << "Annuleren cancels the new project";

    const QString strAnder = Bewaar("ander.zb");
    doc.SetModifiedFlag();
    kiezer.strOpen = strAnder;
    Doe(Opdracht::Open);
    EXPECT_EQ(kiezer.nOpenGevraagd, 0) << "cancelled before the file dialog";

    melder.antwoord = IMelder::Antwoord::Nee;
    Doe(Opdracht::Nieuw);
    EXPECT_EQ(doc.m_project.AantalKinderen(), 0);
    EXPECT_FALSE(doc.IsModified());

    // Ja saves first, under a name the user chooses.
    Doe(Opdracht::Pagina);
    melder.antwoord = IMelder::Antwoord::Ja;
    kiezer.strOpslaan = dir.filePath("eerst");
    Doe(Opdracht::Nieuw);
    EXPECT_EQ(kiezer.aVoorstellen.value(0), "<nieuw project>.zb");
    CZerbantikoDoc terug;
    ASSERT_TRUE(ProjectBestand::Open(terug, dir.filePath("eerst.zb")).Gelukt());
    EXPECT_EQ(terug.m_project.AantalKinderen(), 1);
    EXPECT_EQ(doc.m_project.AantalKinderen(), 0);

    // Closing asks too.
    Doe(Opdracht::Pagina);
    melder.antwoord = IMelder::Antwoord::Annuleren;
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(Editor, OpeningFilesAndTheRecentList)
{
    Doe(Opdracht::Pagina);
    doc.m_project.m_strNaam = "Kerstavond";
    const QString strPad = Bewaar("kerst.zb");
    doc.NieuwDocument();
    ASSERT_TRUE(frame->OpenBestand(strPad));
    EXPECT_EQ(ProjectNode()->text(0), "Kerstavond");
    EXPECT_EQ(ProjectNode()->childCount(), 1);
    EXPECT_EQ(frame->windowTitle(), "kerst.zb - Zerbantiko");
    EXPECT_EQ(Instellingen::RecenteBestanden().value(0), strPad);

    QFile kapot(dir.filePath("kapot.zb"));
    ASSERT_TRUE(kapot.open(QIODevice::WriteOnly));
    kapot.write("\x1AZerbantiko 002"); // a header cut short
    kapot.close();
    EXPECT_FALSE(frame->OpenBestand(kapot.fileName()));
    EXPECT_EQ(melder.aMeldingen.value(0), "Attempted to access " + kapot.fileName() + " past its end.");
    EXPECT_EQ(doc.m_project.m_strNaam, "Kerstavond") << "the open project stays";

    for (int i = 0; i < 12; ++i)
        Instellingen::VoegRecentToe(dir.filePath(QStringLiteral("p%1.zb").arg(i)));
    const QStringList a = Instellingen::RecenteBestanden();
    EXPECT_EQ(a.size(), 10);
    EXPECT_EQ(a.value(0), dir.filePath("p11.zb"));
}

TEST_F(Editor, TreeWidthIsKept)
{
    const std::pair<int, int> aGevallen[] = { { 80, 100 }, { 350, 350 }, { 101, 101 } };
    for (const auto& [nOpgeslagen, nBreedte] : aGevallen) {
        QSettings("Morvek", "Zerbantiko").setValue("Schermindeling/CxCur", nOpgeslagen);
        EXPECT_EQ(Instellingen::BoomBreedte(), nBreedte) << nOpgeslagen;
    }
    QSettings("Morvek", "Zerbantiko").remove("Schermindeling/CxCur");
    EXPECT_EQ(Instellingen::BoomBreedte(), 200);

    frame->Splitter()->setSizes({ 260, 700 });
    ASSERT_TRUE(frame->close());
    QSettings s("Morvek", "Zerbantiko");
    EXPECT_EQ(s.value("Schermindeling/CxCur").toInt(), 260);
    EXPECT_EQ(s.value("Schermindeling/CyCur").toInt(), 0);
}

TEST_F(Editor, DroppedFileOpens)
{
    Doe(Opdracht::Pagina);
    doc.m_project.m_strNaam = "Gesleept";
    const QString strPad = Bewaar("sleep.zb");
    doc.NieuwDocument();
    auto* pData = new QMimeData;
    pData->setUrls({ QUrl::fromLocalFile(strPad) });
    QDragEnterEvent binnen(QPoint(10, 10), Qt::CopyAction, pData, Qt::LeftButton, {});
    QCoreApplication::sendEvent(frame.get(), &binnen);
    EXPECT_TRUE(binnen.isAccepted());
    QDropEvent los(QPointF(10, 10), Qt::CopyAction, pData, Qt::LeftButton, {});
    QCoreApplication::sendEvent(frame.get(), &los);
    EXPECT_EQ(doc.m_project.m_strNaam, "Gesleept");
    EXPECT_EQ(ProjectNode()->childCount(), 1);
    delete pData;
}

TEST_F(Editor, RenamedElementsShowTheirNewName)
{
    Doe(Opdracht::Pagina);
    Doe(Opdracht::Tekst);
    CDataItemBasis* pTekst = doc.GetGeselecteerd();
    pTekst->m_strNaam = "Welkom [T2]";
    doc.UpdateAllViews(nullptr, Hint::Naam, pTekst);
    EXPECT_EQ(ProjectNode()->child(0)->child(0)->text(0), "Welkom [T2] [1]");
    doc.m_project.m_strNaam = "Avond";
    doc.UpdateAllViews(nullptr, Hint::Naam, &doc.m_project);
    EXPECT_EQ(ProjectNode()->text(0), "Avond");
}

TEST_F(Editor, ToolbarButtonsCanBeHiddenAndStayHidden)
{
    auto knoppen = [](const QToolBar* pBalk) {
        QStringList a;
        for (QAction* p : pBalk->actions())
            a << (p->isSeparator() ? QStringLiteral("|") : p->text().section(u'\t', 0, 0).remove(u'&'));
        return a;
    };
    EXPECT_EQ(knoppen(frame->Werkbalk()).size(), 27)
        << "the Part's 23, undo and redo as a group, and the console's toggle";
    EXPECT_EQ(knoppen(frame->Werkbalk()).mid(0, 5), (QStringList { "Nieuw", "Open...", "Opslaan", "|", "Knippen" }));

    // Hiding a whole group leaves no doubled separator behind.
    Instellingen::BewaarVerborgenKnoppen({ Opdracht::Knippen, Opdracht::Kopieren, Opdracht::Plakken, Opdracht::Ongedaan,
        Opdracht::Opnieuw, Opdracht::Gong });
    CMainFrame ander(doc, melder, kiezer, klok);
    const QStringList a = knoppen(ander.Werkbalk());
    EXPECT_EQ(a.mid(0, 6), (QStringList { "Nieuw", "Open...", "Opslaan", "|", "Afdrukken...", "Over Zerbantiko..." }));
    EXPECT_FALSE(a.contains("Gong"));
    EXPECT_EQ(a.count("|"), 5) << "six groups remain";
    std::unique_ptr<QMenu> pMenu(ander.createPopupMenu());
    EXPECT_EQ(pMenu->actions().last()->text(), "Aanpassen...");
}

TEST_F(Editor, KlaarIsTheStatusBarsIdleText)
{
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Klaar");
    QStatusTipEvent tip("Maak een nieuw project");
    QApplication::sendEvent(frame.get(), &tip);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Maak een nieuw project");
    QStatusTipEvent weg(QString {}); // the pointer leaves the menu entry
    QApplication::sendEvent(frame.get(), &weg);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Klaar");
}

TEST_F(Editor, AcceleratorsOfTheTable)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const struct {
        const char* szToetsen;
        int nOpdracht;
    } aTabel[] = {
        { "Ctrl+Z", Opdracht::Ongedaan },
        { "Alt+Backspace", Opdracht::Ongedaan },
        { "Ctrl+C", Opdracht::Kopieren },
        { "Ctrl+Ins", Opdracht::Kopieren },
        { "Ctrl+X", Opdracht::Knippen },
        { "Shift+Del", Opdracht::Knippen },
        { "Ctrl+V", Opdracht::Plakken },
        { "Shift+Ins", Opdracht::Plakken },
        { "Ctrl+G", Opdracht::Gong },
        { "F5", Opdracht::ShowStart },
        { "Shift+F5", Opdracht::ShowStop },
        { "Alt+E", Opdracht::Eigenschappen },
        { "Ctrl+I", Opdracht::Pagina },
    };
    for (const auto& regel : aTabel) {
        QAction* pActie = frame->Actie(regel.nOpdracht);
        pActie->setEnabled(true);
        QSignalSpy spion(pActie, &QAction::triggered);
        const QKeyCombination toets = QKeySequence(regel.szToetsen)[0];
        QTest::keyClick(frame.get(), toets.key(), toets.keyboardModifiers());
        EXPECT_EQ(spion.count(), 1) << regel.szToetsen;
    }

    // Ctrl+Shift+G is bound to a command nothing handles, not to the gong.
    QSignalSpy gong(frame->Actie(Opdracht::Gong), &QAction::triggered);
    QTest::keyClick(frame.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(gong.count(), 0);

    // A key bound here never adds itself to a menu text that does not name it.
    EXPECT_EQ(frame->Actie(Opdracht::Eigenschappen)->text(), "Eigenschappen");
    EXPECT_TRUE(frame->Actie(Opdracht::Eigenschappen)->shortcut().isEmpty());

    // F6 and Shift+F6 move between the tree and the designer.
    frame->Boom()->setFocus();
    QTest::keyClick(frame.get(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(frame->Ontwerp()));
    QTest::keyClick(frame.get(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(frame->Boom()));
}

TEST_F(Editor, ToolbarToggleStaysInStep)
{
    QAction* pStandaard = frame->Actie(Opdracht::Werkbalk);
    ASSERT_TRUE(pStandaard->isChecked());
    frame->Werkbalk()->hide(); // as the toolbar's own context menu does
    EXPECT_FALSE(pStandaard->isChecked());
    pStandaard->trigger(); // one click brings it back
    EXPECT_TRUE(frame->Werkbalk()->isVisible());
    EXPECT_TRUE(pStandaard->isChecked());
}

TEST_F(Editor, F5StartsTheShowAndShiftF5StopsIt)
{
    CFakeStarter starter;
    CFakeGeluid geluid;
    CShow show(doc, klok, melder, starter, geluid);
    CMainFrame metShow(doc, melder, kiezer, klok, &show);
    EXPECT_FALSE(metShow.Actie(Opdracht::ShowStart)->isEnabled()) << "a project without pages";
    Doe(Opdracht::Pagina);
    EXPECT_TRUE(metShow.Actie(Opdracht::ShowStart)->isEnabled()) << "follows the document's changes";
    frame->Boom()->setCurrentItem(ProjectNode());
    EXPECT_TRUE(metShow.Actie(Opdracht::ShowStart)->isEnabled()) << "the project with a page";
    frame->Boom()->setCurrentItem(ProjectNode()->child(0));
    EXPECT_TRUE(metShow.Actie(Opdracht::ShowStart)->isEnabled()) << "a page chosen in the tree";
    EXPECT_FALSE(metShow.Actie(Opdracht::ShowStop)->isEnabled());
    metShow.Actie(Opdracht::ShowStart)->trigger();
    EXPECT_TRUE(show.Presentatie().isVisible());
    EXPECT_FALSE(metShow.Actie(Opdracht::ShowStart)->isEnabled()) << "follows the window at once";
    EXPECT_TRUE(metShow.Actie(Opdracht::ShowStop)->isEnabled());
    metShow.Actie(Opdracht::ShowStop)->trigger();
    EXPECT_FALSE(show.Presentatie().isVisible());
    EXPECT_TRUE(metShow.Actie(Opdracht::ShowStart)->isEnabled());

    // Closing the editor ends the show with its viewer and sound.
    metShow.Actie(Opdracht::ShowStart)->trigger();
    show.Viewer().Toon();
    geluid.SpeelItemGeluid("applaus.wav", 80);
    doc.SetModifiedFlag(false);
    metShow.show();
    EXPECT_TRUE(metShow.close());
    EXPECT_FALSE(show.Presentatie().isVisible());
    EXPECT_FALSE(show.Viewer().isVisible());
    EXPECT_FALSE(geluid.HuidigLoopt());
}

// The phone remote and the network libraries under it are loaded when the
// remote is wanted: one the user left on once it is started, one left off
// not at all; without its module the remote stays off.
TEST_F(Editor, ThePhoneRemoteLoadsWhenWanted)
{
    CFakeGeluid geluid;
    CFakeStarter starter;
    CShow show(doc, klok, melder, starter, geluid);
    struct SGeval {
        const char* szModule;
        bool bAan;
        bool bGeladen;
        const char* szBeschrijving;
    };
    const SGeval aGevallen[] = {
        { ZB_AFSTAND_MODULE, false, false, "Afstandsbediening: uit" },
        { ZB_AFSTAND_MODULE, true, true, "Afstandsbediening: http://" },
        { "/bestaat/niet/zerbantiko-afstand.so", true, false, "Afstandsbediening: uit" },
    };
    for (const auto& g : aGevallen) {
        SAfstandInstelling instelling;
        instelling.bAan = g.bAan;
        Instellingen::BewaarAfstand(instelling);
        CUitgesteldeAfstand afstand({ QString::fromUtf8(g.szModule) }, doc, klok, show.Besturing());
        QSignalSpy gewijzigd(&afstand, &CUitgesteldeAfstand::toestandGewijzigd);
        afstand.StartAlsAan();
        EXPECT_EQ(afstand.Geladen(), g.bGeladen) << g.szModule << g.bAan;
        EXPECT_TRUE(afstand.Beschrijving().startsWith(g.szBeschrijving)) << qPrintable(afstand.Beschrijving());
        EXPECT_EQ(gewijzigd.isEmpty(), !g.bGeladen);
    }
    CUitgesteldeAfstand zonder({ QStringLiteral("/bestaat/niet.so") }, doc, klok, show.Besturing());
    EXPECT_FALSE(zonder.ToonDialoog(frame.get()));
}
