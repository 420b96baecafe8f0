#include "section/check_locations.h"

#include <stdexcept>
#include <string>

#include "common/program.h"

const CheckLocation& checkLocationOf(int loc) {
    for (const CheckLocation& c : kCheckLocations)
        if (c.loc == loc) return c;
    throw std::out_of_range("no check location " + std::to_string(loc));
}

std::string placeName(const CheckLocation& c) { return std::string(c.memberName) + " " + c.rowCaption; }

double thicknessAt(const Program& p, const CheckLocation& c) {
    switch (c.thickness) {
    case ThicknessRule::WallMean: return (double(p.rearWallBottomWidth) + p.rearWallTopWidth) / 2;
    case ThicknessRule::WallBottom: return p.rearWallBottomWidth;
    case ThicknessRule::Key: return p.keyWidth;
    case ThicknessRule::Slab: break;
    }
    return p.slabThickness;
}

bool memberPresent(const Program& p, SectionMember member) {
    switch (member) {
    case SectionMember::Heel: return p.heelLength != 0;
    case SectionMember::Toe: return p.toeLength != 0;
    case SectionMember::Key: return p.keyHeight != 0;
    case SectionMember::Wall:
    case SectionMember::Slab: break;
    }
    return true;
}

bool locationPresent(const Program& p, int loc) { return memberPresent(p, checkLocationOf(loc).member); }

std::vector<int> presentLocations(const Program& p) {
    std::vector<int> locs;
    for (const CheckLocation& c : kCheckLocations)
        if (memberPresent(p, c.member)) locs.push_back(c.loc);
    return locs;
}
