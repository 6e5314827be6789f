#pragma once

#include <QFunctionPointer>
#include <QStringList>

// Where a module of the program (a part loaded when first needed) may be, in
// order: beside the program, as in the build, and in the program's own
// library folder once installed.
QStringList ModulePaden(const QString& strBestand);

// The entry szFunctie of the first of aPaden that loads and has it, or null.
// A module found stays loaded for the rest of the program's life: its code,
// and any thread it starts, live in it.
QFunctionPointer ZoekInModule(const QStringList& aPaden, const char* szFunctie);
