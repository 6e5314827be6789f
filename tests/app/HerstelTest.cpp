// Recovery after a crash, as a user meets it: a program edits a project and
// is killed; the next start offers its copy.
#include "app/Herstel.h"

#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeMelder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class Herstel : public ::testing::Test {
protected:
    void SetUp() override
    {
        strMap = dir.filePath("herstel");
        strProject = dir.filePath("avond.zb");
        CZerbantikoDoc doc;
        doc.NieuwDocument();
        doc.OnPaginaInvoegen();
        doc.GetGeselecteerd()->m_strNaam = "Welkom";
        ASSERT_TRUE(ProjectBestand::Opslaan(doc, strProject).Gelukt());
        QFile f(strProject);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bytesOrigineel = f.readAll();
    }
    // A program that edited the project and wrote its copy; running until killed.
    std::unique_ptr<QProcess> StartKind()
    {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(ZB_HERSTEL_KIND), { strMap, strProject });
        EXPECT_TRUE(p->waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return p->readAllStandardOutput().contains("klaar"); }, 10000));
        return p;
    }
    void Dood(QProcess& p)
    {
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
    }
    QStringList Kopieen() const { return QDir(strMap).entryList({ "*.zb" }, QDir::Files); }
    QByteArray KopieBytes() const
    {
        QFile f(QDir(strMap).filePath(Kopieen().value(0)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString strMap;
    QString strProject;
    QByteArray bytesOrigineel;
};

} // namespace

TEST_F(Herstel, AKilledProgramsCopyIsOfferedAndGivesTheEditBack)
{
    auto pKind = StartKind();
    Dood(*pKind);
    ASSERT_EQ(Kopieen().size(), 1);
    const QByteArray bytesKopie = KopieBytes();

    CZerbantikoDoc doc;
    doc.NieuwDocument();
    CFakeMelder melder;
    melder.nKeuze = 0; // Herstellen
    {
        CHerstel herstel(doc, strMap);
        ASSERT_TRUE(herstel.BiedAan(melder));
        ASSERT_EQ(melder.aVragen.size(), 1);
        EXPECT_TRUE(
            melder.aVragen[0].startsWith("Zerbantiko is niet goed afgesloten. Herstellen: avond.zb (gewijzigd om "));
        EXPECT_EQ(melder.aKeuzes[0], (QStringList { "Herstellen", "Weggooien", "Later" }));
        EXPECT_EQ(doc.m_project.GetKind(0)->m_strNaam, "Hersteld");
        EXPECT_EQ(doc.GetPathName(), strProject) << "Opslaan writes where the user expects";
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(ProjectBestand::Schrijf(doc), bytesKopie) << "byte for byte";
        EXPECT_EQ(Kopieen().size(), 1) << "the recovered project has its own copy now";
        doc.Undo().setIndex(0);
        EXPECT_TRUE(doc.IsModified()) << "still newer than the user's file";
        QFile f(strProject);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bytesOrigineel) << "the user's file was never touched";
    }
    EXPECT_TRUE(Kopieen().isEmpty()) << "a normal end removes the copy";
}

TEST_F(Herstel, WeggooienLaterAndARunningProgramsCopy)
{
    auto pLevend = StartKind(); // a second program, still running
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    CFakeMelder melder;
    CHerstel herstel(doc, strMap);
    EXPECT_FALSE(herstel.BiedAan(melder));
    EXPECT_TRUE(melder.aVragen.isEmpty()) << "the copy of a running program is never taken";
    Dood(*pLevend);

    melder.nKeuze = 2; // Later
    EXPECT_FALSE(herstel.BiedAan(melder));
    EXPECT_EQ(melder.aVragen.size(), 1);
    EXPECT_EQ(Kopieen().size(), 1) << "kept for later";
    melder.nKeuze = 1; // Weggooien
    EXPECT_FALSE(herstel.BiedAan(melder));
    EXPECT_TRUE(Kopieen().isEmpty());
    EXPECT_TRUE(QDir(strMap).entryList(QDir::Files).isEmpty()) << "nothing of it is left";
}

TEST_F(Herstel, AnUnreadableCopyIsReportedAndKept)
{
    auto pKind = StartKind();
    Dood(*pKind);
    QFile f(QDir(strMap).filePath(Kopieen().value(0)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x1aZerbantiko 002.000.001.072\x01");
    f.close();
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    CFakeMelder melder;
    CHerstel herstel(doc, strMap);
    EXPECT_FALSE(herstel.BiedAan(melder));
    ASSERT_EQ(melder.aMeldingen.size(), 1);
    EXPECT_TRUE(melder.aMeldingen[0].startsWith("De herstelkopie van avond.zb kan niet worden gelezen"));
    EXPECT_EQ(Kopieen().size(), 1) << "never deleted silently";
}

TEST_F(Herstel, ASaveRemovesTheCopy)
{
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    ASSERT_TRUE(ProjectBestand::Open(doc, strProject).Gelukt());
    CHerstel herstel(doc, strMap);
    doc.OnPaginaInvoegen();
    herstel.SchrijfNu();
    herstel.WachtOpSchrijven();
    EXPECT_EQ(Kopieen().size(), 1);
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strProject).Gelukt());
    EXPECT_TRUE(Kopieen().isEmpty());
}
