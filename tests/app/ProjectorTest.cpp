// A project saved with the projector chosen as the second screen (A, B),
// opened when another screen has come in between (A, AA, B): its number now
// points at AA.
#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "show/Monitors.h"
#include "show/Show.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeStarter.h"
#include "support/QtPrinters.h"
#include "support/VasteKlok.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Projector, TheShowFindsTheRememberedScreenInAnotherOrder)
{
    QTemporaryDir map;
    const QString strProject = map.filePath("avond.zb");
    QProcess kiezen;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=%1").arg(ZB_SCHERMEN_AB));
    kiezen.setProcessEnvironment(omgeving);
    kiezen.start(ZB_KIES_PROJECTOR, { strProject });
    ASSERT_TRUE(kiezen.waitForFinished(30000));
    ASSERT_EQ(kiezen.exitCode(), 0) << kiezen.readAllStandardError().toStdString();

    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CZerbantikoDoc doc;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    ASSERT_TRUE(ProjectBestand::Open(doc, strProject).Gelukt());
    EXPECT_EQ(doc.m_project.m_nMonitor, 2) << "the number, which now points at AA";
    CShow show(doc, klok, melder, starter, geluid);
    doc.SelecteerElement(doc.m_project.GetKind(0));
    show.Start();
    EXPECT_EQ(show.Presentatie().geometry(), QRect(2944, 0, 1280, 1024)) << "on B, the screen that was chosen";
    show.Stop();

    doc.m_project.m_strReserve2.clear(); // a file of an older program: the number rule
    EXPECT_EQ(KiesMonitor(doc.m_project).GeefNaam(), "AA");
    show.Start();
    EXPECT_EQ(show.Presentatie().geometry(), QRect(1920, 0, 1024, 768));
    show.Stop();
}
