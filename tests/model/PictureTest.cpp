#include "model/Picture.h"

#include "model/BeeldLading.h"
#include "model/DataItemPaginaItem.h"
#include "model/FileKind.h"
#include "model/PictureCache.h"

#include <QBuffer>
#include <QDataStream>
#include <QTemporaryDir>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <vector>

namespace {

QString MaakPlaatje(const QTemporaryDir& dir, const QString& strNaam, const char* szFormaat, QSize size, QRgb kleur)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kleur);
    const QString strPad = dir.filePath(strNaam);
    EXPECT_TRUE(image.save(strPad, szFormaat));
    return strPad;
}

} // namespace

TEST(FileKind, ExtensionTests)
{
    const std::tuple<const char*, bool, bool> aGevallen[] = {
        // path, image, sound
        { "foto.jpg", true, false },
        { "FOTO.JPG", true, false },
        { "c:\\map\\foto.Jpeg", true, false },
        { "/map/plaatje.png", true, false },
        { "scan.bmp", true, false },
        { "zonderpunt", false, false },
        { "", false, false },
        { "half.jp", true, false }, // a shortened extension still occurs in the list
        { "gong.mp3", false, true },
        { "gong.ogg", false, true },
        { "gong.FLAC", false, true },
        { "gong.wav", false, true },
        { "film.mp4", false, false },
        { "half.mp", false, true },
        { "map.met.punt/zonderext", false, false }, // the dot is in the folder, not the name
        { "foto.gif", false, false },
    };
    for (const auto& [sz, bBeeld, bGeluid] : aGevallen) {
        EXPECT_EQ(IsImageFile(QString::fromUtf8(sz)), bBeeld) << sz;
        EXPECT_EQ(IsSoundFile(QString::fromUtf8(sz)), bGeluid) << sz;
    }
}

TEST(Picture, LoadsByContentWhateverTheName)
{
    QTemporaryDir dir;
    const QString strPng = MaakPlaatje(dir, "eigenlijk-png.jpg", "PNG", { 40, 30 }, qRgb(255, 0, 0));
    const QString strJpg = MaakPlaatje(dir, "foto.jpg", "JPEG", { 16, 9 }, qRgb(0, 0, 255));
    const QString strBmp = MaakPlaatje(dir, "scan.bmp", "BMP", { 3, 5 }, qRgb(0, 255, 0));

    CPicture pic;
    EXPECT_FALSE(pic.IsLoaded());
    EXPECT_EQ(pic.GetSize(), QSize(0, 0));
    ASSERT_TRUE(pic.Load(strPng));
    EXPECT_EQ(pic.GetSize(), QSize(40, 30));
    EXPECT_EQ(pic.Image()->pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    ASSERT_TRUE(pic.Load(strJpg));
    EXPECT_EQ(pic.GetSize(), QSize(16, 9));
    ASSERT_TRUE(pic.Load(strBmp));
    EXPECT_EQ(pic.GetSize(), QSize(3, 5));
}

TEST(Picture, FailedLoadLeavesItEmpty)
{
    QTemporaryDir dir;
    const QString strGoed = MaakPlaatje(dir, "goed.png", "PNG", { 4, 4 }, qRgb(1, 2, 3));
    QFile leeg(dir.filePath("leeg.png"));
    ASSERT_TRUE(leeg.open(QIODevice::WriteOnly));
    leeg.close();
    QFile rommel(dir.filePath("rommel.jpg"));
    ASSERT_TRUE(rommel.open(QIODevice::WriteOnly));
    rommel.write("dit is geen plaatje");
    rommel.close();

    for (const QString& strFout :
        { dir.filePath("leeg.png"), dir.filePath("rommel.jpg"), dir.filePath("bestaat-niet.png"), dir.path() }) {
        CPicture pic;
        ASSERT_TRUE(pic.Load(strGoed));
        EXPECT_FALSE(pic.Load(strFout)) << qPrintable(strFout);
        EXPECT_FALSE(pic.IsLoaded()) << "the old picture must not stay";
    }
    CPicture pic;
    EXPECT_FALSE(pic.LoadFromMemory(QByteArray()));
}

TEST(Picture, ElementsNamingOneFileShareOneDecodedCopy)
{
    QTemporaryDir dir;
    const QString strPad = MaakPlaatje(dir, "groot.png", "PNG", { 64, 48 }, qRgb(9, 9, 9));
    CDataItemPaginaItem a, b;
    a.m_strAfbeelding = b.m_strAfbeelding = strPad;
    a.m_picture.Load(strPad);
    b.CopyValues(a);
    ASSERT_TRUE(a.m_picture.IsLoaded());
    ASSERT_TRUE(b.m_picture.IsLoaded());
    EXPECT_EQ(a.m_picture.Image(), b.m_picture.Image());

    // A file changed on disk is decoded anew.
    QImage ander(20, 10, QImage::Format_RGB32);
    ander.fill(qRgb(200, 0, 0));
    QFile::remove(strPad);
    ASSERT_TRUE(ander.save(strPad, "PNG"));
    QFile f(strPad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();
    CPicture c;
    ASSERT_TRUE(c.Load(strPad));
    EXPECT_EQ(c.GetSize(), QSize(20, 10));
}

TEST(Picture, CopySharesTheSourcePictureAndReadsNoFile)
{
    QTemporaryDir dir;
    const QString strPad = MaakPlaatje(dir, "p.png", "PNG", { 8, 8 }, qRgb(1, 1, 1));
    CDataItemPaginaItem bron, doel;
    bron.m_strAfbeelding = strPad;
    ASSERT_TRUE(bron.m_picture.Load(strPad));
    ASSERT_TRUE(QFile::remove(strPad));
    doel.CopyFrom(bron);
    EXPECT_EQ(doel.m_picture.Image(), bron.m_picture.Image()) << "the copy shows the very same picture";
    bron.m_picture.Release();
    doel.CopyFrom(bron);
    EXPECT_FALSE(doel.m_picture.IsLoaded()) << "a source without picture gives a copy without one";
}

// Photos of current cameras are larger than Qt's default decoding limit; a
// file that claims a gigantic picture in a few bytes is still refused.
TEST(Picture, LargePhotosLoadAndGiganticClaimsDoNot)
{
    QTemporaryDir dir;
    const QString strFoto = MaakPlaatje(dir, "foto.png", "PNG", { 6000, 6000 }, qRgb(10, 20, 30)); // 36 MP
    QByteArray bmp;
    {
        // A BMP header of 100,000 x 100,000 pixels at 24 bits, and no pixels.
        QDataStream s(&bmp, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s.writeRawData("BM", 2);
        s << quint32(54) << quint32(0) << quint32(54);
        s << quint32(40) << qint32(100000) << qint32(100000) << quint16(1) << quint16(24) << quint32(0) << quint32(0)
          << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    }
    QFile reus(dir.filePath("reus.bmp"));
    ASSERT_TRUE(reus.open(QIODevice::WriteOnly));
    reus.write(bmp);
    reus.close();

    CPicture foto;
    ASSERT_TRUE(foto.Load(strFoto));
    EXPECT_EQ(foto.Image()->size(), QSize(6000, 6000));
    EXPECT_EQ(foto.Image()->pixel(5999, 5999) & 0xFFFFFF, 0x0A141Eu);
    CPicture reusPic;
    EXPECT_FALSE(reusPic.Load(reus.fileName()));
}

// What a file holds decides how it is drawn: a picture is shown, a file that
// is no picture or is missing is simply absent, and a picture file that does
// not decode (cut off, or damaged) is absent too but is reported.
TEST(Picture, DamagedPicturesAreAbsentAndReported)
{
    QTemporaryDir dir;
    const QString strGoed = MaakPlaatje(dir, "goed.png", "PNG", { 300, 200 }, qRgb(1, 2, 3));
    QFile goed(strGoed);
    ASSERT_TRUE(goed.open(QIODevice::ReadOnly));
    const QByteArray png = goed.readAll();
    const auto schrijf = [&dir](const char* szNaam, const QByteArray& data) {
        QFile f(dir.filePath(QString::fromLatin1(szNaam)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    const struct {
        QString strPad;
        bool bGetoond;
        bool bMislukt;
    } aGevallen[] = {
        { strGoed, true, false },
        { schrijf("half.png", png.left(png.size() / 2)), false, true },
        { schrijf("kop.png", png.left(33) + QByteArray(4000, '\x5a')), false, true },
        { schrijf("tekst.png", "geen plaatje"), false, false },
        { dir.filePath("weg.png"), false, false },
    };
    for (const auto& geval : aGevallen) {
        CPicture pic;
        pic.LoadZonderWachten(geval.strPad);
        EXPECT_EQ(pic.Image() != nullptr, geval.bGetoond) << qPrintable(geval.strPad);
        EXPECT_EQ(pic.Mislukt(), geval.bMislukt) << qPrintable(geval.strPad);
    }
}

// A project's pictures decode on workers while the program goes on; each file
// is decoded once, and whoever asks first gets the finished picture.
TEST(Voorbereiding, PicturesDecodeOnWorkersOncePerFile)
{
    QTemporaryDir dir;
    constexpr int nBestanden = 6;
    constexpr int nElementen = 48;
    QStringList aPaden;
    for (int i = 0; i < nBestanden; ++i)
        aPaden << MaakPlaatje(dir, QStringLiteral("p%1.png").arg(i), "PNG", { 400 + i, 300 }, qRgb(i, i, i));
    std::vector<CPicture> aPics(nElementen);
    for (int i = 0; i < nElementen; ++i)
        aPics[size_t(i)].LoadZonderWachten(aPaden[i % nBestanden]);
    for (int i = nElementen - 1; i >= 0; --i) {
        const QImage* pBeeld = aPics[size_t(i)].Image();
        ASSERT_NE(pBeeld, nullptr);
        EXPECT_EQ(pBeeld->width(), 400 + i % nBestanden);
        EXPECT_EQ(pBeeld, aPics[size_t(i % nBestanden)].Image()) << "one decoded copy per file";
    }
}

// The first bytes name the format, so that only that format's decoder is
// asked; anything else is left to Qt to recognise.
TEST(PictureCache, FormatFromTheFirstBytes)
{
    const std::pair<QByteArray, const char*> aGevallen[] = {
        { QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10), "jpeg" },
        { QByteArray("\x89PNG\r\n\x1A\n\0\0", 10), "png" },
        { "GIF89a", "gif" },
        { "BM\x36\x10", "bmp" },
        { QByteArray("RIFF\x24\0\0\0WEBPVP8 ", 16), "webp" },
        { QByteArray("II*\0", 4), "tiff" },
        { QByteArray("MM\0*", 4), "tiff" },
        { QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), "" }, // a sound, not a picture
        { QByteArray("\xFF\xD8", 2), "" }, // too short to tell
        { "<svg xmlns=", "" },
        { "", "" },
    };
    for (const auto& [kop, szFormaat] : aGevallen)
        EXPECT_EQ(CPictureCache::FormaatVanKop(kop), QByteArray(szFormaat)) << kop.toHex().constData();
}

// Before a large photo is decoded, drawing it small needs only a smaller
// decode: what it gives is the size asked for, with the same content; from
// half of a side up, or for a format that cannot decode smaller, it is the
// whole picture. While the workers are held back nothing decodes by itself.
TEST(Picture, SmallerDecodeUntilTheWholeOneIsThere)
{
    QTemporaryDir dir;
    QImage foto(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < foto.height(); ++y) {
        for (int x = 0; x < foto.width(); ++x)
            foto.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1200, 90));
    }
    const QString strJpg = dir.filePath("foto.jpg");
    ASSERT_TRUE(foto.save(strJpg, "JPEG", 90));
    const QString strPng = dir.filePath("foto.png");
    ASSERT_TRUE(foto.save(strPng, "PNG"));

    struct SHouding {
        SHouding() { CBeeldLading::HoudAchtergrondTegen(); }
        ~SHouding() { CBeeldLading::LaatAchtergrondToe(); }
    } houding;
    struct SGeval {
        const QString* pPad;
        QSize doel, bron;
        QSize verwacht;
    };
    const QSize heel(1600, 1200);
    const SGeval aGevallen[] = {
        { &strJpg, { 400, 300 }, heel, { 400, 300 } },
        { &strJpg, { 200, 150 }, { 800, 600 }, { 400, 300 } }, // a zoomed part: its pixels count
        { &strJpg, { 800, 600 }, heel, { 800, 600 } },
        { &strJpg, { 801, 600 }, heel, heel }, // more than half of a side
        { &strPng, { 400, 300 }, heel, heel },
    };
    for (const auto& g : aGevallen) {
        CPicture pic;
        pic.LoadZonderWachten(*g.pPad);
        EXPECT_EQ(pic.Maat(), heel);
        const auto pBeeld = pic.ImageVoor(g.doel, g.bron);
        ASSERT_TRUE(pBeeld);
        EXPECT_EQ(pBeeld->size(), g.verwacht) << qPrintable(*g.pPad) << " " << g.doel.width();
        // The content is the photo's: the gradient at the same relative place.
        const QRgb mid = pBeeld->pixel(pBeeld->width() * 3 / 4, pBeeld->height() / 4);
        EXPECT_NEAR(qRed(mid), 191, 8);
        EXPECT_NEAR(qGreen(mid), 64, 8);
    }

    CPicture pic;
    pic.LoadZonderWachten(strJpg);
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(pic.ImageVoor({ 400, 300 }, heel)->size(), QSize(400, 300)) << "held back: not decoded meanwhile";
    CBeeldLading::LaatAchtergrondToe();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(pic.ImageVoor({ 400, 300 }, heel)->size(), heel) << "let go: decoded, and used";
    ASSERT_TRUE(pic.Image());
    EXPECT_EQ(pic.ImageVoor({ 400, 300 }, heel).get(), pic.Image());
}
