// Histories of a checked project compared with a fresh program. A look at a box (a click, a
// double click, the focus, Enter) on the design conditions, in the seismic and check-method
// dialogs or on the section screen, and then the way forward again through "安定性の検討"
// and "断面計算 >", keeps every bar, spacing, computed KA and result. A real change of a
// condition keeps the rows whose results come out the same and empties the others.
#include "section/section_history_fixture.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using history::comparable;
using history::enterSectionInputsOf;
using history::Session;
using history::Wall;

// Computed KA, normal case; and the seismic case (building standard, K2, Kh 0.2) with the
// surcharges' inertia at 1.5 m.
const Wall kOrdinary{"Ordinary", {}};
const Wall kSeismic{.name = "Seismic", .dims = {}, .load = LoadCase::Seismic, .inertiaHeight = "1.5"};

// What a box's look is: the focus arrives, a click, a double click, Enter.
void look(plat::TextBox& box) {
    box.setFocus();
    if (box.Click) box.Click();
    if (box.DblClick) box.DblClick();
    box.setFocus();
    box.keyPress(plat::kKeyEnter);
}

// Types a text into a box with its keys, over its selected text.
void type(plat::TextBox& box, const std::string& text) {
    box.setFocus();
    box.selectAll();
    for (char c : text) box.keyPress(static_cast<unsigned char>(c));
}

// From the section screen back to the design conditions, screen by screen.
void backToConditions(Session& s) {
    s.back();
    s.dims().cmd2.press();  // "< 地盤の形状"
    s.prog.form<Form23>().cmd2.press();  // "< 設計条件"
}

// From the design conditions forward again, through the stability check to the sections.
void onToTheSections(Session& s) {
    s.conditions().cmd3.press();  // "地盤の形状 >"
    s.prog.form<Form23>().cmd1.press();  // "寸法の入力 >"
    s.stabilityCheck();
    s.handOver();
}

// What the project shows that a look must keep: the section screen and values, and the
// KA of the design conditions with the way it was given.
struct Shown {
    history::Outcome sections;
    std::string ka;
    bool kaComputed;
    bool operator==(const Shown&) const = default;
};
Shown keptOf(Session& s) { return {history::outcomeOf(s), s.conditions().txt15.text(), s.conditions().opt2.value()}; }

struct LookCase {
    const char* name;
    const Wall* wall;
    std::function<void(Session&)> lookAndGoOn;
};

class LookAtABox : public ::testing::TestWithParam<LookCase> {};

TEST_P(LookAtABox, KeepsEveryRowAndEqualsAFreshProgram) {
    const LookCase& c = GetParam();
    Session lived;
    lived.design(*c.wall);
    ASSERT_EQ(lived.prog.sectionCheckDoneValue(), 1);
    const Shown before = keptOf(lived);
    lived.svc.clear();
    c.lookAndGoOn(lived);
    EXPECT_TRUE(lived.svc.messages.empty()) << ::testing::PrintToString(lived.svc.messageTexts());
    EXPECT_EQ(keptOf(lived), before);
    EXPECT_EQ(lived.prog.sectionCheckDoneValue(), 1);

    Session fresh;
    fresh.enter(*c.wall);
    fresh.handOver();
    enterSectionInputsOf(lived, fresh);
    EXPECT_EQ(comparable(lived), comparable(fresh));
}

// A look at a box of the design conditions, then the way forward.
LookCase conditionsBox(const char* box, const Wall& wall = kOrdinary) {
    return {box, &wall, [box](Session& s) {
                backToConditions(s);
                look(static_cast<plat::TextBox&>(*s.conditions().control(box)));
                onToTheSections(s);
            }};
}

std::vector<LookCase> lookCases() {
    std::vector<LookCase> cases;
    for (const char* box : {"txt1", "txt2", "txt3", "txt4", "txt5", "txt6", "txt8", "txt10", "txt12", "txt14", "txt11",
                            "txt9", "txt15"})
        cases.push_back(conditionsBox(box));
    LookCase shortTerm = conditionsBox("txt13", kSeismic);
    shortTerm.name = "txt13Seismic";
    cases.push_back(shortTerm);
    // Each soil list: the soil already chosen picked again.
    cases.push_back({"SoilListsPickedAgain", &kOrdinary, [](Session& s) {
                         backToConditions(s);
                         for (plat::ComboBox* list : {&s.conditions().cbo1, &s.conditions().cbo2})
                             list->userPick(list->listIndex());
                         onToTheSections(s);
                     }});
    // The seismic coefficients looked at and confirmed with "ＯＫ" as they were.
    cases.push_back({"SeismicDialog", &kSeismic, [](Session& s) {
                         backToConditions(s);
                         s.svc.modalScripts.push_back([](plat::Form& f) {
                             auto& d = static_cast<Form25&>(f);
                             look(d.Text1);
                             look(d.Text2);
                             d.cmd1.press();
                         });
                         s.conditions().cmd4.press();
                         onToTheSections(s);
                     }});
    // The height of the surcharges' inertia looked at, the methods confirmed.
    cases.push_back({"SeismicCheckMethods", &kSeismic, [](Session& s) {
                         s.back();
                         s.svc.modalScripts.push_back([](plat::Form& f) {
                             auto& d = static_cast<Form21&>(f);
                             look(d.txt1);
                             d.cmd1.press();
                         });
                         s.dims().cmd4.press();  // "安定性の検討方法"
                         s.stabilityCheck();
                         s.handOver();
                     }});
    // The coefficient and every design box of the section screen, then back and forward.
    cases.push_back({"SectionBoxes", &kOrdinary, [](Session& s) {
                         look(s.sec().txt_ka);
                         for (const Form7::Row& r : s.sec().rows())
                             if (r.design.visible()) look(r.design);
                         s.back();
                         s.stabilityCheck();
                         s.handOver();
                     }});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Boxes, LookAtABox, ::testing::ValuesIn(lookCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- A real change ----

// A row as the engineer sees it: bar, computed and design spacing, the four results.
using RowShown = std::vector<std::string>;
std::map<int, RowShown> rowsOf(Form7& s) {
    std::map<int, RowShown> out;
    for (const Form7::Row& r : s.rows()) {
        if (!r.bars.visible()) continue;
        RowShown row{r.bars.text(), r.computed.caption(), r.design.text()};
        for (const plat::Label* l : r.results) row.push_back(l->caption());
        out[r.loc] = row;
    }
    return out;
}
bool emptyRow(const RowShown& row) {
    for (const std::string& cell : row)
        if (!cell.empty()) return false;
    return true;
}

// What each row shows in a fresh program of the changed wall that is given the bars and
// spacings the rows had before the change, each row checked on its own.
std::map<int, RowShown> freshRowsWith(const Wall& changed, const std::map<int, RowShown>& before,
                                       const std::map<int, int>& bars) {
    Session fresh;
    fresh.enter(changed);
    fresh.handOver();
    Form7& s = fresh.sec();
    for (const Form7::Row& r : s.rows()) {
        if (!r.bars.visible()) continue;
        r.bars.userPick(bars.at(r.loc));
        r.design.setText(before.at(r.loc)[2]);
        s.Ouryoku(r.loc);
    }
    return rowsOf(s);
}

enum class Kept { None, Some, All };

struct ChangeCase {
    const char* name;
    const Wall* before;
    Wall after;
    std::function<void(Session&)> change;  // on the design conditions, then on through the screens
    Kept kept;  // how many rows come out the same: the case shows what it is meant to
};

class ARealChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ARealChange, KeepsTheRowsThatComeOutTheSame) {
    const ChangeCase& c = GetParam();
    Session lived;
    lived.design(*c.before);
    const std::map<int, RowShown> before = rowsOf(lived.sec());
    std::map<int, int> bars;
    for (const Form7::Row& r : lived.sec().rows())
        if (r.bars.visible()) bars[r.loc] = r.bars.listIndex();
    backToConditions(lived);
    c.change(lived);
    onToTheSections(lived);
    const std::map<int, RowShown> after = rowsOf(lived.sec());

    // A row is kept exactly when the changed wall gives it the same spacing and judgement.
    const std::map<int, RowShown> same = freshRowsWith(c.after, before, bars);
    int kept = 0;
    for (const auto& [loc, row] : before) {
        SCOPED_TRACE("location " + std::to_string(loc));
        if (same.at(loc) == row) {
            EXPECT_EQ(after.at(loc), row);
            ++kept;
        } else {
            EXPECT_TRUE(emptyRow(after.at(loc))) << ::testing::PrintToString(after.at(loc));
        }
    }
    const int rows = static_cast<int>(before.size());
    EXPECT_EQ(c.kept, kept == 0 ? Kept::None : kept == rows ? Kept::All : Kept::Some) << kept << " of " << rows;
    EXPECT_EQ(lived.prog.sectionCheckDoneValue(), kept == rows ? 1 : 0);

    // Checked again, the project is that of a fresh program given the final inputs.
    lived.sectionCheck();
    Session fresh;
    fresh.enter(c.after);
    fresh.handOver();
    enterSectionInputsOf(lived, fresh);
    EXPECT_EQ(comparable(lived), comparable(fresh));
}

Wall with(const Wall& wall, const char* name, screen_input::Texts conditions, std::string kh = "0.2") {
    Wall w = wall;
    w.name = name;
    w.conditions = std::move(conditions);
    w.kh = std::move(kh);
    return w;
}

const ChangeCase kChanges[] = {
    // Fc 24 → 30: the allowable concrete, shear and bond stresses change, the bar stress
    // does not.
    {"ConcreteStrength", &kOrdinary, with(kOrdinary, "Fc30", {{"txt2", "30"}}),
     [](Session& s) { type(s.conditions().txt2, "30"); }, Kept::Some},
    // The bearing capacity enters the bearing judgement only: every row stays.
    {"BearingCapacity", &kOrdinary, with(kOrdinary, "qa150", {{"txt4", "150"}}),
     [](Session& s) { type(s.conditions().txt4, "150"); }, Kept::All},
    // γ 18 → 19: every earth pressure and soil load changes.
    {"SoilUnitWeight", &kOrdinary, with(kOrdinary, "gamma19", {{"txt5", "19"}}),
     [](Session& s) { type(s.conditions().txt5, "19"); }, Kept::None},
    // Kh 0.2 → 0.25 in the dialog; the KA computed again.
    {"SeismicCoefficient", &kSeismic, with(kSeismic, "Kh025", {}, "0.25"),
     [](Session& s) {
         s.svc.modalScripts.push_back([](plat::Form& f) {
             auto& d = static_cast<Form25&>(f);
             type(d.Text1, "0.25");
             d.cmd1.press();
         });
         s.conditions().cmd4.press();
         s.conditions().cmd6.press();
     },
     Kept::None},
};

INSTANTIATE_TEST_SUITE_P(Conditions, ARealChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
