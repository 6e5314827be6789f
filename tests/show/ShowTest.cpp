#include "show/Show.h"

#include "model/DataItemPagina.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "show/ItemActies.h"
#include "show/Toetsen.h"
#include "show/WndAfbeelding.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>

namespace {

// A project of named pages, each with one clickable colour area that fills
// the page, and a show with recording doubles for launcher and sound.
class Show : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.SetMelder(&melder);
        doc.NieuwDocument();
    }

    CDataItemPagina* Pagina(const char* szNaam)
    {
        doc.SelecteerElement(doc.m_project.AantalKinderen() ? doc.m_project.GetKind(doc.m_project.AantalKinderen() - 1)
                                                            : static_cast<CDataItemBasis*>(&doc.m_project));
        auto* p = static_cast<CDataItemPagina*>(doc.Invoegen(Soort::Pagina, 1));
        p->m_strNaam = szNaam;
        return p;
    }
    CDataItemBasis* Item(CDataItemBasis* pPagina, const char* szOpdracht, const char* szOpties = "", int nNummer = 1)
    {
        doc.SelecteerElement(pPagina);
        CDataItemBasis* p = doc.Invoegen(Soort::Item, 3);
        p->m_strOpdracht = szOpdracht;
        p->m_strOpties = szOpties;
        p->m_nNummer = nNummer;
        p->m_dBreedte = 100;
        p->m_dHoogte = 100;
        return p;
    }
    CWndPresentatie& Venster() { return show.Presentatie(); }
    QString Op() { return show.Presentatie().Pagina() ? show.Presentatie().Pagina()->m_strNaam : "(geen)"; }
    void Start(CDataItemBasis* pPagina)
    {
        doc.SelecteerElement(pPagina);
        show.Start();
    }

    // The doubles outlive the document, whose items may still hold their processes.
    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    CShow show { doc, klok, melder, starter, geluid };
};

} // namespace

TEST_F(Show, StartsAtTheEditorsPageWithTheWarningOnce)
{
    Pagina("A");
    CDataItemPagina* b = Pagina("B");
    doc.SelecteerElement(&doc.m_project);
    EXPECT_TRUE(show.KanStarten()) << "the project with pages";
    doc.m_nHuidigePagina = 7; // no such page
    show.Start();
    EXPECT_EQ(Op(), "A") << "an invalid current page starts at page 0";
    EXPECT_EQ(doc.m_nHuidigePagina, 0);
    EXPECT_TRUE(Venster().isVisible());
    EXPECT_FALSE(show.KanStarten()) << "a show cannot start twice";
    EXPECT_TRUE(show.KanStoppen());
    ASSERT_EQ(melder.aMeldingen.size(), 1);
    EXPECT_EQ(melder.aMeldingen[0],
        "Let op: u kunt het presentatievenster alleen sluiten met de toets C of de toets X, niet met Escape!");
    EXPECT_EQ(doc.m_pShowStartPagina, doc.m_project.GetKind(0));

    Venster().NaarGeschiedenis(b);
    show.Stop();
    EXPECT_FALSE(Venster().isVisible());
    Start(b);
    EXPECT_EQ(Op(), "B") << "a new start takes the editor's page";
    EXPECT_TRUE(Venster().Geschiedenis().empty()) << "and an empty history";
    EXPECT_EQ(melder.aMeldingen.size(), 1) << "the warning only the first time";
}

TEST_F(Show, NavigationCommands)
{
    CDataItemPagina* a = Pagina("A");
    CDataItemPagina* intro = Pagina("Intro");
    Pagina("Intro"); // a second page of that name
    CDataItemPagina* d = Pagina("D");
    Start(a);
    struct SStap {
        CDataItemBasis* pItem;
        const char* szNa; // the page on show after the click
        int nGeschiedenis;
    };
    const SStap aStappen[] = {
        { Item(a, "@page", "INTRO"), "Intro", 1 }, // letter case ignored, the first of two
        { Item(intro, "@pageUp", "", 3), "A", 2 }, // from index 1 three back: page 0
        { Item(a, "@pageUp"), "A", 2 }, // on the first page: nothing, nothing pushed
        { Item(a, "@pageDn", "", 0), "Intro", 3 }, // a count of 0 is one step
        { Item(intro, "@Seite", "d"), "D", 4 }, { Item(d, "@pageDn"), "D", 4 }, // on the last page: nothing
        { Item(d, "@back", "", 2), "A", 2 }, // D <- Intro <- A: two back
        { Item(a, "@page", "Nergens"), "A", 2 }, { Item(a, "@page"), "A", 2 }, // no page named
        { Item(a, "@close @exit"), "A", 2 }, // a run of list words does nothing
    };
    for (const SStap& s : aStappen) {
        ASSERT_EQ(Venster().Pagina(), s.pItem->m_pOuder) << qPrintable(s.pItem->m_strOpdracht);
        Venster().VoerKlikUit(*s.pItem);
        EXPECT_EQ(Op(), s.szNa) << qPrintable(s.pItem->m_strOpdracht + u' ' + s.pItem->m_strOpties);
        EXPECT_EQ(int(Venster().Geschiedenis().size()), s.nGeschiedenis) << qPrintable(s.pItem->m_strOpdracht);
    }
    EXPECT_TRUE(starter.aGestart.isEmpty()) << "navigation never reaches the launcher";
    Venster().VoerKlikUit(*Item(a, "@close"));
    EXPECT_FALSE(Venster().isVisible());
}

TEST_F(Show, HistoryTakesAtMostWhatItHas)
{
    CDataItemPagina* a = Pagina("A");
    CDataItemPagina* b = Pagina("B");
    Start(a);
    Venster().NaarGeschiedenis(a);
    Venster().NaarGeschiedenis(b->GetKind(0) ? b->GetKind(0) : b);
    EXPECT_EQ(Venster().TerugInGeschiedenis(3), a) << "the older of the two";
    EXPECT_TRUE(Venster().Geschiedenis().empty());
    EXPECT_EQ(Venster().TerugInGeschiedenis(1), nullptr);
    Venster().VoerKlikUit(*Item(a, "@back"));
    EXPECT_EQ(Op(), "A") << "an empty history leaves the page";
}

TEST_F(Show, ColourAndPictureActionsFillTheViewer)
{
    CDataItemPagina* a = Pagina("A");
    Start(a);
    CWndAfbeelding& viewer = show.Viewer();
    const struct {
        const char* szOpdracht;
        const char* szOpties;
        bool bZichtbaar;
        COLORREF clr1;
        bool bVerloop;
    } aGevallen[] = {
        { "@red", "", true, RGB(255, 0, 0), false }, { "@dmagenta", "", true, RGB(128, 0, 128), false },
        { "@rgb", "FF8000", true, RGB(255, 128, 0), false }, { "@rgb", "00ff00", true, RGB(0, 255, 0), false },
        { "@rgb", "zz8000", true, RGB(0, 128, 0), false }, // what is no hexadecimal reads as 0
        { "@rgb", "fff", false, 0, false }, // too short: nothing shown
        { "@rgb", " FF8000", true, RGB(255, 128, 0), false }, // blanks before a pair are skipped
        { "@rgb", "FF 80 00", true, RGB(255, 128, 0), false },
        { "@grad", "FF0000  0000FF", true, RGB(255, 0, 0), true }, // two blanks between
        { "@grad", "000000 0000FF", true, RGB(0, 0, 0), true }, { "@grad", "000000 00", false, 0, false },
        { "@Red", "", false, 0, false }, // letter case matters
    };
    for (const auto& g : aGevallen) {
        viewer.Sluit();
        CDataItemBasis* pItem = Item(a, g.szOpdracht, g.szOpties);
        Venster().VoerKlikUit(*pItem);
        EXPECT_EQ(viewer.isVisible(), g.bZichtbaar) << g.szOpdracht << " " << g.szOpties;
        EXPECT_TRUE(viewer.Aftellen()) << "every command arms a countdown";
        EXPECT_EQ(viewer.Tikken(), 60 * 1000 / 32);
        if (!g.bZichtbaar)
            continue;
        EXPECT_EQ(viewer.Kleur1(), g.clr1) << g.szOpdracht << " " << g.szOpties;
        EXPECT_EQ(viewer.Verloop(), g.bVerloop);
        EXPECT_EQ(viewer.Kleur2(), g.bVerloop ? RGB(0, 0, 255) : RGB(128, 128, 128)) << "a grey bar";
        EXPECT_FALSE(viewer.HeeftAfbeelding());
    }
}

TEST_F(Show, ACountdownOfAnyLengthCountsDown)
{
    CWndAfbeelding& viewer = show.Viewer();
    const std::pair<int, int> aGevallen[] = { { 10, 10 * 1000 / 32 }, { 68719477, 365 * 24 * 3600 / 32 * 1000 },
        { INT_MAX, 365 * 24 * 3600 / 32 * 1000 } }; // held to a year
    for (const auto& [nSeconden, nTikken] : aGevallen) {
        viewer.ZetAftelling(true, nSeconden);
        EXPECT_TRUE(viewer.Aftellen());
        EXPECT_EQ(viewer.Tikken(), nTikken) << nSeconden;
    }
}

TEST_F(Show, GradientRowsAndTheFirstBarColour)
{
    CWndAfbeelding& viewer = show.Viewer();
    EXPECT_EQ(viewer.Kleur2(), RGB(100, 100, 255)) << "before any command the bar is blue-violet";
    viewer.ZetKleur1(RGB(255, 0, 0));
    viewer.ZetKleur2(RGB(0, 0, 255));
    viewer.ZetVerloop(true);
    const QImage b = viewer.TekenInhoud(10, 100);
    // Row i: c2 + (c1 - c2) * i / h, truncated.
    EXPECT_EQ(b.pixel(3, 0) & 0xFFFFFF, 0x0000FFu) << "blue at the top";
    EXPECT_EQ(b.pixel(3, 50) & 0xFFFFFF, qRgb(127, 0, 128) & 0xFFFFFF);
    EXPECT_EQ(b.pixel(3, 99) & 0xFFFFFF, qRgb(252, 0, 3) & 0xFFFFFF) << "toward red at the bottom";
}

TEST_F(Show, PictureActionWithCountdown)
{
    QTemporaryDir dir;
    QImage foto(40, 80, QImage::Format_RGB32); // portrait
    foto.fill(qRgb(0, 200, 0));
    ASSERT_TRUE(foto.save(dir.filePath("staand.png")));
    CDataItemPagina* a = Pagina("A");
    Start(a);
    CDataItemBasis* pItem = Item(a, qPrintable(dir.filePath("staand.png")), " 2 seconden");
    Venster().VoerKlikUit(*pItem);
    CWndAfbeelding& viewer = show.Viewer();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.HeeftAfbeelding());
    EXPECT_EQ(viewer.Tikken(), 2 * 1000 / 32) << "the number at the start of the options";
    const QImage b = viewer.TekenInhoud(160, 90);
    EXPECT_EQ(b.pixel(5, 45) & 0xFFFFFF, 0x000000u) << "black bars beside a portrait picture";
    EXPECT_EQ(b.pixel(80, 45) & 0xFFFFFF, 0x00C800u);

    // The bar fills in about two seconds, half a second later the viewer closes.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !viewer.isVisible(); }, 5000));
    EXPECT_TRUE(Venster().isVisible()) << "the show is there again";

    viewer.Toon();
    Venster().VoerKlikUit(*Item(a, qPrintable(dir.filePath("staand.png"))));
    EXPECT_FALSE(viewer.Aftellen()) << "without a number it stays until dismissed";
    QTest::keyClick(&viewer, Qt::Key_C);
    EXPECT_FALSE(viewer.isVisible()) << "C closes only the viewer";
    EXPECT_TRUE(Venster().isVisible());
}

TEST_F(Show, SoundsProgramsAndStopping)
{
    CDataItemPagina* a = Pagina("A");
    Start(a);
    CDataItemBasis* pGeluid = Item(a, "applaus.mp3");
    pGeluid->m_nVolume = 40;
    Venster().VoerKlikUit(*pGeluid);
    EXPECT_EQ(geluid.aVerzoeken.value(0), "speel applaus.mp3 40");

    CDataItemBasis* pProgramma = Item(a, "vlc", "--fullscreen film.mp4");
    auto* pItem = static_cast<CDataItemPaginaItem*>(pProgramma);
    Venster().VoerKlikUit(*pProgramma);
    Venster().VoerKlikUit(*pProgramma);
    EXPECT_EQ(starter.aGestart, (QStringList { "vlc|--fullscreen film.mp4", "vlc|--fullscreen film.mp4" }));
    EXPECT_EQ(starter.nBeeindigd, 1) << "a second click ends the first program";
    EXPECT_TRUE(pItem->ActieLoopt());
    pItem->StopActie();
    EXPECT_EQ(starter.nBeeindigd, 2);
    EXPECT_FALSE(pItem->ActieLoopt());
    EXPECT_EQ(geluid.aVerzoeken.last(), "stop") << "stopping an item silences the current sound";

    Venster().VoerKlikUit(*Item(a, " @red"));
    EXPECT_EQ(starter.aGestart.last(), " @red|") << "a blank before the at sign: a path";
    Venster().VoerKlikUit(*Item(a, "@gong"));
    Venster().VoerKlikUit(*Item(a, "@GONG"));
    EXPECT_EQ(geluid.aVerzoeken.mid(geluid.aVerzoeken.size() - 2), (QStringList { "gong ingebouwd", "gong ingebouwd" }))
        << "without a gong of the project's own";
    doc.m_project.m_strGong = "weg.mp3"; // set, but not found here
    Venster().VoerKlikUit(*Item(a, "@gong"));
    Venster().VoerKlikUit(*Item(a, "@GONG"));
    EXPECT_EQ(geluid.aVerzoeken.mid(geluid.aVerzoeken.size() - 2), (QStringList { "gong eigen ", "gong ingebouwd" }))
        << "a gong set but missing is silence, not the built-in one";
    doc.m_project.m_strGong.clear();

    // A key activation may drop a drive letter.
    Item(a, "C:programma", "D:lijst.txt")->VoerActieUit(1);
    EXPECT_EQ(starter.aGestart.last(), "programma|lijst.txt");

    // Deleting the item ends its program.
    Venster().VoerKlikUit(*pProgramma);
    const int nVoor = starter.nBeeindigd;
    doc.SelecteerElement(pProgramma);
    doc.OnVerwijderen();
    EXPECT_EQ(starter.nBeeindigd, nVoor + 1);
}

TEST_F(Show, ClicksHitTheLowestIndexAndRunOnce)
{
    CDataItemPagina* a = Pagina("A");
    CDataItemBasis* pOnder = Item(a, "onder");
    CDataItemBasis* pBoven = Item(a, "boven"); // inserted before: index 0 of the page
    ASSERT_EQ(pBoven->m_nIndex, 0);
    Start(a);
    Venster().OnDraw(Venster().size()); // as its paint does: the hit table is filled
    const QPoint midden = Venster().rect().center();
    // A double click arrives as a press, a release and a double-click event.
    QTest::mouseClick(&Venster(), Qt::LeftButton, {}, midden);
    QTest::mouseDClick(&Venster(), Qt::LeftButton, {}, midden);
    EXPECT_EQ(starter.aGestart, QStringList { "boven|" }) << "a double click runs the item once";
    EXPECT_EQ(a->m_nSelectieItem, 0);
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);

    pBoven->m_strOpdracht.clear();
    pOnder->m_bKlikbaar = 0;
    QTest::mouseClick(&Venster(), Qt::LeftButton, {}, midden);
    EXPECT_EQ(starter.aGestart.size(), 1) << "an empty command selects and runs nothing";
    EXPECT_EQ(Venster().Raak(midden, true), nullptr) << "no hand cursor without a command";
    EXPECT_EQ(Venster().Raak(midden, false), pBoven);
}

TEST_F(Show, ClockPagesRepaintEverySecondOnly)
{
    CDataItemPagina* a = Pagina("A");
    doc.SelecteerElement(a);
    doc.Invoegen(Soort::Item, 1)->m_strNaam = "[T2]";
    Start(a);
    Venster().OnDraw(QSize(320, 180));
    EXPECT_TRUE(Venster().KlokLoopt());
    a->GetKind(0)->m_strNaam = "geen klok";
    Venster().OnDraw(QSize(320, 180));
    EXPECT_FALSE(Venster().KlokLoopt()) << "stopped at the next paint of a page without fields";
}

TEST_F(Show, RemovedPagesAreNeverTouched)
{
    CDataItemPagina* a = Pagina("A");
    CDataItemPagina* b = Pagina("B");
    CDataItemPagina* c = Pagina("C");
    Start(b);
    Venster().NaarGeschiedenis(a);
    Venster().NaarGeschiedenis(b);
    Venster().NaarGeschiedenis(c);
    EXPECT_EQ(doc.m_pShowStartPagina, b);

    // The page on show is deleted: the page that now has its index.
    doc.SelecteerElement(b);
    doc.OnVerwijderen();
    EXPECT_EQ(Op(), "C");
    EXPECT_EQ(Venster().Geschiedenis(), (std::list<CDataItemPagina*> { c, a })) << "removed pages leave the history";
    EXPECT_EQ(doc.m_pShowStartPagina, nullptr) << "never dangles";
    Venster().OnDraw(QSize(320, 180));

    // The last page goes: the page before it.
    doc.SelecteerElement(c);
    doc.OnKnippen();
    EXPECT_EQ(Op(), "A");
    Venster().OnDraw(QSize(320, 180));

    // No page left: the show closes.
    doc.SelecteerElement(a);
    doc.OnVerwijderen();
    EXPECT_EQ(Venster().Pagina(), nullptr);
    EXPECT_FALSE(Venster().isVisible());
    EXPECT_TRUE(Venster().Geschiedenis().empty());
}

TEST_F(Show, ANewProjectClosesTheShow)
{
    CDataItemPagina* a = Pagina("A");
    Item(a, "@blue");
    Start(a);
    Venster().VoerKlikUit(*a->GetKind(0));
    ASSERT_TRUE(show.Viewer().isVisible());
    doc.NieuwDocument();
    EXPECT_FALSE(Venster().isVisible());
    EXPECT_FALSE(show.Viewer().isVisible());
    EXPECT_EQ(Venster().Pagina(), nullptr);
    Venster().OnDraw(QSize(320, 180)); // draws nothing of the old project
}

TEST_F(Show, CoversTheProjectsMonitor)
{
    // Two screens: A 1920 x 1080 primary, B 1280 x 1024 to its right.
    CDataItemPagina* a = Pagina("A");
    doc.m_project.m_nMonitor = 2;
    Start(a);
    EXPECT_EQ(Venster().geometry(), QRect(1920, 0, 1280, 1024));
    const QImage b = Venster().OnDraw(Venster().size());
    EXPECT_EQ(Venster().Uitvoer(), (CRect { 0, 0, 1280, 1024 })) << "drawn at the monitor's own pixel size";
    EXPECT_EQ(doc.m_project.m_sizeDoel, (CSize { 1280, 1024 }));
    show.Stop();
    doc.m_project.m_nMonitor = 3; // more than there are
    show.Start();
    EXPECT_EQ(Venster().geometry(), QRect(0, 0, 1920, 1080));
}

TEST_F(Show, PagesOneClickAwayArePreparedWhileTheShowRuns)
{
    QTemporaryDir dir;
    QImage foto(1600, 1200, QImage::Format_RGB32);
    foto.fill(qRgb(90, 30, 160));
    ASSERT_TRUE(foto.save(dir.filePath("foto.png")));
    CDataItemPagina* a = Pagina("A");
    Pagina("B")->m_picture.Load(dir.filePath("foto.png")); // the next page
    CDataItemPagina* c = Pagina("C");
    Pagina("D")->m_picture.Load(dir.filePath("foto.png")); // far away
    c->m_picture.Load(dir.filePath("foto.png"));
    Item(a, "@page", "c"); // C is a click away
    CGeschaaldeAfbeeldingen& cache = CGeschaaldeAfbeeldingen::Instance();
    cache.Leeg();
    const qint64 nVoorbereid = cache.Voorbereid();
    Start(a);
    Venster().OnDraw(QSize(1920, 1080));
    EXPECT_EQ(cache.Voorbereid() - nVoorbereid, 1) << "B and C share one scaled copy; D is not prepared";
    cache.WachtOpVoorbereiding();
    const qint64 nSchalingen = cache.Schalingen();
    Venster().VoerKlikUit(*a->GetKind(0));
    Venster().OnDraw(QSize(1920, 1080));
    EXPECT_EQ(Op(), "C");
    EXPECT_EQ(cache.Schalingen(), nSchalingen) << "the first visit finds its picture ready";
}

namespace {

void Toets(QWidget& w, int nToets, Qt::KeyboardModifiers toetsen = {}, quint32 nScan = 0, bool bHerhaling = false)
{
    QKeyEvent e(QEvent::KeyPress, nToets, toetsen, nScan, 0, 0, QString(), bHerhaling);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST_F(Show, TheIndicatorWalksTheClickableItems)
{
    CDataItemPagina* a = Pagina("A");
    for (int i = 0; i < 5; ++i)
        Item(a, qPrintable(QStringLiteral("programma%1").arg(i)))->m_bKlikbaar = 0;
    // Items were inserted in front: index i holds programma(4 - i).
    a->GetKind(1)->m_bKlikbaar = 1;
    a->GetKind(3)->m_bKlikbaar = 1;
    Start(a);
    EXPECT_EQ(a->m_nSelectieItem, -1);
    Toets(Venster(), Qt::Key_Return);
    EXPECT_TRUE(starter.aGestart.isEmpty()) << "Enter does nothing while the indicator is hidden";
    const int aVerwacht[] = { 1, 3, 1 };
    for (int n : aVerwacht) {
        Toets(Venster(), Qt::Key_Down);
        EXPECT_TRUE(a->m_bSelectieZichtbaar);
        EXPECT_EQ(a->m_nSelectieItem, n);
    }
    Toets(Venster(), Qt::Key_Up);
    EXPECT_EQ(a->m_nSelectieItem, 3) << "previous from 1 wraps to the last clickable item";
    Toets(Venster(), Qt::Key_Return);
    EXPECT_EQ(starter.aGestart, QStringList { "programma1|" });

    // The digits run items by position, clickable or not.
    Toets(Venster(), Qt::Key_3);
    EXPECT_EQ(starter.aGestart.last(), "programma2|") << "key 3 runs item 2";
    Toets(Venster(), Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(starter.aGestart.size(), 2) << "key 0 is item 9, which the page does not have";

    // Automatically on to the next clickable item, 200 ms after an activation.
    doc.m_project.m_bAutoVolgende = 1;
    Toets(Venster(), Qt::Key_Return);
    EXPECT_TRUE(Venster().AutoVolgendeLoopt());
    EXPECT_TRUE(QTest::qWaitFor([&] { return a->m_nSelectieItem == 1; }, 2000));
}

// A key runs an item as its click would: a digit as Enter does.
TEST_F(Show, KeysRunJumpsAsClicksDo)
{
    CDataItemPagina* a = Pagina("A");
    Pagina("Doel");
    CDataItemBasis* pSluit = Item(a, "@close");
    Item(a, "@page", "Doel"); // inserted in front: item 0
    doc.m_project.m_bAutoVolgende = 1;
    Start(a);
    Toets(Venster(), Qt::Key_1);
    EXPECT_EQ(Op(), "Doel") << "digit 1 jumps";
    EXPECT_EQ(Venster().Geschiedenis().size(), 1u) << "and the page it left is kept, as for a click";
    Start(a);
    a->m_nSelectieItem = pSluit->m_nIndex;
    a->m_bSelectieZichtbaar = 1;
    Toets(Venster(), Qt::Key_Return);
    EXPECT_FALSE(Venster().isVisible());
    EXPECT_FALSE(Venster().AutoVolgendeLoopt()) << "nothing moves on in a show that ended";
}

TEST_F(Show, PageKeysHistoryAndClosing)
{
    CDataItemPagina* aPagina[5];
    for (int i = 0; i < 5; ++i)
        aPagina[i] = Pagina(qPrintable(QStringLiteral("P%1").arg(i + 1)));
    Start(aPagina[0]);
    Toets(Venster(), Qt::Key_PageUp);
    EXPECT_EQ(Op(), "P1") << "PageUp on the first page";
    EXPECT_TRUE(Venster().Geschiedenis().empty());
    Toets(Venster(), Qt::Key_PageDown);
    ASSERT_EQ(Op(), "P2");
    Toets(Venster(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Op(), "P5");
    EXPECT_EQ(Venster().Geschiedenis().front(), aPagina[1]) << "page 2 pushed";
    EXPECT_EQ(aPagina[4]->m_nSelectieItem, -1);
    Toets(Venster(), Qt::Key_B);
    EXPECT_EQ(Op(), "P2") << "B goes back";

    // Escape never closes; C does, unless the keyboard is off.
    Toets(Venster(), Qt::Key_Escape, {}, 9);
    EXPECT_TRUE(Venster().isVisible());
    doc.m_project.m_bToetsenbord = 0;
    Toets(Venster(), Qt::Key_C);
    Toets(Venster(), Qt::Key_X);
    EXPECT_TRUE(Venster().isVisible()) << "with the keyboard off, C and X do nothing";
    doc.m_project.m_bToetsenbord = 1;
    Toets(Venster(), Qt::Key_C);
    EXPECT_FALSE(Venster().isVisible());
}

TEST_F(Show, PresenterProfilesAndSoundKeys)
{
    CDataItemPagina* a = Pagina("A");
    Item(a, "spreker");
    Item(a, "@page", "B");
    Pagina("B");
    Start(a);
    Toets(Venster(), Qt::Key_Down); // the indicator on item 0, "@page B"
    doc.m_project.m_nPresenter = Toetsen::LogitechVeilig;
    Toets(Venster(), Qt::Key_Escape, {}, 9);
    EXPECT_EQ(Op(), "A") << "the safe Logitech profile ignores Escape";
    doc.m_project.m_nPresenter = Toetsen::LogitechVolledig;
    Toets(Venster(), Qt::Key_Escape, {}, 9);
    EXPECT_EQ(Op(), "B") << "Escape activates; a navigation word jumps as a click does";

    doc.m_project.m_nPresenter = Toetsen::Maxxter;
    Toets(Venster(), Qt::Key_Escape, {}, 9, true);
    EXPECT_TRUE(geluid.aVerzoeken.isEmpty()) << "a repeating Escape does not match";
    Toets(Venster(), Qt::Key_Escape, {}, 9);
    EXPECT_EQ(geluid.aVerzoeken, QStringList { "gong ingebouwd" }) << "Escape with flag word 1 plays the gong";

    geluid.SpeelItemGeluid("applaus.wav", 95);
    Toets(Venster(), Qt::Key_Plus, Qt::KeypadModifier);
    Toets(Venster(), Qt::Key_G, Qt::ShiftModifier);
    EXPECT_EQ(geluid.aVerzoeken.last(), "stop") << "Shift+G stops the current sound";
}
