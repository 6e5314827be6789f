// Packing a project with its files, unpacking it elsewhere, and refusing
// packages that would write outside their folder or are not what they say.
#include "pakket/Pakket.h"

#include "file/ProjectBestand.h"
#include "model/BestandZoeker.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/ZerbantikoDoc.h"
#include "pakket/PdfExport.h"
#include "render/PaginaTekenaar.h"
#include "support/FakeMelder.h"
#include "support/VasteKlok.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zip.h>

namespace {

QByteArray Inhoud(const QString& strPad)
{
    QFile f(strPad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schrijf(const QString& strPad, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(strPad).absolutePath());
    QFile f(strPad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QImage Teken(CZerbantikoDoc& doc, int nPagina)
{
    doc.m_project.m_sizeDoel = { 160, 90 };
    doc.m_project.m_rectMonitor = { 0, 0, 160, 90 };
    CVasteKlok klok;
    CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok);
    QImage beeld(160, 90, QImage::Format_RGB32);
    tekenaar.DrawPage(beeld, *static_cast<CDataItemPagina*>(doc.m_project.GetKind(nPagina)));
    return beeld;
}

// A club's project as it comes from a Windows computer and from this one:
// pictures, a sound and a document by relative, Windows and absolute paths,
// one photo named twice, and commands that are no files.
class Pakket_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        strMap = bron.filePath("Clubavond");
        QImage foto(40, 30, QImage::Format_RGB32);
        foto.fill(qRgb(200, 80, 10));
        QDir().mkpath(strMap + "/Foto's");
        ASSERT_TRUE(foto.save(strMap + "/Foto's/Zon.jpg", "JPG"));
        foto.fill(qRgb(10, 80, 200));
        ASSERT_TRUE(foto.save(strMap + "/zee.png", "PNG"));
        foto.fill(qRgb(10, 200, 80));
        QDir().mkpath(strMap + "/oud");
        ASSERT_TRUE(foto.save(strMap + "/oud/zee.png", "PNG")); // another file of the same name
        Schrijf(strMap + "/Geluid/GONG.WAV", "RIFF....WAVEfmt gong");
        Schrijf(elders.filePath("verslag.txt"), "het verslag");

        doc.SetMelder(&melder);
        doc.NieuwDocument();
        doc.m_project.m_strGong = R"(D:\Club\Geluid\gong.wav)";
        auto pagina = std::make_unique<CDataItemPagina>();
        pagina->m_strNaam = "Welkom";
        pagina->m_strAfbeelding = R"(C:\Users\Piet\Clubavond\Foto's\Zon.JPG)";
        const struct {
            const char* szAfbeelding;
            QString strOpdracht;
        } aItems[] = {
            { "Foto's/Zon.jpg", "@page" }, // the same photo, relative
            { "zee.png", "notepad" }, // a program on the search path
            { R"(C:\Club\oud\zee.png)", elders.filePath("verslag.txt") }, // absolute, here
            { "", "https://club.example/agenda" },
        };
        for (const auto& i : aItems) {
            auto pItem = std::make_unique<CDataItemPaginaItem>();
            pItem->m_strNaam = QString::fromUtf8(i.szAfbeelding);
            pItem->m_strAfbeelding = QString::fromUtf8(i.szAfbeelding);
            pItem->m_strOpdracht = i.strOpdracht;
            pagina->VoegKindToe(std::move(pItem));
        }
        doc.m_project.VoegKindToe(std::move(pagina));
        strProject = strMap + "/Clubavond.zb";
        ASSERT_TRUE(ProjectBestand::Opslaan(doc, strProject).Gelukt());
    }

    QTemporaryDir bron, elders, doel;
    QString strMap, strProject;
    CFakeMelder melder;
    CZerbantikoDoc doc;
};

} // namespace

TEST_F(Pakket_, ARoundTripKeepsTheProjectAndEveryReferenceResolves)
{
    const QString strPakket = bron.filePath("club.zbz");
    const Pakket::SResultaat r = Pakket::Inpakken(strProject, strPakket, false);
    ASSERT_EQ(r.uitkomst, Pakket::Uitkomst::Gelukt) << qPrintable(r.strMelding);
    ASSERT_TRUE(QFile::remove(elders.filePath("verslag.txt"))); // the other computer has none of it
    const QString strUit = doel.filePath("hier");
    const Pakket::SResultaat u = Pakket::Uitpakken(strPakket, strUit, false);
    ASSERT_EQ(u.uitkomst, Pakket::Uitkomst::Gelukt) << qPrintable(u.strMelding);
    EXPECT_EQ(Inhoud(u.strProject), Inhoud(strProject)) << "the project file byte for byte";

    const struct {
        QString strOpgeslagen;
        QByteArray inhoud;
    } aVerwijzingen[] = {
        { R"(C:\Users\Piet\Clubavond\Foto's\Zon.JPG)", Inhoud(strMap + "/Foto's/Zon.jpg") },
        { "Foto's/Zon.jpg", Inhoud(strMap + "/Foto's/Zon.jpg") },
        { "zee.png", Inhoud(strMap + "/zee.png") },
        { R"(C:\Club\oud\zee.png)", Inhoud(strMap + "/oud/zee.png") },
        { R"(D:\Club\Geluid\gong.wav)", "RIFF....WAVEfmt gong" },
        { elders.filePath("verslag.txt"), "het verslag" },
    };
    for (const auto& v : aVerwijzingen)
        EXPECT_EQ(Inhoud(CBestandZoeker::Zoek(v.strOpgeslagen, strUit)), v.inhoud) << qPrintable(v.strOpgeslagen);

    CZerbantikoDoc uitgepakt;
    uitgepakt.SetMelder(&melder);
    uitgepakt.NieuwDocument();
    ASSERT_TRUE(ProjectBestand::Open(uitgepakt, u.strProject).Gelukt());
    CZerbantikoDoc origineel;
    origineel.SetMelder(&melder);
    origineel.NieuwDocument();
    ASSERT_TRUE(ProjectBestand::Open(origineel, strProject).Gelukt());
    EXPECT_EQ(Teken(uitgepakt, 0), Teken(origineel, 0)) << "the page as before, pixel for pixel";

    // The Photo named twice is stored once.
    int nFout = 0;
    zip_t* pZip = zip_open(QFile::encodeName(strPakket).constData(), ZIP_RDONLY, &nFout);
    ASSERT_NE(pZip, nullptr);
    EXPECT_EQ(zip_get_num_entries(pZip, 0), 7) << "project, manifest, photo, two seas, gong, report";
    zip_discard(pZip);
}

TEST_F(Pakket_, MissingFilesAreNamedAndNothingIsWrittenUnlessAllowed)
{
    ASSERT_TRUE(QFile::remove(strMap + "/zee.png"));
    const QString strPakket = bron.filePath("club.zbz");
    Schrijf(strPakket, "het vorige pakket");
    Pakket::SResultaat r = Pakket::Inpakken(strProject, strPakket, false);
    EXPECT_EQ(r.uitkomst, Pakket::Uitkomst::Ontbrekend);
    EXPECT_EQ(r.strMelding, "Niet gevonden:\n  zee.png (Welkom / zee.png)");
    EXPECT_EQ(Inhoud(strPakket), "het vorige pakket");
    r = Pakket::Inpakken(strProject, strPakket, true);
    EXPECT_EQ(r.uitkomst, Pakket::Uitkomst::Gelukt);
    ASSERT_EQ(r.aOntbrekend.size(), 1u);
    EXPECT_EQ(QDir(bron.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "club.zbz" }) << "no leftovers";
}

// A disk that fills up halfway leaves the old package as it was.
TEST_F(Pakket_, ADiskFullHalfwayKeepsTheOldPackage)
{
    QImage groot(600, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 600; ++x)
            groot.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    ASSERT_TRUE(groot.save(strMap + "/zee.png", "PNG"));
    const QString strPakket = bron.filePath("club.zbz");
    Schrijf(strPakket, "het vorige pakket");
    auto inpakkenMetGrens = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim { 64 * 1024, 64 * 1024 };
        setrlimit(RLIMIT_FSIZE, &lim);
        // Without the exit handlers: a leak check in a forked child only
        // sees the parent's threads gone.
        std::_Exit(Pakket::Inpakken(strProject, strPakket, false).uitkomst == Pakket::Uitkomst::Fout ? 0 : 1);
    };
    EXPECT_EXIT(inpakkenMetGrens(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Inhoud(strPakket), "het vorige pakket");
    EXPECT_EQ(QDir(bron.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "club.zbz" });
}

namespace {

struct SIngang {
    QByteArray naam;
    QByteArray data;
    bool bInpakken = false; // deflated; else stored
    mode_t soort = S_IFREG;
};

// A package as a hostile sender makes it: the entries given, and a manifest
// that lists them truthfully unless told otherwise.
void MaakPakket(const QString& strPad, const std::vector<SIngang>& aIngangen, bool bManifestLiegt = false)
{
    QJsonArray a;
    a.append(QJsonObject { { "naam", "p.zb" }, { "grootte", 3 },
        { "sha256", QString::fromLatin1(QCryptographicHash::hash("abc", QCryptographicHash::Sha256).toHex()) } });
    for (const SIngang& i : aIngangen)
        a.append(QJsonObject { { "naam", QString::fromUtf8(i.naam) }, { "grootte", double(i.data.size()) },
            { "sha256",
                QString::fromLatin1(
                    QCryptographicHash::hash(bManifestLiegt ? i.data + "x" : i.data, QCryptographicHash::Sha256)
                        .toHex()) } });
    static QByteArray manifest; // libzip reads the buffers at closing
    manifest = QJsonDocument(QJsonObject { { "project", "p.zb" }, { "ingangen", a } }).toJson();
    int nFout = 0;
    zip_t* pZip = zip_open(QFile::encodeName(strPad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &nFout);
    ASSERT_NE(pZip, nullptr);
    const auto voeg = [pZip](const QByteArray& naam, const QByteArray& data, bool bInpakken, mode_t soort) {
        zip_source_t* p = zip_source_buffer(pZip, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t i = zip_file_add(pZip, naam.constData(), p, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(i, 0) << naam.constData();
        zip_set_file_compression(pZip, zip_uint64_t(i), bInpakken ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
        zip_file_set_external_attributes(pZip, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, zip_uint32_t(soort | 0644) << 16);
    };
    static const QByteArray project = "abc";
    voeg(Pakket::szManifest, manifest, true, S_IFREG);
    voeg("p.zb", project, false, S_IFREG);
    for (const SIngang& i : aIngangen)
        voeg(i.naam, i.data, i.bInpakken, i.soort);
    ASSERT_EQ(zip_close(pZip), 0);
}

} // namespace

TEST(Uitpakken, HostilePackagesAreRefusedAndWriteNothing)
{
    QTemporaryDir dir;
    static std::vector<SIngang> aVeel;
    for (int i = 0; i < 10001; ++i)
        aVeel.push_back({ QByteArray("f") + QByteArray::number(i), "x" });
    const QByteArray nullen(10 * 1024 * 1024, '\0');
    const struct {
        const char* szWat;
        std::vector<SIngang> aIngangen;
        bool bManifestLiegt;
        const char* szMelding;
    } aGevallen[] = {
        { "zip slip", { { "../buiten.txt", "x" } }, false, "onveilige naam" },
        { "deep slip", { { "a/../../buiten.txt", "x" } }, false, "onveilige naam" },
        { "absolute", { { "/tmp/buiten.txt", "x" } }, false, "onveilige naam" },
        { "backslash", { { "..\\buiten.txt", "x" } }, false, "onveilige naam" },
        { "drive", { { "C:buiten.txt", "x" } }, false, "onveilige naam" },
        { "symlink", { { "link", "/etc/passwd", false, S_IFLNK } }, false, "koppeling of apparaat" },
        { "device", { { "apparaat", "", false, S_IFCHR } }, false, "koppeling of apparaat" },
        { "bomb", { { "nullen.bin", nullen, true } }, false, "200 keer" },
        { "checksum", { { "foto.jpg", "de foto" } }, true, "controlegetal" },
        { "10,001 entries", aVeel, false, "meer dan 10000" },
    };
    for (const auto& g : aGevallen) {
        const QString strPakket = dir.filePath("p.zbz");
        MaakPakket(strPakket, g.aIngangen, g.bManifestLiegt);
        const QString strUit = dir.filePath("uit");
        const Pakket::SResultaat r = Pakket::Uitpakken(strPakket, strUit, false);
        EXPECT_EQ(r.uitkomst, Pakket::Uitkomst::Fout) << g.szWat;
        EXPECT_TRUE(r.strMelding.contains(QLatin1String(g.szMelding))) << g.szWat << ": " << qPrintable(r.strMelding);
        EXPECT_FALSE(QFileInfo::exists(strUit)) << g.szWat;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "p.zbz" })
            << g.szWat;
    }

    // Cut short: refused too.
    MaakPakket(dir.filePath("p.zbz"), { { "foto.jpg", QByteArray(5000, 'f') } });
    QByteArray heel = Inhoud(dir.filePath("p.zbz"));
    Schrijf(dir.filePath("p.zbz"), heel.left(heel.size() / 2));
    EXPECT_EQ(Pakket::Uitpakken(dir.filePath("p.zbz"), dir.filePath("uit"), false).uitkomst, Pakket::Uitkomst::Fout);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("uit")));
}

TEST(Uitpakken, AFolderWithFilesIsOverwrittenOnlyWhenAllowed)
{
    QTemporaryDir dir;
    MaakPakket(dir.filePath("p.zbz"), { { "foto.jpg", "nieuw" } });
    Schrijf(dir.filePath("uit/foto.jpg"), "oud");
    EXPECT_EQ(
        Pakket::Uitpakken(dir.filePath("p.zbz"), dir.filePath("uit"), false).uitkomst, Pakket::Uitkomst::MapNietLeeg);
    EXPECT_EQ(Inhoud(dir.filePath("uit/foto.jpg")), "oud");
    EXPECT_EQ(Pakket::Uitpakken(dir.filePath("p.zbz"), dir.filePath("uit"), true).uitkomst, Pakket::Uitkomst::Gelukt);
    EXPECT_EQ(Inhoud(dir.filePath("uit/foto.jpg")), "nieuw");
    EXPECT_EQ(QDir(dir.filePath("uit")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList { "foto.jpg", "p.zb" }))
        << "no working folder left";
}

// Every page in order, in the page's shape, with the names as bookmarks; a
// page as --render draws it (within the PDF's compression).
TEST_F(Pakket_, ThePdfHasEveryPageAsTheShowDrawsIt)
{
    auto pTweede = std::make_unique<CDataItemPagina>();
    pTweede->m_strNaam = "Pauze";
    doc.m_project.VoegKindToe(std::move(pTweede));
    const QString strPdf = doel.filePath("club.pdf");
    CVasteKlok klok;
    QString strFout;
    ASSERT_TRUE(SchrijfPdf(doc.m_project, strPdf, QSize(320, 180), klok, strFout)) << qPrintable(strFout);
    QProcess info;
    info.start("pdfinfo", { strPdf });
    ASSERT_TRUE(info.waitForFinished(10000));
    const QString strInfo = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(strInfo.contains(QRegularExpression("Pages:\\s+2\\n"))) << qPrintable(strInfo);
    EXPECT_TRUE(strInfo.contains(QRegularExpression("Page size:\\s+240 x 135 pts"))) << qPrintable(strInfo);
    QProcess xml;
    xml.start("pdftohtml", { "-q", "-stdout", "-xml", "-i", strPdf });
    ASSERT_TRUE(xml.waitForFinished(10000));
    EXPECT_TRUE(xml.readAllStandardOutput().contains("<item page=\"1\">Welkom</item>\n<item page=\"2\">Pauze</item>"));

    QProcess ppm;
    ppm.start("pdftoppm", { "-r", "96", "-f", "1", "-l", "1", "-png", "-singlefile", strPdf, doel.filePath("p") });
    ASSERT_TRUE(ppm.waitForFinished(10000));
    const QImage pdfBeeld = QImage(doel.filePath("p.png")).convertToFormat(QImage::Format_RGB32);
    const QImage getekend = [&] {
        doc.m_project.m_sizeDoel = { 320, 180 };
        doc.m_project.m_rectMonitor = { 0, 0, 320, 180 };
        CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok);
        QImage b(320, 180, QImage::Format_RGB32);
        tekenaar.DrawPage(b, *static_cast<CDataItemPagina*>(doc.m_project.GetKind(0)));
        return b;
    }();
    ASSERT_EQ(pdfBeeld.size(), getekend.size());
    double dVerschil = 0;
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 320; ++x) {
            const QRgb a = pdfBeeld.pixel(x, y), b = getekend.pixel(x, y);
            dVerschil += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(dVerschil / (320.0 * 180 * 3), 6.0) << "mean difference per channel, of 255";
}
