// Every result that an input can make stale has its drop registered by the program as it
// starts, and so has every hand-over and query: a set that names an unregistered result
// would drop nothing, silently, and the screen would keep showing what no longer holds.
#include <gtest/gtest.h>

#include <vector>

#include "common/program.h"
#include "support/program_fixture.h"

// A value added to Stale, HandOver or Query without its name below fails the build here.
#pragma GCC diagnostic error "-Wswitch"

namespace {

const char* name(Stale what) {
    switch (what) {
        case Stale::StabilityPanel: return "StabilityPanel";
        case Stale::SlidingJudgement: return "SlidingJudgement";
        case Stale::StabilityResult: return "StabilityResult";
        case Stale::ReportCommands: return "ReportCommands";
        case Stale::SectionResult: return "SectionResult";
        case Stale::SectionKaChoice: return "SectionKaChoice";
        case Stale::KeyRow: return "KeyRow";
        case Stale::ShearKeyChoice: return "ShearKeyChoice";
        case Stale::EffectiveAreaChoice: return "EffectiveAreaChoice";
        case Stale::DimensionScreen: return "DimensionScreen";
        case Stale::SectionScreen: return "SectionScreen";
        case Stale::UprightWallRows: return "UprightWallRows";
        case Stale::SectionRows: return "SectionRows";
        case Stale::SectionCheck: return "SectionCheck";
    }
    return nullptr;
}

const char* name(HandOver what) {
    switch (what) {
        case HandOver::OpenDimensions: return "OpenDimensions";
        case HandOver::OpenSections: return "OpenSections";
    }
    return nullptr;
}

const char* name(Query what) {
    switch (what) {
        case Query::SectionResultShown: return "SectionResultShown";
    }
    return nullptr;
}

// Every value of the enumeration: those of the first 256 numbers that have a name.
template <class E>
std::vector<E> every() {
    std::vector<E> all;
    for (int i = 0; i < 256; ++i)
        if (name(static_cast<E>(i))) all.push_back(static_cast<E>(i));
    return all;
}

using RegisteredDrops = ProgramTest;

TEST_F(RegisteredDrops, EveryStaleResultHasItsDrop) {
    const std::vector<Stale> all = every<Stale>();
    ASSERT_EQ(all.size(), 14u);  // each value named above
    for (Stale what : all) EXPECT_TRUE(prog.invalidation.registered(what)) << name(what);
}

TEST_F(RegisteredDrops, EveryHandOverAndQueryIsRegistered) {
    for (HandOver what : every<HandOver>()) EXPECT_TRUE(prog.handOvers.registered(what)) << name(what);
    for (Query what : every<Query>()) EXPECT_TRUE(prog.queries.registered(what)) << name(what);
}

// The check above sees a missing registration: a program whose forms were never
// registered has none.
TEST(RegisteredDropsCheck, AProgramWithoutItsFormsHasNoDrops) {
    ScriptedServices svc;
    Program prog{svc};
    for (Stale what : every<Stale>()) EXPECT_FALSE(prog.invalidation.registered(what)) << name(what);
    prog.invalidation.registerDrop(Stale::KeyRow, [] {});
    EXPECT_TRUE(prog.invalidation.registered(Stale::KeyRow));
    EXPECT_FALSE(prog.invalidation.registered(Stale::SectionRows));
}

}  // namespace
