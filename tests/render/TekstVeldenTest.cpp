#include "render/TekstVelden.h"

#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "support/QtPrinters.h"
#include "support/VasteKlok.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QString Vul(const IKlok& klok, const char* sz, const QString& strProjectNaam = {})
{
    return VulVeldenIn(QString::fromUtf8(sz), { klok, strProjectNaam });
}

} // namespace

TEST(TekstVelden, EveryFieldOnTuesday5March2024)
{
    CVasteKlok klok; // 5 March 2024, 14:07:09, a Tuesday
    const std::pair<const char*, const char*> aVelden[] = {
        { "[D0]", "05-03-2024" },
        { "[D1]", "05-03-24" },
        { "[D2]", "5 maart 2024" },
        { "[DD]", "dinsdag" },
        { "[DM]", "maart" },
        { "[Dd]", "5" },
        { "[Dm]", "3" },
        { "[DJ]", "2024" },
        { "[Dj]", "24" },
        { "[T0]", "14:07" },
        { "[T2]", "14:07:09" },
        { "[TH]", "14" },
        { "[TM]", "07" },
        { "[TS]", "09" },
        { "[Th]", "14" },
        { "[Tm]", "7" },
        { "[Ts]", "9" },
        { "[T1]", "02:07" },
        { "[T3]", "02:07:09" },
        { "[TA]", "02" },
        { "[Ta]", "2" },
        { "[TP]", "PM" },
        { "[TN]", "NM" },
        { "[Tp]", "pm" },
        { "[Tn]", "nm" },
        { "[N]", "Clubavond" },
        { "[V]", "2.0.1.72" },
    };
    for (const auto& [szVeld, szWaarde] : aVelden)
        EXPECT_EQ(VulVeldenIn(szVeld, { klok, "Clubavond" }), szWaarde) << szVeld;
    EXPECT_EQ(Vul(klok, "[P]"), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

TEST(TekstVelden, TwelveHourClock)
{
    CVasteKlok klok;
    // {h, mi, "[T1]", "[TP]", "[TN]", "[Ta]"}
    const std::tuple<int, int, const char*, const char*, const char*, const char*> aGevallen[] = {
        { 0, 30, "12:30", "AM", "VM", "12" },
        { 12, 0, "12:00", "PM", "NM", "12" },
        { 13, 5, "01:05", "PM", "NM", "1" },
        { 11, 59, "11:59", "AM", "VM", "11" },
    };
    for (const auto& [h, mi, szT1, szTP, szTN, szTa] : aGevallen) {
        klok.Zet(1, 1, 2020, h, mi, 0);
        EXPECT_EQ(Vul(klok, "[T1]"), szT1) << h;
        EXPECT_EQ(Vul(klok, "[TP]"), szTP) << h;
        EXPECT_EQ(Vul(klok, "[TN]"), szTN) << h;
        EXPECT_EQ(Vul(klok, "[Ta]"), szTa) << h;
    }
}

TEST(TekstVelden, YearsDaysAndBadClocks)
{
    CVasteKlok klok;
    klok.Zet(9, 12, 2005, 8, 0, 0);
    EXPECT_EQ(Vul(klok, "[Dj] [D1] [DD]"), "05 09-12-05 vrijdag");
    klok.Zet(1, 1, 2023, 0, 0, 0);
    EXPECT_EQ(Vul(klok, "[DD]"), "zondag");
    klok.Zet(31, 2, 2024, 0, 0, 0); // no such date
    EXPECT_EQ(Vul(klok, "<[DD]>"), "<>");
    klok.Zet(1, 6, 1500, 0, 0, 0); // before the Gregorian calendar's weekdays are known
    EXPECT_EQ(Vul(klok, "[DD]"), "");
    klok.Zet(1, 13, 2024, 0, 0, 0);
    EXPECT_EQ(Vul(klok, "[D2]|[DM]"), "1  2024|") << "an impossible month has no name";
    klok.tijd.reset(); // the time cannot be read
    EXPECT_EQ(Vul(klok, "[T2] [Th]"), "-1:-1:-1 -1");
}

TEST(TekstVelden, WhatIsNoField)
{
    CVasteKlok klok;
    const struct {
        const char* szTekst;
        const char* szUit;
        bool bVeld;
    } aGevallen[] = {
        { "Gewoon een tekst", "Gewoon een tekst", false },
        { "[dd] [T [T2", "[dd] [T [T2", false },
        { "[T2] en [T2]", "14:07:09 en 14:07:09", true },
        { "[D[T0]0]", "[D14:070]", true },
        { "zonder", "zonder", false },
    };
    for (const auto& g : aGevallen) {
        bool bGebruikt = true;
        EXPECT_EQ(VulVeldenIn(g.szTekst, { klok, {} }, &bGebruikt), g.szUit) << g.szTekst;
        EXPECT_EQ(bGebruikt, g.bVeld) << g.szTekst;
        EXPECT_EQ(BevatVeld(g.szTekst), g.bVeld) << g.szTekst;
    }
}

TEST(TekstVelden, ProjectNameIsSearchedForVersionAndProgramOnly)
{
    CVasteKlok klok;
    EXPECT_EQ(Vul(klok, "[N]"), "") << "empty before the first show";
    const QString strProgramma = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(Vul(klok, "[N]", "Avond [P] [T2]"), "Avond " + strProgramma + " [T2]");
}

TEST(TekstVelden, HeeftVelden)
{
    CDataItemPagina pagina;
    pagina.m_strNaam = "Welkom";
    auto pItem = std::make_unique<CDataItemPaginaItem>();
    pItem->m_strNaam = "geen velden";
    CDataItemBasis* item = pItem.get();
    pagina.VoegKindToe(std::move(pItem));
    EXPECT_FALSE(HeeftVelden(pagina));
    item->m_strNaam = "[N]"; // still changes nothing with the clock, but counts
    EXPECT_TRUE(HeeftVelden(pagina));
    item->m_strNaam = "x";
    pagina.m_strNaam = "Pagina [TS]";
    EXPECT_TRUE(HeeftVelden(pagina)) << "the page's own name counts";
}
