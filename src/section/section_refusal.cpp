#include "section/section_refusal.h"

#include <string>

#include "section/check_locations.h"

std::string locationName(int loc) { return placeName(checkLocationOf(loc)); }

namespace {

std::string messageOf(int loc, SectionRefusal::Reason reason) {
    switch (reason) {
    case SectionRefusal::Reason::NoStabilityResult: return "安定性の検討をしてください。";
    case SectionRefusal::Reason::GroundReaction:
        return locationName(loc) + "の断面力は、この地盤反力の分布では計算できません。";
    case SectionRefusal::Reason::TooThin:
        return locationName(loc) + "は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。";
    }
    return {};
}

}  // namespace

SectionRefusal::SectionRefusal(int loc, Reason reason)
    : std::runtime_error(messageOf(loc, reason)), loc_(loc), reason_(reason) {}
