#include "Teksten.h"

#include <QHash>

namespace Tekst {

namespace {

struct SRegel {
    int nId;
    const char* szTekst; // UTF-8
};

// clang-format off
const SRegel g_aTeksten[] = {
    {1, "<nieuw project>"},
    {2, "<nieuwe pagina>"},
    {3, "<nieuwe tekst>"},
    {4, "<nieuwe afbeelding>"},
    {5, "<nieuw kleurvlak>"},
    {6, "<nieuw pagina-item>"},
    {12, "<formaat van de monitor>"},
    {17, "Kopiëren"},
    {18, "Knippen"},
    {19, "Plakken"},
    {20, "Verwijderen"},
    {21, "Eigenschappen"},
    {22, "Pagina invoegen"},
    {24, "Tekst invoegen"},
    {25, "Afbeelding invoegen"},
    {26, "Kleurvlak invoegen"},
    {29, "DataItemBasis"},
    {30, "project"},
    {31, "pagina"},
    {34, "kleurvlak"},
    {35, "tekst"},
    {36, "afbeelding"},
    {106, "automatisch (hoofdbeeldscherm, maximaal gevuld)"},
    {109, "versie %d.%d.%d build %d"},
    {110, "zondag"}, {111, "maandag"}, {112, "dinsdag"}, {113, "woensdag"},
    {114, "donderdag"}, {115, "vrijdag"}, {116, "zaterdag"},
    {117, "januari"}, {118, "februari"}, {119, "maart"}, {120, "april"},
    {121, "mei"}, {122, "juni"}, {123, "juli"}, {124, "augustus"},
    {125, "september"}, {126, "oktober"}, {127, "november"}, {128, "december"},
    {129, "AM"}, {130, "PM"}, {131, "VM"}, {132, "NM"},
    {133, "am"}, {134, "pm"}, {135, "vm"}, {136, "nm"},
    {192, "Weet u zeker dat u pagina\n\n%s\n\nuit het proejct wilt verwijderen?"},
    {193, "Weet u zeker dat u item \n\n%s\n\nvan deze pagina  wilt verwijderen?"},
};
// clang-format on

} // namespace

QString Laad(int nId)
{
    static const QHash<int, QString> tabel = [] {
        QHash<int, QString> h;
        for (const SRegel& r : g_aTeksten)
            h.insert(r.nId, QString::fromUtf8(r.szTekst));
        return h;
    }();
    return tabel.value(nId);
}

QString GeheugenTekort(const QString& strKlasse)
{
    return QStringLiteral("Onvoeldoende geheugen bij maken kopie van %1, programam wordt afgesloten!").arg(strKlasse);
}

QString GeenItemSoort()
{
    return QStringLiteral("geen tekst, afbeelding of keurvlak actief");
}

} // namespace Tekst
