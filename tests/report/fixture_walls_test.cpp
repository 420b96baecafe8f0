// The fixture walls come out of the screens with every result current.
#include <gtest/gtest.h>

#include "support/fixture_walls.h"
#include "support/program_fixture.h"

namespace {

TEST(FixtureWallsTest, EachWallEndsWithCurrentResults) {
    for (fixture::Wall wall : {fixture::Wall::HeelToeKey, fixture::Wall::RoadSeismic, fixture::Wall::TwoSided}) {
        ProgramWithMainWindow run;
        ScriptedServices& svc = run.svc;
        Program& prog = run.prog;
        fixture::enterWall(prog, wall);
        EXPECT_TRUE(svc.messages.empty()) << fixture::name(wall) << ": " << ::testing::PrintToString(svc.messageTexts());
        EXPECT_NE(prog.sigmaMax, 0) << fixture::name(wall);
        EXPECT_EQ(prog.sectionCheckDoneValue(), 1) << fixture::name(wall);
    }
}

}  // namespace
