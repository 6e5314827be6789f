#include "Herstel.h"

#include "file/ProjectBestand.h"
#include "model/IMelder.h"
#include "model/ProjectInhoud.h"
#include "model/ZerbantikoDoc.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QUuid>

namespace {

constexpr int nPeriodeMs = 2 * 60 * 1000;
constexpr int nRustMs = 10 * 1000;

QString Pad(const QString& strMap, const QString& strNaam, const char* szExtensie)
{
    return QDir(strMap).filePath(strNaam + QLatin1String(szExtensie));
}

// Written whole or not at all; false on any failure.
bool SchrijfAtomair(const QString& strPad, const QByteArray& data)
{
    QSaveFile f(strPad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace

CHerstel::CHerstel(CZerbantikoDoc& doc, const QString& strMap, QObject* pOuder)
    : QObject(pOuder)
    , m_doc(doc)
    , m_strMap(strMap)
    , m_strNaam(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_periodiek.setInterval(nPeriodeMs);
    m_rust.setInterval(nRustMs);
    m_rust.setSingleShot(true);
    connect(&m_periodiek, &QTimer::timeout, this, &CHerstel::SchrijfNu);
    connect(&m_rust, &QTimer::timeout, this, &CHerstel::SchrijfNu);
    connect(&m_doc, &CZerbantikoDoc::modifiedChanged, this, &CHerstel::ModifiedGewijzigd);
    connect(&m_doc.Undo(), &QUndoStack::indexChanged, this, &CHerstel::Veranderd);
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CHerstel::Veranderd);
}

CHerstel::~CHerstel()
{
    WachtOpSchrijven();
    Verwijder();
}

QString CHerstel::StandaardMap()
{
    QString strState = qEnvironmentVariable("XDG_STATE_HOME");
    if (strState.isEmpty() || QDir::isRelativePath(strState))
        strState = QDir::homePath() + QStringLiteral("/.local/state");
    return strState + QStringLiteral("/zerbantiko/herstel");
}

QString CHerstel::Kopie() const
{
    return m_bKopieBestaat ? Pad(m_strMap, m_strNaam, ".zb") : QString();
}

void CHerstel::ModifiedGewijzigd(bool bModified)
{
    if (!bModified) {
        // Saved, or a new or other project: this copy has nothing left to keep.
        m_periodiek.stop();
        m_rust.stop();
        m_bGeschrevenSindsOpslaan = false;
        WachtOpSchrijven();
        Verwijder();
        return;
    }
    if (!m_periodiek.isActive())
        m_periodiek.start();
    Veranderd();
}

void CHerstel::Veranderd()
{
    // The first copy after a save comes after ten seconds without a change.
    if (m_doc.IsModified() && !m_bGeschrevenSindsOpslaan)
        m_rust.start();
}

void CHerstel::SchrijfNu()
{
    if (!m_doc.IsModified())
        return;
    WachtOpSchrijven();
    if (!m_pSlot) {
        if (!QDir().mkpath(m_strMap))
            return;
        m_pSlot = std::make_unique<QLockFile>(Pad(m_strMap, m_strNaam, ".lock"));
        m_pSlot->setStaleLockTime(0); // held as long as this program runs
        if (!m_pSlot->tryLock(0)) {
            m_pSlot.reset();
            return;
        }
    }
    // The project is copied here, at once (its texts shared, not copied);
    // encoding it and the disk are the worker's.
    std::shared_ptr<const CProjectInhoud> pKopie = ProjectBestand::Momentopname(m_doc);
    QJsonObject kop;
    kop.insert(QStringLiteral("pad"), m_doc.GetPathName());
    kop.insert(QStringLiteral("titel"), m_doc.GetTitle());
    kop.insert(QStringLiteral("gewijzigd"), QDateTime::currentDateTime().toString(Qt::ISODate));
    QByteArray json = QJsonDocument(kop).toJson();
    const QString strZb = Pad(m_strMap, m_strNaam, ".zb");
    const QString strJson = Pad(m_strMap, m_strNaam, ".json");
    m_schrijven = std::async(std::launch::async, [strZb, strJson, pKopie = std::move(pKopie), json = std::move(json)] {
        if (SchrijfAtomair(strZb, ProjectBestand::Schrijf(*pKopie)))
            SchrijfAtomair(strJson, json);
    });
    m_bKopieBestaat = true;
    m_bGeschrevenSindsOpslaan = true;
}

void CHerstel::WachtOpSchrijven()
{
    if (m_schrijven.valid())
        m_schrijven.wait();
}

void CHerstel::Verwijder()
{
    if (m_bKopieBestaat) {
        QFile::remove(Pad(m_strMap, m_strNaam, ".zb"));
        QFile::remove(Pad(m_strMap, m_strNaam, ".json"));
        m_bKopieBestaat = false;
    }
    if (m_pSlot) {
        m_pSlot->unlock(); // removes the lock file
        m_pSlot.reset();
    }
}

bool CHerstel::BiedAan(IMelder& melder)
{
    const QDir map(m_strMap);
    const QStringList aKopieen = map.entryList({ QStringLiteral("*.zb") }, QDir::Files, QDir::Time);
    for (const QString& strBestand : aKopieen) {
        const QString strNaam = QFileInfo(strBestand).completeBaseName();
        if (strNaam == m_strNaam)
            continue;
        // A copy whose program still runs is that program's.
        QLockFile slot(Pad(m_strMap, strNaam, ".lock"));
        slot.setStaleLockTime(0);
        if (!slot.tryLock(0))
            continue;
        const QString strZb = Pad(m_strMap, strNaam, ".zb");
        QFile json(Pad(m_strMap, strNaam, ".json"));
        QJsonObject kop;
        if (json.open(QIODevice::ReadOnly))
            kop = QJsonDocument::fromJson(json.readAll()).object();
        json.close();
        const QString strPad = kop.value(QStringLiteral("pad")).toString();
        QString strTitel = kop.value(QStringLiteral("titel")).toString();
        if (strTitel.isEmpty())
            strTitel = strPad.isEmpty() ? QStringLiteral("<nieuw project>") : QFileInfo(strPad).fileName();
        const QDateTime tijd = QFileInfo(strZb).lastModified();
        const int nKeuze
            = melder.Kies(QStringLiteral("Zerbantiko is niet goed afgesloten. Herstellen: %1 (gewijzigd om %2)?")
                              .arg(strTitel, tijd.toString(QStringLiteral("HH:mm"))),
                { QStringLiteral("Herstellen"), QStringLiteral("Weggooien"), QStringLiteral("Later") });
        if (nKeuze == 1) {
            QFile::remove(strZb);
            QFile::remove(json.fileName());
            continue; // the lock goes with the slot
        }
        if (nKeuze != 0)
            continue;
        QFile f(strZb);
        auto pInhoud = std::make_unique<CProjectInhoud>();
        CBestandsResultaat r;
        if (!f.open(QIODevice::ReadOnly)) {
            r.strMelding = f.errorString();
        } else {
            // Read as the project's own file would be: its pictures from its folder.
            r = ProjectBestand::Lees(f.readAll(), strPad.isEmpty() ? strZb : strPad, *pInhoud);
        }
        if (!r.Gelukt() || !f.isOpen()) {
            melder.Meld(QStringLiteral("De herstelkopie van %1 kan niet worden gelezen (%2). Ze blijft bewaard in %3.")
                            .arg(strTitel, r.strMelding, QDir::toNativeSeparators(m_strMap)));
            continue;
        }
        m_doc.NeemOver(*pInhoud, strPad);
        m_doc.SetTitle(strTitel);
        // Modified, however far undo goes back: the user's file is older.
        m_doc.Undo().resetClean();
        m_doc.SetModifiedFlag(true);
        SchrijfNu(); // this program's own copy takes over
        WachtOpSchrijven();
        QFile::remove(strZb);
        QFile::remove(json.fileName());
        return true;
    }
    return false;
}
