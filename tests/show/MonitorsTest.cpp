#include "show/Monitors.h"

#include "model/DataItemProject.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// Runs with two screens: A 1920 x 1080 (primary) and B 1280 x 1024 to its right.

TEST(Monitors, EnumeratesInPlatformOrder)
{
    const CMonitors monitors;
    ASSERT_EQ(monitors.GeefAantal(), 2);
    EXPECT_EQ(monitors.GeefMonitor(0).GeefNaam(), "A");
    EXPECT_EQ(monitors.GeefMonitor(1).GeefRechthoek(), (CRect { 1920, 0, 3200, 1024 }));
    EXPECT_TRUE(monitors.GeefMonitor(0).IsHoofdbeeldscherm());
    EXPECT_FALSE(monitors.GeefMonitor(1).IsHoofdbeeldscherm());
    EXPECT_EQ(CMonitor().GeefNaam(), "A");
}

TEST(Monitors, MonitorRule)
{
    CDataItemProject project;
    // {m_nMonitor, chosen screen}
    const std::pair<int, const char*> aGevallen[] = { { 0, "A" }, { 1, "A" }, { 2, "B" }, { 3, "A" }, { -1, "A" } };
    for (const auto& [n, sz] : aGevallen) {
        project.m_nMonitor = n;
        EXPECT_EQ(KiesMonitor(project).GeefNaam(), sz) << n;
    }
}

TEST(Monitors, ListTexts)
{
    const std::vector<QString> a = MonitorLijst();
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0], "automatisch (hoofdbeeldscherm, maximaal gevuld)");
    EXPECT_EQ(a[1], "A (1920 x 1080) (*)");
    EXPECT_EQ(a[2], "B (1280 x 1024)");

    const std::vector<QString> f = Doelformaten();
    ASSERT_EQ(f.size(), 10u);
    EXPECT_EQ(f[0], "<formaat van de monitor>");
    EXPECT_EQ(f[3], "1920 x 1080 (Full HD)   ");
    EXPECT_EQ(f[9], "8192 x 4608 (8K)        ");
}

TEST(Monitors, TheRememberedScreenWinsOverItsNumber)
{
    // Chosen as the second screen (B); later the screens come in another
    // order, or another count: the number would point elsewhere.
    CDataItemProject project;
    BewaarMonitorKeuze(project, 2);
    EXPECT_EQ(project.m_nMonitor, 2);
    EXPECT_TRUE(project.m_strReserve2.startsWith("monitor:"));
    project.m_nMonitor = 1; // as if B now came first
    EXPECT_EQ(KiesMonitor(project).GeefNaam(), "B") << "the identity decides";
    project.m_nMonitor = 7;
    EXPECT_EQ(KiesMonitor(project).GeefNaam(), "B");

    project.m_strReserve2 = "monitor:Elders|Beamer|123|HDMI-9"; // not connected now
    project.m_nMonitor = 2;
    EXPECT_EQ(KiesMonitor(project).GeefNaam(), "B") << "then the number rule holds";
    project.m_strReserve2 = "notitie van iemand anders";
    project.m_nMonitor = 0;
    EXPECT_EQ(KiesMonitor(project).GeefNaam(), "A") << "a text that is no identity is left alone";
    BewaarMonitorKeuze(project, 0);
    EXPECT_EQ(project.m_strReserve2, "notitie van iemand anders") << "and never overwritten by automatic";
    BewaarMonitorKeuze(project, 2);
    BewaarMonitorKeuze(project, 0);
    EXPECT_TRUE(project.m_strReserve2.isEmpty()) << "automatic remembers no screen";
}

TEST(Monitors, TheSameScreenOnAnotherPort)
{
    struct {
        const char* szOnthouden;
        const char* szIdentiteit;
        bool bZelfde;
    } const aGevallen[] = {
        { "BenQ|MW632ST|ET12345|HDMI-1", "BenQ|MW632ST|ET12345|HDMI-1", true },
        { "BenQ|MW632ST|ET12345|HDMI-1", "BenQ|MW632ST|ET12345|DP-2", true },
        { "BenQ|MW632ST|ET12345|HDMI-1", "BenQ|MW632ST|ET99999|HDMI-1", false },
        { "|||HDMI-1", "|||DP-2", false }, // a screen that tells nothing is known by its port only
        { "|||HDMI-1", "|||HDMI-1", true },
        { "iets anders", "BenQ|MW632ST|ET12345|HDMI-1", false },
    };
    for (const auto& g : aGevallen)
        EXPECT_EQ(ZelfdeScherm(g.szOnthouden, g.szIdentiteit), g.bZelfde) << g.szOnthouden << " / " << g.szIdentiteit;
}
