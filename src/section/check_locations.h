// The check locations of the section design, in the order of the section screen's rows:
// the member each lies in and whether it has a shear check. Everything that walks the
// rows or asks which of them this wall has goes through this table.
#pragma once
#include <array>
#include <cstddef>
#include <vector>

class Program;

// The member of a check location; the heel, toe and key exist only on some walls.
enum class SectionMember { Wall, Slab, Heel, Toe, Key };

struct CheckLocation {
    int loc;
    SectionMember member;
    // The slab centre carries bending only: no bond line and no τc.
    bool shear;
};

inline constexpr std::array<CheckLocation, 8> kCheckLocations = {{
    {1, SectionMember::Wall, true},
    {2, SectionMember::Wall, true},
    {5, SectionMember::Slab, false},
    {6, SectionMember::Slab, true},
    {7, SectionMember::Slab, true},
    {8, SectionMember::Heel, true},
    {9, SectionMember::Toe, true},
    {10, SectionMember::Key, true},
}};

// The location numbers alone, in row order (the project file keeps its lines in it).
inline constexpr std::array<int, kCheckLocations.size()> kCheckLocationNumbers = [] {
    std::array<int, kCheckLocations.size()> numbers{};
    for (std::size_t i = 0; i < kCheckLocations.size(); ++i) numbers[i] = kCheckLocations[i].loc;
    return numbers;
}();

// The entry of a location number; throws std::out_of_range for a number that is none.
const CheckLocation& checkLocationOf(int loc);
// Whether the wall has the member: the heel, toe and key by their stability dimensions.
bool memberPresent(const Program& program, SectionMember member);
// Whether the wall has the location's member.
bool locationPresent(const Program& program, int loc);
// The locations whose member the wall has, in row order.
std::vector<int> presentLocations(const Program& program);
