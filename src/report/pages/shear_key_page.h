// The shear-key parts of report page 4, written by Form4.KENTOU.
#pragma once

class Program;
struct StabilityCheck;
namespace plat {
class Surface;
}

namespace stability_pages {

// "・突起の計算" and the check of the chosen design standard, judged by the sliding check
// with the key (none: the formulas without a verdict).
void writeShearKeyCheck(plat::Surface& s, const Program& p, const StabilityCheck* withKey);
// The key, the passive wedge and the contact pressure as a fixed sketch.
void drawShearKeySketch(plat::Surface& s, const Program& p);

}  // namespace stability_pages
