// What an input makes stale, written once. A result that an input can outdate has a name
// (Stale); a set of them is written once under a name (invalidates::kStabilityOnward); the
// screen that owns a result registers how to drop it, so a screen on a lower floor drops a
// result above it without knowing the screen that shows it. Each screen keeps one table,
// beside its entry fields, of which set each of its inputs drops.
#pragma once
#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>

namespace plat {
class Control;
}

// The things an input can make stale, each dropped by the screen that owns it.
enum class Stale {
    StabilityPanel,    // the dimension screen's judgement panel (the result stays)
    SlidingJudgement,  // the panel's sliding lines, which the shear key decides
    StabilityResult,   // the stability result, its panel and the section check built on it
    ReportCommands,    // overwrite save, preview and print on the toolbar
    SectionResult,     // the section screen's rows, coefficient and check
    SectionKaChoice,   // how the section KA was given (typed or computed)
    KeyRow,            // the shear key's section row, where the section screen is loaded
    ShearKeyChoice,    // the shear key itself: back to none
    EffectiveAreaChoice,  // how the cohesion acts on the base: nothing chosen, without cohesion
    DimensionScreen,   // the dimension screen is put away
    SectionScreen,     // the section screen is put away
    UprightWallRows,   // the section rows of the upright wall (locations 1 and 2)
    SectionRows,       // every section row and the check; the coefficient stays
    SectionCheck,      // the section check alone: the rows stay for the next hand-over
};

using InvalidationSet = std::span<const Stale>;

// The named sets. Where two inputs drop different things, they name different sets here.
namespace invalidates {
// Everything that the stability calculation feeds: its result, the toolbar, the sections.
inline constexpr std::array kStabilityOnward{Stale::StabilityResult, Stale::ReportCommands, Stale::SectionResult};
// A condition of the wall or its soil on the design conditions: the stability result and
// the toolbar, and the later screens go out of sight. The section rows stay until the next
// hand-over compares them with the new result and empties those it changes, as after a
// change of the wall.
inline constexpr std::array kConditionInput{Stale::StabilityResult, Stale::ReportCommands, Stale::DimensionScreen,
                                            Stale::SectionScreen};
// An input of the wall on the dimension screen, or of the soil's coefficients (KA, μ, the
// seismic coefficients): the stability result and the toolbar. The section rows stay until
// the next hand-over compares them with the new result and empties those it changes, so
// that a wall checked again unchanged keeps its bars and spacings.
inline constexpr std::array kWallInput{Stale::StabilityResult, Stale::ReportCommands};
// The later screens go out of sight; their results stay.
inline constexpr std::array kLaterScreens{Stale::DimensionScreen, Stale::SectionScreen};
// The toolbar's report commands alone (a new or closed project).
inline constexpr std::array kReportCommands{Stale::ReportCommands};
// The stability result alone.
inline constexpr std::array kStability{Stale::StabilityResult};
// A calculation that left no result: the stability result and the toolbar.
inline constexpr std::array kStabilityAndCommands{Stale::StabilityResult, Stale::ReportCommands};
// The section design's own input on the design conditions (its δ): the section check, and
// the section screen goes out of sight; the rows wait for the hand-over's comparison.
inline constexpr std::array kSectionCondition{Stale::SectionCheck, Stale::SectionScreen};
// A new load case: the section KA is to be given again.
inline constexpr std::array kSectionKa{Stale::SectionKaChoice};
// The shear-key choice: everything the stability calculation feeds, and the sliding lines
// judged with or without the key, so that nothing of the other choice is shown or saved.
inline constexpr std::array kShearKey{Stale::StabilityResult, Stale::SlidingJudgement, Stale::ReportCommands,
                                      Stale::SectionResult};
// The shear key's own values: the stability result and the key's section row.
inline constexpr std::array kKeyValues{Stale::StabilityResult, Stale::KeyRow};
// The key confirmed in its dialog: it is judged by the next stability check.
inline constexpr std::array kKeyConfirmed{Stale::StabilityResult, Stale::SlidingJudgement};
// What the upright wall's forces are worked out with: its rows are chosen again.
inline constexpr std::array kUprightWall{Stale::UprightWallRows};
// A new way of giving the section KA: every row was worked out with the old one.
inline constexpr std::array kSectionRows{Stale::SectionRows};
// No cohesion of the foundation ground: no choice of the area it acts on.
inline constexpr std::array kNoCohesion{Stale::EffectiveAreaChoice};
// A new ground shape: no shear key, and everything after the design conditions.
inline constexpr std::array kGroundShape{Stale::ShearKeyChoice, Stale::StabilityResult, Stale::ReportCommands,
                                         Stale::SectionResult,  Stale::DimensionScreen, Stale::SectionScreen};
}  // namespace invalidates

// How to drop each result, as their owners registered them (registerForLowerFloors).
class Invalidation {
public:
    void registerDrop(Stale what, std::function<void()> drop) { drops_[what] = std::move(drop); }
    // Whether the owner of the result registered how to drop it.
    bool registered(Stale what) const { return drops_.contains(what); }

    // Drops each result of the set in its order; a result nobody registered has nothing to drop.
    void drop(InvalidationSet set) const;

private:
    std::map<Stale, std::function<void()>> drops_;
};

// One screen's table of what each of its inputs makes stale.
class InvalidationTable {
public:
    explicit InvalidationTable(const Invalidation& registry) : registry_(registry) {}
    InvalidationTable(const InvalidationTable&) = delete;
    InvalidationTable& operator=(const InvalidationTable&) = delete;

    // The input (a control, or a named step such as "fault") drops the set.
    void add(const plat::Control& input, InvalidationSet set);
    void add(const std::string& input, InvalidationSet set) { sets_[input] = set; }

    // The input changed: drops its set.
    void changed(const plat::Control& input) const;
    void changed(const std::string& input) const;

private:
    const Invalidation& registry_;
    std::map<std::string, InvalidationSet> sets_;
};
