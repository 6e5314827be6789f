#include "show/Starter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace {

QStringList Regels(const QString& strPad)
{
    QFile f(strPad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// No child of this process is left unreaped.
bool GeenZombies()
{
    int nStatus = 0;
    return ::waitpid(-1, &nStatus, WNOHANG) <= 0;
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

TEST(Starter, ADocumentOpensWithItsDefaultApplicationTracked)
{
    // A default application of our own for plain text, found through the XDG folders.
    QTemporaryDir dir;
    const QString strData = dir.filePath("data"), strConfig = dir.filePath("config");
    QDir().mkpath(strData + "/applications");
    QDir().mkpath(strConfig);
    const QString strUit = dir.filePath("geopend.txt");
    QFile desktop(strData + "/applications/zbtestviewer.desktop");
    ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
    desktop.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Testviewer\nExec=%1 %2 %f\n"
                                 "MimeType=text/plain;\n")
                      .arg(QStringLiteral(ZB_TESTPROGRAMMA), strUit)
                      .toUtf8());
    desktop.close();
    QFile mime(strConfig + "/mimeapps.list");
    ASSERT_TRUE(mime.open(QIODevice::WriteOnly));
    mime.write("[Default Applications]\ntext/plain=zbtestviewer.desktop\n");
    mime.close();
    qputenv("XDG_DATA_HOME", strData.toUtf8());
    qputenv("XDG_CONFIG_HOME", strConfig.toUtf8());
    qputenv("XDG_DATA_DIRS", (strData + ":/usr/share").toUtf8());

    const QString strDocument = dir.filePath("notulen.txt");
    QFile doc(strDocument);
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.write("Notulen\n");
    doc.close();
    CSysteemStarter starter;
    std::unique_ptr<IProces> p = starter.Start(strDocument, {});
    ASSERT_NE(p, nullptr) << "the default application is started and followed";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Regels(strUit).isEmpty(); }, 5000));
    EXPECT_EQ(Regels(strUit), QStringList { strDocument });
    EXPECT_TRUE(p->Loopt());
    p->Beeindig();
    EXPECT_FALSE(p->Loopt());
    p.reset();
    EXPECT_TRUE(GeenZombies());
}
