// The page writers of the calculation report, named as the program names its procedures.
// A writer draws its part of a page on the surface from the program as it stands and
// changes nothing in it. What printing deliberately leaves in the program (the drawing's
// scale, the shared loop counter, the parts a drawing leaves out, the offsets of page 3,
// the design spacings and the bar's allowable stress) is done by the named steps below,
// which the page table runs just before each writer.
#pragma once
#include "common/program.h"
#include "platform/surface.h"

namespace report {

// Page 1: the design conditions.
void Ippan(plat::Surface& s, const Program& p);
// Page 2: the heading and the scaled wall drawing, then the self-weight table.
void KEIJYOU(plat::Surface& s, const Program& p);
void JIJYUU(plat::Surface& s, const Program& p);
// Page 3: the earth pressure (with the seismic wall friction angle), then the load table.
void Doatu(plat::Surface& s, const Program& p);
void jDERUTA(plat::Surface& s, const Program& p);
void Doatu2(plat::Surface& s, const Program& p);
// Page 4: overturning, bearing, sliding, the shear key and the contact-pressure sketch.
void KENTOU(plat::Surface& s, const Program& p);
// Page 5: the opening page of the section checks.
void HAIKIN(plat::Surface& s, const Program& p);
// Pages 6 to 9: one section each (locations 1, 2, 5 to 10).
void HAIKIN_A(plat::Surface& s, const Program& p);
void HAIKIN_B(plat::Surface& s, const Program& p);
void HAIKIN_E(plat::Surface& s, const Program& p);
void HAIKIN_F(plat::Surface& s, const Program& p);
void HAIKIN_G(plat::Surface& s, const Program& p);
void HAIKIN_H(plat::Surface& s, const Program& p);
void HAIKIN_I(plat::Surface& s, const Program& p);
void HAIKIN_J(plat::Surface& s, const Program& p);

// The steps before the writers.
// KEIJYOU: figureScale of the drawing on this surface; the loop counter as the surcharge
// hatching leaves it.
void prepareWallDrawing(Program& p, const plat::Surface& s);
// JIJYUU: the back soil (no heel, no outer batter) and the front soil (one-sided, no toe)
// that the table leaves out have no area; page 3 starts without offset; the loop counter
// as the table frame leaves it.
void prepareSelfWeightPage(Program& p);
// Doatu: the offset of page 3 for the derivation of δ; the loop counter after the top of
// the page.
void prepareEarthPressurePage(Program& p);
// Doatu2: the loop counter as the table frame leaves it.
void prepareLoadTable(Program& p);
// KENTOU: the loop counter after the top of the page.
void prepareStabilityPage(Program& p);
// HAIKIN: the design spacings typed on the section screen; figureScale and
// reactionDiagramScale of the base figure on this surface.
void prepareSectionOpeningPage(Program& p, const plat::Surface& s);
// HAIKIN_A to HAIKIN_J: the allowable steel stress of the location's bar (the large-bar
// allowable), for a location whose check block is printed.
void prepareSectionCheck(Program& p, int loc);

}  // namespace report
