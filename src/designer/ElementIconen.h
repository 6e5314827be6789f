#pragma once

#include <QIcon>

class CDataItemBasis;

// The small pictures of the project's elements, as the project tree and the
// lists of the property dialogs show them.
namespace ElementIconen {

enum : int { Project = 0, Pagina = 1, Tekst = 2, Afbeelding = 3, Kleurvlak = 4, Aantal = 5 };

QIcon Icoon(int n);
// The picture of that element: project, page, or its item type.
int Voor(const CDataItemBasis& element);

} // namespace ElementIconen
