#pragma once

// The command ids of the menus, the toolbar, the accelerators and the tree's
// context menu. Settings store toolbar buttons by these numbers.
namespace Opdracht {
enum : int {
    Nieuw = 57600,
    Open = 57601,
    Opslaan = 57603,
    OpslaanAls = 57604,
    Afdrukinstelling = 57606,
    Afdrukken = 57607,
    Afdrukvoorbeeld = 57609,
    Kopieren = 57634,
    Knippen = 57635,
    Plakken = 57637,
    Ongedaan = 57643,
    Opnieuw = 57644,
    Over = 57664,
    Afsluiten = 57665,
    VolgendVenster = 57680,
    VorigVenster = 57681,
    Kleurvlak = 32778,
    Afbeelding = 32779,
    Tekst = 32780,
    Pagina = 32784,
    Gong = 32785,
    ShowStart = 32786,
    GeenOpdracht = 32787, // bound to Ctrl+Shift+G; nothing handles it
    ShowStop = 32788,
    Verwijderen = 32795,
    Eigenschappen = 32796,
    // Our own, beyond the original's.
    Repetitie = 32900,
    Overzicht = 32901,
    Inpakken = 32902,
    PdfExporteren = 32903,
    Afstandsbediening = 32904,
    Werkbalk = 59392,
    Statusbalk = 59393,
};
} // namespace Opdracht
