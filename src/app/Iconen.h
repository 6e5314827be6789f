#pragma once

#include <QIcon>

// The picture of a command in the menus and on the toolbar: the desktop's
// icon theme by its freedesktop name, and a drawing of our own when the
// theme has none.
namespace Iconen {

// Lets the freedesktop names resolve on a desktop without a theme of its own.
void KiesThema();

QIcon Voor(int nOpdracht);

} // namespace Iconen
