#include "Referenties.h"

#include "model/BestandZoeker.h"
#include "model/FileKind.h"
#include "model/ProjectInhoud.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

// A command names a file when it looks like one: a path, a picture or a
// sound; a bare word is a program on the search path, and "@..." a command.
bool IsBestandsOpdracht(const QString& strOpdracht)
{
    if (strOpdracht.isEmpty() || strOpdracht.startsWith(u'@') || strOpdracht.contains(QLatin1String("://")))
        return false;
    return strOpdracht.contains(u'/') || strOpdracht.contains(u'\\') || IsImageFile(strOpdracht)
        || IsSoundFile(strOpdracht) || strOpdracht.contains(u'.');
}

class CVerzamelaar {
public:
    CVerzamelaar(std::vector<SReferentie>& aUit, const QString& strMap)
        : m_aUit(aUit)
        , m_strMap(strMap)
    {
    }

    void Voeg(const QString& strOpgeslagen, const QString& strElement)
    {
        if (strOpgeslagen.isEmpty() || m_gezien.contains(strOpgeslagen))
            return;
        m_gezien.insert(strOpgeslagen);
        m_aUit.push_back({ strOpgeslagen, strElement, CBestandZoeker::Zoek(strOpgeslagen, m_strMap), {} });
    }

    void Element(const CDataItemBasis& e, const QString& strWie)
    {
        Voeg(e.m_strAfbeelding, strWie);
        if (IsBestandsOpdracht(e.m_strOpdracht))
            Voeg(e.m_strOpdracht, strWie);
        for (const auto& pKind : e.Kinderen())
            Element(*pKind, QStringLiteral("%1 / %2").arg(strWie, pKind->m_strNaam));
    }

private:
    std::vector<SReferentie>& m_aUit;
    QString m_strMap;
    QSet<QString> m_gezien;
};

QStringList Delen(const QString& strPad)
{
    static const QRegularExpression scheiding(QStringLiteral("[\\\\/]"));
    static const QRegularExpression station(QStringLiteral("^[A-Za-z]:"));
    QString str = strPad;
    str.remove(station);
    QStringList aDelen;
    for (const QString& strDeel : str.split(scheiding, Qt::SkipEmptyParts)) {
        if (strDeel != QLatin1String("."))
            aDelen << strDeel;
    }
    return aDelen;
}

} // namespace

std::vector<SReferentie> VerzamelReferenties(const CProjectInhoud& inhoud, const QString& strProjectMap)
{
    std::vector<SReferentie> aUit;
    CVerzamelaar verzamelaar(aUit, strProjectMap);
    verzamelaar.Voeg(inhoud.project.m_strGong, QStringLiteral("project (gong)"));
    for (const auto& pPagina : inhoud.project.Kinderen())
        verzamelaar.Element(*pPagina, pPagina->m_strNaam);
    for (const auto& pagina : inhoud.aSjabloonPagina)
        verzamelaar.Element(pagina, QStringLiteral("sjabloon %1").arg(pagina.m_strNaam));
    for (const auto& item : inhoud.aSjabloonItem)
        verzamelaar.Element(item, QStringLiteral("sjabloon %1").arg(item.m_strNaam));
    return aUit;
}

void PlaatsIngangen(std::vector<SReferentie>& aReferenties, const QStringList& aBezet)
{
    // Places by their case-folded name: the file that holds each, and the
    // place's own spelling.
    QHash<QString, QPair<QString, QString>> bezet;
    for (const QString& str : aBezet)
        bezet.insert(str.toCaseFolded(), { QString(), str });
    const auto vrij = [&bezet](const QString& strIngang, const QString& strBestand) {
        const auto it = bezet.constFind(strIngang.toCaseFolded());
        return it == bezet.constEnd() || (!strBestand.isEmpty() && it->first == strBestand);
    };
    const auto neem = [&bezet](const QString& strIngang, const QString& strBestand) {
        if (!bezet.contains(strIngang.toCaseFolded()))
            bezet.insert(strIngang.toCaseFolded(), { strBestand, strIngang });
        return bezet.value(strIngang.toCaseFolded()).second;
    };

    // Relative paths first: they can go nowhere else.
    for (SReferentie& r : aReferenties) {
        if (r.strBestand.isEmpty() || CBestandZoeker::IsWindowsPad(r.strOpgeslagen)
            || QDir::isAbsolutePath(r.strOpgeslagen))
            continue;
        const QStringList aDelen = Delen(r.strOpgeslagen);
        if (aDelen.isEmpty() || aDelen.contains(QLatin1String("..")))
            continue;
        // The resolver found it by this path under the folder, perhaps in
        // another letter case: the place keeps the stored spelling.
        const QString strIngang = aDelen.join(u'/');
        if (vrij(strIngang, r.strBestand))
            r.strIngang = neem(strIngang, r.strBestand);
    }
    // Then the others, each at its shortest tail that is its own. A tail
    // also claims its longer tails for this file: the resolver tries those
    // first, and must not find another file there.
    std::vector<QStringList> aStaarten(aReferenties.size());
    for (size_t i = 0; i < aReferenties.size(); ++i) {
        const SReferentie& r = aReferenties[i];
        if (!r.strBestand.isEmpty() && r.strIngang.isEmpty()
            && (CBestandZoeker::IsWindowsPad(r.strOpgeslagen) || QDir::isAbsolutePath(r.strOpgeslagen)))
            aStaarten[i] = Delen(r.strOpgeslagen);
    }
    // A tail shared by two different files belongs to neither; the files
    // placed by their relative paths take part, as the resolver would find
    // them by their tails too.
    QHash<QString, QSet<QString>> gedeeld;
    for (size_t i = 0; i < aReferenties.size(); ++i) {
        const QStringList aDelen
            = aReferenties[i].strIngang.isEmpty() ? aStaarten[i] : aReferenties[i].strIngang.split(u'/');
        for (qsizetype n = 1; n <= aDelen.size(); ++n)
            gedeeld[aDelen.mid(aDelen.size() - n).join(u'/').toCaseFolded()].insert(aReferenties[i].strBestand);
    }
    for (size_t i = 0; i < aReferenties.size(); ++i) {
        SReferentie& r = aReferenties[i];
        const QStringList& aDelen = aStaarten[i];
        // Where the same file is placed already, when that is one of its
        // tails: stored once.
        for (qsizetype n = 1; n <= aDelen.size() && r.strIngang.isEmpty(); ++n) {
            const QString strIngang = aDelen.mid(aDelen.size() - n).join(u'/');
            if (gedeeld.value(strIngang.toCaseFolded()).size() == 1
                && bezet.value(strIngang.toCaseFolded()).first == r.strBestand)
                r.strIngang = bezet.value(strIngang.toCaseFolded()).second;
        }
        for (qsizetype n = 1; n <= aDelen.size() && r.strIngang.isEmpty(); ++n) {
            const QString strIngang = aDelen.mid(aDelen.size() - n).join(u'/');
            if (gedeeld.value(strIngang.toCaseFolded()).size() == 1 && vrij(strIngang, r.strBestand)) {
                r.strIngang = neem(strIngang, r.strBestand);
                break;
            }
        }
    }
}
