#pragma once

// What the small integer fields of an element mean. The fields keep their
// integer types, as the project file holds them; code compares and sets them
// through these names.

// m_nSoort: which kind of element a record is.
namespace Soort {
enum : int { Project = 1, Pagina = 2, Item = 3 };
} // namespace Soort

// m_nItemSoort: what a page item shows.
namespace ItemSoort {
enum : int { Tekst = 0, Afbeelding = 1, Kleurvlak = 2 };
} // namespace ItemSoort

// m_nAnkerH (left, middle, right) and m_nAnkerV (top, middle, bottom): where
// the anchor sits on the item.
namespace Uitlijning {
enum : int { Begin = 0, Midden = 1, Eind = 2 };
} // namespace Uitlijning

// m_nManierVanTonen: how a picture fills its rectangle.
namespace Manier {
enum : int { Passend = 0, Uitrekken = 1, Zoomen = 2 };
} // namespace Manier

// Bits of m_nVorm: a square or circle keeps equal sides; an ellipse or circle is round.
namespace Vorm {
enum : int { GelijkeZijden = 1, Ellips = 2 };
} // namespace Vorm

// m_nKleurvlakMaat: how far a colour band reaches.
namespace BandMaat {
enum : int { Eigen = 0, VolleBreedte = 1, VolleHoogte = 2 };
} // namespace BandMaat

// m_nSelectiePositie: on which side of an item the selection indicator lies.
namespace Zijde {
enum : int { Links = 0, Boven = 1, Rechts = 2, Onder = 3 };
} // namespace Zijde
