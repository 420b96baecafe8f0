// The fixture walls come out of the screens with every result current.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/fixture_walls.h"
#include "support/scripted_services.h"

namespace {

TEST(FixtureWallsTest, EachWallEndsWithCurrentResults) {
    for (fixture::Wall wall : {fixture::Wall::HeelToeKey, fixture::Wall::RoadSeismic, fixture::Wall::TwoSided}) {
        ScriptedServices svc;
        Program prog(svc);
        prog.registerForms();
        prog.form<MDIForm1>();
        fixture::enterWall(prog, wall);
        EXPECT_TRUE(svc.messages.empty()) << fixture::name(wall) << ": " << ::testing::PrintToString(svc.messageTexts());
        EXPECT_NE(prog.sigmaMax, 0) << fixture::name(wall);
        EXPECT_EQ(prog.sectionCheckDoneValue(), 1) << fixture::name(wall);
    }
}

}  // namespace
