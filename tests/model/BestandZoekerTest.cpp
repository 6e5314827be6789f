#include "model/BestandZoeker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A project folder as a club copies it from a Windows computer.
class Zoeker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath("Foto's"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("Geluid"));
        Maak("Foto's/Zon.JPG");
        Maak("Geluid/gong.wav");
        Maak("start.sh");
    }
    void Maak(const QString& strNaam)
    {
        QFile f(Pad(strNaam));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QString Pad(const QString& strNaam) const { return QDir(dir.path()).absoluteFilePath(strNaam); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Zoeker, FindsStoredPathsOfEveryKind)
{
    const struct {
        QString strOpgeslagen;
        QString strVerwacht; // relative to the project folder; empty: none
    } aGevallen[] = {
        { "Foto's/Zon.JPG", "Foto's/Zon.JPG" }, // relative, as stored
        { R"(C:\Clubavond\Foto's\Zon.JPG)", "Foto's/Zon.JPG" }, // by its shorter tails
        { R"(D:\Geluid\GONG.WAV)", "Geluid/gong.wav" }, // letter case ignored
        { R"(\\server\share\start.sh)", "start.sh" }, // a network path, only under the folder
        { R"(foto's\zon.jpg)", "Foto's/Zon.JPG" }, // relative with backslashes
        { "foto's/ZON.jpg", "Foto's/Zon.JPG" }, // relative, case ignored per component
        { "/home/piet/Clubavond/Foto's/Zon.JPG", "Foto's/Zon.JPG" }, // another computer's absolute path
        { R"(C:\Clubavond\Foto's\Maan.JPG)", "" },
        { R"(C:\)", "" },
        { "", "" },
    };
    const QString strMap = dir.path();
    for (const auto& g : aGevallen) {
        const QString strVerwacht = g.strVerwacht.isEmpty() ? QString() : Pad(g.strVerwacht);
        EXPECT_EQ(CBestandZoeker::Zoek(g.strOpgeslagen, strMap), strVerwacht) << qPrintable(g.strOpgeslagen);
    }
    EXPECT_EQ(CBestandZoeker::Zoek(Pad("start.sh"), QString()), Pad("start.sh")) << "an absolute path as it is";
    EXPECT_EQ(CBestandZoeker::Zoek(R"(C:\Clubavond\start.sh)", QString()), QString())
        << "without a project folder a Windows path names nothing";
}

TEST_F(Zoeker, TheExactNameWinsOverOneOfOtherCase)
{
    Maak("Foto's/zon.jpg");
    EXPECT_EQ(CBestandZoeker::Zoek(R"(C:\x\Foto's\Zon.JPG)", dir.path()), Pad("Foto's/Zon.JPG"));
    EXPECT_EQ(CBestandZoeker::Zoek(R"(C:\x\Foto's\zon.jpg)", dir.path()), Pad("Foto's/zon.jpg"));
}

TEST_F(Zoeker, RemembersWhileTheFileIsThereAndLooksAgainForAMiss)
{
    CBestandZoeker zoeker;
    zoeker.SetProjectMap(dir.path());
    const QString strOpgeslagen = R"(C:\Clubavond\Foto's\Zon.JPG)";
    ASSERT_EQ(zoeker.Zoek(strOpgeslagen), Pad("Foto's/Zon.JPG"));
    ASSERT_TRUE(QFile::remove(Pad("Foto's/Zon.JPG")));
    EXPECT_EQ(zoeker.Zoek(strOpgeslagen), QString()) << "a file gone is no longer found";
    Maak("Zon.jpg");
    EXPECT_EQ(zoeker.Zoek(strOpgeslagen), QString()) << "a miss is remembered for a while";
    zoeker.SetMisDuur(0);
    zoeker.SetProjectMap(dir.path());
    EXPECT_EQ(zoeker.Zoek("gong.mp3"), QString());
    Maak("gong.mp3"); // copied in later
    EXPECT_EQ(zoeker.Zoek("gong.mp3"), Pad("gong.mp3")) << "and then looked for again";
    EXPECT_EQ(zoeker.Zoek(strOpgeslagen), Pad("Zon.jpg"));
}
