#include "Tooltips.h"

namespace {

// Tooltips of the controls every property dialog may hold.
constexpr CVeldenDialoog::STooltip aTooltips[] = {
    { "naam", "Voer hier de naam (identificatie) van deze pagina van het project in" },
    { "aantekeningen", "Hier kunt u een toelichting of aantekening voor uzelf invullen" },
    { "achtergrondKleur", "Selecteer de kleur voor de achtergrond" },
    { "vlakKleur", "Selecteer de kleur voor de achtergrond" },
    { "vlakDekking", "Geef aan hoe sterk de bedekking van de achtergrond met deze effen kleur moet zijn (0 - 100%)" },
    { "kleurlaagDekking",
        "Geef aan hoe sterk de bedekking van de achtergrond met deze effen kleur moet zijn (0 - 100%)" },
    { "randDekking", "Geef aan hoe sterk de bedekking van de achtergrond met deze effen kleur moet zijn (0 - 100%)" },
    { "kiesAfbeelding", "Kies de afbeelding die u als achtergrond voor deze pagina wilt gebruiken" },
    { "wisAfbeelding", "Maak de selectie van de achtergrondafbeelding ongedaan" },
    { "manierVanTonen", "Selecteer hoe de achtergrondafbeelding in de pagina getoond moet worden" },
    { "kleurlaagKleur", "Selecteer de kleur om als kleurfilter over de afbeelding heen te tonen" },
    { "randKleur",
        "Selecteer de kleur die gebruikt moet worden voor de selectie-indicatie (bij gebruik van "
        "presenter/toetsenbord)" },
    { "randbreedte",
        "Geef aan hoe groot/dik de indicatie moet zijn voor de selectie-indicatie (bij gebruik van "
        "presenter/toetsenbord)" },
    { "clipping", "Geeft aan of er items buiten de afbeelding getoond en gebruikt mogen worden" },
    { "klikgebieden",
        "Geef aan of de klikbare gebieden met een kader getoond moeten worden in het presentatiescherm en het "
        "voorbeeldvenster" },
    { "ankerpunten", "Geef aan of de ankerpunten van de items in het voorbeeldvenster getoond moeten worden" },
    { "selectiePositie",
        "Seelcteer de positie waar de selectie-indicatie (bij gebruik van presenter/toetsenbord) getoond moet "
        "worden" },
    { "monitor", "Selecteer de monitor waar het presentatiescherm getoond moet worden" },
    { "doelformaat", "Selecteer de resolutie waar het programma mee moet rekenen" },
    { "presentatiegedrag", "Selecteer de gewenste werking van het presentatiescherm" },
    { "kiesGong", "Selecteer een bestand om als \"gong\" te gebruiken" },
    { "startGong", "Start de weeergave van de \"gong\"" },
    { "stopGong", "Stop de weergave van de \"gong\"" },
    { "wisGong", "Maak de selectie van het gekozen bestand voor de \"gong\" ongedaan" },
    { "toetsenbord",
        "Geef aan of u gebruik wilt kunnen maken van een presenter of toetsenbord bij de bediening van het "
        "presentatiescherm" },
    { "autoVolgende", "Geef aan of in het presentatiescherm automatisch het volgende item geselecteerd moet worden" },
    { "presenter", "Selecteer aan welk type presenter u gebruikt en hoe Zerbantiko daarop moet reageren" },
};

} // namespace

std::span<const CVeldenDialoog::STooltip> Tooltips()
{
    return aTooltips;
}
