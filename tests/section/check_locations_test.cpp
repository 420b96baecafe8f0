// The location table: each location's caption on the screen and in the messages, its
// member thickness, the ground reaction its forces need (and so whether it can be
// refused), and which slab end lies under the larger ordinate of a sloping reaction.
#include <gtest/gtest.h>

#include <string>

#include "section/check_locations.h"
#include "section/design_forces.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"
#include "support/program_fixture.h"

namespace {

struct LocationCase {
    int loc;
    const char* rowCaption;  // the screen's row caption
    const char* place;       // as the messages name the location
    double thickness;        // D of the wall below, m
    bool needsReaction;
};

// Rear wall 0.50 m at the bottom and 0.30 m at the top, slab 0.45 m, key 0.35 m wide.
const LocationCase kLocations[] = {
    {1, "Ａ 中央部", "たて壁 Ａ 中央部", 0.40, false},   {2, "Ｂ 固定部", "たて壁 Ｂ 固定部", 0.50, false},
    {5, "Ｃ 中央部", "底版 Ｃ 中央部", 0.45, true},      {6, "Ｄ前固定部", "底版 Ｄ前固定部", 0.45, true},
    {7, "Ｅ後固定部", "底版 Ｅ後固定部", 0.45, true},    {8, "Ｆ 固定部", "かかと版 Ｆ 固定部", 0.45, true},
    {9, "Ｇ 固定部", "つま先版 Ｇ 固定部", 0.45, true},  {10, "Ｈ 固定部", "突起 Ｈ 固定部", 0.35, false},
};

class CheckLocations : public ProgramTest {
protected:
    void SetUp() override {
        prog.rearWallBottomWidth = 0.5f;
        prog.rearWallTopWidth = 0.3f;
        prog.slabThickness = 0.45f;
        prog.keyWidth = 0.35f;
    }
};

TEST_F(CheckLocations, EveryLocationIsInTheTableInRowOrder) {
    ASSERT_EQ(std::size(kLocations), kCheckLocations.size());
    for (std::size_t i = 0; i < kCheckLocations.size(); ++i) EXPECT_EQ(kCheckLocations[i].loc, kLocations[i].loc);
}

// The screen shows the row caption and a refusal names member and row alike.
TEST_F(CheckLocations, TheScreenAndTheMessagesNameEachLocation) {
    Form7& f = prog.form<Form7>();
    for (const LocationCase& c : kLocations) {
        EXPECT_EQ(f.row(c.loc).caption.caption(), c.rowCaption) << c.loc;
        EXPECT_EQ(placeName(checkLocationOf(c.loc)), c.place) << c.loc;
        EXPECT_EQ(SectionRefusal(c.loc, SectionRefusal::Reason::TooThin).what(),
                  std::string(c.place) + "は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。")
            << c.loc;
    }
}

TEST_F(CheckLocations, EachLocationTakesTheThicknessOfItsMember) {
    for (const LocationCase& c : kLocations)
        EXPECT_NEAR(thicknessAt(prog, checkLocationOf(c.loc)), c.thickness, 1e-6) << c.loc;
}

// With a slab model that has written nothing, exactly the locations whose forces need a
// ground reaction are refused, and only they are the ones that may be refused.
TEST_F(CheckLocations, OnlyTheLocationsThatNeedAReactionAreRefused) {
    prog.slabModelWritten = 0;
    prog.eccentricity = 0;
    for (const LocationCase& c : kLocations) {
        EXPECT_EQ(checkLocationOf(c.loc).mayBeRefused(), c.needsReaction) << c.loc;
        if (c.needsReaction) {
            try {
                requireGroundReaction(prog, c.loc);
                ADD_FAILURE() << c.loc << " was not refused";
            } catch (const SectionRefusal& refusal) {
                EXPECT_EQ(refusal.reason(), SectionRefusal::Reason::GroundReaction) << c.loc;
                EXPECT_EQ(refusal.loc(), c.loc);
            }
        } else {
            EXPECT_NO_THROW(requireGroundReaction(prog, c.loc)) << c.loc;
        }
    }
}

// What each reaction is made of (eccentricity 0, so the span and the heel need no Xn):
// the span W1, the heel W2, W3, V5 and VR, the toe W4, W5, V1 and VP.
TEST_F(CheckLocations, EachReactionNeedsWhatItIsMadeOf) {
    prog.eccentricity = 0;
    struct Case {
        int loc;
        unsigned written;
        bool refused;
    };
    const unsigned heel = kWroteW2W3 | kWroteV5 | kWroteVR, toe = kWroteW4W5 | kWroteV1 | kWroteVP;
    for (const Case& c : {Case{5, kWroteW1, false}, Case{7, heel | toe, true}, Case{8, heel, false},
                          Case{8, kWroteW2W3 | kWroteV5, true}, Case{9, toe, false}, Case{9, kWroteW1 | heel, true}}) {
        prog.slabModelWritten = c.written;
        bool refused = false;
        try {
            requireGroundReaction(prog, c.loc);
        } catch (const SectionRefusal&) {
            refused = true;
        }
        EXPECT_EQ(refused, c.refused) << c.loc << " with " << c.written;
    }
}

// A reaction falling from the front wall to the rear wall is largest under the front end.
TEST(SlabEnds, TheEndUnderTheLargerOrdinate) {
    EXPECT_TRUE(underLargerOrdinate(6, SpanReaction::Falling));
    EXPECT_FALSE(underLargerOrdinate(7, SpanReaction::Falling));
    EXPECT_FALSE(underLargerOrdinate(6, SpanReaction::Rising));
    EXPECT_TRUE(underLargerOrdinate(7, SpanReaction::Rising));
}

}  // namespace
