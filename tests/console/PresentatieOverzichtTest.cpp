// The operator's console on two offscreen screens: A (1920 x 1080, primary,
// the editor's) and B (1280 x 1024, the projector's).
#include "console/PresentatieOverzicht.h"

#include "app/MainFrame.h"
#include "app/OpdrachtIds.h"
#include "app/ShowMelder.h"
#include "console/LiveBeeld.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeKiezer.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QAction>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class Overzicht : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("instellingen"));
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        for (const char* sz : { "Welkom", "Programma", "Pauze" }) {
            doc.SelecteerElement(doc.m_project.AantalKinderen()
                    ? doc.m_project.GetKind(doc.m_project.AantalKinderen() - 1)
                    : static_cast<CDataItemBasis*>(&doc.m_project));
            doc.Invoegen(Soort::Pagina, 1)->m_strNaam = sz;
        }
        doc.SelecteerElement(doc.m_project.GetKind(0));
        pSprong = doc.Invoegen(Soort::Item, 3);
        pSprong->m_strNaam = "Naar de pauze";
        pSprong->m_strOpdracht = "@page";
        pSprong->m_strOpties = "Pauze";
        pSprong->m_dBreedte = pSprong->m_dHoogte = 100; // the whole page
        frame = std::make_unique<CMainFrame>(doc, melder, kiezer, klok, &show);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    QString Op() { return show.Besturing().Pagina() ? show.Besturing().Pagina()->m_strNaam : "(geen)"; }

    QTemporaryDir dir;
    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CFakeKiezer kiezer;
    CZerbantikoDoc doc;
    CShow show { doc, klok, melder, starter, geluid };
    std::unique_ptr<CMainFrame> frame;
    CDataItemBasis* pSprong = nullptr;
};

} // namespace

// The console stands in the designer's place only while the show runs on
// another screen, or in a rehearsal.
TEST_F(Overzicht, AppearsForAShowOnAnotherScreenOrARehearsal)
{
    struct {
        const char* szWat;
        int nMonitor;
        bool bRepetitie;
        bool bOverzicht;
    } const aGevallen[] = {
        { "on the projector", 2, false, true },
        { "on the editor's screen", 1, false, false },
        { "a rehearsal", 1, true, true },
    };
    for (const auto& g : aGevallen) {
        doc.m_project.m_nMonitor = g.nMonitor;
        doc.m_project.m_strReserve2.clear();
        doc.SelecteerElement(doc.m_project.GetKind(0));
        frame->Actie(g.bRepetitie ? Opdracht::Repetitie : Opdracht::ShowStart)->trigger();
        ASSERT_TRUE(show.Besturing().Loopt()) << g.szWat;
        QCoreApplication::processEvents();
        EXPECT_EQ(frame->ToontOverzicht(), g.bOverzicht) << g.szWat;
        EXPECT_EQ(frame->Actie(Opdracht::Overzicht)->isChecked(), g.bOverzicht) << g.szWat;
        EXPECT_EQ(show.Presentatie().Repetitie(), g.bRepetitie) << g.szWat;
        if (g.bRepetitie) {
            EXPECT_FALSE(show.Presentatie().windowFlags() & Qt::FramelessWindowHint) << "an ordinary window";
            EXPECT_EQ(show.Presentatie().screen(), frame->screen());
        }
        frame->Actie(Opdracht::ShowStop)->trigger();
        QCoreApplication::processEvents();
        EXPECT_FALSE(frame->ToontOverzicht()) << g.szWat << ": the designer is back";
        EXPECT_FALSE(frame->Actie(Opdracht::Overzicht)->isEnabled());
    }
}

// What the operator does in the console is what the presenter does on the
// projector: a click on the live picture, the keys, the lists.
TEST_F(Overzicht, ClicksKeysAndListsDriveTheShow)
{
    doc.m_project.m_nMonitor = 2;
    doc.SelecteerElement(doc.m_project.GetKind(0));
    frame->Actie(Opdracht::ShowStart)->trigger();
    CPresentatieOverzicht& overzicht = *frame->Overzicht();
    CLiveBeeld& beeld = overzicht.Beeld();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&beeld));
    beeld.repaint();

    // The pages one action away, as pictures with their names.
    ASSERT_EQ(overzicht.VolgendeLijst().count(), 2);
    EXPECT_EQ(overzicht.VolgendeLijst().item(0)->text(), "Programma");
    EXPECT_EQ(overzicht.VolgendeLijst().item(1)->text(), "Pauze");
    ASSERT_EQ(overzicht.ItemLijst().topLevelItemCount(), 1);
    EXPECT_EQ(overzicht.ItemLijst().topLevelItem(0)->text(1), "Naar de pauze");

    // A click in the live picture: the jump, as on the projector.
    const int nVoor = beeld.Composities();
    QTest::mouseClick(&beeld, Qt::LeftButton, {}, beeld.rect().center());
    EXPECT_EQ(Op(), "Pauze");
    QCoreApplication::processEvents();
    EXPECT_GT(beeld.Composities(), nVoor) << "the live picture followed";

    // Keys in the console: B goes back, PageDown on, F5 is the presenter's.
    struct {
        Qt::Key toets;
        const char* szOp;
    } const aToetsen[] = { { Qt::Key_B, "Welkom" }, { Qt::Key_PageDown, "Programma" }, { Qt::Key_PageUp, "Welkom" } };
    for (const auto& t : aToetsen) {
        QTest::keyClick(&overzicht, t.toets);
        EXPECT_EQ(Op(), t.szOp) << QKeySequence(t.toets).toString().toStdString();
    }
    QTest::keyClick(&overzicht, Qt::Key_Right);
    EXPECT_EQ(show.Besturing().IndicatorItem(), 0) << "the indicator appears";
    QTest::keyClick(&overzicht, Qt::Key_F5);
    EXPECT_EQ(Op(), "Pauze") << "F5 runs the item, it does not restart the show";

    // A click on a page under "Volgende" goes there.
    QListWidget& volgende = overzicht.VolgendeLijst();
    ASSERT_GT(volgende.count(), 0);
    emit volgende.itemClicked(volgende.item(0));
    EXPECT_NE(Op(), "Pauze");

    // C ends the show from the console too.
    QTest::keyClick(&overzicht, Qt::Key_C);
    EXPECT_FALSE(show.Besturing().Loopt());
}

// A message of the running show goes to the console's line, not to a dialog.
TEST_F(Overzicht, MessagesOfTheShowGoToTheConsole)
{
    doc.m_project.m_nMonitor = 2;
    doc.SelecteerElement(doc.m_project.GetKind(0));
    frame->Actie(Opdracht::ShowStart)->trigger();
    show.Besturing().Meld("Het programma kan niet worden gestart.");
    EXPECT_EQ(frame->Overzicht()->Bericht(), "Het programma kan niet worden gestart.");
}

// The editor's messenger: a message while the show runs goes to the
// console, everything else to the message boxes.
TEST_F(Overzicht, TheEditorsMessengerRoutesByTheShow)
{
    CFakeMelder dialogen;
    CShowMelder showMelder(dialogen);
    showMelder.SetShow(&show.Besturing());
    showMelder.Meld("voor de show");
    doc.m_project.m_nMonitor = 2;
    doc.SelecteerElement(doc.m_project.GetKind(0));
    frame->Actie(Opdracht::ShowStart)->trigger();
    showMelder.Meld("tijdens de show");
    dialogen.bJa = true;
    EXPECT_TRUE(showMelder.VraagJaNee("een vraag"));
    EXPECT_EQ(dialogen.aMeldingen, QStringList { "voor de show" });
    EXPECT_EQ(frame->Overzicht()->Bericht(), "tijdens de show");
}
