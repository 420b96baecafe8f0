// Stability results after a history on the dimension screen: the toe typed away after a
// front-soil choice, a toe typed on a wall that had none, the shear key calculated over a
// hidden panel, the shear key switched after a run, the cohesion set to 0 after its
// effective-area choice. Whatever came before, once the wall is checked again the dimension
// screen, the stability values, the section design, the saved file and the printed pages
// are those of a fresh program into which the final inputs were entered directly.
#include "section/section_history_fixture.h"

#include <functional>
#include <sstream>

#include "project/project_file.h"
#include "report/print_range_dialog.h"

namespace {

using history::Session;
using history::Wall;

// The common wall: toe 0.5 m, its front soil "計算に含む".
const Wall kWithToe{"WithToe", {}};
const Wall kWithoutToe{"WithoutToe", {{"txt12", "0"}, {"txt18", "0"}}};
const Wall kWithKey{"WithKey", {}, "", LoadCase::Normal, "0.3"};
const Wall kWithKeyMoreSurcharge{"WithKeyMoreSurcharge", {{"txt21", "12"}}, "", LoadCase::Normal, "0.3"};
const Wall kSeismic{"Seismic", {}, "", LoadCase::Seismic};
const Wall kSeismicWithKey{"SeismicWithKey", {}, "", LoadCase::Seismic, "0.3"};
// C = 10 kN/m2 with the eccentricity deducted from the loaded width.
const Wall kCohesion{"Cohesion", {}, "", LoadCase::Normal, "0.3", true, true};
const Wall kSeismicCohesion{"SeismicCohesion", {}, "", LoadCase::Seismic, "0.3", true, true};

// A user's edit of a dimension box: a click into it, the text typed over the selection,
// then the focus leaves for the back soil height.
void typeInto(Session& s, const char* name, const std::string& text) {
    plat::TextBox& box = s.box(name);
    box.setFocus();
    box.Click();
    box.selectAll();
    for (char ch : text) box.keyPress(ch);
    s.dims().txt5.setFocus();
}

// What the dimension screen shows: every control's visibility, state and text.
std::map<std::string, std::string> dimensionScreen(Session& s) {
    std::map<std::string, std::string> shown;
    for (const plat::Control* c : s.dims().controls()) {
        std::string text;
        switch (c->kind()) {
        case plat::ControlKind::Label: text = static_cast<const plat::Label*>(c)->caption(); break;
        case plat::ControlKind::TextBox: text = static_cast<const plat::TextBox*>(c)->text(); break;
        case plat::ControlKind::OptionButton: text = static_cast<const plat::OptionButton*>(c)->value() ? "on" : ""; break;
        case plat::ControlKind::CheckBox: text = std::to_string(static_cast<const plat::CheckBox*>(c)->value()); break;
        default: break;
        }
        shown[c->name()] = text + (c->visible() ? "" : " [hidden]") + (c->enabled() ? "" : " [disabled]");
    }
    return shown;
}

struct StabilityOutcome {
    std::map<std::string, std::string> screen;
    float sigmaMax, sigmaMin, eccentricity, sumV, slidingSafetyFactor, frontSoilArea;
    history::Outcome sections;
    bool operator==(const StabilityOutcome&) const = default;
};

void PrintTo(const StabilityOutcome& o, std::ostream* os) {
    *os << "σmax " << o.sigmaMax << ", σmin " << o.sigmaMin << ", e " << o.eccentricity << ", ΣV " << o.sumV
        << ", F " << o.slidingSafetyFactor << ", A8 " << o.frontSoilArea << "\n";
    for (const auto& [k, v] : o.screen) *os << "  " << k << " = \"" << v << "\"\n";
    history::PrintTo(o.sections, os);
}

StabilityOutcome stabilityOutcomeOf(Session& s) {
    Program& p = s.prog;
    return {dimensionScreen(s), p.sigmaMax,           p.sigmaMin, p.eccentricity, p.sumV, p.slidingSafetyFactor,
            p.partArea[8],      history::outcomeOf(s)};
}

// The fresh program: the final wall entered, handed over, and given the bars and design
// spacings that the lived one ended with.
void enterFresh(Session& fresh, Session& lived, const Wall& w) {
    fresh.enter(w);
    fresh.handOver();
    const auto from = lived.sec().rows();
    const auto to = fresh.sec().rows();
    for (size_t i = 0; i < from.size(); ++i) {
        if (!to[i].bars.visible()) continue;
        if (from[i].bars.listIndex() >= 0) to[i].bars.userPick(from[i].bars.listIndex());
        to[i].design.setText(from[i].design.text());
    }
    fresh.sec().cmd1.press();
}

struct HistoryCase {
    const char* name;
    Wall finalWall;
    std::function<void(Session&)> history;
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class StabilityHistory : public ::testing::TestWithParam<HistoryCase> {};

// The lines of the project file as saving would write them.
std::vector<std::string> savedLines(Session& s) { return project::collect(s.prog); }

// Every page of the report as the print run draws it: "一般事項・安定計算・断面計算".
std::vector<std::string> printedPages(Session& s) {
    s.svc.modalScripts.push_back([](plat::Form& form) {
        auto& d = static_cast<Form15&>(form);
        d.opt5.userClick();
        d.cmd1.press();
    });
    const size_t jobs = s.svc.printJobs.size();
    s.main().Men_FPrn.userClick();
    std::vector<std::string> ops;
    if (s.svc.printJobs.size() == jobs) return {"no print job"};
    for (const plat::DrawOp& op : s.svc.printJobs.back()->ops()) {
        std::ostringstream line;
        line << op.kind << ' ' << op.x1 << ',' << op.y1 << ' ' << op.x2 << ',' << op.y2 << ' ' << op.fontName << ' '
             << op.fontSize << ' ' << op.colour << ' ' << op.text;
        ops.push_back(line.str());
    }
    return ops;
}

TEST_P(StabilityHistory, EndsAsAFreshProgramWithTheFinalInputs) {
    const HistoryCase& c = GetParam();
    Session lived;
    c.history(lived);
    Session fresh;
    enterFresh(fresh, lived, c.finalWall);
    EXPECT_EQ(lived.prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(stabilityOutcomeOf(lived), stabilityOutcomeOf(fresh));
    EXPECT_EQ(savedLines(lived), savedLines(fresh));
    lived.svc.clear();
    EXPECT_EQ(printedPages(lived), printedPages(fresh));
    EXPECT_TRUE(lived.svc.messages.empty()) << lived.svc.messageTexts().front();
}

// Back from the section screen, then the edits on the dimension screen.
void backAndEdit(Session& s, const std::function<void()>& edits) {
    s.back();
    edits();
}

// Check, hand-over and section check once more.
void recheck(Session& s) {
    s.stabilityCheck();
    s.handOver();
    s.sectionCheck();
}

const HistoryCase kCases[] = {
    // "計算に含む" chosen, then the toe typed away: its pair follows, the frame hides and
    // the choice goes with it.
    {"ToeTypedAwayAfterTheFrontSoilChoice", kWithoutToe,
     [](Session& s) {
         s.design(kWithToe);
         backAndEdit(s, [&] { typeInto(s, "txt12", "0"); });
         recheck(s);
     }},
    // The same, but the toe end thickness typed away first.
    {"ToeEndTypedAwayAfterTheFrontSoilChoice", kWithoutToe,
     [](Session& s) {
         s.design(kWithToe);
         backAndEdit(s, [&] { typeInto(s, "txt18", "0"); });
         recheck(s);
     }},
    // A toe typed on a wall without one, then a visit to the ground shape: the frame
    // shows for the toe typed, and its choice is asked for and made.
    {"ToeTypedOnAWallWithoutOne", kWithToe,
     [](Session& s) {
         s.design(kWithoutToe);
         backAndEdit(s, [&] {
             typeInto(s, "txt12", "0.5");
             typeInto(s, "txt18", "0.3");
             s.dims().cmd2.press();                  // "< 地盤の形状"
             s.prog.form<Form23>().cmd1.press();     // "寸法の入力 >"
         });
         s.svc.clear();
         s.stabilityCheck();
         EXPECT_EQ(s.svc.messageTexts(), std::vector<std::string>{"前面土荷重の計算の有無を選択してください。"});
         s.dims().opt3.userClick();
         recheck(s);
     }},
    // The key calculated after an edit: its result is not shown, so the hand-over asks
    // for the stability check first.
    {"KeyCalculatedAfterAnEdit", kWithKeyMoreSurcharge,
     [](Session& s) {
         s.design(kWithKey);
         backAndEdit(s, [&] { typeInto(s, "txt21", "12"); });
         s.svc.modalScripts.push_back([](plat::Form& dialog) { static_cast<Form19&>(dialog).cmd2.press(); });
         s.dims().cmd5.press();  // "突起の計算", then "キャンセル"
         s.svc.clear();
         s.handOver();
         EXPECT_EQ(s.svc.messageTexts(), std::vector<std::string>{"安定性の検討をしてください。"});
         recheck(s);
     }},
};

// The key chosen again in the dimension screen after a run: nothing of the other choice
// counts, so the hand-over asks for the stability check first.
void switchKey(Session& s, bool on) {
    (on ? s.dims().opt6 : s.dims().opt5).userClick();
    s.svc.clear();
    s.handOver();
    EXPECT_EQ(s.svc.messageTexts(), std::vector<std::string>{"安定性の検討をしてください。"});
    EXPECT_TRUE(s.dims().cmd3.hasFocus());
}

// The check asks for the key that is not entered yet; the building-standard dialog takes it.
void enterKeyWhenAsked(Session& s) {
    s.svc.clear();
    s.svc.modalScripts.push_back([](plat::Form& form) {
        auto& key = static_cast<Form19&>(form);
        key.txt1.setText("0.3");
        key.txt2.setText("1.0");
        key.txt3.setText("0.4");
        key.cmd1.press();  // "計算"
    });
    s.stabilityCheck();
    EXPECT_EQ(s.svc.messageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
    recheck(s);
}

// Cohesion "しない" on the design conditions, then the way forward to the dimensions.
void cohesionToZero(Session& s) {
    Form3& c = s.conditions();
    c.opt8.userClick();
    c.cmd3.press();                         // "地盤の形状 >"
    s.prog.form<Form23>().cmd1.press();     // "寸法の入力 >"
}

const HistoryCase kSwitchCases[] = {
    {"KeyRemovedAfterARun", Wall{"WithoutKey", {}},
     [](Session& s) {
         s.design(kWithKey);
         s.back();
         switchKey(s, false);
         recheck(s);
     }},
    {"KeyAddedAfterARun", kWithKey,
     [](Session& s) {
         s.design(Wall{"WithoutKey", {}});
         s.back();
         switchKey(s, true);
         enterKeyWhenAsked(s);
     }},
    // Off and on again: the key's entries went on the way, so it is asked for again.
    {"KeySwitchedOffAndOn", kWithKey,
     [](Session& s) {
         s.design(kWithKey);
         s.back();
         switchKey(s, false);
         switchKey(s, true);
         enterKeyWhenAsked(s);
     }},
    {"SeismicKeyRemovedAfterARun", kSeismic,
     [](Session& s) {
         s.design(kSeismicWithKey);
         s.back();
         switchKey(s, false);
         recheck(s);
     }},
    {"SeismicKeyAddedAfterARun", kSeismicWithKey,
     [](Session& s) {
         s.design(kSeismic);
         s.back();
         switchKey(s, true);
         enterKeyWhenAsked(s);
     }},
    {"CohesionNotConsideredAfterItsAreaChoice", kWithKey,
     [](Session& s) {
         s.design(kCohesion);
         cohesionToZero(s);
         recheck(s);
     }},
    {"SeismicCohesionNotConsideredAfterItsAreaChoice", kSeismicWithKey,
     [](Session& s) {
         s.design(kSeismicCohesion);
         cohesionToZero(s);
         recheck(s);
     }},
};

// A cohesion typed down to 0 while "考慮する" stays chosen: the area choice goes when the
// design conditions are taken, and nothing of it reaches the file or the stability page.
bool printsEffectiveArea(Session& s) {
    for (const std::string& op : printedPages(s))
        if (op.find("A'") != std::string::npos) return true;
    return false;
}

// The saved line of a dialog's option.
std::string savedOption(Session& s, const char* form, const char* option) {
    const std::vector<std::string> texts = savedLines(s);
    for (const project::LineSource& line : project::lines())
        if (line.form == form && line.control == option) return texts[line.number - 1];
    return "no line";
}

TEST(CohesionTypedToZero, ClearsTheEffectiveAreaChoice) {
    for (const Wall& w : {kCohesion, kSeismicCohesion}) {
        Session s;
        s.design(w);
        Form14& normal = s.prog.form<Form14>();
        Form21& seismic = s.prog.form<Form21>();
        ASSERT_TRUE(normal.opt4.value() || seismic.opt7.value()) << w.name;
        EXPECT_TRUE(printsEffectiveArea(s)) << w.name;
        Form3& c = s.conditions();
        c.txt14.setFocus();
        c.txt14.Click();
        c.txt14.keyPress('0');
        c.txt14.setText("0");
        EXPECT_TRUE(normal.opt4.value() || seismic.opt7.value()) << "not while the user types";
        c.cmd3.press();
        EXPECT_FALSE(normal.opt4.value() || normal.opt5.value() || seismic.opt7.value() || seismic.opt8.value())
            << w.name;
        s.prog.form<Form23>().cmd1.press();
        recheck(s);
        EXPECT_FALSE(printsEffectiveArea(s)) << w.name;
        for (const char* option : {"opt4", "opt5"}) EXPECT_EQ(savedOption(s, "Form14", option), "False");
        for (const char* option : {"opt7", "opt8"}) EXPECT_EQ(savedOption(s, "Form21", option), "False");
    }
}

INSTANTIATE_TEST_SUITE_P(Switches, StabilityHistory, ::testing::ValuesIn(kSwitchCases),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Histories, StabilityHistory, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
