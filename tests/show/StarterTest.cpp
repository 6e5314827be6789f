#include "show/Starter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList Regels(const QString& strPad)
{
    QFile f(strPad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The children of this process (only those that ended and were not reaped,
// with bZombies), read from /proc so that looking does not reap them.
int Kinderen(bool bZombies)
{
    int n = 0;
    const QString strOuder = QString::number(::getpid());
    for (const QString& strPid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + strPid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // pid (name) state ppid ...: the name may hold blanks.
        const QString strRegel = QString::fromUtf8(stat.readAll());
        const QStringList a = strRegel.mid(strRegel.lastIndexOf(u')') + 2).split(u' ');
        if (a.size() > 1 && (!bZombies || a[0] == "Z") && a[1] == strOuder)
            ++n;
    }
    return n;
}

// No child is left a zombie once the event loop has had its turn.
bool GeenZombies()
{
    return QTest::qWaitFor([] { return Kinderen(true) == 0; }, 5000);
}

} // namespace

TEST(Starter, ArgumentsAreLiteralAndNoShellRuns)
{
    QTemporaryDir dir;
    const QString strUit = dir.filePath("args.txt");
    CSysteemStarter starter;
    QDir::setCurrent(dir.path());
    const QString strOpties = "\"" + strUit + "\" a \"two words\" ;touch X $(touch Y)";
    std::unique_ptr<IProces> p = starter.Start(QStringLiteral(ZB_TESTPROGRAMMA), strOpties);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(strUit) && !Regels(strUit).isEmpty(); }, 5000));
    EXPECT_EQ(Regels(strUit), (QStringList { "a", "two words", ";touch", "X", "$(touch", "Y)" }));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("X")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Y"))) << "nothing went through a shell";

    EXPECT_TRUE(p->Loopt()) << "tracked while it runs";
    p->Beeindig();
    EXPECT_FALSE(p->Loopt());
    p->Beeindig(); // a process that already ended is left alone
    p.reset();
    EXPECT_TRUE(GeenZombies());
}

TEST(Starter, AProgramThatEndedByItselfIsNoticedAndReaped)
{
    QTemporaryDir dir;
    qputenv("ZB_STOP_METEEN", "1");
    CSysteemStarter starter;
    std::unique_ptr<IProces> p = starter.Start(QStringLiteral(ZB_TESTPROGRAMMA), dir.filePath("uit.txt"));
    qunsetenv("ZB_STOP_METEEN");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Loopt(); }, 5000));
    p.reset();
    EXPECT_TRUE(GeenZombies());
}

TEST(Starter, ABareNameIsFoundOnThePath)
{
    EXPECT_FALSE(CSysteemStarter::Programma("sh").isEmpty());
    EXPECT_TRUE(CSysteemStarter::Programma("geen-programma-met-deze-naam").isEmpty());
    CSysteemStarter starter;
    EXPECT_EQ(starter.Start("geen-programma-met-deze-naam", {}), nullptr);
}

namespace {

// A default application of our own for plain text and for web addresses,
// found through the XDG folders; it writes what it was given to a file.
class StarterMetToepassing : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString strData = dir.filePath("data"), strConfig = dir.filePath("config");
        QDir().mkpath(strData + "/applications");
        QDir().mkpath(strConfig);
        strUit = dir.filePath("geopend.txt");
        Schrijf(strData + "/applications/zbtestviewer.desktop",
            QStringLiteral("[Desktop Entry]\nType=Application\nName=Testviewer\nExec=%1 %2 %u\n"
                           "MimeType=text/plain;x-scheme-handler/https;\n")
                .arg(QStringLiteral(ZB_TESTPROGRAMMA), strUit));
        Schrijf(strConfig + "/mimeapps.list",
            "[Default Applications]\ntext/plain=zbtestviewer.desktop\n"
            "x-scheme-handler/https=zbtestviewer.desktop\n");
        qputenv("XDG_DATA_HOME", strData.toUtf8());
        qputenv("XDG_CONFIG_HOME", strConfig.toUtf8());
        qputenv("XDG_DATA_DIRS", (strData + ":/usr/share").toUtf8());
    }
    static void Schrijf(const QString& strPad, const QString& strInhoud, QFile::Permissions rechten = {})
    {
        QFile f(strPad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(strInhoud.toUtf8());
        f.close();
        if (rechten)
            f.setPermissions(rechten);
    }

    QTemporaryDir dir;
    QString strUit;
};

} // namespace

// What a path is decides how it opens: a program by what the file holds,
// not by its x bit alone (documents copied from Windows have it), a desktop
// entry by its application, a web address and any other file by the
// desktop's application for it.
TEST_F(StarterMetToepassing, WhatTheFileIsDecidesHowItOpens)
{
    const auto rw = QFile::ReadOwner | QFile::WriteOwner;
    const auto rwx = rw | QFile::ExeOwner;
    Schrijf(dir.filePath("notulen.txt"), "Notulen\n", rw);
    Schrijf(dir.filePath("verslag.txt"), "Verslag\n", rwx);
    Schrijf(dir.filePath("script.sh"), QStringLiteral("#!/bin/sh\necho \"$@\" > %1\nsleep 60\n").arg(strUit), rwx);
    Schrijf(dir.filePath("start.desktop"),
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Start\nExec=%1 %2 vanuit-desktop\n")
            .arg(QStringLiteral(ZB_TESTPROGRAMMA), strUit));
    struct {
        const char* szPad;
        const char* szOpties;
        QString strGeschreven;
    } const aGevallen[] = {
        { "notulen.txt", "", dir.filePath("notulen.txt") },
        { "verslag.txt", "", dir.filePath("verslag.txt") }, // x bit, but a document
        { "script.sh", "een twee", "een twee" },
        { "start.desktop", "", "vanuit-desktop" },
        { "https://example.org/agenda?jaar=2026", "", "https://example.org/agenda?jaar=2026" },
    };
    CSysteemStarter starter;
    for (const auto& g : aGevallen) {
        QFile::remove(strUit);
        const QString strPad = QString(g.szPad).startsWith("https:") ? QString(g.szPad) : dir.filePath(g.szPad);
        std::unique_ptr<IProces> p = starter.Start(strPad, g.szOpties);
        ASSERT_NE(p, nullptr) << g.szPad;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Regels(strUit).isEmpty(); }, 5000)) << g.szPad;
        EXPECT_EQ(Regels(strUit), QStringList { g.strGeschreven }) << g.szPad;
        EXPECT_TRUE(p->Loopt()) << g.szPad;
        p->Beeindig();
        EXPECT_FALSE(p->Loopt());
        p.reset();
        EXPECT_TRUE(GeenZombies()) << g.szPad;
    }
}

// A document application that the user closed is reaped at once, not when
// its item is next used.
TEST_F(StarterMetToepassing, AClosedApplicationIsReapedAtOnce)
{
    Schrijf(dir.filePath("notulen.txt"), "Notulen\n");
    qputenv("ZB_STOP_METEEN", "1");
    CSysteemStarter starter;
    std::unique_ptr<IProces> p = starter.Start(dir.filePath("notulen.txt"), {});
    qunsetenv("ZB_STOP_METEEN");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return Kinderen(false) == 0; }, 5000)) << "gone while its item still holds it";
    EXPECT_FALSE(p->Loopt());
}
