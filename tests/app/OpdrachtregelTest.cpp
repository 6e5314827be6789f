#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SUitvoer {
    int nCode;
    QByteArray out;
    QByteArray err;
};

SUitvoer Start(const QStringList& args, const QProcessEnvironment& omgeving = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(omgeving);
    p.start(QStringLiteral(ZB_EXE), args);
    EXPECT_TRUE(p.waitForFinished(20000));
    return { p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError() };
}

} // namespace

// On a terminal without any display, as a new user tries it.
TEST(Opdrachtregel, AnswersWithoutADisplay)
{
    QProcessEnvironment zonder = QProcessEnvironment::systemEnvironment();
    for (const char* szNaam : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        zonder.remove(szNaam);
    const QString strVoorbeeld = QStringLiteral(ZB_VOORBEELD_MAP "/Clubavond.zb");
    QTemporaryDir dir;
    zonder.insert("XDG_RUNTIME_DIR", dir.path()); // as a login session has it
    struct {
        QStringList args;
        int nStatus;
        const char* szStdout; // its first line; null: nothing; empty: anything
        const char* szStderr;
    } const aGevallen[] = {
        { { "--help" }, 0, "Gebruik: zerbantiko [PROJECT.zb]", nullptr },
        { { "-h" }, 0, "Gebruik: zerbantiko [PROJECT.zb]", nullptr },
        { { "--version" }, 0, "Zerbantiko 2.0.1.72", nullptr },
        { { "--bestaat-niet" }, 2, nullptr, "Onbekende optie: --bestaat-niet. Zie zerbantiko --help." },
        { { "--render" }, 2, nullptr, "Na --render ontbreekt een waarde. Zie zerbantiko --help." },
        { { "--render", strVoorbeeld, "--page", "0" }, 2, nullptr,
            "Gebruik: zerbantiko --render PROJECT.zb --page N --size BxH --out pagina.png [--designer]" },
        { { "--render", strVoorbeeld, "--page", "0", "--size", "64x36", "--out", dir.filePath("p.png") }, 0, nullptr,
            nullptr },
        { { "--dump", dir.filePath("nergens.zb") }, 1, nullptr, "" },
        { { "--pack", strVoorbeeld, dir.filePath("club.zbz") }, 0, nullptr, nullptr },
        { { "--pack", QStringLiteral(ZB_VOORBEELD_MAP "/Clubavond (Windows).zb"), dir.filePath("win.zbz") }, 0, nullptr,
            nullptr },
        { { "--pack", strVoorbeeld }, 2, nullptr,
            "Gebruik: zerbantiko --pack PROJECT.zb PAKKET.zbz [--allow-missing]" },
        { { "--unpack", dir.filePath("club.zbz"), dir.filePath("uit") }, 0, "", nullptr },
        { { "--unpack", dir.filePath("club.zbz"), dir.filePath("uit") }, 1, nullptr, "" }, // not into files
        { { "--pdf", strVoorbeeld, dir.filePath("club.pdf"), "--size", "320x180" }, 0, nullptr, nullptr },
        { { "--pdf", strVoorbeeld, dir.filePath("c.pdf"), "--allow-missing" }, 2, nullptr,
            "Gebruik: zerbantiko --pdf PROJECT.zb UIT.pdf [--size BxH]" },
        { {}, 1, nullptr,
            "Zerbantiko kan de editor niet openen: er is geen beeldscherm (DISPLAY of WAYLAND_DISPLAY)." },
        { { strVoorbeeld }, 1, nullptr,
            "Zerbantiko kan de editor niet openen: er is geen beeldscherm (DISPLAY of WAYLAND_DISPLAY)." },
    };
    for (const auto& g : aGevallen) {
        const QString strWat = g.args.join(' ');
        const SUitvoer u = Start(g.args, zonder);
        EXPECT_EQ(u.nCode, g.nStatus) << qPrintable(strWat) << u.err.constData();
        if (g.szStdout && !*g.szStdout) {
            EXPECT_FALSE(u.out.isEmpty()) << qPrintable(strWat);
        } else if (g.szStdout) {
            EXPECT_EQ(u.out.split('\n').value(0), g.szStdout) << qPrintable(strWat);
        } else {
            EXPECT_TRUE(u.out.isEmpty()) << qPrintable(strWat);
        }
        if (!g.szStderr) {
            EXPECT_TRUE(u.err.isEmpty()) << qPrintable(strWat) << u.err.constData();
        } else if (*g.szStderr) {
            EXPECT_EQ(u.err, QByteArray(g.szStderr) + '\n') << qPrintable(strWat);
        }
    }
    EXPECT_EQ(QImage(dir.filePath("p.png")).size(), QSize(64, 36));
}

TEST(Dump, PrintsEveryRecordInFileOrder)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.m_project.m_strNaam = QString::fromUtf8("Clubavond \"Zomer\" €");
    doc.OnPaginaInvoegen();
    doc.OnTekstInvoegen();
    doc.GetGeselecteerd()->m_dAnkerX = 12.5;
    const QString strPad = dir.filePath("avond.zb");
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());

    const SUitvoer u = Start({ "--dump", strPad });
    ASSERT_EQ(u.nCode, 0) << u.err.constData();
    QJsonParseError fout;
    const QJsonDocument json = QJsonDocument::fromJson(u.out, &fout);
    ASSERT_EQ(fout.error, QJsonParseError::NoError) << qPrintable(fout.errorString());
    EXPECT_EQ(json["header"].toString(), "Zerbantiko 002.000.001.072");
    const QJsonArray records = json["records"].toArray();
    ASSERT_EQ(records.size(), 9);
    EXPECT_EQ(records[0]["record"].toString(), "project");
    EXPECT_EQ(records[0]["m_strNaam"].toString(), QString::fromUtf8("Clubavond \"Zomer\" €"));
    EXPECT_EQ(records[8]["record"].toString(), "sjabloonitem 4");
    const QJsonObject item = records[0]["m_aKinderen"][0]["m_aKinderen"][0].toObject();
    EXPECT_EQ(item["klasse"].toString(), "CDataItemPaginaItem");
    EXPECT_EQ(item["m_strNaam"].toString(), "<nieuwe tekst>");
    EXPECT_EQ(item["m_dAnkerX"].toDouble(), 12.5);
    EXPECT_EQ(item["m_rectMonitor"].toArray().size(), 4);
    EXPECT_EQ(item.size(), 75) << "class, 73 fields and the child list";

    // The fields stand in the file's order.
    const qsizetype nSoort = u.out.indexOf("\"m_nSoort\"");
    const qsizetype nNummer = u.out.indexOf("\"m_nNummer\"");
    const qsizetype nTonen = u.out.indexOf("\"m_bInternTonen\"");
    const qsizetype nKinderen = u.out.indexOf("\"m_aKinderen\"");
    EXPECT_LT(nSoort, nNummer);
    EXPECT_LT(nNummer, nTonen);
    EXPECT_LT(nTonen, nKinderen);
}

TEST(Dump, UnreadableFileFails)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("kapot.zb"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x1aZerbantiko 002.000.001.072\x01");
    f.close();
    const SUitvoer u = Start({ "--dump", f.fileName() });
    EXPECT_NE(u.nCode, 0);
    EXPECT_TRUE(u.out.isEmpty());
    EXPECT_EQ(u.err.trimmed(), QStringLiteral("Attempted to access %1 past its end.").arg(f.fileName()).toUtf8());

    const SUitvoer weg = Start({ "--dump", dir.filePath("nergens.zb") });
    EXPECT_NE(weg.nCode, 0);
    EXPECT_TRUE(weg.err.contains("nergens.zb"));
}

TEST(Render, DrawsThePageAtTheAskedSize)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.OnPaginaInvoegen();
    doc.GetGeselecteerd()->m_clrKleurvlak = RGB(0, 128, 255);
    doc.OnKleurvlakInvoegen();
    CDataItemBasis* pVlak = doc.GetGeselecteerd();
    pVlak->m_clrKleurvlak = RGB(255, 255, 0);
    const QString strPad = dir.filePath("p.zb");
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());

    const QString strUit = dir.filePath("p.png");
    const SUitvoer u = Start({ "--render", strPad, "--page", "0", "--size", "320x180", "--out", strUit });
    ASSERT_EQ(u.nCode, 0) << u.err.constData();
    QImage beeld(strUit);
    ASSERT_EQ(beeld.size(), QSize(320, 180));
    EXPECT_EQ(beeld.pixel(2, 2) & 0xFFFFFF, 0x0080FFu) << "page colour";
    EXPECT_EQ(beeld.pixel(160, 90) & 0xFFFFFF, 0xFFFF00u) << "the colour area at the centre";

    struct SGeval {
        QStringList args;
        int nCode;
        const char* szMelding;
    };
    const SGeval aFout[] = {
        { { "--render", strPad, "--page", "1", "--size", "320x180", "--out", strUit }, 1, "geen pagina 1" },
        { { "--render", dir.filePath("weg.zb"), "--page", "0", "--size", "320x180", "--out", strUit }, 1, "weg.zb" },
        { { "--render", strPad, "--page", "0", "--size", "groot", "--out", strUit }, 2, "Gebruik" },
        { { "--render", strPad, "--page", "0", "--size", "0x10", "--out", strUit }, 2, "Ongeldige afmeting" },
    };
    for (const SGeval& g : aFout) {
        const SUitvoer f = Start(g.args);
        EXPECT_EQ(f.nCode, g.nCode) << g.szMelding;
        EXPECT_TRUE(f.err.contains(g.szMelding)) << f.err.constData();
    }
}

TEST(Render, TheDesignerPictureHasTheDesignersMarks)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.OnPaginaInvoegen();
    doc.GetGeselecteerd()->m_clrKleurvlak = RGB(0, 128, 255);
    doc.OnKleurvlakInvoegen(); // anchored in the middle of the page
    doc.GetGeselecteerd()->m_clrKleurvlak = RGB(255, 255, 0);
    const QString strPad = dir.filePath("p.zb");
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());

    auto teken = [&](const QString& strUit, bool bOntwerp) {
        QStringList args { "--render", strPad, "--page", "0", "--size", "320x180", "--out", strUit };
        if (bOntwerp)
            args << "--designer";
        EXPECT_EQ(Start(args).nCode, 0);
        return QImage(strUit);
    };
    const QImage show = teken(dir.filePath("show.png"), false);
    const QImage ontwerp = teken(dir.filePath("ontwerp.png"), true);
    // The anchor at (160, 90): black centre, white square of half size 3.
    EXPECT_EQ(show.pixel(158, 88) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(ontwerp.pixel(158, 88) & 0xFFFFFF, 0xFFFFFFu) << "the white anchor mark";
    EXPECT_EQ(ontwerp.pixel(160, 90) & 0xFFFFFF, 0x000000u) << "its black centre";
}

TEST(Render, TheExampleFromAWindowsComputerLooksTheSame)
{
    // The example project and its copy whose every path is a Windows path
    // (C:\Documenten\Clubavond\ZONSONDERGANG.JPG) to a folder that is not
    // here, both taken with their pictures to a folder of their own. Their
    // clock and date texts are fixed, so that both draw the same moment.
    const QDir voorbeeld(QStringLiteral(ZB_VOORBEELD_MAP));
    QTemporaryDir dir;
    for (const QString& strPlaatje : voorbeeld.entryList({ "*.jpg", "*.png" }, QDir::Files))
        ASSERT_TRUE(QFile::copy(voorbeeld.filePath(strPlaatje), dir.filePath(strPlaatje)));
    const char* aNamen[] = { "Clubavond.zb", "Clubavond (Windows).zb" };
    for (const char* szNaam : aNamen) {
        CZerbantikoDoc doc;
        ASSERT_TRUE(ProjectBestand::Open(doc, voorbeeld.filePath(szNaam)).Gelukt());
        for (const auto& pPagina : doc.m_project.Kinderen()) {
            for (const auto& pItem : pPagina->Kinderen()) {
                if (pItem->m_strNaam.contains(u'['))
                    pItem->m_strNaam = QStringLiteral("vast");
            }
        }
        ASSERT_TRUE(ProjectBestand::Opslaan(doc, dir.filePath(szNaam)).Gelukt());
    }

    for (int nPagina = 0; nPagina < 6; ++nPagina) {
        QImage a[2];
        for (int i = 0; i < 2; ++i) {
            const QString strUit = dir.filePath(QStringLiteral("%1.png").arg(i));
            const SUitvoer u = Start({ "--render", dir.filePath(aNamen[i]), "--page", QString::number(nPagina),
                "--size", "480x270", "--out", strUit });
            ASSERT_EQ(u.nCode, 0) << u.err.constData();
            a[i] = QImage(strUit);
        }
        EXPECT_EQ(a[0], a[1]) << "page " << nPagina;
        if (nPagina == 2) {
            EXPECT_NE(a[1].pixel(85, 150) & 0xFFFFFF, 0x202020u) << "the tulips are drawn, not the grey page";
        }
    }
}

// A package is not written while files are missing, unless allowed; then
// they are named.
TEST(Inpakken, MissingFilesGiveStatusThreeUnlessAllowed)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.OnPaginaInvoegen();
    doc.GetGeselecteerd()->m_strAfbeelding = R"(C:\Club\weg.jpg)";
    const QString strPad = dir.filePath("p.zb");
    ASSERT_TRUE(ProjectBestand::Opslaan(doc, strPad).Gelukt());
    const QString strPakket = dir.filePath("p.zbz");
    const SUitvoer zonder = Start({ "--pack", strPad, strPakket });
    EXPECT_EQ(zonder.nCode, 3);
    EXPECT_TRUE(zonder.err.startsWith("Niet gevonden:\n  C:\\Club\\weg.jpg")) << zonder.err.constData();
    EXPECT_FALSE(QFileInfo::exists(strPakket));
    const SUitvoer toch = Start({ "--pack", strPad, strPakket, "--allow-missing" });
    EXPECT_EQ(toch.nCode, 0);
    EXPECT_TRUE(toch.err.contains("C:\\Club\\weg.jpg")) << toch.err.constData();
    EXPECT_TRUE(QFileInfo::exists(strPakket));
}

// The program alone, without its modules beside it or installed: packing
// says why it cannot, writes nothing, and the rest still works.
TEST(Inpakken, WithoutItsModuleSaysSoAndWritesNothing)
{
    QTemporaryDir dir;
    const QString strExe = dir.filePath("zerbantiko");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZB_EXE), strExe));
    const QString strPakket = dir.filePath("club.zbz");
    QProcess p;
    p.start(strExe, { "--pack", QStringLiteral(ZB_VOORBEELD_MAP "/Clubavond.zb"), strPakket });
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("de module zerbantiko-zip.so ontbreekt"));
    EXPECT_FALSE(QFileInfo::exists(strPakket));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "zerbantiko" });
    p.start(strExe, { "--version" });
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
}
