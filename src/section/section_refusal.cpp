#include "section/section_refusal.h"

#include <string>

std::string locationName(int loc) {
    switch (loc) {
    case 1: return "たて壁 Ａ 中央部";
    case 2: return "たて壁 Ｂ 固定部";
    case 5: return "底版 Ｃ 中央部";
    case 6: return "底版 Ｄ前固定部";
    case 7: return "底版 Ｅ後固定部";
    case 8: return "かかと版 Ｆ 固定部";
    case 9: return "つま先版 Ｇ 固定部";
    default: return "突起 Ｈ 固定部";
    }
}

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
