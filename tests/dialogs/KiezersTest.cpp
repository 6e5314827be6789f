#include "dialogs/IOpenBestand.h"
#include "dialogs/KleurKnop.h"
#include "dialogs/LettertypeLijst.h"
#include "dialogs/OpenBestandsDialoog.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Does something with the palette once it is open, then lets the button's click return.
void MetPalet(CKleurKnop& knop, const std::function<void(QWidget&)>& doe)
{
    QTimer::singleShot(0, [&] {
        QWidget* pPalet = QApplication::activePopupWidget();
        ASSERT_NE(pPalet, nullptr);
        doe(*pPalet);
    });
    knop.OpenPalet();
}

} // namespace

TEST(KleurKnop, TheFortyColoursInOrder)
{
    int n = 0;
    const CKleurKnop::SPaletKleur* p = CKleurKnop::Palet(n);
    ASSERT_EQ(n, 40);
    EXPECT_STREQ(p[0].szNaam, "Black");
    EXPECT_EQ(p[1].clr, 0x2A2AA5u) << "Brown, its bytes reversed as a COLORREF";
    EXPECT_STREQ(p[35].szNaam, "Pale green ") << "with its trailing blank";
    EXPECT_EQ(p[39].clr, 0xFFFFFFu);
}

TEST(KleurKnop, ACellStandaardAndCancelling)
{
    CKleurKnop knop;
    knop.ZetStandaard(RGB(10, 20, 30));
    knop.ZetKleur(RGB(1, 2, 3));
    knop.show();
    QSignalSpy gekozen(&knop, &CKleurKnop::kleurGekozen);

    MetPalet(knop, [](QWidget& palet) {
        auto* pCel = palet.findChild<QToolButton*>("cel25");
        ASSERT_NE(pCel, nullptr);
        EXPECT_EQ(pCel->toolTip(), "Gold");
        pCel->click();
    });
    EXPECT_EQ(knop.Kleur(), RGB(0xFF, 0xD7, 0x00));
    EXPECT_EQ(gekozen.count(), 1);

    MetPalet(knop, [](QWidget& palet) { palet.findChild<QPushButton*>("standaard")->click(); });
    EXPECT_EQ(knop.Kleur(), RGB(10, 20, 30)) << "Standaard gives the default colour";

    knop.m_kiesMeer = [](const QColor& begin, QWidget*) -> std::optional<QColor> {
        EXPECT_EQ(begin, QColor(10, 20, 30)) << "the chooser starts at the current colour";
        return std::nullopt; // cancelled
    };
    MetPalet(knop, [](QWidget& palet) { palet.findChild<QPushButton*>("meer")->click(); });
    EXPECT_EQ(knop.Kleur(), RGB(10, 20, 30));
    EXPECT_EQ(gekozen.count(), 2) << "a cancelled chooser changes nothing";

    knop.m_kiesMeer = [](const QColor&, QWidget*) -> std::optional<QColor> { return QColor(200, 100, 50); };
    MetPalet(knop, [](QWidget& palet) { palet.findChild<QPushButton*>("meer")->click(); });
    EXPECT_EQ(knop.Kleur(), RGB(200, 100, 50));

    MetPalet(knop, [](QWidget& palet) { QTest::keyClick(&palet, Qt::Key_Escape); });
    EXPECT_EQ(knop.Kleur(), RGB(200, 100, 50)) << "closed without a choice";
    EXPECT_EQ(gekozen.count(), 3);

    knop.ZetKleur(CKleurKnop::clrStandaard);
    EXPECT_EQ(knop.Kleur(), RGB(10, 20, 30)) << "the special value loads the default colour";
}

TEST(KleurKnop, TheKeyboardWalksThePalette)
{
    CKleurKnop knop;
    knop.ZetStandaard(RGB(1, 1, 1));
    knop.ZetKleur(RGB(0, 0, 0)); // Black, the first cell
    knop.show();
    MetPalet(knop, [](QWidget& palet) {
        QTest::keyClick(&palet, Qt::Key_Right);
        QTest::keyClick(&palet, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget()->toolTip(), "Orange") << "cell 1, then a row of eight down: cell 9";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    EXPECT_EQ(knop.Kleur(), RGB(0xFF, 0x68, 0x20));
}

TEST(LettertypeLijst, StoredFacesAndMissingOnes)
{
    CLettertypeLijst lijst;
    ASSERT_GT(lijst.count(), 0);
    EXPECT_EQ(lijst.GemaakteFonts(), 0) << "no face is made before it is drawn";
    lijst.Laad("DejaVu Sans");
    EXPECT_EQ(lijst.Naam(), "DejaVu Sans") << "not DejaVu Sans Mono, which sorts after it";
    lijst.Laad("dejavu serif");
    EXPECT_EQ(lijst.Naam(), "DejaVu Serif") << "letter case ignored";

    lijst.Laad("Verdana");
    EXPECT_EQ(lijst.currentText(), "Verdana (niet geïnstalleerd)");
    EXPECT_EQ(lijst.Naam(), "Verdana") << "written back unchanged";
    lijst.setCurrentIndex(lijst.findText("DejaVu Sans"));
    EXPECT_EQ(lijst.Naam(), "DejaVu Sans") << "unless the user picks another face";
    lijst.Laad("DejaVu Sans");
    EXPECT_EQ(lijst.findText("Verdana (niet geïnstalleerd)"), -1) << "the marked entry is only there for its face";
}

TEST(OpenBestandsDialoog, FiltersInQtsForm)
{
    struct {
        const char* szFilter;
        const char* szQt;
    } const aGevallen[] = {
        { "Afbeeldingen (*.jpg)|*.jpg|Alle bestanden (*.*)|*.*||", "Afbeeldingen (*.jpg);;Alle bestanden (*)" },
        { BestandsFilter::szAfbeelding, "Afbeeldingen (*.jpg *.jpeg *.bmp);;Alle bestanden (*)" },
        { BestandsFilter::szGong, "Geluidsbestanden (*.mp3 *.wav *.flac *.ogg);;Alle bestanden (*)" },
    };
    for (const auto& g : aGevallen)
        EXPECT_EQ(COpenBestandsDialoog::QtFilter(QString::fromUtf8(g.szFilter)).toStdString(), g.szQt) << g.szFilter;
    EXPECT_TRUE(
        COpenBestandsDialoog::QtFilter(QString::fromUtf8(BestandsFilter::szActie)).startsWith("Alle bestanden (*);;"));
}
