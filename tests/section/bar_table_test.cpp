// The bar table and the allowable bar stress of large bars.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/forms.h"
#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "section/bar_table.h"
#include "section/section_screen.h"
#include "support/choice_input.h"
#include "support/scripted_services.h"

namespace {

struct Row {
    const char* item;
    const char* name;
    float area, perimeter, halfDiameter;
};

const Row kExpected[21] = {
    {"  D10", "D10", 0.7133f, 3.0f, 5},         {"D10,D13", "D10,D13", 0.99015f, 3.5f, 6.5f},
    {"  D13", "D13", 1.267f, 4.0f, 6.5f},       {"D13,D16", "D13,D16", 1.6265f, 4.5f, 8},
    {"  D16", "D16", 1.986f, 5.0f, 8},          {"D16,D19", "D16,D19", 2.4255f, 5.5f, 9.5f},
    {"  D19", "D19", 2.865f, 6.0f, 9.5f},       {"D19,D22", "D19,D22", 3.368f, 6.5f, 11},
    {"  D22", "D22", 3.871f, 7.0f, 11},         {"D22,D25", "D22,D25", 4.469f, 7.5f, 12.5f},
    {"  D25", "D25", 5.067f, 8.0f, 12.5f},      {"D25,D29", "D25,D29", 5.745f, 8.5f, 14.5f},
    {"  D29", "D29", 6.424f, 9.0f, 14.5f},      {"D29,D32", "D29,D32", 7.183f, 9.5f, 16},
    {"  D32", "D32", 7.942f, 10.0f, 16},        {"D32,D35", "D32,D35", 8.754f, 10.5f, 17.5f},
    {"  D35", "D35", 9.566f, 11.0f, 17.5f},     {"D35,D38", "D35,D38", 10.483f, 11.5f, 19},
    {"  D38", "D38", 11.4f, 12.0f, 19},         {"D38,D41", "D38,D41", 12.4f, 12.5f, 20.5f},
    {"  D41", "D41", 13.4f, 13.0f, 20.5f},
};

TEST(BarTable, EveryRowAsListedAndNamedLikeItsListItem) {
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(Form7::kBarItems[i], kExpected[i].item);
        EXPECT_STREQ(kBarSizes[i].name, kExpected[i].name);
        EXPECT_EQ(kBarSizes[i].area, kExpected[i].area);
        EXPECT_EQ(kBarSizes[i].perimeter, kExpected[i].perimeter);
        EXPECT_EQ(kBarSizes[i].halfDiameter, kExpected[i].halfDiameter);
    }
}

TEST(BarTable, PairsTakeTheMeanOfTheirNeighboursAndTheLargerBar) {
    for (int i = 1; i < 21; i += 2) {
        SCOPED_TRACE(i);
        const BarSize &small = kBarSizes[i - 1], &pair = kBarSizes[i], &large = kBarSizes[i + 1];
        EXPECT_EQ(pair.perimeter, (small.perimeter + large.perimeter) / 2);
        EXPECT_EQ(pair.halfDiameter, large.halfDiameter);
        // "D25,D29" is held at 5.745, a hair under the exact mean 5.7455.
        const float mean = static_cast<float>((double(small.area) + large.area) / 2);
        if (i == 11)
            EXPECT_EQ(pair.area, 5.745f);
        else
            EXPECT_FLOAT_EQ(pair.area, mean);
        EXPECT_EQ(std::string(pair.name), std::string(small.name) + "," + large.name);
    }
    for (int i = 0; i < 21; i += 2)
        EXPECT_EQ(kBarSizes[i].halfDiameter, std::stof(std::string(kBarSizes[i].name).substr(1)) / 2);
}

class SpacingLargeBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerForms(prog);
        prog.rebarAllowLong = 215;
    }
    void choose(Standard standard, LoadCase load) {
        choice_input::setDesignChoices(prog, {.standard = standard, .loadCase = load});
    }
    float after(float area) {
        prog.rebarAllow = 300;
        LargeBarRebarAllow(prog, area);
        return prog.rebarAllow;
    }
    ScriptedServices svc;
    Program prog{svc};
};

TEST_F(SpacingLargeBarTest, BuildingNormalSplitsTheRowsAtD25D29) {
    choose(Standard::Building, LoadCase::Normal);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(after(kBarSizes[i].area), i >= 11 ? 195.0f : 215.0f) << i;
    EXPECT_EQ(after(5.745f), 195.0f);
    EXPECT_EQ(after(std::nextafter(5.745f, 0.0f)), 215.0f);
}

TEST_F(SpacingLargeBarTest, OtherStandardsAndTheSeismicCaseKeepTheAllowableAsSet) {
    choose(Standard::Road, LoadCase::Normal);
    EXPECT_EQ(after(13.4f), 300.0f);
    choose(Standard::Building, LoadCase::Seismic);
    EXPECT_EQ(after(13.4f), 300.0f);
    EXPECT_EQ(after(0.7133f), 300.0f);
}

TEST_F(SpacingLargeBarTest, NoStandardChosenCountsAsNotBuilding) {
    choice_input::setDesignChoices(prog, {.loadCase = LoadCase::Normal});
    EXPECT_EQ(after(13.4f), 300.0f);
}

}  // namespace
