// Section results after a history: a second wall after File > New, an edit after a check,
// a visit to the dimensions and back, a wall whose ground reaction leaves locations without
// forces. Whatever came before, the section screen, the section values of the rows it shows
// and the check flag after a re-check are those of a fresh program into which the final
// inputs were entered directly.
#include "section/section_history_fixture.h"

#include <functional>

namespace {

using history::comparable;
using history::enterSectionInputsOf;
using history::Outcome;
using history::Session;
using history::Wall;

// Computed KA, trapezoidal contact with its largest pressure at the heel end.
const Wall kOrdinary{"Ordinary", {}};
const Wall kWithKey{"WithKey", {}, "", LoadCase::Normal, "0.3"};
const Wall kTypedKa{"TypedKa", {}, "0.33"};
const Wall kSeismic{"Seismic", {}, "", LoadCase::Seismic};
// KA 3, back surcharge 40, no vertical component: the resultant lies beyond the toe.
const Wall kOutsideBase{"OutsideBase", {{"txt21", "40"}}, "3", LoadCase::Normal, "", false};
// KA 3.3: a triangle whose contact ends between mid-span and the rear wall (Xn = 2.61 m).
const Wall kContactBetweenWalls{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false};
// KA 2.8: the contact ends under the rear wall (Xn = 3.23 m), short of the heel.
const Wall kContactShortOfHeel{"ContactShortOfHeel", {}, "2.8", LoadCase::Normal, "", false};

struct HistoryCase {
    const char* name;
    Wall finalWall;
    // What happened before, ending with the final inputs entered and a re-check run.
    std::function<void(Session&)> history;
};

class SectionHistory : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(SectionHistory, EndsAsAFreshProgramWithTheFinalInputs) {
    const HistoryCase& c = GetParam();
    Session lived;
    c.history(lived);
    Session fresh;
    fresh.enter(c.finalWall);
    fresh.handOver();
    enterSectionInputsOf(lived, fresh);
    EXPECT_EQ(comparable(lived), comparable(fresh));
}

// The same wall once more, then the re-check.
void again(Session& s, const Wall& w) {
    s.design(w);
}

void typeKa(Session& s, const std::string& ka) {
    Form7& f = s.sec();
    f.txt_ka.setFocus();
    f.txt_ka.selectAll();
    for (char ch : ka) f.txt_ka.keyPress(ch);
}

// Back to the dimensions, the stability check again, the hand-over and a re-check.
void revisit(Session& s) {
    s.back();
    s.stabilityCheck();
    s.handOver();
    s.sectionCheck();
}

// A new KA on the design conditions, and the way forward again through the screens.
void newDesignKa(Session& s, const std::string& ka) {
    Form3& c = s.conditions();
    c.txt15.setFocus();
    c.txt15.setText(ka);
    c.cmd3.press();
    s.prog.form<Form23>().cmd1.press();
    s.stabilityCheck();
    s.handOver();
    s.sectionCheck();
}

const HistoryCase kCases[] = {
    // A second wall after File > New.
    {"KeyThenNoKey", kOrdinary, [](Session& s) { s.design(kWithKey); again(s, kOrdinary); }},
    {"OrdinaryThenOutsideBase", kOutsideBase, [](Session& s) { s.design(kOrdinary); again(s, kOutsideBase); }},
    {"OrdinaryThenContactBetweenWalls", kContactBetweenWalls,
     [](Session& s) { s.design(kOrdinary); again(s, kContactBetweenWalls); }},
    {"OrdinaryThenContactShortOfHeel", kContactShortOfHeel,
     [](Session& s) { s.design(kOrdinary); again(s, kContactShortOfHeel); }},
    {"StoppedOnTheHeelThenOrdinary", kOrdinary,
     [](Session& s) { s.design(kContactShortOfHeel); again(s, kOrdinary); }},
    {"TypedThenComputedKa", kOrdinary, [](Session& s) { s.design(kTypedKa); again(s, kOrdinary); }},
    // Edits after a check.
    {"KaTyped", kTypedKa,
     [](Session& s) {
         s.design(kTypedKa);
         typeKa(s, "0.6");
         s.sectionCheck();
     }},
    {"SurchargeInertiaSwitched", kSeismic,
     [](Session& s) {
         s.design(kSeismic);
         s.sec().chk_1.userClick();
         s.sec().txt_1.setText("1.5");
         s.sectionCheck();
     }},
    {"SurchargeInertiaHeightTyped", kSeismic,
     [](Session& s) {
         s.design(kSeismic);
         s.sec().chk_1.userClick();
         s.sec().txt_1.setText("1.5");
         s.sectionCheck();
         s.sec().txt_1.setText("3");
         s.sectionCheck();
     }},
    {"KeyHeightTyped", Wall{"Key15", {}, "", LoadCase::Normal, "1.5"},
     [](Session& s) {
         s.design(kWithKey);
         s.back();
         s.prog.form<Form19>().txt1.setText("1.5");
         revisit(s);
     }},
    {"BarPickedAtTheFixedEnd", kOrdinary,
     [](Session& s) {
         s.design(kOrdinary);
         s.sec().cbo2.userPick(6);  // "  D19"
         s.sectionCheck();
     }},
    {"CoversConfirmed", kOrdinary,
     [](Session& s) {
         s.design(kOrdinary);
         s.confirmCovers({{"txt1", "50"}, {"txt3", "70"}, {"txt4", "70"}, {"txt5", "70"}});
         s.sectionCheck();
     }},
    // Leaving the section screen and coming back.
    {"RevisitedWithComputedKa", kOrdinary, [](Session& s) { s.design(kOrdinary); revisit(s); }},
    {"RevisitedAfterATypedKa", kTypedKa,
     [](Session& s) {
         s.design(kTypedKa);
         typeKa(s, "0.5");
         s.sectionCheck();
         revisit(s);
     }},
    // The soil already chosen picked again, then the stability result made again without
    // a change to any row: the check still counts without a re-check.
    {"SameSoilTypePickedAgain", kOrdinary,
     [](Session& s) {
         s.design(kOrdinary);
         s.conditions().cbo1.userPick(2);  // the soil type it already had
         s.stabilityCheck();
         s.handOver();
     }},
    {"SameFoundationSoilPickedAgainWithRefusedRows", kContactBetweenWalls,
     [](Session& s) {
         s.design(kContactBetweenWalls);
         s.conditions().cbo2.userPick(2);
         s.stabilityCheck();
         s.handOver();
     }},
    {"KeyDialogConfirmedUnchanged", kWithKey,
     [](Session& s) {
         s.design(kWithKey);
         s.back();
         s.prog.form<Form19>().cmd1.press();
         s.stabilityCheck();
         s.handOver();
     }},
    // Within one project, a wall whose reaction leaves locations without forces.
    {"SameProjectContactBetweenWalls", kContactBetweenWalls,
     [](Session& s) {
         s.design(Wall{"Typed25", {}, "2.5", LoadCase::Normal, "", false});
         s.back();
         newDesignKa(s, "3.3");
     }},
};

INSTANTIATE_TEST_SUITE_P(Histories, SectionHistory, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The histories above are worth comparing only if their final walls really differ in what
// the section design refuses. The refused rows are judged, and the check completes.
TEST(SectionHistoryWalls, RefuseWhatTheirGroundReactionLeavesUnknown) {
    struct {
        Wall wall;
        std::vector<int> refused;
    } const cases[] = {
        {kOrdinary, {}},
        {kOutsideBase, {5, 6, 7, 8, 9}},
        {kContactBetweenWalls, {5, 6, 7, 8}},
        {kContactShortOfHeel, {8}},
    };
    for (const auto& c : cases) {
        Session s;
        s.design(c.wall);
        std::vector<int> refused;
        for (int loc : s.sec().presentLocations())
            if (s.sec().refusedRow(loc)) refused.push_back(loc);
        EXPECT_EQ(refused, c.refused) << c.wall.name;
        EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1) << c.wall.name;
    }
}

}  // namespace
