#pragma once

#include <QStringList>

// Where a module of the program (a part loaded when first needed) may be, in
// order: beside the program, as in the build, and in the program's own
// library folder once installed.
QStringList ModulePaden(const QString& strBestand);
