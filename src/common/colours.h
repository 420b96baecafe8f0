// The program's colours besides black and the failed judgements' colour 13
// (platform/surface.h), as its screens, dialogs and sketches use them.
#pragma once
#include "platform/surface.h"

inline constexpr plat::Colour kGreen = 0x008000;      // headings
inline constexpr plat::Colour kNavy = 0x000080;       // sub-headings and notes
inline constexpr plat::Colour kDarkGreen = 0x004000;  // choices set apart from the rest
inline constexpr plat::Colour kRed = 0xFF0000;        // warnings, pressures in sketches
inline constexpr plat::Colour kBlue = 0x0000FF;       // steps, notes, marks in sketches
