// The show's control object: every command and the state it publishes.
#include "show/ShowBesturing.h"

#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/WndAfbeelding.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

class Besturing : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
        for (const char* sz : { "Welkom", "Programma", "Pauze", "Einde" }) {
            doc.SelecteerElement(doc.m_project.AantalKinderen()
                    ? doc.m_project.GetKind(doc.m_project.AantalKinderen() - 1)
                    : static_cast<CDataItemBasis*>(&doc.m_project));
            doc.Invoegen(Soort::Pagina, 1)->m_strNaam = sz;
        }
        Item(0, "programma");
        Item(0, "@page", "Pauze");
        Item(0, "@red");
        // Items go in front: index 0 "@red", 1 "@page Pauze", 2 "programma".
    }
    CDataItemBasis* Item(int nPagina, const char* szOpdracht, const char* szOpties = "")
    {
        doc.SelecteerElement(doc.m_project.GetKind(nPagina));
        CDataItemBasis* p = doc.Invoegen(Soort::Item, 3);
        p->m_strOpdracht = szOpdracht;
        p->m_strOpties = szOpties;
        return p;
    }
    QString Op() { return b().Pagina() ? b().Pagina()->m_strNaam : "(geen)"; }
    CShowBesturing& b() { return show.Besturing(); }

    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    CShow show { doc, klok, melder, starter, geluid };
};

} // namespace

TEST_F(Besturing, EveryCommandAndWhatItPublishes)
{
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();
    ASSERT_TRUE(b().Loopt());
    auto pagina = [this](int i) { return static_cast<CDataItemPagina*>(doc.m_project.GetKind(i)); };
    struct {
        const char* szWat;
        std::function<void()> doe;
        const char* szOp;
        size_t nGeschiedenis;
        int nIndicator;
        bool bViewer;
    } const aStappen[] = {
        { "next pages",
            [&] {
                EXPECT_EQ(b().Volgende(), (std::vector<CDataItemPagina*> { pagina(1), pagina(2) }));
            },
            "Welkom", 0, -1, false },
        { "indicator", [&] { b().KiesItem(+1); }, "Welkom", 0, 0, false },
        { "indicator on", [&] { b().KiesItem(+1); }, "Welkom", 0, 1, false },
        { "run it: a jump", [&] { b().Activeer(); }, "Pauze", 1, -1, false },
        { "back", [&] { b().Terug(); }, "Welkom", 0, -1, false },
        { "next page", [&] { b().VolgendePagina(); }, "Programma", 1, -1, false },
        { "previous page", [&] { b().VorigePagina(); }, "Welkom", 2, -1, false },
        { "go to a page", [&] { b().NaarPagina(pagina(3)); }, "Einde", 3, -1, false },
        { "back", [&] { b().Terug(); }, "Welkom", 2, -1, false },
        { "a click on an item", [&] { b().KlikOpItem(*pagina(0)->GetKind(0)); }, "Welkom", 2, -1, true },
        { "close the viewer", [&] { b().SluitViewer(); }, "Welkom", 2, -1, false },
        { "item 3 by number", [&] { b().VoerItemUit(2); }, "Welkom", 2, -1, false },
        { "item 2 by number: a jump", [&] { b().VoerItemUit(1); }, "Pauze", 3, -1, false },
        { "a key: PageDown",
            [&] {
                QKeyEvent e(QEvent::KeyPress, Qt::Key_PageDown, {});
                b().Toets(e);
            },
            "Einde", 4, -1, false },
        { "end", [&] { b().Beeindig(); }, "Einde", 4, -1, false },
    };
    for (const auto& s : aStappen) {
        QSignalSpy gewijzigd(&b(), &CShowBesturing::gewijzigd);
        s.doe();
        EXPECT_EQ(Op(), s.szOp) << s.szWat;
        EXPECT_EQ(b().Geschiedenis().size(), s.nGeschiedenis) << s.szWat;
        EXPECT_EQ(b().IndicatorItem(), s.nIndicator) << s.szWat;
        EXPECT_EQ(b().ViewerOpen(), s.bViewer) << s.szWat;
        if (std::string(s.szWat) != "next pages") {
            EXPECT_GT(gewijzigd.count(), 0) << s.szWat << ": published";
        }
    }
    EXPECT_FALSE(b().Loopt());
    EXPECT_EQ(starter.aGestart, QStringList { "programma|" });
}

TEST_F(Besturing, SoundProgramsAndMessages)
{
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();
    struct {
        const char* szWat;
        std::function<void()> doe;
        const char* szLaatste; // the last request the sound engine had
    } const aStappen[] = {
        { "gong", [&] { b().Gong(false); }, "gong ingebouwd" },
        { "built-in gong", [&] { b().Gong(true); }, "gong ingebouwd" },
        { "an item's sound", [&] { geluid.SpeelItemGeluid("applaus.wav", 80); }, "speel applaus.wav 80" },
        { "stop", [&] { b().StopGeluid(); }, "stop" },
    };
    for (const auto& s : aStappen) {
        s.doe();
        EXPECT_EQ(geluid.aVerzoeken.last(), s.szLaatste) << s.szWat;
    }
    EXPECT_FALSE(b().Geluid().bLoopt);

    b().VoerItemUit(2); // "programma"
    ASSERT_EQ(b().LopendeItems().size(), 1u);
    b().StopItem(*b().LopendeItems().front());
    EXPECT_TRUE(b().LopendeItems().empty());
    EXPECT_EQ(starter.nBeeindigd, 1);

    QSignalSpy berichten(&b(), &CShowBesturing::bericht);
    geluid.SpeelItemGeluid("applaus.wav", 80);
    geluid.bVerdwenen = true; // the USB speakers pulled out
    ASSERT_TRUE(QTest::qWaitFor([&] { return berichten.count() > 0; }, 2000)) << "said at the next poll";
    EXPECT_TRUE(berichten[0][0].toString().startsWith("Het geluidsapparaat is verdwenen; het geluid is gestopt."));
    EXPECT_FALSE(b().Geluid().bLoopt);

    starter.bMislukt = true;
    b().VoerItemUit(2); // "programma", which is not there
    ASSERT_EQ(berichten.count(), 2);
    EXPECT_EQ(berichten[1][0].toString(),
        "\"programma\" (<nieuw kleurvlak>) kan niet worden geopend: het bestand of programma is er niet.");
}

TEST_F(Besturing, APageRemovedWhileOnShowOrListedIsDropped)
{
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();
    b().NaarPagina(static_cast<CDataItemPagina*>(doc.m_project.GetKind(2))); // Pauze, Welkom in the history
    doc.SelecteerElement(doc.m_project.GetKind(0));
    doc.OnVerwijderen(); // Welkom goes
    EXPECT_TRUE(b().Geschiedenis().empty());
    for (CDataItemPagina* p : b().Volgende())
        EXPECT_NE(p->m_strNaam, "Welkom");
    doc.SelecteerElement(b().Pagina());
    doc.OnVerwijderen(); // the page on show goes
    EXPECT_NE(Op(), "Pauze");
}

// A picture damaged on disk is drawn as missing, and the console hears of it
// once a show, however often its page comes back.
TEST_F(Besturing, ADamagedPictureIsReportedOncePerShow)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("kapot.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(500, '\x11'));
    f.close();
    const auto beschadig = [&](CDataItemBasis& e) {
        e.m_strAfbeelding = "kapot.png";
        e.m_picture.Load(f.fileName());
    };
    beschadig(*doc.m_project.GetKind(0));
    beschadig(*doc.m_project.GetKind(0)->GetKind(0)); // an item shows it too
    beschadig(*doc.m_project.GetKind(1)); // and the next page
    QSignalSpy berichten(&b(), &CShowBesturing::bericht);
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();
    for (int i : { 1, 0, 1 })
        b().NaarPagina(static_cast<CDataItemPagina*>(doc.m_project.GetKind(i)));
    ASSERT_EQ(berichten.count(), 1);
    EXPECT_EQ(berichten[0][0].toString(), "Afbeelding beschadigd, niet getoond: kapot.png");
    show.Stop();
    show.Start();
    EXPECT_EQ(berichten.count(), 2) << "a new show tells again";
}
