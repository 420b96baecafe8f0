// The values a numeric box may hold for it to describe a real wall, and the rules of a
// screen's boxes: each screen and dialog lists its boxes with their bounds, whether they
// are asked for, the rules between them and whether they take part, in one table beside
// its box table. Every command that computes runs one check over the tables of what it
// reads (refuseFirstBroken): the first box, in the order the user meets them, that breaks
// a rule is named, with the quantity and the range, and brought up with the focus in it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/desktop.h"

struct Bounds {
    double low = 0;
    // The low end itself refused: the value must be more than `low` (a thickness, a strength).
    bool lowOpen = false;
    double high = 0;
    // The high end itself refused: the value must be less than `high` (an angle below 90°).
    bool highOpen = false;
    const char* unit = "";
    // 0 is taken besides the range: the part left out (no toe, no batter).
    bool orZero = false;
};

// Generous bounds no real retaining wall reaches, shared by the screens. Where a value
// cannot be 0, the low end is the least a real wall has, so that no accepted value makes
// a number too long to show (a slip such as 0.019 for 19 kN/m3 is refused too).
namespace bounds {
// A dimension that may be 0 (no toe, no heel, a vertical face, no fill), in m.
inline constexpr Bounds kLengthOrNone{0.01, false, 1000, false, "m", true};
// A dimension that a wall cannot do without (a width at the slab, the slab), in m.
inline constexpr Bounds kLength{0.01, false, 1000, false, "m"};
// A surcharge or a cohesion, 0 meaning none, in kN/m2.
inline constexpr Bounds kPressureOrNone{0, false, 10000, false, "kN/m2"};
// A bearing capacity, in kN/m2.
inline constexpr Bounds kPressure{1, false, 10000, false, "kN/m2"};
// A unit weight, in kN/m3.
inline constexpr Bounds kUnitWeight{1, false, 1000, false, "kN/m3"};
// A design strength of concrete, in N/mm2.
inline constexpr Bounds kStrength{1, false, 1000, false, "N/mm2"};
// An allowable stress, in N/mm2.
inline constexpr Bounds kStress{0.01, false, 1000, false, "N/mm2"};
// A friction angle of soil or between soil and the wall, in degrees. No soil has more
// than 60°; nearer a right angle tan φ and the earth-pressure formulas run away.
inline constexpr Bounds kAngle{0, false, 60, false, "゜"};
// A friction coefficient or an earth-pressure coefficient.
inline constexpr Bounds kCoefficient{0, false, 10, false, ""};
// An active earth-pressure coefficient: without one there is no earth pressure at all.
inline constexpr Bounds kCoefficientPositive{0.01, false, 10, false, ""};
// A seismic coefficient is a fraction of gravity, 0 meaning none; a whole g or more is a
// typing slip, and a coefficient too small to count makes the forces it gives vanish.
inline constexpr Bounds kHorizontalSeismic{0.01, false, 1, false, "", true};
// Vertically a whole g leaves nothing of the weight (θk = atan(Kh / (1 - Kv))).
inline constexpr Bounds kVerticalSeismic{0.01, false, 1, true, "", true};
// A cover, in mm.
inline constexpr Bounds kCover{1, false, 1000, false, "mm"};
// A design spacing of the bars, in mm.
inline constexpr Bounds kSpacing{10, false, 1000, false, "mm"};
}  // namespace bounds

struct BoundedBox {
    plat::TextBox* box;
    // The quantity as the message names it ("土の単位体積重量").
    std::string name;
    Bounds bounds;
    // Whether the box counts now (a box of the other ground shape or load case does not).
    bool applies = true;
    // Asked for with this message when empty; none where an empty box means 0 or the
    // screen asks for it itself.
    const char* missing = nullptr;
    // A rule between this box and others (a toe's length beside its thickness): the
    // message when it is broken, empty while it holds. Judged after the box's own rules.
    std::function<std::string()> between = {};
    // Brings the box's screen to the front, or opens its dialog (whose focus is already
    // in the box); none where the box is on the screen the command runs from.
    std::function<void()> bringUp = {};
    // A text box (a section number, a wall mark): only asked for, never a number.
    bool anyText = false;
};

// Whether the text is one number (or empty, which reads 0) that lies within the bounds.
bool withinBounds(const std::string& text, const Bounds& b);
// "土の単位体積重量は1以上1000kN/m3以下で入力してください。"
std::string boundsMessage(const std::string& name, const Bounds& b);
// "寸法H1は数値で入力してください。": a text that is more than one number ("2,8").
std::string notANumberMessage(const std::string& name);
// The first box of the table that applies and holds a text that is no number or a number
// outside its bounds.
const BoundedBox* firstOutOfBounds(const std::vector<BoundedBox>& table);
// The first box of the table that applies and breaks any of its rules: empty where it is
// asked for, no number, or outside its bounds.
const BoundedBox* firstBrokenRule(const std::vector<BoundedBox>& table);
// What a box that firstOutOfBounds or firstBrokenRule names is told: the message asking
// for it, the number message or its range.
std::string refusalMessage(const BoundedBox& box);
// Refuses the first box out of bounds: its message in an error box, then the focus in the
// box with its whole text selected. False when every box is within bounds.
bool refuseOutOfBounds(plat::Desktop& desktop, const std::vector<BoundedBox>& table);
// The one check that every command runs before it computes: the first box that breaks
// any of its rules, in the order the user meets them, is named in an error box, its
// screen or dialog brought up and the focus put in it, its text selected. False when
// every box keeps its rules.
bool refuseFirstBroken(plat::Desktop& desktop, const std::vector<BoundedBox>& rules);
// Brings an input screen to the front alone, where a refused box of it is corrected: the
// other input screens hidden, the screen shown at its place.
void showScreenAlone(plat::Desktop& desktop, plat::Form& screen);
// Brings the box into sight with the focus in it: its screen to the front, or its dialog
// opened on it.
void bringInSight(const BoundedBox& entry);
// The rules of an earlier screen as a later command judges them: only its boxes that hold
// a text. An emptied box takes the later screens out of sight, and its own screen's
// command asks for it.
std::vector<BoundedBox> givenOnly(std::vector<BoundedBox> rules);
// The rules of one table after another, in the order the user meets their screens.
void appendRules(std::vector<BoundedBox>& rules, std::vector<BoundedBox> more);
