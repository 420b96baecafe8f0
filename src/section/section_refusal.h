// A check location that the section design does not compute for the current inputs.
// Without a stability result or with a member too thin for its bar, the row is emptied
// and the user is told why; a location whose ground reaction gives no forces is judged NG
// on its row instead (the reason's text is what its report block says).
#pragma once
#include <stdexcept>
#include <string>

// The member and the row caption of a check location, as the screen names them
// ("たて壁 Ａ 中央部").
std::string locationName(int loc);

class SectionRefusal : public std::runtime_error {
public:
    enum class Reason {
        NoStabilityResult,  // the stability check has to be run first
        GroundReaction,     // the ground reaction the location needs is not known for this wall
        TooThin,            // no effective depth is left beside the cover and the bar
    };
    SectionRefusal(int loc, Reason reason);

    int loc() const { return loc_; }
    Reason reason() const { return reason_; }

private:
    int loc_;
    Reason reason_;
};
