#include "Instellingen.h"

#include <QFileInfo>
#include <QSettings>

namespace Instellingen {

namespace {

constexpr int nMaxRecent = 10;

QSettings Opslag()
{
    return QSettings(QStringLiteral("Morvek"), QStringLiteral("Zerbantiko"));
}

void BewaarRecent(const QStringList& a)
{
    QSettings s = Opslag();
    s.beginGroup(QStringLiteral("Recent File List"));
    s.remove(QString());
    for (int i = 0; i < a.size(); ++i)
        s.setValue(QStringLiteral("File%1").arg(i + 1), a[i]);
    s.endGroup();
}

} // namespace

int BoomBreedte()
{
    QSettings s = Opslag();
    const int n = s.value(QStringLiteral("Schermindeling/CxCur"), 200).toInt();
    return n >= 101 ? n : 100;
}

void BewaarBoomBreedte(int nBreedte)
{
    QSettings s = Opslag();
    s.setValue(QStringLiteral("Schermindeling/CxCur"), nBreedte);
    s.setValue(QStringLiteral("Schermindeling/CyCur"), 0);
}

QStringList RecenteBestanden()
{
    QSettings s = Opslag();
    QStringList a;
    for (int i = 1; i <= nMaxRecent; ++i) {
        const QString strPad = s.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!strPad.isEmpty())
            a << strPad;
    }
    return a;
}

QStringList VoegRecentToe(const QString& strPad)
{
    const QString strVol = QFileInfo(strPad).absoluteFilePath();
    QStringList a = RecenteBestanden();
    a.removeAll(strVol);
    a.prepend(strVol);
    while (a.size() > nMaxRecent)
        a.removeLast();
    BewaarRecent(a);
    return a;
}

void VerwijderRecent(const QString& strPad)
{
    QStringList a = RecenteBestanden();
    a.removeAll(strPad);
    BewaarRecent(a);
}

QSet<int> VerborgenKnoppen()
{
    QSet<int> s;
    for (const QVariant& v : Opslag().value(QStringLiteral("Werkbalk/Verborgen")).toList())
        s.insert(v.toInt());
    return s;
}

void BewaarVerborgenKnoppen(const QSet<int>& verborgen)
{
    QVariantList a;
    for (int n : verborgen)
        a << n;
    Opslag().setValue(QStringLiteral("Werkbalk/Verborgen"), a);
}

QString GeluidsApparaat()
{
    return Opslag().value(QStringLiteral("Geluid/Apparaat")).toString();
}

void BewaarGeluidsApparaat(const QString& strApparaat)
{
    Opslag().setValue(QStringLiteral("Geluid/Apparaat"), strApparaat);
}

} // namespace Instellingen
