#pragma once

// The numbers the document sends with every change to its views.
namespace Hint {
enum : int {
    Uiterlijk = 0, // appearance changed; with no element: everything changed (new or opened project)
    Stijl = 1,
    Naam = 2,
    SelectieBoom = 3,
    Kinderen = 4,
    Paginas = 5,
    Toegevoegd = 6, // whole tree rebuilt
    AnderePagina = 9,
    SelectieOntwerp = 10,
    SelectieIndicator = 11,
    ItemToegevoegd = 12,
    PositieGrootte = 20,
    Monitor = 50,
};
} // namespace Hint
