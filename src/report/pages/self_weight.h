// Shared pieces of the self-weight table of report page 2 (Form4.JIJYUU).
#pragma once
#include "common/program.h"
#include "platform/surface.h"

namespace page {

// Text top of row i (part ① to ⑧) of the self-weight table.
inline double selfWeightRowY(int part) { return 8650 + 500.0 * (part - 1); }

// The soil parts that neither the drawing nor the table of page 2 show: the back soil
// when the rear wall has neither heel nor outer batter, the front soil of a one-sided
// shape without toe.
bool backSoilLeftOut(const Program& p);
bool frontSoilLeftOut(const Program& p);

// Widths of the soil surfaces over the batters, m, rounded to single precision.
float backSurfaceWidth(const Program& p);
float frontSurfaceWidth(const Program& p);
float fillTopWidth(const Program& p);
float centreSurchargeWidth(const Program& p);

// The area formula of part i written out with its numbers, left of its "＝".
void drawAreaFormula(const Program& p, plat::Surface& s, int part);

}  // namespace page
