#pragma once

#include "VeldenDialoog.h"

// The tooltips of the property and template dialogs, by control name; a
// dialog without that control has no use for its tooltip.
std::span<const CVeldenDialoog::STooltip> Tooltips();
// The tooltip of the colour layer's "Dekking" slider is the page's only.
inline constexpr char szLaagDekking[] = "kleurlaagDekking";
