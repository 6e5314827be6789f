#include "Pakket.h"

#include "Sha256.h"
#include "ZipFuncties.h"
#include "file/ProjectBestand.h"
#include "model/ProjectInhoud.h"
#include "model/Versie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStorageInfo>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace Pakket {

namespace {

const QString strGeenZipModule
    = QStringLiteral("Inpakken en uitpakken kunnen niet: de module zerbantiko-zip.so ontbreekt.");

// Only called once the public functions below found the module.
const SZipFuncties& Zip()
{
    return *ZipFuncties();
}

constexpr qint64 nBlok = 1 << 20;
constexpr qint64 nMaxProjectBytes = 256ll * 1024 * 1024;
constexpr zip_int64_t nMaxIngangen = 10000;
constexpr qint64 nMaxTotaal = 8ll * 1024 * 1024 * 1024;
constexpr double dMaxVerhouding = 200.0;

SResultaat Fout(const QString& strMelding, Uitkomst uitkomst = Uitkomst::Fout)
{
    SResultaat r;
    r.uitkomst = uitkomst;
    r.strMelding = strMelding;
    return r;
}

struct SIngang {
    QString strNaam;
    QString strBestand;
    QStringList aPaden;
    qint64 nGrootte = 0;
    QByteArray sha256; // hex
};

// Reads the file once for its SHA-256 and size.
bool Hash(const QString& strBestand, qint64& nGrootte, QByteArray& hex)
{
    QFile f(strBestand);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    CSha256 hash;
    nGrootte = 0;
    QByteArray blok;
    while (!(blok = f.read(nBlok)).isEmpty()) {
        hash.Voeg(blok);
        nGrootte += blok.size();
    }
    if (f.error() != QFileDevice::NoError)
        return false;
    hex = hash.Hex();
    return true;
}

// The progress and cancelling of libzip's writing, in bytes.
struct SVoortgang {
    const Voortgang* pVoortgang = nullptr;
    qint64 nTotaal = 0;
    bool bGestopt = false;
};

void MeldVoortgang(zip_t*, double d, void* p)
{
    auto* v = static_cast<SVoortgang*>(p);
    if (*v->pVoortgang && !(*v->pVoortgang)(qint64(d * double(v->nTotaal)), v->nTotaal))
        v->bGestopt = true;
}

int Annuleer(zip_t*, void* p)
{
    return static_cast<SVoortgang*>(p)->bGestopt ? 1 : 0;
}

bool Synchroniseer(const QString& strPad)
{
    const int fd = ::open(QFile::encodeName(strPad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool bGoed = ::fsync(fd) == 0;
    ::close(fd);
    return bGoed;
}

// A name from a package that stays inside the folder it is unpacked in.
bool IsVeiligeNaam(const QString& strNaam)
{
    if (strNaam.isEmpty() || strNaam.size() > 1024 || strNaam.startsWith(u'/') || strNaam.contains(u'\\')
        || strNaam.contains(u':'))
        return false;
    for (const QChar c : strNaam) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    QString str = strNaam;
    if (str.endsWith(u'/'))
        str.chop(1);
    for (const QString& strDeel : str.split(u'/')) {
        if (strDeel.isEmpty() || strDeel == QLatin1String(".") || strDeel == QLatin1String(".."))
            return false;
    }
    return true;
}

bool IsLeeg(const QString& strMap)
{
    return QDir(strMap).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
}

class CZip {
public:
    explicit CZip(zip_t* p)
        : m_p(p)
    {
    }
    ~CZip()
    {
        if (m_p)
            Zip().zip_discard(m_p);
    }
    CZip(const CZip&) = delete;
    CZip& operator=(const CZip&) = delete;
    zip_t* get() const { return m_p; }
    zip_t* release() { return std::exchange(m_p, nullptr); }

private:
    zip_t* m_p;
};

QString ZipFout(int nCode)
{
    zip_error_t fout;
    Zip().zip_error_init_with_code(&fout, nCode);
    const QString str = QString::fromLocal8Bit(Zip().zip_error_strerror(&fout));
    Zip().zip_error_fini(&fout);
    return str;
}

} // namespace

std::vector<SReferentie> SOnderzoek::Ontbrekend() const
{
    std::vector<SReferentie> a;
    for (const SReferentie& r : aReferenties) {
        if (r.strIngang.isEmpty())
            a.push_back(r);
    }
    return a;
}

QString OntbrekendTekst(const std::vector<SReferentie>& aOntbrekend)
{
    QString str = QStringLiteral("Niet gevonden:");
    for (const SReferentie& r : aOntbrekend)
        str += QStringLiteral("\n  %1 (%2)").arg(r.strOpgeslagen, r.strElement);
    return str;
}

namespace {

// The project file's bytes and what they name, placed.
SOnderzoek Lees(const QString& strProject, QByteArray& data)
{
    SOnderzoek o;
    QFile f(strProject);
    if (!QFileInfo(strProject).isFile() || !f.open(QIODevice::ReadOnly)) {
        o.strMelding = QStringLiteral("Het project %1 kan niet worden gelezen.").arg(strProject);
        return o;
    }
    data = f.read(nMaxProjectBytes + 1);
    auto pInhoud = std::make_unique<CProjectInhoud>();
    ProjectBestand::SLeesOpties opties;
    opties.bAfbeeldingenLaden = false;
    const CBestandsResultaat r = ProjectBestand::Lees(QByteArrayView(data), strProject, *pInhoud, opties);
    if (data.size() > nMaxProjectBytes || !r.Gelukt()) {
        o.strMelding = r.Gelukt() ? QStringLiteral("Het project %1 is te groot.").arg(strProject) : r.strMelding;
        return o;
    }
    const QFileInfo info(strProject);
    o.aReferenties = VerzamelReferenties(*pInhoud, info.absolutePath());
    PlaatsIngangen(o.aReferenties, { info.fileName(), QString::fromLatin1(szManifest) });
    return o;
}

} // namespace

SOnderzoek Onderzoek(const QString& strProject)
{
    QByteArray data;
    return Lees(strProject, data);
}

SResultaat Inpakken(
    const QString& strProject, const QString& strDoel, bool bZonderOntbrekende, const Voortgang& voortgang)
{
    if (!ZipFuncties())
        return Fout(strGeenZipModule);
    QByteArray project;
    const SOnderzoek onderzoek = Lees(strProject, project);
    if (!onderzoek.strMelding.isEmpty())
        return Fout(onderzoek.strMelding);
    SResultaat r;
    r.aOntbrekend = onderzoek.Ontbrekend();
    if (!r.aOntbrekend.empty() && !bZonderOntbrekende) {
        r.uitkomst = Uitkomst::Ontbrekend;
        r.strMelding = OntbrekendTekst(r.aOntbrekend);
        return r;
    }

    // Each place once, with every stored path that leads there.
    QMap<QString, SIngang> ingangen;
    for (const SReferentie& ref : onderzoek.aReferenties) {
        if (ref.strIngang.isEmpty())
            continue;
        SIngang& ingang = ingangen[ref.strIngang];
        ingang.strNaam = ref.strIngang;
        ingang.strBestand = ref.strBestand;
        ingang.aPaden << ref.strOpgeslagen;
    }
    // The files are read for their SHA-256 on all cores at once, a file each.
    {
        std::vector<SIngang*> aWacht;
        for (SIngang& ingang : ingangen)
            aWacht.push_back(&ingang);
        std::atomic<size_t> nVolgende { 0 };
        std::atomic<bool> bMislukt { false };
        const auto werk = [&] {
            for (size_t i = nVolgende++; i < aWacht.size() && !bMislukt; i = nVolgende++) {
                if (!Hash(aWacht[i]->strBestand, aWacht[i]->nGrootte, aWacht[i]->sha256))
                    bMislukt = true;
            }
        };
        std::vector<std::future<void>> aWerkers;
        for (int i = 1; i < std::max(1, QThread::idealThreadCount()); ++i)
            aWerkers.push_back(std::async(std::launch::async, werk));
        werk();
        for (auto& w : aWerkers)
            w.get();
    }
    qint64 nTotaal = project.size();
    for (const SIngang& ingang : ingangen) {
        if (ingang.sha256.isEmpty())
            return Fout(QStringLiteral("%1 kan niet worden gelezen.").arg(ingang.strBestand));
        nTotaal += ingang.nGrootte;
    }

    const QFileInfo projectInfo(strProject);
    QJsonArray aManifest;
    aManifest.append(QJsonObject { { "naam", projectInfo.fileName() }, { "paden", QJsonArray() },
        { "grootte", double(project.size()) }, { "sha256", QString::fromLatin1(CSha256::Hex(project)) } });
    for (const SIngang& ingang : ingangen)
        aManifest.append(
            QJsonObject { { "naam", ingang.strNaam }, { "paden", QJsonArray::fromStringList(ingang.aPaden) },
                { "grootte", double(ingang.nGrootte) }, { "sha256", QString::fromLatin1(ingang.sha256) } });
    const QByteArray manifest = QJsonDocument(
        QJsonObject { { "programma", Versie::Naam() }, { "project", projectInfo.fileName() },
            { "ingangen",
                aManifest } }).toJson();

    const QFileInfo doelInfo(strDoel);
    const QString strDeel = doelInfo.absoluteDir().filePath(
        QStringLiteral(".%1.%2.deel").arg(doelInfo.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(8)));
    int nFout = 0;
    CZip zip(Zip().zip_open(QFile::encodeName(strDeel).constData(), ZIP_CREATE | ZIP_EXCL, &nFout));
    if (!zip.get())
        return Fout(QStringLiteral("Het pakket %1 kan niet worden geschreven: %2").arg(strDoel, ZipFout(nFout)));
    const auto voeg = [&zip](const QString& strNaam, zip_source_t* pBron, bool bOpslaan) {
        if (!pBron)
            return false;
        const zip_int64_t i = Zip().zip_file_add(zip.get(), strNaam.toUtf8().constData(), pBron, ZIP_FL_ENC_UTF_8);
        if (i < 0) {
            Zip().zip_source_free(pBron);
            return false;
        }
        // Pictures and sounds are compressed already: stored as they are.
        return Zip().zip_set_file_compression(zip.get(), zip_uint64_t(i), bOpslaan ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0)
            == 0;
    };
    bool bGoed = voeg(projectInfo.fileName(),
                     Zip().zip_source_buffer(zip.get(), project.constData(), zip_uint64_t(project.size()), 0), false)
        && voeg(QString::fromLatin1(szManifest),
            Zip().zip_source_buffer(zip.get(), manifest.constData(), zip_uint64_t(manifest.size()), 0), false);
    for (const SIngang& ingang : ingangen) {
        if (!bGoed)
            break;
        bGoed = voeg(ingang.strNaam,
            Zip().zip_source_file(zip.get(), QFile::encodeName(ingang.strBestand).constData(), 0, ingang.nGrootte),
            true);
    }
    if (!bGoed)
        return Fout(QStringLiteral("Het pakket %1 kan niet worden geschreven: %2")
                        .arg(strDoel, QString::fromLocal8Bit(Zip().zip_strerror(zip.get()))));

    SVoortgang stand { &voortgang, nTotaal, false };
    Zip().zip_register_progress_callback_with_state(zip.get(), 0.001, MeldVoortgang, nullptr, &stand);
    Zip().zip_register_cancel_callback_with_state(zip.get(), Annuleer, nullptr, &stand);
    if (Zip().zip_close(zip.get()) != 0) {
        const QString strReden = QString::fromLocal8Bit(Zip().zip_strerror(zip.get()));
        QFile::remove(strDeel);
        if (stand.bGestopt)
            return Fout(QStringLiteral("Inpakken geannuleerd."), Uitkomst::Geannuleerd);
        return Fout(QStringLiteral("Het pakket %1 kan niet worden geschreven: %2").arg(strDoel, strReden));
    }
    zip.release();
    if (!Synchroniseer(strDeel)
        || std::rename(QFile::encodeName(strDeel).constData(), QFile::encodeName(strDoel).constData()) != 0) {
        QFile::remove(strDeel);
        return Fout(QStringLiteral("Het pakket %1 kan niet worden geschreven.").arg(strDoel));
    }
    r.uitkomst = Uitkomst::Gelukt;
    return r;
}

namespace {

struct SManifest {
    QString strProject;
    QHash<QString, QPair<qint64, QByteArray>> ingangen; // name: size and SHA-256
};

// The manifest, read from the package; false when it is not there or not
// one of ours.
bool LeesManifest(zip_t* pZip, SManifest& m)
{
    const zip_int64_t i = Zip().zip_name_locate(pZip, szManifest, 0);
    zip_stat_t st;
    if (i < 0 || Zip().zip_stat_index(pZip, zip_uint64_t(i), 0, &st) != 0 || st.size > 16 * 1024 * 1024)
        return false;
    zip_file_t* pBestand = Zip().zip_fopen_index(pZip, zip_uint64_t(i), 0);
    if (!pBestand)
        return false;
    QByteArray data(qsizetype(st.size), Qt::Uninitialized);
    const zip_int64_t n = Zip().zip_fread(pBestand, data.data(), st.size);
    Zip().zip_fclose(pBestand);
    if (n != zip_int64_t(st.size))
        return false;
    const QJsonObject o = QJsonDocument::fromJson(data).object();
    m.strProject = o.value(QLatin1String("project")).toString();
    if (!IsVeiligeNaam(m.strProject) || m.strProject.contains(u'/'))
        return false;
    for (const QJsonValue v : o.value(QLatin1String("ingangen")).toArray()) {
        const QJsonObject ingang = v.toObject();
        const QString strNaam = ingang.value(QLatin1String("naam")).toString();
        const double dGrootte = ingang.value(QLatin1String("grootte")).toDouble(-1);
        const QByteArray sha = ingang.value(QLatin1String("sha256")).toString().toLatin1();
        // The names are judged where the entries are: a manifest may name
        // anything, but only what the package holds is written.
        if (strNaam.isEmpty() || dGrootte < 0 || sha.size() != 64)
            return false;
        m.ingangen.insert(strNaam, { qint64(dGrootte), sha });
    }
    return m.ingangen.contains(m.strProject);
}

const QString strBeschadigd = QStringLiteral("Het pakket %1 is beschadigd of onvolledig");

} // namespace

QString ProjectNaam(const QString& strPakket)
{
    if (!ZipFuncties())
        return {};
    int nFout = 0;
    CZip zip(Zip().zip_open(QFile::encodeName(strPakket).constData(), ZIP_RDONLY, &nFout));
    SManifest m;
    if (!zip.get() || !LeesManifest(zip.get(), m))
        return {};
    return QFileInfo(m.strProject).completeBaseName();
}

SResultaat Uitpakken(const QString& strPakket, const QString& strMap, bool bOverschrijven, const Voortgang& voortgang)
{
    if (!ZipFuncties())
        return Fout(strGeenZipModule);
    int nFout = 0;
    CZip zip(Zip().zip_open(QFile::encodeName(strPakket).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &nFout));
    if (!zip.get())
        return Fout(strBeschadigd.arg(strPakket) + QStringLiteral(": %1.").arg(ZipFout(nFout)));
    const zip_int64_t nIngangen = Zip().zip_get_num_entries(zip.get(), 0);
    if (nIngangen > nMaxIngangen)
        return Fout(QStringLiteral("Het pakket %1 heeft meer dan %2 bestanden; het wordt niet uitgepakt.")
                        .arg(strPakket)
                        .arg(nMaxIngangen));
    SManifest manifest;
    if (!LeesManifest(zip.get(), manifest))
        return Fout(QStringLiteral("%1 is geen Zerbantiko-pakket (de inhoudsopgave ontbreekt of is onleesbaar).")
                        .arg(strPakket));

    // Everything is checked before anything is written.
    struct SUit {
        zip_uint64_t i;
        QString strNaam;
        qint64 nGrootte;
    };
    std::vector<SUit> aUit;
    qint64 nTotaal = 0;
    QSet<QString> gezien;
    for (zip_int64_t i = 0; i < nIngangen; ++i) {
        zip_stat_t st;
        if (Zip().zip_stat_index(zip.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)
            || !(st.valid & ZIP_STAT_SIZE) || !(st.valid & ZIP_STAT_COMP_SIZE))
            return Fout(strBeschadigd.arg(strPakket) + u'.');
        const QString strNaam = QString::fromUtf8(st.name);
        if (!IsVeiligeNaam(strNaam))
            return Fout(QStringLiteral("Het pakket %1 bevat een onveilige naam (%2); het wordt niet uitgepakt.")
                            .arg(strPakket, strNaam));
        zip_uint8_t nSysteem = 0;
        zip_uint32_t nKenmerken = 0;
        if (Zip().zip_file_get_external_attributes(zip.get(), zip_uint64_t(i), 0, &nSysteem, &nKenmerken) == 0
            && nSysteem == ZIP_OPSYS_UNIX) {
            const mode_t soort = mode_t(nKenmerken >> 16) & S_IFMT;
            if (soort != 0 && soort != S_IFREG && soort != S_IFDIR)
                return Fout(QStringLiteral("Het pakket %1 bevat een koppeling of apparaat (%2); het wordt niet "
                                           "uitgepakt.")
                                .arg(strPakket, strNaam));
        }
        if (strNaam.endsWith(u'/') || strNaam == QLatin1String(szManifest))
            continue;
        if (double(st.size) > dMaxVerhouding * double(std::max<zip_uint64_t>(st.comp_size, 1)))
            return Fout(QStringLiteral("Het pakket %1 bevat een bestand dat meer dan 200 keer uitzet (%2); het "
                                       "wordt niet uitgepakt.")
                            .arg(strPakket, strNaam));
        const auto it = manifest.ingangen.constFind(strNaam);
        if (it == manifest.ingangen.constEnd() || it->first != qint64(st.size)
            || gezien.contains(strNaam.toCaseFolded()))
            return Fout(
                strBeschadigd.arg(strPakket) + QStringLiteral(": %1 klopt niet met de inhoudsopgave.").arg(strNaam));
        gezien.insert(strNaam.toCaseFolded());
        nTotaal += qint64(st.size);
        aUit.push_back({ zip_uint64_t(i), strNaam, qint64(st.size) });
    }
    if (qsizetype(aUit.size()) != manifest.ingangen.size())
        return Fout(strBeschadigd.arg(strPakket) + QStringLiteral(": er ontbreken bestanden."));
    if (nTotaal > nMaxTotaal)
        return Fout(
            QStringLiteral("Het pakket %1 is uitgepakt groter dan 8 GB; het wordt niet uitgepakt.").arg(strPakket));

    const bool bMapBestond = QFileInfo(strMap).isDir();
    if (bMapBestond && !IsLeeg(strMap) && !bOverschrijven)
        return Fout(QStringLiteral("De map %1 bevat al bestanden.").arg(strMap), Uitkomst::MapNietLeeg);
    if (!QDir().mkpath(strMap))
        return Fout(QStringLiteral("De map %1 kan niet worden gemaakt.").arg(strMap));
    const QString strEchteMap = QFileInfo(strMap).canonicalFilePath();
    if (QStorageInfo(strEchteMap).bytesAvailable() < nTotaal) {
        if (!bMapBestond)
            QDir(strMap).removeRecursively();
        return Fout(QStringLiteral("Er is niet genoeg vrije ruimte voor het pakket %1 in %2.").arg(strPakket, strMap));
    }

    // Into a hidden folder inside the chosen one first; only when every
    // entry is there and checks out, everything moves into its place.
    const QString strWerk
        = QDir(strEchteMap)
              .filePath(
                  QStringLiteral(".zerbantiko-uitpakken-%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(8)));
    const auto ruimOp = [&] {
        QDir(strWerk).removeRecursively();
        if (!bMapBestond)
            QDir(strMap).removeRecursively();
    };
    qint64 nGedaan = 0;
    QByteArray blok(nBlok, Qt::Uninitialized);
    for (const SUit& uit : aUit) {
        const QString strPad = QDir(strWerk).filePath(uit.strNaam);
        if (!QDir().mkpath(QFileInfo(strPad).absolutePath())) {
            ruimOp();
            return Fout(QStringLiteral("%1 kan niet worden geschreven.").arg(strPad));
        }
        QFile doel(strPad);
        zip_file_t* pBron = Zip().zip_fopen_index(zip.get(), uit.i, 0);
        if (!pBron || !doel.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (pBron)
                Zip().zip_fclose(pBron);
            ruimOp();
            return Fout(pBron ? QStringLiteral("%1 kan niet worden geschreven.").arg(strPad)
                              : strBeschadigd.arg(strPakket) + u'.');
        }
        CSha256 hash;
        qint64 nGelezen = 0;
        bool bGoed = true;
        zip_int64_t n = 0;
        while ((n = Zip().zip_fread(pBron, blok.data(), zip_uint64_t(blok.size()))) > 0) {
            hash.Voeg(QByteArrayView(blok.constData(), qsizetype(n)));
            nGelezen += n;
            if (nGelezen > uit.nGrootte || doel.write(blok.constData(), n) != n) {
                bGoed = false;
                break;
            }
            nGedaan += n;
            if (voortgang && !voortgang(nGedaan, nTotaal)) {
                Zip().zip_fclose(pBron);
                doel.close();
                ruimOp();
                return Fout(QStringLiteral("Uitpakken geannuleerd."), Uitkomst::Geannuleerd);
            }
        }
        Zip().zip_fclose(pBron);
        doel.close();
        if (!bGoed && doel.error() != QFileDevice::NoError) {
            ruimOp();
            return Fout(QStringLiteral("%1 kan niet worden geschreven: %2").arg(strPad, doel.errorString()));
        }
        if (n < 0 || !bGoed || nGelezen != uit.nGrootte || hash.Hex() != manifest.ingangen.value(uit.strNaam).second) {
            ruimOp();
            return Fout(strBeschadigd.arg(strPakket)
                + QStringLiteral(": %1 klopt niet met zijn controlegetal.").arg(uit.strNaam));
        }
    }
    for (const SUit& uit : aUit) {
        const QString strDoel = QDir(strEchteMap).filePath(uit.strNaam);
        const QString strOuder = QFileInfo(strDoel).absolutePath();
        // A folder in the way that leads elsewhere (a link that was there
        // already) is not followed.
        if (!QDir().mkpath(strOuder) || !QFileInfo(strOuder).canonicalFilePath().startsWith(strEchteMap)
            || QFileInfo(strDoel).isSymLink()
            || std::rename(QFile::encodeName(QDir(strWerk).filePath(uit.strNaam)).constData(),
                   QFile::encodeName(strDoel).constData())
                != 0) {
            QDir(strWerk).removeRecursively();
            return Fout(QStringLiteral("%1 kan niet worden geschreven.").arg(strDoel));
        }
    }
    QDir(strWerk).removeRecursively();
    SResultaat r;
    r.uitkomst = Uitkomst::Gelukt;
    r.strProject = QDir(strEchteMap).filePath(manifest.strProject);
    return r;
}

} // namespace Pakket
