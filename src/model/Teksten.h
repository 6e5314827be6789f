#pragma once

#include <QString>

// The program's own Dutch texts, looked up by their resource number so that
// the places that use them read like the tables they come from.
namespace Tekst {

enum : int {
    NieuwProject = 1,
    NieuwePagina = 2,
    NieuweTekst = 3,
    NieuweAfbeelding = 4,
    NieuwKleurvlak = 5,
    NieuwPaginaItem = 6,
    SoortBasis = 29,
    SoortProject = 30,
    SoortPagina = 31,
    SoortKleurvlak = 34,
    SoortTekst = 35,
    SoortAfbeelding = 36,
    VersieRegel = 109,
    VraagVerwijderPagina = 192,
    VraagVerwijderItem = 193,
};

// Empty for a number that has no text.
QString Laad(int nId);

// "Onvoeldoende geheugen bij maken kopie van <klasse>, programam wordt afgesloten!"
QString GeheugenTekort(const QString& strKlasse);

// Shown by the properties command for an item whose type is none of the three.
QString GeenItemSoort();

} // namespace Tekst
