#include "common/invalidation.h"
#include "common/hand_overs.h"
#include "common/queries.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/test_form.h"

namespace {

// A registry whose every drop writes its result's number into a log.
struct Recorder {
    Invalidation registry;
    std::vector<int> log;
    Recorder() {
        for (Stale what : {Stale::StabilityPanel, Stale::SlidingJudgement, Stale::StabilityResult,
                           Stale::ReportCommands, Stale::SectionResult, Stale::SectionKaChoice, Stale::KeyRow,
                           Stale::ShearKeyChoice, Stale::DimensionScreen, Stale::SectionScreen})
            registry.registerDrop(what, [this, what] { log.push_back(static_cast<int>(what)); });
    }
};

int n(Stale what) { return static_cast<int>(what); }

TEST(Invalidation, DropsEachResultOfTheSetInItsOrder) {
    Recorder r;
    r.registry.drop(invalidates::kGroundShape);
    EXPECT_EQ(r.log, (std::vector<int>{n(Stale::ShearKeyChoice), n(Stale::StabilityResult), n(Stale::ReportCommands),
                                       n(Stale::SectionResult), n(Stale::DimensionScreen), n(Stale::SectionScreen)}));
}

TEST(Invalidation, AResultNobodyRegisteredHasNothingToDrop) {
    Invalidation registry;
    std::vector<std::string> log;
    registry.registerDrop(Stale::SectionResult, [&] { log.push_back("sections"); });
    registry.drop(invalidates::kStabilityOnward);
    EXPECT_EQ(log, std::vector<std::string>{"sections"});
}

// A forgotten registration would leave a button dead or a question answered no: it throws.
TEST(Invalidation, AHandOverOrQueryNobodyRegisteredIsRefused) {
    HandOvers handOvers;
    Queries queries;
    EXPECT_THROW(queries.ask(Query::SectionResultShown), std::logic_error);
    EXPECT_THROW(handOvers.run(HandOver::OpenSections), std::logic_error);
}

TEST(Invalidation, HandOversAndQueriesReachTheirOwners) {
    HandOvers handOvers;
    Queries queries;
    int opened = 0;
    bool shown = false;
    handOvers.add(HandOver::OpenSections, [&] { ++opened; });
    queries.add(Query::SectionResultShown, [&] { return shown; });
    handOvers.run(HandOver::OpenSections);
    EXPECT_THROW(handOvers.run(HandOver::OpenDimensions), std::logic_error);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(queries.ask(Query::SectionResultShown));
    shown = true;
    EXPECT_TRUE(queries.ask(Query::SectionResultShown));
}

// A screen with its table over a recording registry.
struct InvalidationTableTest : ::testing::Test {
    ScriptedServices svc;
    plat::Desktop desktop{svc};
    TestForm form{desktop};
    Recorder r;
    InvalidationTable table{r.registry};
};

// Two inputs of one screen that drop different sets: each drops its own.
TEST_F(InvalidationTableTest, EachInputDropsItsOwnSet) {
    table.add(form.t1, invalidates::kStability);
    table.add(form.cb, invalidates::kShearKey);
    table.add("fault", invalidates::kStabilityAndCommands);

    table.changed(form.t1);
    EXPECT_EQ(r.log, std::vector<int>{n(Stale::StabilityResult)});
    r.log.clear();
    table.changed(form.cb);
    EXPECT_EQ(r.log, (std::vector<int>{n(Stale::StabilityResult), n(Stale::SlidingJudgement),
                                       n(Stale::ReportCommands), n(Stale::SectionResult)}));
    r.log.clear();
    table.changed("fault");
    EXPECT_EQ(r.log, (std::vector<int>{n(Stale::StabilityResult), n(Stale::ReportCommands)}));
}

TEST_F(InvalidationTableTest, AnInputWithoutAnEntryIsRefused) {
    table.add(form.t1, invalidates::kStability);
    EXPECT_THROW(table.changed(form.t2), std::logic_error);
    EXPECT_THROW(table.changed("activate"), std::logic_error);
    EXPECT_TRUE(r.log.empty());
}

}  // namespace
