// The design choices in words, as the screens' options give them.
#include <utility>

#include "app/forms.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions_fixture.h"

namespace {

struct ChoiceCase {
    const char* name;
    plat::OptionButton Form3::*standard;  // none: no standard clicked
    bool seismic;
    plat::OptionButton Form25::*method;   // none: the dialog is not opened
    plat::OptionButton Form23::*shape;    // none: no shape clicked
    DesignChoices expected;
};

class DesignChoicesTest : public DesignConditionsTest {
protected:
    void choose(const ChoiceCase& c) {
        if (c.standard) (f().*c.standard).userClick();
        if (c.seismic) {
            if (c.method)
                seismic(c.method, "0.2", "0", f().opt_D.value() ? &Form25::opt_A : nullptr);
            else
                f().cmd2.press();
        }
        if (c.shape) (prog.form<Form23>().*c.shape).userClick();
    }
};

void expectSame(const DesignChoices& got, const DesignChoices& expected, const char* name) {
    EXPECT_EQ(got.standard, expected.standard) << name;
    EXPECT_EQ(got.loadCase, expected.loadCase) << name;
    EXPECT_EQ(got.groundShape, expected.groundShape) << name;
    EXPECT_EQ(got.seismicMethod, expected.seismicMethod) << name;
}

const ChoiceCase kCases[] = {
    {"nothing chosen", nullptr, false, nullptr, nullptr, {Standard::None, LoadCase::Normal}},
    {"building, normal, one-sided", &Form3::opt_T, false, nullptr, &Form23::opt1,
     {Standard::Building, LoadCase::Normal, GroundShape::OneSided}},
    {"road, normal, symmetric", &Form3::opt_D, false, nullptr, &Form23::opt2,
     {Standard::Road, LoadCase::Normal, GroundShape::Symmetric}},
    {"building, seismic without a method", &Form3::opt_T, true, nullptr, &Form23::opt1,
     {Standard::Building, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::None}},
    {"building, seismic K1", &Form3::opt_T, true, &Form25::opt_K1, &Form23::opt1,
     {Standard::Building, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::K1}},
    {"building, seismic K2", &Form3::opt_T, true, &Form25::opt_K2, &Form23::opt2,
     {Standard::Building, LoadCase::Seismic, GroundShape::Symmetric, SeismicMethod::K2}},
    {"road, seismic D1", &Form3::opt_D, true, &Form25::opt_D1, &Form23::opt1,
     {Standard::Road, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::D1}},
};

class DesignChoicesCaseTest : public DesignChoicesTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(DesignChoicesCaseTest, ReadsEachOptionOfTheScreensAsItsChoice) {
    const ChoiceCase& c = GetParam();
    choose(c);
    expectSame(designChoices(prog), c.expected, c.name);
}

INSTANTIATE_TEST_SUITE_P(Screens, DesignChoicesCaseTest, ::testing::ValuesIn(kCases));

TEST_F(DesignChoicesTest, TheMethodsWithHeightsAreK2AndD1) {
    const std::pair<SeismicMethod, bool> cases[] = {{SeismicMethod::None, false},
                                                   {SeismicMethod::K1, false},
                                                   {SeismicMethod::K2, true},
                                                   {SeismicMethod::D1, true}};
    for (auto [method, withHeights] : cases) {
        DesignChoices c;
        c.seismicMethod = method;
        EXPECT_EQ(c.withHeights(), withHeights) << static_cast<int>(method);
    }
}

TEST_F(DesignChoicesTest, FollowsAnOptionChangedWithoutAnEvent) {
    f().opt_T.userClick();
    ASSERT_TRUE(designChoices(prog).building());
    // What opening a project does: the file's lines set the options one by one.
    f().opt_T.setValue(false);
    EXPECT_EQ(designChoices(prog).standard, Standard::None);
    f().opt_D.setValue(true);
    EXPECT_TRUE(designChoices(prog).road());
}

// "キャンセル" keeps the method in force when the dialog opened, whatever was clicked in it.
TEST_F(DesignChoicesTest, ACancelledSeismicDialogKeepsItsMethod) {
    seismic(&Form25::opt_K2, "0.2", "0");
    ASSERT_EQ(designChoices(prog).seismicMethod, SeismicMethod::K2);
    svc.modalScripts.push_back([](plat::Form& d) {
        static_cast<Form25&>(d).opt_D1.userClick();
        static_cast<Form25&>(d).cmd2.press();
    });
    f().cmd4.press();
    EXPECT_EQ(designChoices(prog).seismicMethod, SeismicMethod::K2);
}

// Reading loads nothing and leaves the current screen (the preview's first page) where it
// is: on a fresh program no screen appears and nothing is chosen.
TEST(DesignChoicesLoading, TheReadingLoadsNothing) {
    ScriptedServices svc;
    Program prog{svc};
    registerForms(prog);
    prog.currentScreen = 2;
    const DesignChoices c = designChoices(prog);
    EXPECT_EQ(c.standard, Standard::None);
    EXPECT_EQ(c.loadCase, LoadCase::None);
    EXPECT_EQ(c.groundShape, GroundShape::None);
    EXPECT_EQ(c.seismicMethod, SeismicMethod::None);
    EXPECT_EQ(c.kaMode, KaMode::None);
    for (const char* name : {"Form3", "Form23", "Form25"}) EXPECT_FALSE(prog.isLoaded(name)) << name;
    EXPECT_EQ(prog.currentScreen, 2);
    prog.form<Form23>().opt2.setValue(true);
    EXPECT_EQ(designChoices(prog).groundShape, GroundShape::Symmetric);
}

}  // namespace
