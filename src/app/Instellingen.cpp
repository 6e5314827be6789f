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
    const QStringList aWas = RecenteBestanden();
    QStringList a = aWas;
    a.removeAll(strVol);
    a.prepend(strVol);
    while (a.size() > nMaxRecent)
        a.removeLast();
    // Opening the last project again changes nothing worth writing.
    if (a != aWas)
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

SAfstandInstelling Afstand()
{
    QSettings s = Opslag();
    SAfstandInstelling instelling;
    instelling.bAan = s.value(QStringLiteral("Afstandsbediening/Aan"), false).toBool();
    instelling.strInterface = s.value(QStringLiteral("Afstandsbediening/Interface")).toString();
    instelling.nPoort = s.value(QStringLiteral("Afstandsbediening/Poort"), instelling.nPoort).toInt();
    return instelling;
}

void BewaarAfstand(const SAfstandInstelling& instelling)
{
    QSettings s = Opslag();
    s.setValue(QStringLiteral("Afstandsbediening/Aan"), instelling.bAan);
    s.setValue(QStringLiteral("Afstandsbediening/Interface"), instelling.strInterface);
    s.setValue(QStringLiteral("Afstandsbediening/Poort"), instelling.nPoort);
}

QList<CKoppeling::SApparaat> AfstandApparaten()
{
    QSettings s = Opslag();
    QList<CKoppeling::SApparaat> a;
    const int n = s.beginReadArray(QStringLiteral("Afstandsbediening/Apparaten"));
    for (int i = 0; i < n; ++i) {
        s.setArrayIndex(i);
        CKoppeling::SApparaat apparaat { s.value(QStringLiteral("Naam")).toString(),
            s.value(QStringLiteral("Sleutel")).toByteArray(), s.value(QStringLiteral("Gekoppeld")).toDateTime() };
        if (!apparaat.hash.isEmpty())
            a.append(apparaat);
    }
    s.endArray();
    return a;
}

void BewaarAfstandApparaten(const QList<CKoppeling::SApparaat>& aApparaten)
{
    QSettings s = Opslag();
    s.remove(QStringLiteral("Afstandsbediening/Apparaten"));
    s.beginWriteArray(QStringLiteral("Afstandsbediening/Apparaten"), int(aApparaten.size()));
    for (int i = 0; i < aApparaten.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("Naam"), aApparaten[i].strNaam);
        // The token's hash only: the settings hold nothing that opens the remote.
        s.setValue(QStringLiteral("Sleutel"), aApparaten[i].hash);
        s.setValue(QStringLiteral("Gekoppeld"), aApparaten[i].gekoppeld);
    }
    s.endArray();
}

} // namespace Instellingen
