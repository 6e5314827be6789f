#pragma once

#include "VeldenDialoog.h"

// The controls of the three item dialogs and the fields they edit; each
// dialog's form holds the ones that apply to its kind of item.
std::span<const CVeldenDialoog::SKoppeling> ItemKoppelingen();
