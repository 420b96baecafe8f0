// The fixture walls come out of the screens with every result current.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"

namespace {

TEST(FixtureWallsTest, EachWallEndsWithCurrentResults) {
    for (fixture::Wall wall : fixture::kAllWalls) {
        ProgramWithMainWindow run;
        ScriptedServices& svc = run.svc;
        Program& prog = run.prog;
        fixture::enterWall(prog, wall);
        EXPECT_TRUE(svc.messages.empty()) << fixture::name(wall) << ": " << ::testing::PrintToString(svc.messageTexts());
        EXPECT_NE(prog.sigmaMax, 0) << fixture::name(wall);
        EXPECT_EQ(prog.sectionCheckDoneValue(), 1) << fixture::name(wall);
    }
}

// The screens hold the choices each wall is said to be entered with.
TEST(FixtureWallsTest, EachWallIsEnteredWithItsDesignChoices) {
    for (fixture::Wall wall : fixture::kAllWalls) {
        ScriptedServices svc;
        Program prog(svc);
        registerForms(prog);
        prog.form<MDIForm1>();
        fixture::enterConditions(prog, wall);
        const DesignChoices expected = fixture::choices(wall);
        const DesignChoices shown = designChoices(prog);
        EXPECT_EQ(shown.standard, expected.standard) << fixture::name(wall);
        EXPECT_EQ(shown.loadCase, expected.loadCase) << fixture::name(wall);
        EXPECT_EQ(shown.groundShape, expected.groundShape) << fixture::name(wall);
        EXPECT_EQ(shown.seismicMethod, expected.seismicMethod) << fixture::name(wall);
    }
}

}  // namespace
