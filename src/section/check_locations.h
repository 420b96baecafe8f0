// The check locations of the section design, in the order of the section screen's rows,
// with everything that differs from one location to another: the member it lies in, how
// its thickness is taken, the procedure of its design forces, the ground reaction those
// need, its caption and whether it has a shear check. Everything that walks the rows,
// asks which of them this wall has or treats one location unlike another goes through
// this table.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "section/design_forces.h"

class Program;

// The member of a check location; the heel, toe and key exist only on some walls.
enum class SectionMember { Wall, Slab, Heel, Toe, Key };

// How the member thickness D of a location is taken from the dimensions.
enum class ThicknessRule {
    WallMean,    // the upright wall at mid-height: the mean of its bottom and top widths
    WallBottom,  // the upright wall at its fixed end: its bottom width
    Slab,        // the base slab, the heel and the toe: the slab thickness
    Key,         // the shear key: its width
};

// The ground reaction that a location's design forces are made of.
enum class ReactionNeeded {
    None,  // the upright wall and the key carry earth pressure alone
    Span,  // the reaction under the span between the walls
    Heel,  // the reaction under the heel
    Toe,   // the reaction under the toe
};

// The procedure that works out M and S of a location (design_forces.h).
using ForceProcedure = void (*)(Program& program, int loc);

struct CheckLocation {
    int loc;
    SectionMember member;
    // The member as the messages name it, and the row's caption on the screen (its letter,
    // as the sketch marks the location, and its place in the member).
    const char* memberName;
    const char* rowCaption;
    ThicknessRule thickness;
    ForceProcedure forces;
    ReactionNeeded reaction;
    // The slab centre carries bending only: no bond line and no τc.
    bool shear;

    // Only a location whose forces need a ground reaction can be refused: judged NG
    // because the reaction of the current stability result gives it no forces.
    constexpr bool mayBeRefused() const { return reaction != ReactionNeeded::None; }
};

inline constexpr std::array<CheckLocation, 8> kCheckLocations = {{
    {1, SectionMember::Wall, "たて壁", "Ａ 中央部", ThicknessRule::WallMean, wallForces, ReactionNeeded::None, true},
    {2, SectionMember::Wall, "たて壁", "Ｂ 固定部", ThicknessRule::WallBottom, wallForces, ReactionNeeded::None, true},
    {5, SectionMember::Slab, "底版", "Ｃ 中央部", ThicknessRule::Slab, slabForces, ReactionNeeded::Span, false},
    {6, SectionMember::Slab, "底版", "Ｄ前固定部", ThicknessRule::Slab, slabForces, ReactionNeeded::Span, true},
    {7, SectionMember::Slab, "底版", "Ｅ後固定部", ThicknessRule::Slab, slabForces, ReactionNeeded::Span, true},
    {8, SectionMember::Heel, "かかと版", "Ｆ 固定部", ThicknessRule::Slab, heelForces, ReactionNeeded::Heel, true},
    {9, SectionMember::Toe, "つま先版", "Ｇ 固定部", ThicknessRule::Slab, toeForces, ReactionNeeded::Toe, true},
    {10, SectionMember::Key, "突起", "Ｈ 固定部", ThicknessRule::Key, keyForces, ReactionNeeded::None, true},
}};

// The location numbers alone, in row order (the project file keeps its lines in it).
inline constexpr std::array<int, kCheckLocations.size()> kCheckLocationNumbers = [] {
    std::array<int, kCheckLocations.size()> numbers{};
    for (std::size_t i = 0; i < kCheckLocations.size(); ++i) numbers[i] = kCheckLocations[i].loc;
    return numbers;
}();

// The entry of a location number; throws std::out_of_range for a number that is none.
const CheckLocation& checkLocationOf(int loc);
// The location as the messages name it: its member and its row caption ("底版 Ｃ 中央部").
std::string placeName(const CheckLocation& location);
// The member thickness D at the location by its rule, m.
double thicknessAt(const Program& program, const CheckLocation& location);
// Whether the wall has the member: the heel, toe and key by their stability dimensions.
bool memberPresent(const Program& program, SectionMember member);
// Whether the wall has the location's member.
bool locationPresent(const Program& program, int loc);
// The locations whose member the wall has, in row order.
std::vector<int> presentLocations(const Program& program);
