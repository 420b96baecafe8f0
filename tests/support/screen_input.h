// What the tests type into the design-conditions and dimension screens: one set of values
// for the walls most tests use, entered through the screens' own boxes.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "common/stability_values.h"

class Form3;
class Form4;

namespace screen_input {

using Texts = std::vector<std::pair<std::string, std::string>>;

// The site, then Fc 24, ft 200, qa 100, γ 18 and 24, the third soil of each list, φ 30,
// δ 20 (stability) and 15 (section), φB 30, μ 0.5; cohesion 10 kN/m2 or none. Standard,
// load case and KA are the caller's.
void typeDesignValues(Form3& conditions, const std::string& site, bool cohesion = false);

// The common wall, value by value as typed: section 3, wall U-1, base 4.0 m (toe 0.5,
// walls 0.45 at the slab, span 2.0, heel 0.6), slab 0.4 m with 0.3 m ends, back soil
// 2.5 m above the base, rear wall 0.3 m above it, surcharges 10, 5 and 3 kN/m2.
struct WallText {
    std::string StabilityValues::*text = nullptr;
    float StabilityValues::*number = nullptr;
    const char* typed;
};
const std::vector<WallText>& commonWall();
// Types the common wall into the boxes that hold its values, then the boxes of `changes`
// over it.
void typeWall(Form4& dimensions, const Texts& changes = {});

}  // namespace screen_input
