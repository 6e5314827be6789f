#include "BestandZoeker.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Names in a folder that are equal but for letter case: the exact one
// first, else the first in the folder's sorted order.
QString NaamInMap(const QDir& map, const QString& strNaam)
{
    if (QFileInfo::exists(map.filePath(strNaam)))
        return strNaam;
    const QStringList aNamen
        = map.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& strKandidaat : aNamen) {
        if (strKandidaat.compare(strNaam, Qt::CaseInsensitive) == 0)
            return strKandidaat;
    }
    return {};
}

// The components followed one by one from the folder, each by its exact
// name or else without regard to case.
QString VolgDelen(const QString& strMap, const QStringList& aDelen)
{
    QDir map(strMap);
    for (qsizetype i = 0; i < aDelen.size(); ++i) {
        const QString strNaam = NaamInMap(map, aDelen[i]);
        if (strNaam.isEmpty())
            return {};
        const QString strPad = map.filePath(strNaam);
        if (i + 1 == aDelen.size())
            return QFileInfo(strPad).absoluteFilePath();
        if (!QFileInfo(strPad).isDir())
            return {};
        map.setPath(strPad);
    }
    return {};
}

QStringList Delen(const QString& strPad)
{
    static const QRegularExpression scheiding(QStringLiteral("[\\\\/]"));
    QStringList aDelen;
    for (const QString& strDeel : strPad.split(scheiding, Qt::SkipEmptyParts)) {
        if (strDeel != QLatin1String("."))
            aDelen << strDeel;
    }
    return aDelen;
}

// The path's ever shorter tails under the folder, the longest first.
QString ZoekStaarten(const QString& strMap, const QStringList& aDelen)
{
    for (qsizetype i = 0; i < aDelen.size(); ++i) {
        const QString strGevonden = VolgDelen(strMap, aDelen.mid(i));
        if (!strGevonden.isEmpty())
            return strGevonden;
    }
    return {};
}

} // namespace

bool CBestandZoeker::IsWindowsPad(const QString& strPad)
{
    static const QRegularExpression station(QStringLiteral("^[A-Za-z]:"));
    return strPad.contains(u'\\') || station.match(strPad).hasMatch();
}

QString CBestandZoeker::Zoek(const QString& strOpgeslagen, const QString& strMap)
{
    if (strOpgeslagen.isEmpty())
        return {};
    const bool bWindows = IsWindowsPad(strOpgeslagen);
    if (!bWindows) {
        const bool bRelatief = QDir::isRelativePath(strOpgeslagen);
        const QString strPad = bRelatief && !strMap.isEmpty() ? QDir(strMap).filePath(strOpgeslagen) : strOpgeslagen;
        if (QFileInfo::exists(strPad))
            return QFileInfo(strPad).absoluteFilePath();
        if (strMap.isEmpty())
            return {};
        // An absolute path of another computer (a project carried over, or
        // unpacked from a package) is looked for as a Windows path is.
        if (!bRelatief)
            return ZoekStaarten(strMap, Delen(strOpgeslagen));
        return VolgDelen(strMap, Delen(strOpgeslagen));
    }
    if (strMap.isEmpty())
        return {};
    QString strZonderStation = strOpgeslagen;
    static const QRegularExpression station(QStringLiteral("^[A-Za-z]:"));
    strZonderStation.remove(station);
    return ZoekStaarten(strMap, Delen(strZonderStation));
}

void CBestandZoeker::SetProjectMap(const QString& strMap)
{
    m_strMap = strMap;
    m_gevonden.clear();
}

QString CBestandZoeker::Zoek(const QString& strOpgeslagen) const
{
    if (const auto it = m_gevonden.constFind(strOpgeslagen); it != m_gevonden.constEnd()) {
        // A file found stays found while it exists; a miss is looked for
        // again after a while, so a file copied in later is seen.
        if (it->strPad.isEmpty() ? !it->herhaal.hasExpired() : QFileInfo::exists(it->strPad))
            return it->strPad;
    }
    const QString strGevonden = Zoek(strOpgeslagen, m_strMap);
    m_gevonden.insert(strOpgeslagen, { strGevonden, QDeadlineTimer(m_nMisMs) });
    return strGevonden;
}
